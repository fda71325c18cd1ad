#include "rpt/objs/items/SRptPageBreakMem.h"

#include "platform/repo/SRepVariant.h"
#include "rpt/objs/items/SRptItemEditor.h"
#include "varod9/RptApi.h"

// ---- SRptPageBreakImpl ----

HRESULT SRptPageBreakImpl::ConstructWithItemDef(const RPTUSRITEMDEF* pItemDef) {
    if (!pItemDef) return E_POINTER;
    SRptGrpMemberImpl::ConstructWithItemDef(pItemDef);
    const HRESULT hr = SetupParagraphs();
    return FAILED(hr) ? hr : S_OK;
}

HRESULT SRptPageBreakImpl::OnCreateBrowserNode(ISBrowserView* pBrowser, uint32_t, ISBrowserNode* pParent,
                                               ISBrowserNode* pPrevious, int32_t dispid, bool bIsTemplateEditor,
                                               SRptBrowserNodeItem** pBrowserNodeItem) {
    return SRptItemEditor::CreateBrowserNode(SRptBrowserNodeKind::PageBreak, this, pBrowser, pParent, pPrevious,
                                             dispid, bIsTemplateEditor, pBrowserNodeItem);
}

HRESULT SRptPageBreakImpl::OnHandlePopupCommand(uint32_t nId, const SComTable<ISRepObject>&, SWnd*) {
    if (nId != ID_RPT_PAGEBREAK_HTMLGEN && nId != ID_RPT_PAGEBREAK_HTMLGEN_AV) return S_FALSE;
    PutHtmlGen(!GetHtmlGen());
    return S_OK;
}
