#include "SPngPreviewShell.h"

#include <memory>

#include "platform/base/SException.h"
#include "platform/gdi/SDC.h"
#include "platform/gdi/SImageBackEnd.h"
#include "rpt/devices/SRptPhysicalLayer.h"
#include "rpt/devices/SRptPrintPreviewDevice.h"

namespace {

// `value` printer dots in picture dots.
int32_t ToPicture(int32_t value, int32_t printerDotsPerInch) {
    if (printerDotsPerInch <= 0) return 0;
    return static_cast<int32_t>(static_cast<int64_t>(value) * SPngPreviewShell::kDotsPerInch / printerDotsPerInch);
}

}  // namespace

SPngPreviewShell::~SPngPreviewShell() {
    if (m_device) m_device->Release();
}

HRESULT SPngPreviewShell::Run(ISRptReport* report) {
    if (m_device) m_device->Release();
    m_written = 0;
    m_fault = SString();
    m_device = new SRptPrintPreviewDevice(report, nullptr, this);
    const HRESULT hr = m_device->GeneratePreview();
    if (FAILED(hr)) return hr;
    return m_fault.IsEmpty() ? S_OK : E_FAIL;
}

bool SPngPreviewShell::SetPrintView(SRptPhysicalLayer* layer) {
    if (!layer || !m_window.SetPrintView(layer)) return false;
    for (int32_t number = 1; number <= layer->GetPageCount() && m_fault.IsEmpty(); ++number) {
        try {
            WritePage(*layer, number);
            ++m_written;
        } catch (const SException& e) {
            m_fault = e.GetText();
        }
    }
    return true;
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
