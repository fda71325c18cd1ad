#include "SPngPreviewShell.h"

#include <memory>

#include "SRptHostFrame.h"
#include "platform/base/SException.h"
#include "platform/gdi/SDC.h"
#include "platform/gdi/SImageBackEnd.h"
#include "rpt/devices/print/SRptPhysicalLayer.h"
#include "rpt/editor/SRptShellModule.h"
#include "rpt/editor/SRptShellViewReportPreview.h"
#include "rpt/editor/SRptViewReportPreview.h"
#include "rpt/module/SRptGlobalsContainer.h"
#include "rpt/objs/reports/SRptReportMem.h"
#include "varod9/RptApi.h"

namespace {

// `value` printer dots in picture dots.
int32_t ToPicture(int32_t value, int32_t printerDotsPerInch) {
    if (printerDotsPerInch <= 0) return 0;
    return static_cast<int32_t>(static_cast<int64_t>(value) * SPngPreviewShell::kDotsPerInch / printerDotsPerInch);
}

}  // namespace

HRESULT SPngPreviewShell::Run(ISRptReport* report) {
    m_written = 0;
    m_fault = SString();
    auto* impl = dynamic_cast<SRptReportImpl*>(report);
    if (!impl) return E_INVALIDARG;
    SRptShellModule* shell = GetRptGlobalsContainer()->GetRptShellModule();
    shell->Initialize(&SRptHostFrame::Get());
    const HRESULT hr = report->PreviewReport(nullptr, nullptr);
    auto* preview = dynamic_cast<SRptShellViewReportPreview*>(impl->GetPreviewShellView());
    if (hr == S_OK && preview && preview->GetWindow()) WritePages(*preview->GetWindow());
    if (preview) preview->CloseView(1);
    shell->Terminate();
    if (FAILED(hr)) return hr;
    if (!preview) return E_FAIL;
    if (m_written == 0 && m_fault.IsEmpty()) m_fault = "the preview showed no page";
    return m_fault.IsEmpty() ? S_OK : E_FAIL;
}

void SPngPreviewShell::WritePages(SRptViewReportPreview& window) {
    auto* layer = dynamic_cast<SRptPhysicalLayer*>(window.GetPrintView());
    if (!layer) return;
    window.OnFirstPage();
    for (uint32_t number = window.GetMinPage(); number <= window.GetMaxPage() && m_fault.IsEmpty(); ++number) {
        window.ShowPage(static_cast<int32_t>(number));
        try {
            WritePage(*layer, window.GetCurrentPage());
            ++m_written;
        } catch (const SException& e) {
            m_fault = e.GetText();
        }
    }
}

void SPngPreviewShell::WritePage(SRptPhysicalLayer& layer, int32_t number) {
    SDC& printer = layer.GetPrinterDCObject();
    const int32_t dpiX = printer.GetDeviceCaps(LOGPIXELSX);
    const int32_t dpiY = printer.GetDeviceCaps(LOGPIXELSY);
    const int32_t width = ToPicture(printer.GetDeviceCaps(PHYSICALWIDTH), dpiX);
    const int32_t height = ToPicture(printer.GetDeviceCaps(PHYSICALHEIGHT), dpiY);
    if (width <= 0 || height <= 0) throw SException("the printer has no paper size");

    auto picture = std::make_unique<SImageBackEnd>(width, height, kDotsPerInch, kDotsPerInch);
    SImageBackEnd* pixels = picture.get();
    SDC dc(std::move(picture));
    layer.SetCurrentPage(number);
    layer.OnPrepareDC(&dc, nullptr);
    // The layer draws from the corner of the printable area, which is inside the paper.
    dc.SetViewportOrg(ToPicture(printer.GetDeviceCaps(PHYSICALOFFSETX), dpiX),
                      ToPicture(printer.GetDeviceCaps(PHYSICALOFFSETY), dpiY));
    layer.OnDraw(&dc);
    const bool separated = m_folder.IsEmpty() || m_folder.str().back() == '/';
    SString path;
    path.Format("%s%spage-%d.png", m_folder.c_str(), separated ? "" : "/", number);
    pixels->SaveAsPng(path);
}
