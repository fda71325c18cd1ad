#include "rpt/editor/SRptViewReportPreview.h"

#include <algorithm>
#include <cstdlib>
#include <new>
#include <string>

#include "platform/base/SEOutOfMemory.h"
#include "platform/base/SExceptionResult.h"
#include "platform/base/SModuleState.h"
#include "platform/com/SComThrow.h"
#include "platform/host/ISShellCommandBars.h"
#include "platform/host/ISShellPreview.h"
#include "platform/host/ISShellProgress.h"
#include "platform/host/ISShellViewClass.h"
#include "platform/ui/SCmdUI.h"
#include "platform/ui/SHelp.h"
#include "rpt/devices/print/SRptPhysicalLayer.h"
#include "rpt/dialogs/SRptPreviewZoomDlg.h"
#include "rpt/editor/SRptShellModule.h"
#include "rpt/editor/SRptShellViewClassPreview.h"
#include "rpt/module/SRptGlobalsContainer.h"
#include "varod9/RptApi.h"

const SClassInfo SRptViewReportPreview::classSRptViewReportPreview = {"SRptViewReportPreview",
                                                                      &SPreviewView::classSPreviewView};

namespace {
constexpr uint32_t kHelpContext = 10030;
constexpr uint32_t WM_SETFONT = 0x0030;
constexpr int32_t CBN_KILLFOCUS = 4;
constexpr uint32_t SB_THUMBPOSITION = 4;
constexpr uint32_t SB_THUMBTRACK = 5;
constexpr int32_t SB_VERT = 1;
// The width of a vertical scroll bar and the size of the page tip, in pixels.
constexpr int32_t kScrollBarWidth = 17;
constexpr int32_t kTipWidth = 60;
constexpr int32_t kTipHeight = 20;
// The gap around the pages shown whole.
constexpr int32_t kPageMargin = 8;
const char* const kZoomTexts[] = {"50%", "75%", "100%", "150%", "200%", "500%"};

// Whether a preview's page tip is shown; one for all previews.
int32_t gPageTipShown = 0;

// The leading decimal number of a text, 0 when it has none.
int32_t LeadingNumber(const SString& text) {
    return static_cast<int32_t>(std::strtol(text.c_str(), nullptr, 10));
}

// The host frame the shell module was given, or null.
ISShellHostFrame* ModuleHostFrame() {
    SRptGlobalsContainer* globals = GetRptGlobalsContainer();
    SRptShellModule* module = globals ? globals->GetRptShellModule() : nullptr;
    return module ? module->GetHostFrame() : nullptr;
}
}  // namespace

S_BEGIN_MESSAGE_MAP(SRptViewReportPreview, SPreviewView)
    SMsgEntry::Mouse(WM_LBUTTONDOWN, &SRptViewReportPreview::OnLButtonDown),
    SMsgEntry::Key(WM_KEYDOWN, &SRptViewReportPreview::OnKeyDown),
    SMsgEntry::Command(ID_RPT_PREVIEW_MAGNIFIER, &SRptViewReportPreview::OnMagnifier),
    SMsgEntry::Command(ID_RPT_PREVIEW_ONE_PAGE, &SRptViewReportPreview::OnOnePage),
    SMsgEntry::Command(ID_RPT_PREVIEW_MULTI_PAGES, &SRptViewReportPreview::OnMultiPage),
    SMsgEntry::Command(ID_RPT_PREVIEW_ZOOM, &SRptViewReportPreview::OnZoomScale),
    SMsgEntry::Command(ID_RPT_PREVIEW_FIRST_PAGE, &SRptViewReportPreview::OnFirstPage),
    SMsgEntry::Command(ID_RPT_PREVIEW_PREV_PAGE, &SRptViewReportPreview::OnPrevPage),
    SMsgEntry::Command(ID_RPT_PREVIEW_NEXT_PAGE, &SRptViewReportPreview::OnNextPage),
    SMsgEntry::Command(ID_RPT_PREVIEW_LAST_PAGE, &SRptViewReportPreview::OnLastPage),
    SMsgEntry::Command(ID_RPT_PREVIEW_HELP_CONTENTS, &SRptViewReportPreview::OnHelpContents),
    SMsgEntry::UpdateUI(ID_RPT_PREVIEW_ONE_PAGE, &SRptViewReportPreview::OnOnePageCmdUI),
    SMsgEntry::UpdateUI(ID_RPT_PREVIEW_MULTI_PAGES, &SRptViewReportPreview::OnMultiPageCmdUI),
    SMsgEntry::UpdateUI(ID_RPT_PREVIEW_PREV_PAGE, &SRptViewReportPreview::OnPrevPageCmdUI),
    SMsgEntry::UpdateUI(ID_RPT_PREVIEW_NEXT_PAGE, &SRptViewReportPreview::OnNextPageCmdUI),
    SMsgEntry::UpdateUI(ID_RPT_PREVIEW_HELP_CONTENTS, &SRptViewReportPreview::OnHelpContentsCmdUI),
    SMsgEntry::Control(CBN_SELCHANGE, ID_RPT_PREVIEW_ZOOM, &SRptViewReportPreview::OnZoomScaleSelChange),
    SMsgEntry::Control(CBN_KILLFOCUS, ID_RPT_PREVIEW_ZOOM, &SRptViewReportPreview::OnZoomScaleKillFocus),
