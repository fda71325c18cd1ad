#include "rpt/objs/items/SRptGraphicFileMem.h"

#include "platform/ui/SFileDlg.h"
#include "rpt/objs/items/SRptItemEditor.h"
#include "varod9/RptApi.h"
#include "varod9/SInteraction.h"

// ---- SRptGraphicFileImpl ----

HRESULT SRptGraphicFileImpl::ConstructWithItemDef(const RPTUSRITEMDEF* pItemDef) {
    if (!pItemDef) return E_POINTER;
    // An item without its paragraph is not built: the failure goes to the caller.
    HRESULT hr = SRptFileImpl::ConstructWithItemDef(pItemDef);
    if (FAILED(hr)) return hr;
    hr = SetupParagraphs();
    return FAILED(hr) ? hr : S_OK;
}

std::unique_ptr<SFileDlg> SRptGraphicFileImpl::CreateFileDialog() {
    return std::make_unique<SFileDlg>(true, "wmf", "", OFN_HIDEREADONLY, RPT_GRAPHIC_FILE_FILTER, nullptr);
}

HRESULT SRptGraphicFileImpl::OnCreateBrowserNode(ISBrowserView* pBrowser, uint32_t, ISBrowserNode* pParent,
                                                 ISBrowserNode* pPrevious, int32_t dispid, bool bIsTemplateEditor,
                                                 SRptBrowserNodeItem** pBrowserNodeItem) {
    return SRptItemEditor::CreateBrowserNode(SRptBrowserNodeKind::GraphicFile, this, pBrowser, pParent, pPrevious,
                                             dispid, bIsTemplateEditor, pBrowserNodeItem);
}

HRESULT SRptGraphicFileImpl::IsItemSupportCommand(uint32_t nID) {
    switch (nID) {
        case ID_RPT_ITEM_FORMAT:
        case ID_RPT_DISPLAY_ALL:
        case ID_RPT_DISPLAY_PATH:
        case ID_RPT_DISPLAY_CONTENT: return S_OK;
        case ID_RPT_ITEM_EDIT: return GetInTemplate() ? S_OK : S_FALSE;
        default: return S_FALSE;
    }
}

HRESULT SRptGraphicFileImpl::OnHandlePopupCommand(uint32_t nId, const SComTable<ISRepObject>& selectedItems, SWnd*) {
    SModuleStateGuard state(SRptGetModuleState());
    switch (nId) {
        case ID_RPT_ITEM_FORMAT: SRptItemEditor::FormatDialog(selectedItems, 0, IDD_RPT_FORMAT); return S_OK;
        case ID_RPT_ITEM_EDIT: return EditFile();
        case ID_RPT_DISPLAY_ALL: PutDisplayFlag(RPTFILE_DISPLAY_ALL); return S_OK;
        case ID_RPT_DISPLAY_PATH: PutDisplayFlag(RPTFILE_DISPLAY_PATH); return S_OK;
        case ID_RPT_DISPLAY_CONTENT: PutDisplayFlag(RPTFILE_DISPLAY_CONTENT); return S_OK;
        // The user has seen how the choice ended; the command itself is done either way.
        case ID_RPT_GRAPHICFILE_SELECT: SelectFile(); return S_OK;
        default: return S_FALSE;
    }
}
