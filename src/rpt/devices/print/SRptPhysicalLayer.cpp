// The physical layer as a view: its set-up on the printer, the preparation and drawing of a page,
// and the print job that prints its pages one by one.
#include "rpt/devices/print/SRptPhysicalLayer.h"

#include <algorithm>

#include "platform/base/SModuleState.h"
#include "platform/base/SStringLoad.h"
#include "platform/ui/SFileDlg.h"
#include "platform/ui/SLibMsgBox.h"
#include "platform/ui/SPrintInfo.h"
#include "platform/ui/SWinDefs.h"
#include "rpt/devices/print/SRptPrinterBaseDevice.h"
#include "rpt/dialogs/SRptDlgPrinting.h"
#include "rpt/module/SRptGlobalsContainer.h"
#include "varod9/RptApi.h"

namespace {

constexpr uint32_t IDS_RPT_APPLICATION_NAME = 200;
// Document names are cut to this many characters.
constexpr int32_t kMaxDocumentName = 30;

SPrinterCache* GetPrinterCache() {
    SRptGlobalsContainer* globals = GetRptGlobalsContainer();
    return globals ? globals->GetPrinterCache() : nullptr;
}

// A print dialog's own device context lent to a context of the class library for one job, and
// given back to the dialog when the job is over.
class SLentContext {
public:
    explicit SLentContext(SPrintDlg& dialog) : m_dialog(dialog) {
        m_dc.Attach(dialog.DetachPrinterDC());
        m_dc.SetPrinting(true);
    }
    ~SLentContext() { m_dialog.AttachPrinterDC(m_dc.Detach()); }
    SLentContext(const SLentContext&) = delete;
    SLentContext& operator=(const SLentContext&) = delete;
    SDC& Get() { return m_dc; }

private:
    SPrintDlg& m_dialog;
    SDC m_dc;
};

}  // namespace

SRptPhysicalLayer::SRptPhysicalLayer(SRptPrinterBaseDevice* device, SRptGenerationTree* tree, SPrintInfo* printInfo)
    : m_device(device), m_tree(tree), m_printInfo(printInfo), m_printerDC(device) {}

SRptPhysicalLayer::~SRptPhysicalLayer() {
    // Pages link the items, which link the frames: each goes before what it refers to.
    m_currentPage = nullptr;
    m_pages.clear();
    m_items.clear();
    m_frames.clear();
}

SRptPhysicalPage* SRptPhysicalLayer::GetPage(int32_t number) const {
    if (number < 1 || number > GetPageCount()) return nullptr;
    return m_pages[static_cast<size_t>(number - 1)].get();
}

void SRptPhysicalLayer::SetCurrentPage(int32_t number) {
    m_currentPage = GetPage(number);
}

SRptPhysicalItem* SRptPhysicalLayer::FindItem(const SRptGenerationNode* node) const {
    auto it = m_nodeMap.find(node);
    return it == m_nodeMap.end() ? nullptr : it->second;
}

SRptPhysicalItem* SRptPhysicalLayer::GetNextItem(const SRptPhysicalItem* item) const {
    for (size_t i = 0; i + 1 < m_items.size(); ++i)
        if (m_items[i].get() == item) return m_items[i + 1].get();
    return nullptr;
}

HRESULT SRptPhysicalLayer::SetUp() {
    if (!m_printInfo || !DoPreparePrinting(m_printInfo)) return E_ABORT;
    AttachPrinterContext(m_printInfo);
    PrepareMeasures();
    return S_OK;
}

void SRptPhysicalLayer::PrepareMeasures() {
    m_printerDC.SetPrinting(true);
    OnPrepareDC(&m_printerDC, nullptr);
    m_unitsPerMmX = m_printerDC.GetDeviceCaps(LOGPIXELSX) * (1 / 25.4);
    m_unitsPerMmY = m_printerDC.GetDeviceCaps(LOGPIXELSY) * (1 / 25.4);
}

void SRptPhysicalLayer::OnPrepareDC(SDC* dc, SPrintInfo*) {
    if (!dc) return;
    dc->SetBkMode(TRANSPARENT);
    // Hundredths of a millimetre, with y growing down the page.
    dc->SetMapMode(MM_HIMETRIC);
    dc->SetMapMode(MM_ANISOTROPIC);
    const SIZE viewport = dc->GetViewportExt();
    dc->SetViewportExt(viewport.cx, -viewport.cy);
}