S_END_MESSAGE_MAP()

SRptViewReportPreview::SRptViewReportPreview(ISRptReport* report) : m_pReport(report) {
    m_pPageTip.reset(new (std::nothrow) SToolTipCtrl);
    if (!m_pPageTip) throw SEOutOfMemory();
    m_printInfo = std::make_unique<SPrintInfo>();
    m_printInfo->m_bPreview = 1;
    m_printInfo->SetMinPage(0);
    m_printInfo->SetMaxPage(0);
}

SRptViewReportPreview::~SRptViewReportPreview() {
    if (m_pPageTip) m_pPageTip->DestroyWindow();
    m_pPageTip.reset();
    m_pReport.Clear();
    m_pSession.Clear();
    if (GetSafeHwnd()) DestroyWindow();
}

// ---- counting and the session ----

HRESULT SRptViewReportPreview::QueryInterface(const GUID& riid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (riid != IUnknown::iid && riid != ISRepSessionView::iid) return E_NOINTERFACE;
    *out = static_cast<ISRepSessionView*>(this);
    AddRef();
    return S_OK;
}

uint32_t SRptViewReportPreview::Release() {
    const uint32_t left = --m_dwRef;
    if (left == 0) delete this;
    return left;
}

HRESULT SRptViewReportPreview::SetSession(ISRepSession* session) {
    if (session != m_pSession.Get()) m_pSession = SComWrap<ISRepSession>(session);
    return S_OK;
}

HRESULT SRptViewReportPreview::GetSession(ISRepSession** out) const {
    return m_pSession.CopyTo(out);
}

HRESULT SRptViewReportPreview::SessionClose() {
    return SExceptionResult::Guard([&] {
        // The session may hold the last reference but this call's.
        SComWrap<ISRepSessionView> self;
        self = static_cast<IUnknown*>(static_cast<ISRepSessionView*>(this));
        if (!m_pSession) SComThrow(E_POINTER);
        m_pSession->UnadviseSessionSink(this);
        Close();
        return S_OK;
    });
}

void SRptViewReportPreview::Close() {
    if (!m_pSession) return;
    // The session's host is the host frame of the library's shell module.
    ISShellHostFrame* host = ModuleHostFrame();
    if (!host) return;
    SComWrap<ISShellPreview> preview;
    preview = static_cast<IUnknown*>(host);
    if (preview) preview->ClosePreview();
}

// ---- the window ----

