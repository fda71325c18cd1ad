#include "rpt/objs/items/SRptTextMem.h"

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
constexpr SRptAttributeGuard kGuard("RPT\\Objs\\SRptTextMem", "SRptTextMem");
constexpr uint32_t kStoredFlags = 0x8;
}  // namespace

// ---- SRptTextMem: the attribute protocol ----

HRESULT SRptTextMem::GetAttribute(int32_t id, SRepVariant* value) {
    return kGuard.Get(id, value, [&]() -> HRESULT {
        switch (id) {
            case RPTTEXT_TEXT: value->SetText(m_text); return S_OK;
            default: return SRptGrpMemberImpl::GetAttribute(id, value);
        }
    });
}

HRESULT SRptTextMem::SetAttribute(int32_t id, const SRepVariant& value) {
    return kGuard.Set(id, [&]() -> HRESULT {
        switch (id) {
            case RPTTEXT_TEXT: return VSet_TEXT(id, value, m_text);
            default: return SRptGrpMemberImpl::SetAttribute(id, value);
        }
    });
}

HRESULT SRptTextMem::GetAttributeDefault(int32_t id, SRepVariant* value) {
    return kGuard.Default(id, value, [&]() -> HRESULT {
        switch (id) {
            case RPTTEXT_TEXT: value->SetText(SString()); return S_OK;
            default: return SRptGrpMemberImpl::GetAttributeDefault(id, value);
        }
    });
}

uint32_t SRptTextMem::GetAttributeFlags(int32_t id) const {
    switch (id) {
        case -1: return 0;
        case RPTTEXT_TEXT: return kStoredFlags;
        default: return SRptGrpMemberImpl::GetAttributeFlags(id);
    }
}

uint32_t SRptTextMem::GetAttributeType(int32_t id) const {
    switch (id) {
        case -1: return 0;
        case RPTTEXT_TEXT: return SREP_VT_TEXT;
        default: return SRptGrpMemberImpl::GetAttributeType(id);
    }
}

bool SRptTextMem::HasAttribute(int32_t id) const {
    return id == RPTTEXT_TEXT || SRptGrpMemberMem::HasAttribute(id);
}

bool SRptTextMem::ClassIsKindOf(const GUID& clsid) {
    return clsid == CLSID_SRptText || SRptGrpMemberMem::ClassIsKindOf(clsid);
}

bool SRptTextMem::ClassHasCollection(int32_t id) {
    return SRptGrpMemberMem::ClassHasCollection(id);
}

HRESULT SRptTextMem::FinalConstruct() {
    HRESULT hr = SRptGrpMemberImpl::FinalConstruct();
    if (FAILED(hr)) return hr;
    SRptTextRegistry::MarkClassInitialised();
    return S_OK;
}

// ---- SRptTextImpl: construction and paragraphs ----

HRESULT SRptTextImpl::ConstructWithItemDef(const RPTUSRITEMDEF* pItemDef) {
    if (!pItemDef) return E_POINTER;
    SRptGrpMemberImpl::ConstructWithItemDef(pItemDef);
    SComWrap<ISRepObject> created;
    HRESULT hr = CreateObject(CLSID_SRptPara, reinterpret_cast<void**>(&created), ISRepObject::iid,
                              RPTPARACONTAINER_PARAGRAPHS, 0, true);
    if (FAILED(hr)) return hr;
    // What was made must be a paragraph format: a failed query other than a missing face is thrown.
    SComWrap<ISRptPara> para;
    para = static_cast<IUnknown*>(created.Get());
    hr = SetupParagraphs();
    return FAILED(hr) ? hr : S_OK;
}

HRESULT SRptTextImpl::SetupParagraphs() {
    const HRESULT result = SRptGrpMemberImpl::SetupParagraphs();
    SComWrap<ISRptPara> para;
    const HRESULT hr = GetParaAtPos(0, &para);
    if (FAILED(hr)) return hr;
    if (!para) throw SECOMException(E_POINTER);
    para->ConstructStockPara(SRptFont::RPT_FONT_TEXT);
    return result;
}

SString SRptTextImpl::GetParaName(ISRptPara* pPara) {
    int32_t position = -1;
    if (!SRptGetParaPosition(this, pPara, &position)) return SString();
    if (position == 0) return SRptLoadString(IDS_RPT_FREE_TEXT);
    return SRptGrpMemberImpl::GetParaName(pPara);
}

int32_t SRptTextImpl::GetParaFontID(ISRptPara* pPara) const {
    int32_t position = -1;
    SRptGetParaPosition(this, pPara, &position);
    return position == 0 ? SRptFont::RPT_FONT_TEXT : -1;
}

// ---- SRptTextImpl: label, browser node, commands ----

SString SRptTextImpl::ComputeLabelInTemplate() {
    return LabelWithFirstLine(GetLabel(), GetText(), RPT_TEXT_LABEL_CHARS);
}

HRESULT SRptTextImpl::OnCreateBrowserNode(ISBrowserView* pBrowser, uint32_t, ISBrowserNode* pParent,
                                          ISBrowserNode* pPrevious, int32_t dispid, bool bIsTemplateEditor,
                                          SRptBrowserNodeItem** pBrowserNodeItem) {
    return SRptItemEditor::CreateBrowserNode(SRptBrowserNodeKind::Text, this, pBrowser, pParent, pPrevious, dispid,
                                             bIsTemplateEditor, pBrowserNodeItem);
}

HRESULT SRptTextImpl::IsItemSupportCommand(uint32_t nID) {
    return nID == ID_RPT_ITEM_FORMAT || nID == ID_RPT_ITEM_EDIT ? S_OK : S_FALSE;
}

HRESULT SRptTextImpl::OnHandlePopupCommand(uint32_t nId, const SComTable<ISRepObject>& selectedItems, SWnd*) {
    SModuleStateGuard state(SRptGetModuleState());
    switch (nId) {
        case ID_RPT_ITEM_FORMAT: SRptItemEditor::FormatDialog(selectedItems, 0, IDD_RPT_FORMAT); return S_OK;
        case ID_RPT_ITEM_EDIT: return EditText();
        default: return S_FALSE;
    }
}

HRESULT SRptTextImpl::EditText() {
    SRptTextEdit edit;
    edit.text = GetText();
    if (SRptItemEditor::TextEditDialog(this, edit) == IDOK) PutText(edit.text);
    return S_OK;
}

// ---- SRptTextRegistry ----

const SAttrEditorMap SRptTextRegistry::attrEditorMap = {&SRptGrpMemberRegistry::attrEditorMap, SREP_NO_ATTR_EDITORS};

SRptTextRegistry::SRptTextRegistry()
    : SRepStaticRegistry(CLSID_SRptText, &attrEditorMap, &SRepComObject<SRptTextImpl>::Factory,
                         &SRptTextMem::ClassIsKindOf, &SRptTextMem::ClassHasCollection, 1, SRptGetModuleState()) {
    UseAllocator(sizeof(SRepComObject<SRptTextImpl>), 10, "SRptText");
}
