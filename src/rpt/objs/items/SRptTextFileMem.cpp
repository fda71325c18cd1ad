#include "rpt/objs/items/SRptTextFileMem.h"

#include "platform/ui/SFileDlg.h"
#include "platform/ui/SInteraction.h"
#include "rpt/module/SRptFont.h"
#include "rpt/objs/SRptAttributeGuard.h"
#include "rpt/objs/items/SRptItemEditor.h"
#include "rpt/objs/items/SRptItemParagraphs.h"
#include "varod9/RptApi.h"

namespace {
constexpr SRptAttributeGuard kGuard("RPT\\Objs\\SRptTextFileMem", "SRptTextFileMem");
}  // namespace

// ---- SRptTextFileMem: the attribute protocol, all the file's ----

HRESULT SRptTextFileMem::GetAttribute(int32_t id, SRepVariant* value) {
    return kGuard.Get(id, value, [&] { return SRptFileImpl::GetAttribute(id, value); });
}

HRESULT SRptTextFileMem::SetAttribute(int32_t id, const SRepVariant& value) {
    return kGuard.Set(id, [&] { return SRptFileImpl::SetAttribute(id, value); });
}

HRESULT SRptTextFileMem::GetAttributeDefault(int32_t id, SRepVariant* value) {
    return kGuard.Default(id, value, [&] { return SRptFileImpl::GetAttributeDefault(id, value); });
}

uint32_t SRptTextFileMem::GetAttributeFlags(int32_t id) const {
    return id == -1 ? 0 : SRptFileImpl::GetAttributeFlags(id);
}

uint32_t SRptTextFileMem::GetAttributeType(int32_t id) const {
    return id == -1 ? 0 : SRptFileImpl::GetAttributeType(id);
}

bool SRptTextFileMem::HasAttribute(int32_t id) const {
    return SRptFileMem::HasAttribute(id);
}

bool SRptTextFileMem::ClassIsKindOf(const GUID& clsid) {
    return clsid == CLSID_SRptTextFile || SRptFileMem::ClassIsKindOf(clsid);
}

bool SRptTextFileMem::ClassHasCollection(int32_t id) {
    return SRptFileMem::ClassHasCollection(id);
}

HRESULT SRptTextFileMem::FinalConstruct() {
    HRESULT hr = SRptFileImpl::FinalConstruct();
    if (FAILED(hr)) return hr;
    SRptTextFileRegistry::MarkClassInitialised();
    return S_OK;
}

// ---- SRptTextFileImpl ----

HRESULT SRptTextFileImpl::ConstructWithItemDef(const RPTUSRITEMDEF* pItemDef) {
    if (!pItemDef) return E_POINTER;
    // An item without its paragraph is not built: the failure goes to the caller.
    HRESULT hr = SRptFileImpl::ConstructWithItemDef(pItemDef);
    if (FAILED(hr)) return hr;
    hr = SetupParagraphs();
    return FAILED(hr) ? hr : S_OK;
}

int32_t SRptTextFileImpl::GetParaFontID(ISRptPara* pPara) const {
    int32_t position = -1;
    SRptGetParaPosition(this, pPara, &position);
    return position == 0 ? SRptFont::RPT_FONT_TEXT_FILE : -1;
}

std::unique_ptr<SFileDlg> SRptTextFileImpl::CreateFileDialog() {
    const SString filter = SRptLoadString(IDS_RPT_TEXT_FILE_FILTER);
    return std::make_unique<SFileDlg>(true, "txt", "*.txt", OFN_HIDEREADONLY, filter.c_str(), nullptr);
}

HRESULT SRptTextFileImpl::OnCreateBrowserNode(ISBrowserView* pBrowser, uint32_t, ISBrowserNode* pParent,
                                              ISBrowserNode* pPrevious, int32_t dispid, bool bIsTemplateEditor,
                                              SRptBrowserNodeItem** pBrowserNodeItem) {
    return SRptItemEditor::CreateBrowserNode(SRptBrowserNodeKind::TextFile, this, pBrowser, pParent, pPrevious,
                                             dispid, bIsTemplateEditor, pBrowserNodeItem);
}

HRESULT SRptTextFileImpl::IsItemSupportCommand(uint32_t nID) {
    switch (nID) {
        case ID_RPT_ITEM_FORMAT: return S_OK;
        case ID_RPT_ITEM_EDIT: return GetInTemplate() ? S_OK : S_FALSE;
        default: return S_FALSE;
    }
}

HRESULT SRptTextFileImpl::OnHandlePopupCommand(uint32_t nId, const SComTable<ISRepObject>& selectedItems, SWnd*) {
    SModuleStateGuard state(SRptGetModuleState());
    switch (nId) {
        case ID_RPT_ITEM_FORMAT: SRptItemEditor::FormatDialog(selectedItems, 0, IDD_RPT_FORMAT); return S_OK;
        case ID_RPT_ITEM_EDIT: return EditFile(RPT_TEXT_FILE_EDITOR);
        // The user has seen how the choice ended; the command itself is done either way.
        case ID_RPT_TEXTFILE_SELECT: SelectFile(); return S_OK;
        default: return S_FALSE;
    }
}

// ---- SRptTextFileRegistry ----

const SAttrEditorMap SRptTextFileRegistry::attrEditorMap = {&SRptFileRegistry::attrEditorMap, SREP_NO_ATTR_EDITORS};

SRptTextFileRegistry::SRptTextFileRegistry()
    : SRepStaticRegistry(CLSID_SRptTextFile, &attrEditorMap, &SRepComObject<SRptTextFileImpl>::Factory,
                         &SRptTextFileMem::ClassIsKindOf, &SRptTextFileMem::ClassHasCollection, 1,
                         SRptGetModuleState()) {
    UseAllocator(sizeof(SRepComObject<SRptTextFileImpl>), 10, "SRptTextFile");
}
