#include "rpt/objs/items/SRptTextFileMem.h"

#include "platform/ui/SFileDlg.h"
#include "rpt/module/SRptFont.h"
#include "rpt/objs/items/SRptItemEditor.h"
#include "rpt/objs/items/SRptItemParagraphs.h"
#include "varod9/RptApi.h"
#include "varod9/SInteraction.h"

// ---- SRptTextFileImpl ----

HRESULT SRptTextFileImpl::ConstructWithItemDef(const RPTUSRITEMDEF* pItemDef) {
    if (!pItemDef) return E_POINTER;
    // An item without its paragraph is not built: the failure goes to the caller.
    HRESULT hr = SRptFileImpl::ConstructWithItemDef(pItemDef);
    if (FAILED(hr)) return hr;
    hr = SetupParagraphs();
    return FAILED(hr) ? hr : S_OK;
}

int32_t SRptTextFileImpl::GetParaFontID(ISRptPara* pPara) const {
    int32_t position = -1;
    SRptGetParaPosition(this, pPara, &position);
    return position == 0 ? SRptFont::RPT_FONT_TEXT_FILE : -1;
}

std::unique_ptr<SFileDlg> SRptTextFileImpl::CreateFileDialog() {
    const SString filter = SRptLoadString(IDS_RPT_TEXT_FILE_FILTER);
    return std::make_unique<SFileDlg>(true, "txt", "*.txt", OFN_HIDEREADONLY, filter.c_str(), nullptr);
}

HRESULT SRptTextFileImpl::OnCreateBrowserNode(ISBrowserView* pBrowser, uint32_t, ISBrowserNode* pParent,
                                              ISBrowserNode* pPrevious, int32_t dispid, bool bIsTemplateEditor,
                                              SRptBrowserNodeItem** pBrowserNodeItem) {
    return SRptItemEditor::CreateBrowserNode(SRptBrowserNodeKind::TextFile, this, pBrowser, pParent, pPrevious,
                                             dispid, bIsTemplateEditor, pBrowserNodeItem);
}

HRESULT SRptTextFileImpl::IsItemSupportCommand(uint32_t nID) {
    switch (nID) {
        case ID_RPT_ITEM_FORMAT: return S_OK;
        case ID_RPT_ITEM_EDIT: return GetInTemplate() ? S_OK : S_FALSE;
        default: return S_FALSE;
    }
}

HRESULT SRptTextFileImpl::OnHandlePopupCommand(uint32_t nId, const SComTable<ISRepObject>& selectedItems, SWnd*) {
    SModuleStateGuard state(SRptGetModuleState());
    switch (nId) {
        case ID_RPT_ITEM_FORMAT: SRptItemEditor::FormatDialog(selectedItems, 0, IDD_RPT_FORMAT); return S_OK;
        case ID_RPT_ITEM_EDIT: return EditFile(RPT_TEXT_FILE_EDITOR);
        // The user has seen how the choice ended; the command itself is done either way.
        case ID_RPT_TEXTFILE_SELECT: SelectFile(); return S_OK;
        default: return S_FALSE;
    }
}