void SRptPhysicalLayer::OnDraw(SDC* dc) {
    if (!m_currentPage || !dc) return;
    if (SRptPageElement* header = m_currentPage->GetHeaderElement()) header->Draw(dc);
    if (SRptPageElement* footer = m_currentPage->GetFooterElement()) footer->Draw(dc);
    for (const auto& element : m_currentPage->GetElements()) element->Draw(dc);
}

bool SRptPhysicalLayer::OnPreparePrinting(SPrintInfo* info) {
    if (info) {
        info->SetMinPage(1);
        info->SetMaxPage(static_cast<uint32_t>(std::max(1, GetPageCount())));
        info->m_nNumPreviewPages = 2;
        info->m_strPageDesc = SString("Page %u\nPages %u-%u\n");
    }
    return DoPreparePrinting(info);
}

bool SRptPhysicalLayer::DoPreparePrinting(SPrintInfo* info) {
    if (!info || !info->m_pPD) return false;
    if (info->GetMinPage() > info->GetMaxPage()) info->SetMaxPage(info->GetMinPage());
    if (!GetPrinterCache()) return false;
    if (!info->m_bPreview && !info->m_bDirect) {
        info->SetPageRange(info->GetMinPage(), info->GetMaxPage());
        if (!RunPrintDialog(info)) return false;
    } else {
        if (!HasPrinterContext(info) && !TakePrinterDefaults(info) && !RunPrintDialog(info)) return false;
        if (!HasPrinterContext(info) && !CreatePrinterContext(info)) return false;
        if (info->m_bPreview) info->SetPageRange(info->GetMinPage(), info->GetMaxPage());
    }
    return HasPrinterContext(info);
}

void SRptPhysicalLayer::OnBeginPrinting(SDC*, SPrintInfo*) {}

void SRptPhysicalLayer::OnPrint(SDC* dc, SPrintInfo* info) {
    if (!info) return;
    SetCurrentPage(static_cast<int32_t>(info->m_nCurPage));
    OnDraw(dc);
}

void SRptPhysicalLayer::OnEndPrinting(SDC*, SPrintInfo*) {}

HRESULT SRptPhysicalLayer::OnFilePrint() {
    SPrintInfo info;
    return DoFilePrint(&info);
}

HRESULT SRptPhysicalLayer::OnFilePrintPreview() {
    SPrintInfo info;
    info.m_bPreview = 1;
    return DoFilePrint(&info);
}

HRESULT SRptPhysicalLayer::OnFilePrintDirect() {
    if (!m_printInfo) return E_UNEXPECTED;
    const int32_t preview = m_printInfo->m_bPreview;
    const int32_t direct = m_printInfo->m_bDirect;
    m_printInfo->m_bPreview = 0;
    m_printInfo->m_bDirect = 1;
    const HRESULT hr = DoFilePrint(m_printInfo);
    m_printInfo->m_bPreview = preview;
    m_printInfo->m_bDirect = direct;
    return hr;
}

