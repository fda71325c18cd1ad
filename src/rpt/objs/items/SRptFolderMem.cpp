#include "rpt/objs/items/SRptFolderMem.h"

#include "rpt/dialogs/SRptDlgMultiPages.h"
#include "rpt/module/SRptFont.h"
#include "rpt/objs/items/SRptItemEditor.h"
#include "varod9/RptApi.h"

// ---- SRptFolderImpl: construction and paragraphs ----

HRESULT SRptFolderImpl::ConstructWithItemDef(const RPTUSRITEMDEF* pItemDef) {
    if (!pItemDef) return E_POINTER;
    SRptGroupImpl::ConstructWithItemDef(pItemDef);
    const HRESULT hr = SetupParagraphs();
    return FAILED(hr) ? hr : S_OK;
}

HRESULT SRptFolderImpl::SetupParagraphs() {
    return SetupTitleParagraph(SRptFont::RPT_FONT_FOLDER_TITLE);
}

SString SRptFolderImpl::GetParaName(ISRptPara* pPara) {
    return GetTitleParaName(pPara, IDS_RPT_FOLDER_TITLE);
}

int32_t SRptFolderImpl::GetParaFontID(ISRptPara* pPara) const {
    return GetTitleParaFontID(pPara, SRptFont::RPT_FONT_FOLDER_TITLE);
}

// ---- SRptFolderImpl: browser node and commands ----

HRESULT SRptFolderImpl::OnCreateBrowserNode(ISBrowserView* pBrowser, uint32_t, ISBrowserNode* pParent,
                                            ISBrowserNode* pPrevious, int32_t dispid, bool bIsTemplateEditor,
                                            SRptBrowserNodeItem** pBrowserNodeItem) {
    return SRptItemEditor::CreateBrowserNode(SRptBrowserNodeKind::Folder, this, pBrowser, pParent, pPrevious,
                                             dispid, bIsTemplateEditor, pBrowserNodeItem);
}

HRESULT SRptFolderImpl::IsItemSupportCommand(uint32_t nID) {
    return nID == ID_RPT_ITEM_FORMAT || nID == ID_RPT_ITEM_EDIT ? S_OK : S_FALSE;
}

HRESULT SRptFolderImpl::OnHandlePopupCommand(uint32_t nId, const SComTable<ISRepObject>& selectedItems, SWnd*) {
    SModuleStateGuard state(SRptGetModuleState());
    return SRptItemEditor::FormatOrEditTitle<ISRptFolder>(this, nId, selectedItems, SRptDlgMultiPages::IDD_FORMAT);
}
