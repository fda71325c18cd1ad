#include "platform/host/SStandInHost.h"

#include <algorithm>

#include "platform/ui/SMenu.h"
#include "varod9/SInteraction.h"

namespace {
SString Text(const char16_t* text) {
    return text ? SString::FromU16(text) : SString();
}

std::vector<SHostMenuItem> CopyMenu(HMENU menu) {
    std::vector<SHostMenuItem> items;
    const int32_t count = GetMenuItemCount(menu);
    for (int32_t position = 0; position < count; ++position) {
        MENUITEMINFOA info;
        info.fMask = MIIM_ID | MIIM_SUBMENU | MIIM_DATA | MIIM_FTYPE;
        GetMenuItemInfoA(menu, static_cast<uint32_t>(position), 1, &info);
        SHostMenuItem item;
        item.id = info.wID;
        item.flags = info.fType;
        item.data = info.dwItemData;
        item.text = GetMenuItemText(menu, position);
        if (info.hSubMenu) item.items = CopyMenu(info.hSubMenu);
        items.push_back(std::move(item));
    }
    return items;
}
}  // namespace

SComWrap<SStandInHost, &ISShellHostFrame::iid> SStandInHost::Create() {
    SComWrap<SStandInHost, &ISShellHostFrame::iid> host;
    host.Attach(new SStandInHost());
    return host;
}

SStandInHost::SStandInHost() {
    m_window.Create("HOSTFRAME", "Report Editor", WS_POPUP | WS_VISIBLE, RECT{0, 0, 1024, 768}, nullptr, 0);
}

SStandInHost::~SStandInHost() {
    for (SStandInViewFrame* frame : m_frames) {
        frame->DropView();
        frame->Release();
    }
    m_controls.clear();
}

