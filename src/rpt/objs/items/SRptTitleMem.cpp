#include "rpt/objs/items/SRptTitleMem.h"

#include "platform/base/SECOMException.h"
#include "platform/repo/SRepVariant.h"
#include "rpt/module/SRptFont.h"
#include "rpt/objs/items/SRptItemEditor.h"
#include "rpt/objs/items/SRptItemParagraphs.h"
#include "rpt/objs/paras/SRptParaMem.h"
#include "varod9/RptApi.h"
#include "varod9/SInteraction.h"

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
