#include "rpt/objs/items/SRptGrpTitleMem.h"

#include "rpt/dialogs/SRptDlgMultiPages.h"
#include "rpt/module/SRptFont.h"
#include "rpt/objs/items/SRptItemEditor.h"
#include "varod9/ISRptGrpTitleProcs.h"
#include "varod9/RptApi.h"

// ---- SRptGrpTitleImpl: construction and paragraphs ----

HRESULT SRptGrpTitleImpl::ConstructWithItemDef(const RPTUSRITEMDEF* pItemDef) {
    if (!pItemDef) return E_POINTER;
    SRptGroupImpl::ConstructWithItemDef(pItemDef);
    const HRESULT hr = SetupParagraphs();
    return FAILED(hr) ? hr : S_OK;
}

HRESULT SRptGrpTitleImpl::SetupParagraphs() {
    return SetupTitleParagraph(SRptFont::RPT_FONT_BOOK_TITLE);
}

SString SRptGrpTitleImpl::GetParaName(ISRptPara* pPara) {
    return GetTitleParaName(pPara, IDS_RPT_BOOK_TITLE);
}

int32_t SRptGrpTitleImpl::GetParaFontID(ISRptPara* pPara) const {
    return GetTitleParaFontID(pPara, SRptFont::RPT_FONT_BOOK_TITLE);
}

// ---- SRptGrpTitleImpl: browser node and commands ----

HRESULT SRptGrpTitleImpl::OnCreateBrowserNode(ISBrowserView* pBrowser, uint32_t, ISBrowserNode* pParent,
                                              ISBrowserNode* pPrevious, int32_t dispid, bool bIsTemplateEditor,
                                              SRptBrowserNodeItem** pBrowserNodeItem) {
    return SRptItemEditor::CreateBrowserNode(SRptBrowserNodeKind::GrpTitle, this, pBrowser, pParent, pPrevious,
                                             dispid, bIsTemplateEditor, pBrowserNodeItem);
}

HRESULT SRptGrpTitleImpl::IsItemSupportCommand(uint32_t nID) {
    switch (nID) {
        case ID_RPT_ITEM_FORMAT:
        case ID_RPT_ITEM_EDIT: return S_OK;
        case ID_RPT_DISPLAY_USER_ORDER:
        case ID_RPT_DISPLAY_ALPHA_ORDER: return HasUserOrder();
        default: return S_FALSE;
    }
}

HRESULT SRptGrpTitleImpl::HasUserOrder() {
    SComWrap<IUnknown> userProcs;
    GetUserProcs(&userProcs);
    if (!userProcs) return S_FALSE;
    // Procedures of another kind offer no choice; a query that fails otherwise is thrown.
    SComWrap<ISRptGrpTitleProcs> procs;
    procs = userProcs.Get();
    if (!procs) return S_FALSE;
    return procs->HasUserOrder() != 0 ? S_OK : S_FALSE;
}

HRESULT SRptGrpTitleImpl::OnHandlePopupCommand(uint32_t nId, const SComTable<ISRepObject>& selectedItems, SWnd*) {
    SModuleStateGuard state(SRptGetModuleState());
    switch (nId) {
        case ID_RPT_DISPLAY_USER_ORDER: PutUserOrder(true); return S_OK;
        case ID_RPT_DISPLAY_ALPHA_ORDER: PutUserOrder(false); return S_OK;
        default:
            return SRptItemEditor::FormatOrEditTitle<ISRptGrpTitle>(this, nId, selectedItems,
                                                                    SRptDlgMultiPages::IDD_FORMAT);
    }
}
