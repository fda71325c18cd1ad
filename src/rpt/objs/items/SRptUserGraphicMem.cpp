#include "rpt/objs/items/SRptUserGraphicMem.h"

#include "platform/repo/SRepVariant.h"
#include "rpt/objs/items/SRptItemEditor.h"
#include "varod9/ISRptTemplate.h"
#include "varod9/RptApi.h"
#include "varod9/RptItemDef.h"

// ---- SRptUserGraphicImpl: construction ----

HRESULT SRptUserGraphicImpl::ConstructWithItemDef(const RPTUSRITEMDEF* pItemDef) {
    if (!pItemDef) return E_POINTER;
    SRptCustomImpl::ConstructWithItemDef(pItemDef);
    // Only a record of the user graphic's own size carries the placement.
    if (pItemDef->Size == RPTUSRITEMDEF_SIZE_USERGRAPHIC) {
        const RPTUSERGRAPHICDEF& placement = pItemDef->UserGraphic;
        PutFormat(placement.Format);
        PutUseZoom(placement.UseZoom != 0);
        PutOnePageType(placement.OnePageType);
        PutZoomPerct(placement.ZoomPerct);
    }
    const HRESULT hr = SRptCustomImpl::SetupParagraphs();
    return FAILED(hr) ? hr : S_OK;
}

HRESULT SRptUserGraphicImpl::PostAddTemplateItem() {
    SComWrap<ISRptTemplate> reportTemplate;
    GetTemplate(&reportTemplate);
    if (reportTemplate) {
        // A template that cannot tell its zoom factor leaves the item's as it is.
        SRepVariant zoom;
        if (SUCCEEDED(reportTemplate->GetAttribute(RPTTEMPLATE_ZOOMPERCT, &zoom)) && zoom.IsNumber())
            PutZoomPerct(zoom.GetShort());
    }
    return SRptItemImpl::PostAddTemplateItem();
}

// ---- SRptUserGraphicImpl: browser node and commands ----

HRESULT SRptUserGraphicImpl::OnCreateBrowserNode(ISBrowserView* pBrowser, uint32_t, ISBrowserNode* pParent,
                                                 ISBrowserNode* pPrevious, int32_t dispid, bool bIsTemplateEditor,
                                                 SRptBrowserNodeItem** pBrowserNodeItem) {
    return SRptItemEditor::CreateBrowserNode(SRptBrowserNodeKind::UserGraphic, this, pBrowser, pParent, pPrevious,
                                             dispid, bIsTemplateEditor, pBrowserNodeItem);
}

HRESULT SRptUserGraphicImpl::IsItemSupportCommand(uint32_t nID) {
    return nID == ID_RPT_ITEM_FORMAT ? S_OK : S_FALSE;
}

HRESULT SRptUserGraphicImpl::OnHandlePopupCommand(uint32_t nId, const SComTable<ISRepObject>& selectedItems,
                                                  SWnd*) {
    SModuleStateGuard state(SRptGetModuleState());
    if (nId != ID_RPT_ITEM_FORMAT) return S_FALSE;
    if (!selectedItems.IsEmpty()) {
        SRptItemEditor::GraphFormatDialog(selectedItems);
        return S_OK;
    }
    // The browsers keep user graphics out of the selection they hand over, so that the
    // paragraph sheets never meet them: the graphic the command came to is the one to format.
    SComTable<ISRepObject> self;
    self.Add(static_cast<ISRepObject*>(this));
    SRptItemEditor::GraphFormatDialog(self);
    return S_OK;
}