int32_t SRptViewReportPreview::Create(const char* className, const char* windowName, uint32_t style,
                                      const RECT& rect, SWnd* parent, uint32_t id, SCreateContext* context) {
    const int32_t made = SPreviewView::Create(className, windowName, style, rect, parent, id, context);
    if (!made) return made;
    m_pPageTip->Create(this, WS_POPUP | WS_VISIBLE);
    m_tipTool.hwnd = GetSafeHwnd();
    m_tipTool.rect = GetClientRect();
    m_pPageTip->AddTool(this, m_tipTool.text, m_tipTool.uId);
    return 1;
}

int32_t SRptViewReportPreview::OnWndMsg(uint32_t message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (message == WM_VSCROLL) {
        OnVScroll(LOWORD(static_cast<uintptr_t>(wParam)), HIWORD(static_cast<uintptr_t>(wParam)),
                  SWnd::FromHandle(static_cast<HWND>(lParam)));
        if (result) *result = 0;
        return 1;
    }
    return SPreviewView::OnWndMsg(message, wParam, lParam, result);
}

int32_t SRptViewReportPreview::SetPrintView(SView* printView) {
    const int32_t result = SPreviewView::SetPrintView(printView);
    if (auto* layer = dynamic_cast<SRptPhysicalLayer*>(printView)) {
        layer->OnPreparePrinting(m_printInfo.get());
    } else {
        m_printInfo->SetMinPage(printView ? 1 : 0);
        m_printInfo->SetMaxPage(static_cast<uint32_t>(std::max(0, GetPageCount())));
    }
    return result;
}

int32_t SRptViewReportPreview::GetZoomPercent() const {
    return static_cast<int32_t>(static_cast<int64_t>(GetZoomNumerator()) * 100 / GetZoomDenominator());
}

int32_t SRptViewReportPreview::IsPageTipShown() {
    return gPageTipShown;
}

void SRptViewReportPreview::ShowPage(int32_t page) {
    SetCurrentPage(page, 1);
    OnDisplayPageNumber(static_cast<uint32_t>(GetCurrentPage()), static_cast<uint32_t>(GetPagesShown()));
}

void SRptViewReportPreview::DoZoom(uint32_t pageIndex, POINT point) {
    m_nZoomPageIndex = pageIndex;
    m_zoomPoint = point;
}

bool SRptViewReportPreview::FindPageRect(POINT& point, uint32_t& pageIndex) const {
    if (!GetPrintView() || !GetSafeHwnd()) return false;
    const RECT client = GetClientRect();
    const int32_t width = client.right - client.left;
    const int32_t height = client.bottom - client.top;
    // Zoomed, the page fills the window; whole, the pages share it side by side.
    const int32_t slots = GetZoomState() == ZOOM_OUT ? GetZoomOutPages() : 1;
    const int32_t margin = GetZoomState() == ZOOM_OUT ? kPageMargin : 0;
    const int32_t slotWidth = slots > 0 ? width / slots : width;
    for (int32_t slot = 0; slot < slots; ++slot) {
        const int32_t left = client.left + slot * slotWidth + margin;
        const int32_t right = client.left + (slot + 1) * slotWidth - margin;
        const int32_t top = client.top + margin;
        const int32_t bottom = client.top + height - margin;
        if (point.x < left || point.x >= right || point.y < top || point.y >= bottom) continue;
        if (GetCurrentPage() + slot > GetPageCount()) return false;
        pageIndex = static_cast<uint32_t>(slot);
        // The point within the page, for the zoom to centre on.
        point = POINT{point.x - left, point.y - top};
        return true;
    }
    return false;
}

// ---- the zoom combo boxes of the toolbar ----

template <class Visit>
int32_t SRptViewReportPreview::ForEachZoomCombo(Visit visit) {
    SRptShellViewClassPreview* viewClass = SRptShellModule::GetPreviewViewClass();
    if (!viewClass) return 1;
    ISShellHostFrame* host = nullptr;
    if (viewClass->GetShellHostFrame(&host) != S_OK || !host) return 1;
    SComWrap<ISShellCommandBars> bars;
    bars = static_cast<IUnknown*>(host);
    if (!bars) return 1;
    int32_t position = 0;
    HWND handle = 0;
    while (bars->GetToolbarControl(&position, ID_RPT_PREVIEW_ZOOM, viewClass->GetCommandClassFace(), &handle) == S_OK) {
        if (SWnd* combo = SWnd::FromHandle(handle)) visit(*combo);
    }
    return 0;
}

