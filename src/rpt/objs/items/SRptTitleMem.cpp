#include "rpt/objs/items/SRptTitleMem.h"

#include "platform/base/SECOMException.h"
#include "platform/repo/SRepVariant.h"
#include "platform/ui/SInteraction.h"
#include "rpt/module/SRptFont.h"
#include "rpt/objs/SRptAttributeGuard.h"
#include "rpt/objs/items/SRptItemEditor.h"
#include "rpt/objs/items/SRptItemParagraphs.h"
#include "rpt/objs/paras/SRptParaMem.h"
#include "varod9/RptApi.h"

namespace {
constexpr SRptAttributeGuard kGuard("RPT\\Objs\\SRptTitleMem", "SRptTitleMem");
constexpr uint32_t kStoredFlags = 0x8;
}  // namespace

// ---- SRptTitleMem: the attribute protocol ----

HRESULT SRptTitleMem::GetAttribute(int32_t id, SRepVariant* value) {
    return kGuard.Get(id, value, [&]() -> HRESULT {
        switch (id) {
            case RPTTITLE_LEVEL: value->SetShort(m_level); return S_OK;
            case RPTTITLE_TEXT: value->SetText(m_text); return S_OK;
            default: return SRptGrpMemberImpl::GetAttribute(id, value);
        }
    });
}

HRESULT SRptTitleMem::SetAttribute(int32_t id, const SRepVariant& value) {
    return kGuard.Set(id, [&]() -> HRESULT {
        switch (id) {
            case RPTTITLE_LEVEL: return VSet_SHORT(id, value, m_level);
            case RPTTITLE_TEXT: return VSet_TEXT(id, value, m_text);
            default: return SRptGrpMemberImpl::SetAttribute(id, value);
        }
    });
}

HRESULT SRptTitleMem::GetAttributeDefault(int32_t id, SRepVariant* value) {
    return kGuard.Default(id, value, [&]() -> HRESULT {
        switch (id) {
            case RPTTITLE_LEVEL: value->SetShort(0); return S_OK;
            case RPTTITLE_TEXT: value->SetText(SString()); return S_OK;
            default: return SRptGrpMemberImpl::GetAttributeDefault(id, value);
        }
    });
}

uint32_t SRptTitleMem::GetAttributeFlags(int32_t id) const {
    switch (id) {
        case -1: return 0;
        case RPTTITLE_LEVEL:
        case RPTTITLE_TEXT: return kStoredFlags;
        default: return SRptGrpMemberImpl::GetAttributeFlags(id);
    }
}

uint32_t SRptTitleMem::GetAttributeType(int32_t id) const {
    switch (id) {
        case -1: return 0;
        case RPTTITLE_LEVEL: return SREP_VT_SHORT;
        case RPTTITLE_TEXT: return SREP_VT_TEXT;
        default: return SRptGrpMemberImpl::GetAttributeType(id);
    }
}

bool SRptTitleMem::HasAttribute(int32_t id) const {
    return id == RPTTITLE_LEVEL || id == RPTTITLE_TEXT || SRptGrpMemberMem::HasAttribute(id);
}

bool SRptTitleMem::ClassIsKindOf(const GUID& clsid) {
    return clsid == CLSID_SRptTitle || SRptGrpMemberMem::ClassIsKindOf(clsid);
}

bool SRptTitleMem::ClassHasCollection(int32_t id) {
    return SRptGrpMemberMem::ClassHasCollection(id);
}

HRESULT SRptTitleMem::FinalConstruct() {
    HRESULT hr = SRptGrpMemberImpl::FinalConstruct();
    if (FAILED(hr)) return hr;
    SRptTitleRegistry::MarkClassInitialised();
    return S_OK;
}

// ---- SRptTitleImpl: construction and paragraphs ----

