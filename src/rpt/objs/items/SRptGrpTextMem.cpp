#include "rpt/objs/items/SRptGrpTextMem.h"

#include "rpt/dialogs/SRptDlgMultiPages.h"
#include "rpt/module/SRptFont.h"
#include "rpt/objs/items/SRptItemEditor.h"
#include "rpt/objs/items/SRptItemParagraphs.h"
#include "rpt/objs/paras/SRptParaItemMem.h"
#include "varod9/RptApi.h"

namespace {

// The positions of the paragraphs the group text owns.
constexpr int32_t kTitlePosition = 0;
constexpr int32_t kTextPosition = 1;

}  // namespace

// ---- SRptGrpTextImpl: construction and paragraphs ----

HRESULT SRptGrpTextImpl::ConstructWithItemDef(const RPTUSRITEMDEF* pItemDef) {
    if (!pItemDef) return E_POINTER;
    SRptCustomImpl::ConstructWithItemDef(pItemDef);
    HRESULT hr = SRptCreateParagraph(this, CLSID_SRptParaItem, kTextPosition);
    if (FAILED(hr)) return hr;
    hr = SetupParagraphs();
    return FAILED(hr) ? hr : S_OK;
}

HRESULT SRptGrpTextImpl::SetupParagraphs() {
    const HRESULT result = SRptCustomImpl::SetupParagraphs();
    HRESULT hr = SRptSetupStockParagraph(this, kTitlePosition, SRptFont::RPT_FONT_GROUP_TEXT_TITLE);
    if (FAILED(hr)) return hr;
    hr = SRptSetupStockParagraph(this, kTextPosition, SRptFont::RPT_FONT_GROUP_TEXT_ITEM);
    return FAILED(hr) ? hr : result;
}

SString SRptGrpTextImpl::GetParaName(ISRptPara* pPara) {
    int32_t position = -1;
    if (!SRptGetParaPosition(this, pPara, &position)) return SString();
    switch (position) {
        case kTitlePosition: return SRptLoadString(IDS_RPT_GRPTEXT_TITLE);
        case kTextPosition: return SRptLoadString(IDS_RPT_GRPTEXT_TEXT);
        default: return SRptCustomImpl::GetParaName(pPara);
    }
}

int32_t SRptGrpTextImpl::GetParaFontID(ISRptPara* pPara) const {
    int32_t position = -1;
    SRptGetParaPosition(this, pPara, &position);
    switch (position) {
        case kTitlePosition: return SRptFont::RPT_FONT_GROUP_TEXT_TITLE;
        case kTextPosition: return SRptFont::RPT_FONT_GROUP_TEXT_ITEM;
        default: return -1;
    }
}

// ---- SRptGrpTextImpl: browser node and commands ----

HRESULT SRptGrpTextImpl::OnCreateBrowserNode(ISBrowserView* pBrowser, uint32_t, ISBrowserNode* pParent,
                                             ISBrowserNode* pPrevious, int32_t dispid, bool bIsTemplateEditor,
                                             SRptBrowserNodeItem** pBrowserNodeItem) {
    return SRptItemEditor::CreateBrowserNode(SRptBrowserNodeKind::GrpText, this, pBrowser, pParent, pPrevious,
                                             dispid, bIsTemplateEditor, pBrowserNodeItem);
}

HRESULT SRptGrpTextImpl::IsItemSupportCommand(uint32_t nID) {
    return nID == ID_RPT_ITEM_FORMAT || nID == ID_RPT_ITEM_EDIT ? S_OK : S_FALSE;
}

HRESULT SRptGrpTextImpl::OnHandlePopupCommand(uint32_t nId, const SComTable<ISRepObject>& selectedItems, SWnd*) {
    SModuleStateGuard state(SRptGetModuleState());
    // The sheet lets the user pick which of the two paragraphs to format.
    return SRptItemEditor::FormatOrEditTitle<ISRptCustom>(this, nId, selectedItems,
                                                          SRptDlgMultiPages::IDD_FORMAT_ITEMS);
}