HRESULT SRptPhysicalLayer::DoFilePrint(SPrintInfo* info) {
    SModuleStateGuard state(SRptGetModuleState());
    if (!info || !OnPreparePrinting(info)) return S_OK;
    // A report without pages prints nothing: not even an empty job.
    if (GetPageCount() == 0) return S_OK;
    SPrintDlg& dialog = *info->m_pPD;
    SString output;
    if (dialog.PrintToFile()) {
        output = PromptPrintFile();
        if (output.IsEmpty()) return S_FALSE;
    }
    SString documentName = GetApplicationName();
    if (documentName.GetLength() > kMaxDocumentName) documentName = documentName.Left(kMaxDocumentName);
    DOCINFOA document;
    document.lpszDocName = documentName.c_str();
    document.lpszOutput = output.IsEmpty() ? nullptr : output.c_str();
    SString port;
    port.Format(dialog.PrintToFile() ? "to %s" : "on %s", dialog.PrintToFile() ? output.c_str() : dialog.GetPortName().c_str());

    SLentContext lent(dialog);
    SDC& dc = lent.Get();
    OnBeginPrinting(&dc, info);
    dc.SetAbortProc(&SRptPrinterBaseDevice::AbortProc);
    OpenPrintingDialog(SString(), dialog.GetDeviceName(), port);
    if (m_printingDlg) m_printingDlg->SetDoc(documentName);
    if (dc.StartDoc(&document) == SP_ERROR) {
        OnEndPrinting(&dc, info);
        ClosePrintingDialog();
        ShowPrintError("Could not start print job.");
        return E_UNEXPECTED;
    }

    const uint32_t low = info->GetMinPage();
    const uint32_t high = info->GetMaxPage();
    const uint32_t from = std::clamp(info->GetFromPage(), low, high);
    const uint32_t to = std::clamp(info->GetToPage(), low, high);
    const int32_t step = to >= from ? 1 : -1;
    // Wide enough for the page after the last, whatever the page count.
    const int64_t end = static_cast<int64_t>(to) + step;
    // A job the user cancels ends quietly; one the printer refuses (a page, or the document it
    // could not write) ends as failed, and says so.
    bool aborted = false;
    bool failed = false;
    for (int64_t page = from; page != end; page += step) {
        if (!info->m_bContinuePrinting) break;
        if (!GetPage(static_cast<int32_t>(page))) continue;
        if (m_printingDlg) {
            SString text;
            text.Format("Page %u", static_cast<uint32_t>(page));
            m_printingDlg->SetPage(text);
        }
        info->m_nCurPage = static_cast<uint32_t>(page);
        POINT corners[2] = {{0, 0}, {dc.GetDeviceCaps(HORZRES), dc.GetDeviceCaps(VERTRES)}};
        if (dc.StartPage() < 0) {
            failed = true;
            break;
        }
        OnPrepareDC(&dc, info);
        dc.DPtoLP(corners, 2);
        info->m_rectDraw = RECT{corners[0].x, corners[0].y, corners[1].x, corners[1].y};
        OnPrint(&dc, info);
        if (dc.EndPage() < 0) {
            failed = true;
            break;
        }
        if (!ContinuePrinting() || !SRptPrinterBaseDevice::AbortProc(&dc, 0)) {
            aborted = true;
            break;
        }
    }
    if (aborted || failed) dc.AbortDoc();
    else failed = dc.EndDoc() < 0;
    OnEndPrinting(&dc, info);
    ClosePrintingDialog();
    if (!failed) return S_OK;
    ShowPrintError("Could not complete print job.");
    return E_IOFAILURE;
}

// ---- what the layer asks of the printer and its dialogs ----

bool SRptPhysicalLayer::RunPrintDialog(SPrintInfo* info) {
    SPrinterCache* cache = GetPrinterCache();
    return cache && cache->DoPrintDialog(info->m_pPD.get()) == IDOK;
}

bool SRptPhysicalLayer::TakePrinterDefaults(SPrintInfo* info) {
    SPrinterCache* cache = GetPrinterCache();
    return cache && cache->GetPrinterDeviceDefaults(info->m_pPD.get());
}

bool SRptPhysicalLayer::HasPrinterContext(SPrintInfo* info) const {
    return info->m_pPD->GetPrinterDC() != nullptr;
}

bool SRptPhysicalLayer::CreatePrinterContext(SPrintInfo* info) {
    return info->m_pPD->CreatePrinterDC() != nullptr;
}

void SRptPhysicalLayer::AttachPrinterContext(SPrintInfo* info) {
    m_printerDC.Detach();
    m_printerDC.Attach(info->m_pPD->DetachPrinterDC());
}

SString SRptPhysicalLayer::PromptPrintFile() {
    SFileDlg dialog(false, "prn", "Output.prn", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                    "Printer Files (*.prn)|*.prn|All Files (*.*)|*.*||", nullptr);
    if (dialog.DoModal() != IDOK) return SString();
    return dialog.GetPathName();
}

void SRptPhysicalLayer::OpenPrintingDialog(const SString& action, const SString& printer, const SString& port) {
    m_printingDlg = std::make_unique<SRptDlgPrinting>(m_device);
    if (!action.IsEmpty()) m_printingDlg->SetAction(action);
    m_printingDlg->SetDoc(GetApplicationName());
    SPrintDlg* dialog = m_printInfo && m_printInfo->m_pPD ? m_printInfo->m_pPD.get() : nullptr;
    m_printingDlg->SetPrinter(!printer.IsEmpty() || !dialog ? printer : dialog->GetDeviceName());
    SString line = port;
    if (line.IsEmpty() && dialog) line.Format("on %s", dialog->GetPortName().c_str());
    m_printingDlg->SetPort(line);
    m_printingDlg->SetPage(0);
    m_printingDlg->ShowWindow(SW_SHOW);
}

void SRptPhysicalLayer::ClosePrintingDialog() {
    m_printingDlg.reset();
}

void SRptPhysicalLayer::ShowPrintError(const SString& text) {
    SLibMsgBox(SGetMainWnd(), " - ").Error(text);
}

SString SRptPhysicalLayer::GetApplicationName() {
    return SStringLoad(IDS_RPT_APPLICATION_NAME, "Report Editor", nullptr);
}
