#include "rpt/objs/items/SRptTextMem.h"

#include "platform/base/SECOMException.h"
#include "platform/repo/SRepVariant.h"
#include "rpt/module/SRptFont.h"
#include "rpt/objs/items/SRptItemEditor.h"
#include "rpt/objs/items/SRptItemParagraphs.h"
#include "rpt/objs/paras/SRptParaMem.h"
#include "varod9/RptApi.h"
#include "varod9/SInteraction.h"

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