HRESULT SStandInHost::QueryInterface(const GUID& riid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    for (const auto& [iid, answer] : m_interfaceAnswers)
        if (iid == riid && answer != S_OK) return answer;
    if (riid == IUnknown::iid || riid == ISShellHostFrame::iid) *out = static_cast<ISShellHostFrame*>(this);
    else if (riid == ISShellCommandBars::iid) *out = static_cast<ISShellCommandBars*>(this);
    else if (riid == ISShellViewToolbars::iid) *out = static_cast<ISShellViewToolbars*>(this);
    else if (riid == ISShellFrameViews::iid) *out = static_cast<ISShellFrameViews*>(this);
    else if (riid == ISShellPreview::iid) *out = static_cast<ISShellPreview*>(this);
    else return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

uint32_t SStandInHost::Release() {
    if (--m_refCount == 0) {
        delete this;
        return 0;
    }
    return m_refCount;
}

void SStandInHost::SetInterfaceAnswer(const GUID& iid, HRESULT answer) {
    std::erase_if(m_interfaceAnswers, [&](const auto& entry) { return entry.first == iid; });
    m_interfaceAnswers.emplace_back(iid, answer);
}

void SStandInHost::Record(const char* operation, const SString& detail) {
    m_calls.push_back({operation, detail});
}

HRESULT SStandInHost::GetWindowHandle(HWND* hwnd) {
    if (!hwnd) return E_POINTER;
    *hwnd = m_window.m_hWnd;
    return S_OK;
}

HRESULT SStandInHost::SetStatusText(const char16_t* text) {
    m_statusText = Text(text);
    Record("SetStatusText", m_statusText);
    return S_OK;
}

HRESULT SStandInHost::MessageBox(const char16_t* text, const char16_t* caption, uint32_t style, int32_t* button) {
    SPrompt prompt;
    prompt.kind = SPrompt::MessageBox;
    prompt.caption = Text(caption);
    prompt.text = Text(text);
    prompt.style = (style & 0x4) ? SPrompt::YesNo : SPrompt::Information;
    Record("MessageBox", prompt.text);
    const int32_t answer = SInteraction::Ask(prompt).button;
    if (button) *button = answer;
    return S_OK;
}

HRESULT SStandInHost::GetActiveView(ISShellView** view) {
    if (!view) return E_POINTER;
    *view = m_active ? m_active->GetView() : nullptr;
    if (!*view) return S_FALSE;
    (*view)->AddRef();
    return S_OK;
}

SStandInViewFrame* SStandInHost::OpenFrame(ISShellView* view, const SString& caption, bool docked, int32_t side) {
    auto* frame = new SStandInViewFrame(*this, view, caption, docked, side);
    frame->AddRef();
    m_frames.push_back(frame);
    m_active = frame;
    return frame;
}

HRESULT SStandInHost::CreateViewFrame(ISShellView* view, const char16_t* caption, ISShellFrame** frame) {
    Record("CreateViewFrame", Text(caption));
    if (!view || !frame) return E_POINTER;
    *frame = OpenFrame(view, Text(caption), false, 0);
    (*frame)->AddRef();
    return S_OK;
}

void SStandInHost::MakeToolbarControls(SHostToolbar& toolbar) {
    for (size_t i = 0; i < toolbar.buttons.size(); ++i) {
        if (toolbar.windowClasses[i].empty()) continue;
        auto control = std::make_unique<SWnd>();
        const SString className = SString::FromU16(toolbar.windowClasses[i]);
        const auto width = static_cast<int32_t>(toolbar.buttons[i].width);
        control->Create(className.c_str(), "", toolbar.buttons[i].style, RECT{0, 0, width, 22}, &m_window,
                        toolbar.buttons[i].commandId);
        toolbar.controlWindows.push_back(control->m_hWnd);
        m_controls.push_back(std::move(control));
    }
}

HRESULT SStandInHost::AddToolbar(uint32_t flags, const char16_t* name, const SHELLTOOLBARBUTTON* buttons, uint32_t count,
                                 ISShellCommandClass* commandClass, HINSTANCE instance, uint32_t bitmapId,
                                 uint32_t maskColour) {
    Record("AddToolbar", Text(name));
    if (count && !buttons) return E_POINTER;
    SHostToolbar toolbar;
    toolbar.flags = flags;
    toolbar.name = Text(name);
    toolbar.commandClass = commandClass;
    toolbar.instance = instance;
    toolbar.bitmapId = bitmapId;
    toolbar.maskColour = maskColour;
    for (uint32_t i = 0; i < count; ++i) {
        toolbar.buttons.push_back(buttons[i]);
        toolbar.windowClasses.emplace_back(buttons[i].windowClass ? buttons[i].windowClass : u"");
    }
    m_toolbars.push_back(std::move(toolbar));
    MakeToolbarControls(m_toolbars.back());
    // The copies point to the host's own texts, not the caller's.
    for (size_t i = 0; i < m_toolbars.back().buttons.size(); ++i)
        m_toolbars.back().buttons[i].windowClass =
            m_toolbars.back().windowClasses[i].empty() ? nullptr : m_toolbars.back().windowClasses[i].c_str();
    return S_OK;
}

HRESULT SStandInHost::AddMenu(ISShellViewClass* viewClass, HMENU menu) {
    Record("AddMenu", SString::FromInt(static_cast<int64_t>(GetMenuItemCount(menu))));
    if (!IsMenu(menu)) return E_INVALIDARG;
    m_menus.push_back({viewClass, CopyMenu(menu)});
    return S_OK;
}

HRESULT SStandInHost::AddAccelerators(ISShellCommandClass* commandClass, const SHELLACCEL* accelerators, uint32_t count,
                                      uint32_t) {
    Record("AddAccelerators", SString::FromInt(count));
    if (count && !accelerators) return E_POINTER;
    m_accelerators.push_back({commandClass, std::vector<SHELLACCEL>(accelerators, accelerators + count)});
    return S_OK;
}

HRESULT SStandInHost::RemoveMenu(ISShellViewClass* viewClass) {
    Record("RemoveMenu", SString());
    std::erase_if(m_menus, [&](const SHostMenu& menu) { return menu.viewClass == viewClass; });
    return S_OK;
}

HRESULT SStandInHost::RemoveToolbars(ISShellCommandClass* commandClass) {
    Record("RemoveToolbars", SString());
    std::erase_if(m_toolbars, [&](const SHostToolbar& toolbar) { return toolbar.commandClass == commandClass; });
    return S_OK;
}

HRESULT SStandInHost::RemoveAccelerators(ISShellCommandClass* commandClass) {
    Record("RemoveAccelerators", SString());
    std::erase_if(m_accelerators, [&](const SHostAccelerators& table) { return table.commandClass == commandClass; });
    return S_OK;
}

HRESULT SStandInHost::GetToolbarControl(int32_t* position, uint32_t id, ISShellCommandClass* commandClass, HWND* window) {
    if (!position || !window) return E_POINTER;
    *window = 0;
    int32_t index = 0;
    for (const SHostToolbar& toolbar : m_toolbars) {
        size_t control = 0;
        for (size_t i = 0; i < toolbar.buttons.size(); ++i) {
            if (toolbar.windowClasses[i].empty()) continue;
            const HWND handle = toolbar.controlWindows[control++];
            const bool match = toolbar.buttons[i].commandId == id &&
                               (!commandClass || toolbar.commandClass == commandClass || toolbar.buttons[i].commandClass == commandClass);
            if (match && index++ >= *position) {
                *position = index;
                *window = handle;
                return S_OK;
            }
        }
    }
    return S_FALSE;
}

HRESULT SStandInHost::RemoveViewToolbars(ISShellViewClass* viewClass) {
    Record("RemoveViewToolbars", SString());
    std::erase_if(m_viewToolbars, [&](const SHostViewToolbar& toolbar) { return toolbar.viewClass == viewClass; });
    return S_OK;
}

HRESULT SStandInHost::AddViewToolbar(ISShellViewClass* viewClass, const char16_t* name, HINSTANCE instance,
                                     uint32_t resourceId, uint32_t maskColour, const SHELLVIEWTBBUTTON* buttons,
                                     uint32_t count, uint32_t kind) {
    Record("AddViewToolbar", Text(name));
    if (count && !buttons) return E_POINTER;
    m_viewToolbars.push_back({viewClass, Text(name), instance, resourceId, maskColour,
                              std::vector<SHELLVIEWTBBUTTON>(buttons, buttons + count), kind});
    return S_OK;
}

HRESULT SStandInHost::DockView(ISShellView* view, int32_t, int32_t side, ISShellFrame** pane) {
    Record("DockView", SString::FromInt(side));
    if (!view || !pane) return E_POINTER;
    *pane = nullptr;
    SStandInViewFrame* old = FindFrame(view);
    if (!old) return E_INVALIDARG;
    SStandInViewFrame* docked = OpenFrame(view, old->GetCaption(), true, side);
    old->DropView();
    FrameClosed(old);
    *pane = docked;
    docked->AddRef();
    return S_OK;
}

HRESULT SStandInHost::UndockView(ISShellView* view, ISShellFrame** frame) {
    Record("UndockView", SString());
    if (!view || !frame) return E_POINTER;
    *frame = nullptr;
    SStandInViewFrame* old = FindFrame(view);
    if (!old || !old->IsDocked()) return E_INVALIDARG;
    SStandInViewFrame* undocked = OpenFrame(view, old->GetCaption(), false, 0);
    old->DropView();
    FrameClosed(old);
    *frame = undocked;
    undocked->AddRef();
    return S_OK;
}

HRESULT SStandInHost::CreateDockedView(ISShellView* view, int32_t, const char16_t* caption, int32_t side,
                                       ISShellFrame** pane) {
    Record("CreateDockedView", Text(caption));
    if (!view || !pane) return E_POINTER;
    *pane = OpenFrame(view, Text(caption), true, side);
    (*pane)->AddRef();
    return S_OK;
}

HRESULT SStandInHost::SetPreviewToolbar(ISShellView*, const SHELLTOOLBARITEM* items, uint32_t count) {
    Record("SetPreviewToolbar", SString::FromInt(count));
    if (count && !items) return E_POINTER;
    m_previewToolbar.assign(items, items + count);
    return S_OK;
}

HRESULT SStandInHost::ClosePreview() {
    Record("ClosePreview", SString());
    ++m_previewClosed;
    return S_OK;
}

std::vector<SStandInViewFrame*> SStandInHost::GetFrames() const {
    return m_frames;
}

SStandInViewFrame* SStandInHost::FindFrame(ISShellView* view) const {
    for (SStandInViewFrame* frame : m_frames)
        if (frame->GetView() == view) return frame;
    return nullptr;
}

void SStandInHost::ActivateFrame(SStandInViewFrame* frame) {
    if (std::find(m_frames.begin(), m_frames.end(), frame) == m_frames.end()) return;
    m_active = frame;
    if (ISShellView* view = frame->GetView()) view->OnViewActivate(1);
}

std::vector<SStandInHost::SHeldFrame> SStandInHost::HoldFrames() const {
    return std::vector<SHeldFrame>(m_frames.begin(), m_frames.end());
}

void SStandInHost::OpenViewWindows() {
    for (const SHeldFrame& frame : HoldFrames()) frame->OpenWindow();
}

int32_t SStandInHost::CloseAllFrames() {
    // A view's close may close other frames (closing a document closes its other views), which
    // the host then lets go: each frame is held to the end of the walk, and one that closed
    // meanwhile is not closed again.
    for (const SHeldFrame& frame : HoldFrames()) frame->Close();
    return static_cast<int32_t>(m_frames.size());
}

void SStandInHost::FrameClosed(SStandInViewFrame* frame) {
    auto it = std::find(m_frames.begin(), m_frames.end(), frame);
    if (it == m_frames.end()) return;
    m_frames.erase(it);
    if (m_active == frame) m_active = m_frames.empty() ? nullptr : m_frames.back();
    // The host's own reference; the frame's last step.
    frame->Release();
}
