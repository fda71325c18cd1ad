#include "rpt/objs/items/SRptGraphicFileMem.h"

#include "platform/ui/SFileDlg.h"
#include "platform/ui/SInteraction.h"
#include "rpt/objs/SRptAttributeGuard.h"
#include "rpt/objs/items/SRptItemEditor.h"
#include "varod9/RptApi.h"

namespace {
constexpr SRptAttributeGuard kGuard("RPT\\Objs\\SRptGraphicFileMem", "SRptGraphicFileMem");
}  // namespace

// ---- SRptGraphicFileMem: the attribute protocol, all the file's ----

HRESULT SRptGraphicFileMem::GetAttribute(int32_t id, SRepVariant* value) {
    return kGuard.Get(id, value, [&] { return SRptFileImpl::GetAttribute(id, value); });
}

HRESULT SRptGraphicFileMem::SetAttribute(int32_t id, const SRepVariant& value) {
    return kGuard.Set(id, [&] { return SRptFileImpl::SetAttribute(id, value); });
}

HRESULT SRptGraphicFileMem::GetAttributeDefault(int32_t id, SRepVariant* value) {
    return kGuard.Default(id, value, [&] { return SRptFileImpl::GetAttributeDefault(id, value); });
}

uint32_t SRptGraphicFileMem::GetAttributeFlags(int32_t id) const {
    return id == -1 ? 0 : SRptFileImpl::GetAttributeFlags(id);
}

uint32_t SRptGraphicFileMem::GetAttributeType(int32_t id) const {
    return id == -1 ? 0 : SRptFileImpl::GetAttributeType(id);
}

bool SRptGraphicFileMem::HasAttribute(int32_t id) const {
    return SRptFileMem::HasAttribute(id);
}

bool SRptGraphicFileMem::ClassIsKindOf(const GUID& clsid) {
    return clsid == CLSID_SRptGraphicFile || SRptFileMem::ClassIsKindOf(clsid);
}

bool SRptGraphicFileMem::ClassHasCollection(int32_t id) {
    return SRptFileMem::ClassHasCollection(id);
}

HRESULT SRptGraphicFileMem::FinalConstruct() {
    HRESULT hr = SRptFileImpl::FinalConstruct();
    if (FAILED(hr)) return hr;
    SRptGraphicFileRegistry::MarkClassInitialised();
    return S_OK;
}

// ---- SRptGraphicFileImpl ----

HRESULT SRptGraphicFileImpl::ConstructWithItemDef(const RPTUSRITEMDEF* pItemDef) {
    if (!pItemDef) return E_POINTER;
    // An item without its paragraph is not built: the failure goes to the caller.
    HRESULT hr = SRptFileImpl::ConstructWithItemDef(pItemDef);
    if (FAILED(hr)) return hr;
    hr = SetupParagraphs();
    return FAILED(hr) ? hr : S_OK;
}

std::unique_ptr<SFileDlg> SRptGraphicFileImpl::CreateFileDialog() {
    return std::make_unique<SFileDlg>(true, "wmf", "", OFN_HIDEREADONLY, RPT_GRAPHIC_FILE_FILTER, nullptr);
}

HRESULT SRptGraphicFileImpl::OnCreateBrowserNode(ISBrowserView* pBrowser, uint32_t, ISBrowserNode* pParent,
                                                 ISBrowserNode* pPrevious, int32_t dispid, bool bIsTemplateEditor,
                                                 SRptBrowserNodeItem** pBrowserNodeItem) {
    return SRptItemEditor::CreateBrowserNode(SRptBrowserNodeKind::GraphicFile, this, pBrowser, pParent, pPrevious,
                                             dispid, bIsTemplateEditor, pBrowserNodeItem);
}

HRESULT SRptGraphicFileImpl::IsItemSupportCommand(uint32_t nID) {
    switch (nID) {
        case ID_RPT_ITEM_FORMAT:
        case ID_RPT_DISPLAY_ALL:
        case ID_RPT_DISPLAY_PATH:
        case ID_RPT_DISPLAY_CONTENT: return S_OK;
        case ID_RPT_ITEM_EDIT: return GetInTemplate() ? S_OK : S_FALSE;
        default: return S_FALSE;
    }
}

HRESULT SRptGraphicFileImpl::OnHandlePopupCommand(uint32_t nId, const SComTable<ISRepObject>& selectedItems, SWnd*) {
    SModuleStateGuard state(SRptGetModuleState());
    switch (nId) {
        case ID_RPT_ITEM_FORMAT: SRptItemEditor::FormatDialog(selectedItems, 0, IDD_RPT_FORMAT); return S_OK;
        case ID_RPT_ITEM_EDIT: return EditFile();
        case ID_RPT_DISPLAY_ALL: PutDisplayFlag(RPTFILE_DISPLAY_ALL); return S_OK;
        case ID_RPT_DISPLAY_PATH: PutDisplayFlag(RPTFILE_DISPLAY_PATH); return S_OK;
        case ID_RPT_DISPLAY_CONTENT: PutDisplayFlag(RPTFILE_DISPLAY_CONTENT); return S_OK;
        // The user has seen how the choice ended; the command itself is done either way.
        case ID_RPT_GRAPHICFILE_SELECT: SelectFile(); return S_OK;
        default: return S_FALSE;
    }
}

// ---- SRptGraphicFileRegistry ----

const SAttrEditorMap SRptGraphicFileRegistry::attrEditorMap = {&SRptFileRegistry::attrEditorMap,
                                                               SREP_NO_ATTR_EDITORS};

SRptGraphicFileRegistry::SRptGraphicFileRegistry()
    : SRepStaticRegistry(CLSID_SRptGraphicFile, &attrEditorMap, &SRepComObject<SRptGraphicFileImpl>::Factory,
                         &SRptGraphicFileMem::ClassIsKindOf, &SRptGraphicFileMem::ClassHasCollection, 1,
                         SRptGetModuleState()) {
    UseAllocator(sizeof(SRepComObject<SRptGraphicFileImpl>), 10, "SRptGraphicFile");
}