HRESULT SRptTitleImpl::ConstructWithItemDef(const RPTUSRITEMDEF* pItemDef) {
    if (!pItemDef) return E_POINTER;
    SRptGrpMemberImpl::ConstructWithItemDef(pItemDef);
    // A title is a heading of the contents whatever the description says.
    PutTOCEntry(true);
    HRESULT hr = SRptCreateParagraph(this, CLSID_SRptPara, 0);
    if (FAILED(hr)) return hr;
    hr = SetupParagraphs();
    return FAILED(hr) ? hr : S_OK;
}

HRESULT SRptTitleImpl::SetupParagraphs() {
    const HRESULT result = SRptGrpMemberImpl::SetupParagraphs();
    SComWrap<ISRptPara> para;
    const HRESULT hr = GetParaAtPos(0, &para);
    if (FAILED(hr)) return hr;
    if (!para) throw SECOMException(E_POINTER);
    para->ConstructStockPara(SRptFont::RPT_FONT_TITLE);
    return result;
}

SString SRptTitleImpl::GetParaName(ISRptPara* pPara) {
    int32_t position = -1;
    if (!SRptGetParaPosition(this, pPara, &position)) return SString();
    if (position == 0) return SRptLoadString(IDS_RPT_TITLE);
    return SRptGrpMemberImpl::GetParaName(pPara);
}

int32_t SRptTitleImpl::GetParaFontID(ISRptPara* pPara) const {
    int32_t position = -1;
    SRptGetParaPosition(this, pPara, &position);
    return position == 0 ? SRptFont::RPT_FONT_TITLE : -1;
}

// ---- SRptTitleImpl: label, browser node, commands ----

SString SRptTitleImpl::ComputeLabelInTemplate() {
    return LabelWithFirstLine(GetLabel(), GetText());
}

HRESULT SRptTitleImpl::OnCreateBrowserNode(ISBrowserView* pBrowser, uint32_t, ISBrowserNode* pParent,
                                           ISBrowserNode* pPrevious, int32_t dispid, bool bIsTemplateEditor,
                                           SRptBrowserNodeItem** pBrowserNodeItem) {
    return SRptItemEditor::CreateBrowserNode(SRptBrowserNodeKind::Title, this, pBrowser, pParent, pPrevious, dispid,
                                             bIsTemplateEditor, pBrowserNodeItem);
}

HRESULT SRptTitleImpl::IsItemSupportCommand(uint32_t nID) {
    return nID == ID_RPT_ITEM_FORMAT || nID == ID_RPT_ITEM_EDIT ? S_OK : S_FALSE;
}

HRESULT SRptTitleImpl::OnHandlePopupCommand(uint32_t nId, const SComTable<ISRepObject>& selectedItems, SWnd*) {
    SModuleStateGuard state(SRptGetModuleState());
    switch (nId) {
        case ID_RPT_ITEM_FORMAT: SRptItemEditor::FormatDialog(selectedItems, 0, IDD_RPT_FORMAT); return S_OK;
        case ID_RPT_ITEM_EDIT: return EditText();
        default: return S_FALSE;
    }
}

HRESULT SRptTitleImpl::EditText() {
    SRptTextEdit edit;
    edit.text = GetText();
    if (SRptItemEditor::TextEditDialog(this, edit) == IDOK) PutText(edit.text);
    return S_OK;
}

// ---- SRptTitleRegistry ----

const SAttrEditorMap SRptTitleRegistry::attrEditorMap = {&SRptGrpMemberRegistry::attrEditorMap,
                                                         SREP_NO_ATTR_EDITORS};

SRptTitleRegistry::SRptTitleRegistry()
    : SRepStaticRegistry(CLSID_SRptTitle, &attrEditorMap, &SRepComObject<SRptTitleImpl>::Factory,
                         &SRptTitleMem::ClassIsKindOf, &SRptTitleMem::ClassHasCollection, 1, SRptGetModuleState()) {
    UseAllocator(sizeof(SRepComObject<SRptTitleImpl>), 10, "SRptTitle");
}
