#include "platform/ui/SPrintDlg.h"

#include "platform/gdi/SDCBackEnd.h"
#include "platform/ui/SAnswerValues.h"
#include "varod9/SInteraction.h"

SPrintDlg::SPrintDlg(bool printSetupOnly, uint32_t flags, SWnd* parent)
    : m_flags(printSetupOnly ? flags | PD_PRINTSETUP : flags), m_parent(parent) {}

SPrintDlg::~SPrintDlg() = default;

int32_t SPrintDlg::DoModal() {
    SPrompt prompt;
    prompt.kind = SPrompt::PrintDialog;
    prompt.caption = IsPrintSetupOnly() ? "Print Setup" : "Print";
    prompt.text = GetDeviceName();
    prompt.flags = m_flags;
    const SAnswer answer = SInteraction::Ask(prompt);
    if (answer.button != IDOK) return IDCANCEL;
    if (IsPrintSetupOnly()) {
        TakeSetup(answer);
        return IDOK;
    }
    TakePages(answer);
    // The dialog hands back the chosen printer's device context, as the printing code expects.
    CreatePrinterDC();
    return IDOK;
}

void SPrintDlg::TakePages(const SAnswer& answer) {
    const auto inLimits = [this](int32_t page) { return page >= m_minPage && page <= m_maxPage; };
    int32_t from = m_fromPage;
    int32_t to = m_toPage;
    const bool hasFrom = SAnswerValues::Number(answer, IDC_FROMPAGE, &from);
    const bool hasTo = SAnswerValues::Number(answer, IDC_TOPAGE, &to);
    if ((hasFrom || hasTo) && inLimits(from) && inLimits(to)) {
        SetPageRange(static_cast<uint16_t>(from), static_cast<uint16_t>(to));
        m_flags |= PD_PAGENUMS;
    }
    if (SAnswerValues::IsChecked(answer, IDC_PAGENUMS)) m_flags |= PD_PAGENUMS;
    if (SAnswerValues::IsChecked(answer, IDC_ALLPAGES)) m_flags &= ~PD_PAGENUMS;
    int32_t copies = 0;
    if (SAnswerValues::Number(answer, IDC_COPIES, &copies) && copies >= 1 && copies <= kMaxCopies)
        m_copies = static_cast<uint16_t>(copies);
    // A hidden check box cannot be changed.
    if (!(m_flags & PD_HIDEPRINTTOFILE) && SAnswerValues::Has(answer, IDC_PRINTTOFILE)) {
        if (SAnswerValues::IsChecked(answer, IDC_PRINTTOFILE)) m_flags |= PD_PRINTTOFILE;
        else m_flags &= ~PD_PRINTTOFILE;
    }
}

void SPrintDlg::TakeSetup(const SAnswer& answer) {
    int32_t paper = 0;
    if (SAnswerValues::Number(answer, IDC_PAPER, &paper) && SPrinterCache::GetPaperDimensions(paper, nullptr)) {
        m_devSettings.paperSize = paper;
        m_devSettings.pageSize = POINT();  // the paper's own size, in the orientation chosen
    }
    if (SAnswerValues::IsChecked(answer, IDC_PORTRAIT)) m_devSettings.orientation = DMORIENT_PORTRAIT;
    else if (SAnswerValues::IsChecked(answer, IDC_LANDSCAPE)) m_devSettings.orientation = DMORIENT_LANDSCAPE;
}

SString SPrintDlg::GetDeviceName() const {
    if (!m_devSettings.printerName.IsEmpty()) return m_devSettings.printerName;
    return SPrinterCache(8, SPAGESETUPDLG::m_Default).GetPrinterName();
}

SString SPrintDlg::GetPortName() const {
    return SPrinterCache::GetOutputFolder();
}

SDCBackEnd* SPrintDlg::CreatePrinterDC() {
    m_printerDC = SPrinterCache::CreatePrinterDC(m_devSettings);
    return m_printerDC.get();
}

std::unique_ptr<SDCBackEnd> SPrintDlg::DetachPrinterDC() {
    return std::move(m_printerDC);
}

void SPrintDlg::AttachPrinterDC(std::unique_ptr<SDCBackEnd> printerDC) {
    m_printerDC = std::move(printerDC);
}

void SPrintDlg::DeletePrinterDC() {
    m_printerDC.reset();
}