int32_t SRptViewReportPreview::InitZoomCombos() {
    return ForEachZoomCombo([](SWnd& combo) {
        // The system font stands for the user interface's.
        combo.SendMessage(WM_SETFONT, 0, 1);
        for (const char* text : kZoomTexts) combo.SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
        combo.SendMessage(CB_SETCURSEL, 2);
    });
}

void SRptViewReportPreview::ZoomToText(const SString& text) {
    const int32_t percent = LeadingNumber(text);
    if (percent <= 0) return;
    SetZoomState(percent == 100 ? ZOOM_OUT : ZOOM_IN);
    SetZoom(percent);
    DoZoom(0, POINT{0, 0});
}

void SRptViewReportPreview::OnZoomScaleSelChange() {
    ForEachZoomCombo([this](SWnd& combo) {
        const auto selected = static_cast<int32_t>(combo.SendMessage(CB_GETCURSEL));
        if (selected == CB_ERR) return;
        const auto length = combo.SendMessage(CB_GETLBTEXTLEN, static_cast<WPARAM>(selected));
        if (length < 0) return;
        std::string text(static_cast<size_t>(length) + 1, '\0');
        combo.SendMessage(CB_GETLBTEXT, static_cast<WPARAM>(selected), reinterpret_cast<LPARAM>(text.data()));
        text.resize(static_cast<size_t>(length));
        ZoomToText(SString(std::move(text)));
    });
}

void SRptViewReportPreview::OnZoomScaleKillFocus() {
    ForEachZoomCombo([this](SWnd& combo) { ZoomToText(combo.GetWindowText()); });
}

void SRptViewReportPreview::OnZoomScale() {
    SModuleStateGuard library(SRptGetModuleState());
    SRptPreviewZoomDlg dialog(GetZoomPercent(), this);
    if (dialog.DoModal() != 1) return;
    // The dialog always zooms, also to 100 %.
    if (GetZoomState() == ZOOM_OUT) {
        SetZoomState(ZOOM_IN);
        DoZoom(m_nZoomPageIndex, POINT{0, 0});
    }
    SetZoom(dialog.GetZoom());
    DoZoom(0, POINT{0, 0});
}

// ---- pages ----

void SRptViewReportPreview::OnOnePage() {
    if (GetZoomState() != ZOOM_OUT) return;
    m_nZoomOutPages = 1;
    SetPagesShown(1);
    SetScrollRange(SB_VERT, static_cast<int32_t>(GetMinPage()), static_cast<int32_t>(GetMaxPage()), 0);
    ShowPage(GetCurrentPage());
}

void SRptViewReportPreview::OnMultiPage() {
    if (GetZoomState() != ZOOM_OUT) return;
    m_nZoomOutPages = 2;
    SetPagesShown(2);
    SetScrollRange(SB_VERT, static_cast<int32_t>(GetMinPage()), static_cast<int32_t>((GetMaxPage() + 1) / 2), 0);
    ShowPage(GetCurrentPage());
}

void SRptViewReportPreview::OnFirstPage() {
    ShowPage(1);
}

void SRptViewReportPreview::OnLastPage() {
    ShowPage(static_cast<int32_t>(GetMaxPage()));
}

void SRptViewReportPreview::OnPrevPage() {
    ShowPage(GetCurrentPage() - (GetZoomState() == ZOOM_IN ? 1 : GetPagesShown()));
}

void SRptViewReportPreview::OnNextPage() {
    ShowPage(GetCurrentPage() + (GetZoomState() == ZOOM_IN ? 1 : GetPagesShown()));
}

void SRptViewReportPreview::OnHelpContents() {
    SHelp::ShowHelpContext(kHelpContext);
}

void SRptViewReportPreview::OnOnePageCmdUI(SCmdUI* ui) {
    ui->SetCheck(GetPagesShown() == 1);
    ui->Enable(GetZoomNumerator() == 100);
}

