#include "rpt/dialogs/SRptDlgPrinting.h"

#include "platform/base/SModuleState.h"
#include "platform/ui/SWndState.h"
#include "platform/ui/SWndSystem.h"
#include "varod9/RptApi.h"

const SClassInfo SRptDlgPrinting::classSRptDlgPrinting = {"SRptDlgPrinting", &SDlg::classSDlg};

S_BEGIN_MESSAGE_MAP(SRptDlgPrinting, SDlg)
    SMsgEntry::Control(BN_CLICKED, IDCANCEL, &SRptDlgPrinting::OnCancel),
S_END_MESSAGE_MAP()

namespace {

int32_t sAbortFlag = 0;

// The active window: the top-level window that holds the focus; 0 when nothing has it.
HWND ActiveWindow() {
    HWND hwnd = SWnd::GetFocusHandle();
    while (const SWndState* state = SWndSystem::Find(hwnd)) {
        if (!state->parent) return hwnd;
        hwnd = state->parent;
    }
    return 0;
}

// Disables a window that is there and enabled, and answers it; 0 (nothing done) otherwise.
HWND DisableIfEnabled(HWND hwnd) {
    SWnd* wnd = SWnd::IsWindow(hwnd) ? SWnd::FromHandle(hwnd) : nullptr;
    if (!wnd || !wnd->IsWindowEnabled()) return 0;
    wnd->EnableWindow(0);
    return hwnd;
}

void EnableAgain(HWND hwnd) {
    if (SWnd::IsWindow(hwnd)) SWnd::FromHandle(hwnd)->EnableWindow(1);
}

}  // namespace

int32_t SRptDlgPrinting::GetAbortFlag() {
    return sAbortFlag;
}

void SRptDlgPrinting::SetAbortFlag(int32_t value) {
    sAbortFlag = value;
}

SRptDlgPrinting::SRptDlgPrinting(SRptPrinterBaseDevice* device) : SDlg(IDD, SGetMainWnd()) {
    SModuleStateGuard state(SRptGetModuleState());
    SWnd* mainWnd = SGetMainWnd();
    const HWND mainHandle = mainWnd ? mainWnd->GetSafeHwnd() : 0;
    const HWND activeHandle = ActiveWindow();
    m_disabledMainWnd = DisableIfEnabled(mainHandle);
    if (activeHandle != mainHandle) m_disabledActiveWnd = DisableIfEnabled(activeHandle);
    Create(IDD, mainWnd);
    m_device = device;
}

SRptDlgPrinting::~SRptDlgPrinting() {
    EnableAgain(m_disabledMainWnd);
    EnableAgain(m_disabledActiveWnd);
    DestroyWindow();
}

int32_t SRptDlgPrinting::OnInitDialog() {
    AttachDlgItem(IDC_ACTION, m_action);
    AttachDlgItem(IDC_DOCUMENT, m_document);
    AttachDlgItem(IDC_PRINTER, m_printer);
    AttachDlgItem(IDC_PORT, m_port);
    AttachDlgItem(IDC_PAGE, m_page);
    AttachDlgItem(IDCANCEL, m_cancel);
    AttachDlgItem(IDC_ANIMATION, m_animation);
    {
        SModuleStateGuard state(SRptGetModuleState());
        m_animation.Open(IDR_PRINTING_CLIP);
    }
    CenterWindow();
    return SDlg::OnInitDialog();
}

void SRptDlgPrinting::OnCancel() {
    if (m_device) sAbortFlag = 1;
    SDlg::OnCancel();
}

void SRptDlgPrinting::SetAction(const SString& text) {
    m_action.SetWindowText(text);
}

void SRptDlgPrinting::SetDoc(const SString& text) {
    m_document.SetWindowText(text);
}

void SRptDlgPrinting::SetPrinter(const SString& text) {
    m_printer.SetWindowText(text);
}

void SRptDlgPrinting::SetPort(const SString& text) {
    m_port.SetWindowText(text);
}

void SRptDlgPrinting::SetPage(const SString& text) {
    m_page.SetWindowText(text);
}

void SRptDlgPrinting::SetPage(int32_t page) {
    SetPage(SString::FromInt(page));
}

void SRptDlgPrinting::ProcessMessages() {
    // The only input waiting on this platform is the script's click on the dialog.
    if (sAbortFlag == 0) PumpMessages();
}
