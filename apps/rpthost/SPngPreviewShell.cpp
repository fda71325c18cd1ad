#include "SPngPreviewShell.h"

#include <cstring>
#include <memory>
#include <string>

#include "SRptHostFrame.h"
#include "platform/base/SEIOException.h"
#include "platform/base/SException.h"
#include "platform/base/SOutputFileSet.h"
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

// The name of a page's picture: the head, the page's number and the tail.
constexpr const char* kPageHead = "page-";
constexpr const char* kPageTail = ".png";
// The name of the set of pictures, which names the folder where they wait for their places.
constexpr const char* kSetName = "pages";

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
    try {
        // The pictures are staged and take their places together once all are written: a preview
        // that fails part-way leaves the folder's earlier pictures as they were, none of them
        // beside a picture of this run.
        SOutputFileSet pictures(FolderOfPages(m_folder), kSetName);
        int32_t staged = 0;
        try {
            window.OnFirstPage();
            for (uint32_t number = window.GetMinPage(); number <= window.GetMaxPage(); ++number) {
                window.ShowPage(static_cast<int32_t>(number));
                WritePage(*layer, pictures.GetStagingFolder(), window.GetCurrentPage());
                ++staged;
            }
            pictures.Commit();
        } catch (const SEIOException&) {
            // Said of the page where the user looks for it, not where it waited for its place.
            pictures.RethrowInFolder();
        }
        m_written = staged;
    } catch (const SException& e) {
        m_fault = e.GetText();
    }
}

void SPngPreviewShell::WritePage(SRptPhysicalLayer& layer, const SString& folder, int32_t number) {
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
    pixels->SaveAsPng(PagePath(folder, number));
}

SString SPngPreviewShell::FolderOfPages(const SString& folder) {
    const bool separated = folder.IsEmpty() || folder.str().back() == '/';
    return separated ? folder : folder + "/";
}

SString SPngPreviewShell::StagingFolderOf(const SString& folder) {
    return SOutputFileSet::StagingFolderOf(FolderOfPages(folder), kSetName);
}

SString SPngPreviewShell::PagePath(const SString& folder, int32_t number) {
    SString path;
    path.Format("%s%s%d%s", FolderOfPages(folder).c_str(), kPageHead, number, kPageTail);
    return path;
}

bool SPngPreviewShell::IsPageName(const SString& pageName) {
    // "page-", a number as PagePath writes it (no sign, no leading zero), ".png".
    const std::string& name = pageName.str();
    const size_t head = std::strlen(kPageHead);
    const size_t tail = std::strlen(kPageTail);
    if (name.size() <= head + tail || name.compare(0, head, kPageHead) != 0 ||
        name.compare(name.size() - tail, tail, kPageTail) != 0)
        return false;
    const std::string number = name.substr(head, name.size() - head - tail);
    return number[0] != '0' && number.find_first_not_of("0123456789") == std::string::npos;
}