void SRptViewReportPreview::OnMultiPageCmdUI(SCmdUI* ui) {
    ui->SetCheck(GetPagesShown() > 1);
    ui->Enable(GetZoomNumerator() == 100);
}

void SRptViewReportPreview::OnPrevPageCmdUI(SCmdUI* ui) {
    ui->Enable(static_cast<uint32_t>(GetCurrentPage()) != GetMinPage());
}

void SRptViewReportPreview::OnNextPageCmdUI(SCmdUI* ui) {
    ui->Enable(static_cast<uint32_t>(GetCurrentPage() + m_nZoomOutPages) <= GetMaxPage());
}

void SRptViewReportPreview::OnHelpContentsCmdUI(SCmdUI* ui) {
    ui->Enable(1);
}

// ---- mouse, keys and scroll bar ----

void SRptViewReportPreview::OnLButtonDown(uint32_t, POINT point) {
    uint32_t pageIndex = 0;
    if (!FindPageRect(point, pageIndex)) return;
    SetZoomState(GetZoomState() != ZOOM_IN ? ZOOM_IN : ZOOM_OUT);
    DoZoom(pageIndex, point);
}

void SRptViewReportPreview::OnKeyDown(uint32_t key, uint32_t, uint32_t) {
    Default();
    const auto current = static_cast<uint32_t>(GetCurrentPage());
    switch (key) {
    case VK_PRIOR:
        if (current > GetMinPage()) OnPrevPage();
        break;
    case VK_NEXT:
        if (current < GetMaxPage()) OnNextPage();
        break;
    case VK_F1:
        SHelp::ShowHelpContext(kHelpContext);
        break;
    case VK_ESCAPE:
        Close();
        break;
    default:
        break;
    }
}

int32_t SRptViewReportPreview::PreTranslateMessage(MSG* msg) {
    if (msg && msg->message == WM_KEYDOWN) {
        if (msg->wParam == VK_TAB) return 1;
        if (msg->wParam == VK_F4) {
            Close();
            return 1;
        }
    }
    return SPreviewView::PreTranslateMessage(msg);
}

void SRptViewReportPreview::OnVScroll(uint32_t code, uint32_t position, SWnd*) {
    if (GetZoomState() != ZOOM_OUT || !m_pPageTip) return;
    if (code == SB_THUMBTRACK) {
        SString text;
        text.Format("Page: %ld", static_cast<long>(position));
        m_pPageTip->UpdateTipText(text, this, m_tipTool.uId);
        if (gPageTipShown == 0) {
            gPageTipShown = 1;
            m_pPageTip->Activate(1);
            const RECT screen = GetWindowRect();
            const int32_t x = screen.right - 2 * kScrollBarWidth - kTipWidth;
            const int32_t y = screen.top + (screen.bottom - screen.top) / 2 - kTipHeight / 2;
            m_pPageTip->TrackPosition(static_cast<int16_t>(x), static_cast<int16_t>(y));
        }
    } else if (code == SB_THUMBPOSITION) {
        m_pPageTip->Activate(0);
        ShowPage(static_cast<int32_t>(position));
        gPageTipShown = 0;
    }
}

// ---- host ----

void SRptViewReportPreview::OnDisplayPageNumber(uint32_t page, uint32_t) {
    ISShellHostFrame* host = ModuleHostFrame();
    SRptShellViewClassPreview* viewClass = SRptShellModule::GetPreviewViewClass();
    if (!host || !viewClass) return;
    SComWrap<ISShellProgress> progress;
    progress = static_cast<IUnknown*>(host);
    if (!progress) return;
    SString text;
    text.Format("Page %ld/%ld", static_cast<long>(page), static_cast<long>(GetMaxPage()));
    progress->SetStatusText(viewClass->GetViewClassFace(), text.c_str(), 0);
}

void SRptViewReportPreview::OnViewActivate(int32_t) {
    // Headless windows keep no pixels: there is nothing to repaint.
}
