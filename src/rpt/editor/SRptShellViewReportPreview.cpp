#include "rpt/editor/SRptShellViewReportPreview.h"

#include <new>
#include <vector>

#include "platform/base/SEOutOfMemory.h"
#include "platform/base/SExceptionResult.h"
#include "platform/base/SModuleState.h"
#include "platform/com/SComThrow.h"
#include "platform/host/ISShellPreview.h"
#include "platform/host/ISShellWindow.h"
#include "platform/host/SShellModule.h"
#include "platform/host/SShellViewClass.h"
#include "platform/repo/ISRepObject.h"
#include "platform/ui/SResInstance.h"
#include "rpt/devices/print/SRptPhysicalLayer.h"
#include "rpt/devices/print/SRptPrintPreviewDevice.h"
#include "rpt/editor/SRptShellModule.h"
#include "rpt/editor/SRptShellViewClassBase.h"
#include "rpt/editor/SRptShellViewClassPreview.h"
#include "rpt/editor/SRptViewReportPreview.h"
#include "rpt/module/SRptGlobalsContainer.h"
#include "rpt/objs/reports/SRptReportMem.h"
#include "varod9/RptApi.h"

const SClassInfo SRptShellViewReportPreview::classSRptShellViewReportPreview = {"SRptShellViewReportPreview",
                                                                                &SShellView::classSShellView};

namespace {
constexpr uint32_t ID_FILE_CLOSE = 102;
// Child, visible, bordered.
constexpr uint32_t kViewWindowStyle = 0x50800000;
// The toolbar record of the zoom combo box, which starts a group of its own.
constexpr size_t kZoomItem = 3;
constexpr uint32_t kItemAfterSeparator = 2;

}  // namespace

S_BEGIN_MESSAGE_MAP(SRptShellViewReportPreview, SShellView)
    SMsgEntry::Command(ID_FILE_CLOSE, &SRptShellViewReportPreview::OnFileClose),
S_END_MESSAGE_MAP()

SRptShellViewReportPreview::SRptShellViewReportPreview(SShellModule* module, SShellViewClass* viewClass,
                                                       ISRptReport* report, ISRptGenerationClient* client,
                                                       ISShellCommandTarget* innerTarget)
    : SShellView(module, viewClass), m_pReport(report), m_pInnerTarget(innerTarget) {
    m_pDevice = new (std::nothrow) SRptPrintPreviewDevice(report, client, this);
}

SRptShellViewReportPreview::~SRptShellViewReportPreview() {
    if (SRptViewReportPreview* window = m_pWindow) {
        m_pWindow = nullptr;
        window->Release();
    }
    SetPreviewDevice(nullptr);
    // The report must not find a preview that is gone.
    if (auto* impl = dynamic_cast<SRptReportImpl*>(m_pReport.Get())) impl->ForgetPreviewShellView(this);
    m_pReport.Clear();
}

void SRptShellViewReportPreview::SetPreviewDevice(SRptPrintPreviewDevice* device) {
    if (m_pDevice) m_pDevice->Release();
    m_pDevice = device;
    m_bRunEnded = false;
}

HRESULT SRptShellViewReportPreview::Open(SRptShellModule* module, ISRptReport* report, ISRptGenerationClient* client,
                                         SShellView** view, ISShellCommandTarget* target) {
    if (!view) return E_POINTER;
    ISShellHostFrame* host = module ? module->GetHostFrame() : nullptr;
    if (!host) SComThrow(E_POINTER);
    // Any failure of the query means the host has no preview to offer.
    ISShellPreview* answered = nullptr;
    if (FAILED(host->QueryInterface(ISShellPreview::iid, reinterpret_cast<void**>(&answered)))) answered = nullptr;
    SComWrap<ISShellPreview> hostPreview;
    hostPreview.Attach(answered);
    if (!hostPreview || hostPreview->CanPreview() != 1) {
        *view = nullptr;
        return S_FALSE;
    }
    auto* preview = new (std::nothrow)
        SRptShellViewReportPreview(module, SRptShellModule::GetPreviewViewClass(), report, client, target);
    if (!preview) throw SEOutOfMemory();
    *view = preview;
    preview->ShowPreview(hostPreview.Get());
    return S_OK;
}

// ---- the window ----

HRESULT SRptShellViewReportPreview::MakeWindow(SWnd* parent) {
    if (m_pWindow) return S_OK;
    return SExceptionResult::Guard([&]() -> HRESULT {
        auto* window = new (std::nothrow) SRptViewReportPreview(m_pReport.Get());
        if (!window) throw SEOutOfMemory();
        if (!window->Create(nullptr, nullptr, kViewWindowStyle, RECT{0, 0, 0, 0}, parent, 0, nullptr)) {
            delete window;
            return E_FAIL;
        }
        window->AddRef();
        m_pWindow = window;
        SComWrap<ISRepSession> session;
        if (m_pReport) m_pReport->GetSession(&session);
        window->SetSession(session.Get());
        return S_OK;
    });
}

