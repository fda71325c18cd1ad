// The report's print preview: opening it, moving it to a page, and finding the pages that show
// given objects.
#include "platform/com/SComThrow.h"
#include "platform/repo/SRepKindTests.h"
#include "platform/ui/SPreviewView.h"
#include "rpt/devices/generation/SRptGenerationNode.h"
#include "rpt/devices/helpers/SRptOutputHelperTable.h"
#include "rpt/devices/print/SRptPhysicalLayer.h"
#include "rpt/devices/print/SRptPrintPreviewDevice.h"
#include "rpt/devices/print/SRptPrintPreviewShell.h"
#include "rpt/editor/SRptShellModule.h"
#include "rpt/editor/SRptShellViewReportPreview.h"
#include "rpt/module/SRptGlobalsContainer.h"
#include "rpt/objs/reports/RPTFINDINFO.h"
#include "rpt/objs/reports/SRptReportMem.h"
#include "rpt/objs/tables/SRptListMem.h"
#include "varod9/RptApi.h"

namespace {

// Whether the element of `item` shows one of `oids`: a list by the objects of its rows' first
// cells, any other item by its output helper's object.
bool ShowsObject(const SRptPhysicalItem& item, const std::set<GUID>& oids) {
    const SRptGenerationNode* node = item.GetGenerationNode();
    SComWrap<ISRepObject> object;
    object = node->GetItem();
    if (!object) SComThrow(E_POINTER);
    SRptOutputHelper* helper = node->GetOutputHelper();
    if (!helper) return false;
    if (SRepIsKindOf(object.Get(), CLSID_SRptList)) {
        auto* table = dynamic_cast<SRptOutputHelperTable*>(helper);
        if (!table) return false;
        for (int32_t row = 0; row < table->GetNbRows(); ++row) {
            RPTCELLINFO cell;
            if (table->GetCell(row, 0, &cell) == S_OK && oids.count(cell.ObjectID)) return true;
        }
        return false;
    }
    return oids.count(*helper->GetObjectID()) != 0;
}

}  // namespace

namespace {

// The print preview of the library's shell module, opened in its host.
HRESULT MakeShellPreview(ISRptReport* report, ISRptGenerationClient* client, ISShellCommandTarget* target,
                         SRptPrintPreviewShell** view) {
    SRptGlobalsContainer* globals = GetRptGlobalsContainer();
    SRptShellModule* module = globals ? globals->GetRptShellModule() : nullptr;
    SShellView* shellView = nullptr;
    const HRESULT hr = module ? module->CreateViewReportPreview(report, client, &shellView, target)
                              : SRptShellViewReportPreview::Open(nullptr, report, client, &shellView, target);
    *view = dynamic_cast<SRptShellViewReportPreview*>(shellView);
    return hr;
}

}  // namespace

SRptReportImpl::SPreviewViewMaker& SRptReportImpl::PreviewViewMaker() {
    static SPreviewViewMaker maker = &MakeShellPreview;
    return maker;
}

SRptReportImpl::SPreviewViewMaker SRptReportImpl::SetPreviewViewMaker(SPreviewViewMaker maker) {
    SPreviewViewMaker previous = PreviewViewMaker();
    PreviewViewMaker() = maker;
    return previous;
}

HRESULT SRptReportImpl::PreviewReport(ISRptGenerationClient* pGenerationClient, ISShellCommandTarget* pUserCommandTarget) {
    SComWrap<ISRptReport> report;
    report = static_cast<ISRptReport*>(this);
    SPreviewViewMaker maker = PreviewViewMaker() ? PreviewViewMaker() : &MakeShellPreview;
    SRptPrintPreviewShell* view = nullptr;
    const HRESULT hr = maker(report.Get(), pGenerationClient, pUserCommandTarget, &view);
    m_previewShellView = view;
    return hr;
}

HRESULT SRptReportImpl::SetPreviewCurrentPage(uint32_t nPage) {
    SPreviewView* window = m_previewShellView ? m_previewShellView->GetPreviewWindow() : nullptr;
    if (!window) return S_FALSE;
    window->SetCurrentPage(static_cast<int32_t>(nPage), 1);
    return S_OK;
}

HRESULT SRptReportImpl::FindInPreview(const std::set<GUID>& oids, STable<RPTFINDINFO*>& list) {
    SRptPrintPreviewDevice* device = m_previewShellView ? m_previewShellView->GetPreviewDevice() : nullptr;
    SRptPhysicalLayer* layer = device ? device->GetPhysicalLayer() : nullptr;
    if (!layer) return S_FALSE;
    for (const auto& item : layer->GetItems()) {
        // A node without a report item is a break a paragraph asked for: it shows nothing.
        if (!item || !item->GetGenerationNode() || !item->GetGenerationNode()->GetItem()) continue;
        if (!ShowsObject(*item, oids)) continue;
        const SRptPhysicalPage* page = item->GetPage();
        if (!page) continue;
        list.Add(new RPTFINDINFO(page->GetPageNumber(), item->GetGenerationNode()->GetOutputHelper()->GetText()));
    }
    return S_OK;
}