HRESULT SRptShellViewReportPreview::CreateViewWindow(ISShellWindow* parent) {
    if (!parent) return E_INVALIDARG;
    HWND parentHandle = 0;
    if (FAILED(parent->GetWindowHandle(&parentHandle)) || !parentHandle) return E_INVALIDARG;
    return MakeWindow(SWnd::FromHandle(parentHandle));
}

HRESULT SRptShellViewReportPreview::GetWindowHandle(HWND* hwnd) {
    if (!hwnd) return E_POINTER;
    *hwnd = m_pWindow ? m_pWindow->GetSafeHwnd() : 0;
    return S_OK;
}

HRESULT SRptShellViewReportPreview::OnViewActivate(int32_t active) {
    if (m_pWindow) m_pWindow->OnViewActivate(active);
    return SShellView::OnViewActivate(active);
}

SPreviewView* SRptShellViewReportPreview::GetPreviewWindow() const {
    return m_pWindow;
}

SWnd* SRptShellViewReportPreview::GetHostWindow() const {
    ISShellHostFrame* host = GetModule() ? GetModule()->GetHostFrame() : nullptr;
    HWND handle = 0;
    if (!host || FAILED(host->GetWindowHandle(&handle))) return nullptr;
    return SWnd::FromHandle(handle);
}

// ---- the preview run ----

HRESULT SRptShellViewReportPreview::ShowPreview(ISShellPreview* hostPreview) {
    if (!hostPreview) return E_INVALIDARG;
    if (!m_pDevice) return E_OUTOFMEMORY;
    SModuleStateGuard library(SRptGetModuleState());
    std::vector<SHELLTOOLBARITEM> items;
    SShellViewClass* viewClass = GetShellViewClass();
    SShellViewClass::LoadToolbarItems(SGetResInstance(), IDR_RPT_PREVIEW_TOOLBAR, items,
                                      viewClass ? viewClass->GetCommandClassFace() : nullptr);
    if (items.size() > kZoomItem) items[kZoomItem].flags |= kItemAfterSeparator;
    hostPreview->SetPreviewToolbar(GetShellViewFace(), items.data(), static_cast<uint32_t>(items.size()));
    const HRESULT made = MakeWindow(GetHostWindow());
    if (FAILED(made)) return made;
    SRptViewReportPreview::InitZoomCombos();
    RunPreviewGeneration();
    if (m_pDevice->IsAborted()) hostPreview->ClosePreview();
    return S_OK;
}

HRESULT SRptShellViewReportPreview::RunPreviewGeneration() {
    if (!m_pDevice) return E_OUTOFMEMORY;
    return m_pDevice->GeneratePreview();
}

bool SRptShellViewReportPreview::SetPrintView(SRptPhysicalLayer* layer) {
    if (!m_pWindow) return false;
    m_pWindow->SetPrintView(layer);
    return true;
}

// ---- commands ----

HRESULT SRptShellViewReportPreview::QueryCommandSupport(uint32_t id, ISShellCommandClass* commandClass) {
    if (SShellView::QueryCommandSupport(id, commandClass) == S_OK) return S_OK;
    return m_pInnerTarget ? m_pInnerTarget->QueryCommandSupport(id, commandClass) : S_FALSE;
}

HRESULT SRptShellViewReportPreview::OnCommand(uint32_t id, ISShellCommandClass* commandClass) {
    if (SShellView::OnCommand(id, commandClass) == S_OK) return S_OK;
    return m_pInnerTarget ? m_pInnerTarget->OnCommand(id, commandClass) : S_FALSE;
}

HRESULT SRptShellViewReportPreview::OnCommandUI(uint32_t id, ISShellCommandClass* commandClass, uint32_t* state,
                                                char16_t* text, uint32_t cch) {
    if (SShellView::OnCommandUI(id, commandClass, state, text, cch) == S_OK) return S_OK;
    return m_pInnerTarget ? m_pInnerTarget->OnCommandUI(id, commandClass, state, text, cch) : S_FALSE;
}

int32_t SRptShellViewReportPreview::OnCmdMsg(uint32_t id, int32_t code, void* extra, SCmdHandlerInfo* info) {
    if (SShellView::OnCmdMsg(id, code, extra, info)) return 1;
    return m_pWindow && m_pWindow->OnCmdMsg(id, code, extra, info) ? 1 : 0;
}

void SRptShellViewReportPreview::OnFileClose() {
    const SComWrap<ISShellView> hold(GetShellViewFace());
    SComWrap<ISShellFrame> frame(GetViewFrame());
    if (frame) frame->Close();
}

// ---- closing ----

void SRptShellViewReportPreview::TellSinksViewClosing() {
    if (SRptGlobalsContainer* globals = GetRptGlobalsContainer()) globals->NotifyViewClosing(this);
}

HRESULT SRptShellViewReportPreview::CloseView(int32_t) {
    const SComWrap<ISShellView> hold(GetShellViewFace());
    return SExceptionResult::Guard([&] {
        if (m_pDevice && !m_bRunEnded) {
            // The pages go with the run: the window must not draw them any more.
            if (m_pWindow) m_pWindow->SetPrintView(nullptr);
            m_bRunEnded = true;
            m_pDevice->EndPreview();
        }
        TellSinksViewClosing();
        return SShellView::CloseView(0);
    });
}
