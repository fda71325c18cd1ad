#include "platform/ui/SWnd.h"

#include <algorithm>
#include <cctype>

#include "platform/ui/SWndClassProcs.h"
#include "platform/ui/SWndSystem.h"

namespace {
SWnd*& MainWndSlot() {
    static SWnd* mainWnd = nullptr;
    return mainWnd;
}

SString UpperClassName(const char* className) {
    std::string name = className ? className : "";
    for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return SString(name);
}

}  // namespace

const SClassInfo SWnd::classSWnd = {"SWnd", &SCmdTarget::classSCmdTarget};

SWnd::SWnd(SString text, int32_t id, SWnd* parent) : m_text(std::move(text)), m_id(id), m_detachedParent(parent) {}

SWnd::~SWnd() {
    // A window whose object goes away is destroyed with it; it no longer reaches this object.
    if (SWndState* state = State()) {
        state->object = nullptr;
        HWND hwnd = m_hWnd;
        m_hWnd = 0;
        if (SWnd* wnd = FromHandle(hwnd)) wnd->DestroyWindow();
    }
}

SWndState* SWnd::State() const {
    return SWndSystem::Find(m_hWnd);
}

int32_t SWnd::Create(const char* className, const char* windowName, uint32_t style, const RECT& rect, SWnd* parent,
                     uint32_t id, SCreateContext* context) {
    return CreateWindowCore(className, windowName, style, rect, parent, id, nullptr, context);
}

int32_t SWnd::CreateEx(const char* className, const char* windowName, uint32_t style, const RECT& rect, SWnd* parent,
                       uint32_t id, SWnd* owner, SCreateContext* context) {
    return CreateWindowCore(className, windowName, style, rect, parent, id, owner, context);
}

int32_t SWnd::CreateWindowCore(const char* className, const char* windowName, uint32_t style, const RECT& rect,
                               SWnd* parent, uint32_t id, SWnd* owner, SCreateContext* context) {
    if (m_hWnd) return 0;
    if (parent && !parent->m_hWnd) return 0;
    SWndState& state = SWndSystem::Add();
    state.className = UpperClassName(className);
    state.text = windowName ? windowName : "";
    state.style = style;
    state.id = static_cast<int32_t>(id);
    state.rect = rect;
    state.object = this;
    if (parent) {
        state.parent = parent->m_hWnd;
        parent->State()->children.push_back(state.hwnd);
    }
    if (owner) state.owner = owner->m_hWnd;
    m_hWnd = state.hwnd;
    SCreateStruct cs{className, windowName, style, rect, state.parent, static_cast<int32_t>(id), context};
    if (SendMessage(WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
        DestroyWindow();
        return 0;
    }
    return 1;
}

void SWnd::SendDestroyTree(HWND hwnd) {
    // WM_DESTROY goes to a window before its children.
    SendMessageA(hwnd, WM_DESTROY, 0, 0);
    SWndState* state = SWndSystem::Find(hwnd);
    if (!state) return;
    for (HWND child : std::vector<HWND>(state->children)) SendDestroyTree(child);
}

void SWnd::NcDestroyTree(HWND hwnd) {
    // WM_NCDESTROY goes to the deepest children first; then the window leaves the table and its
    // object hears PostNcDestroy, the last thing that touches it.
    SWndState* state = SWndSystem::Find(hwnd);
    if (!state) return;
    for (HWND child : std::vector<HWND>(state->children)) NcDestroyTree(child);
    SendMessageA(hwnd, WM_NCDESTROY, 0, 0);
    state = SWndSystem::Find(hwnd);
    if (!state) return;
    if (SWndState* parent = SWndSystem::Find(state->parent)) {
        auto& siblings = parent->children;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), hwnd), siblings.end());
    }
    SWnd* object = state->object;
    // A wrapper made by FromHandle outlives the table entry until the end of this step.
    std::unique_ptr<SWnd> wrapper = std::move(state->wrapper);
    if (object) object->m_hWnd = 0;
    SWndSystem::Remove(hwnd);
    if (object && object != wrapper.get()) object->PostNcDestroy();
}

int32_t SWnd::DestroyWindow() {
    HWND hwnd = m_hWnd;
    if (!SWndSystem::Find(hwnd)) return 0;
    // Owned windows go before their owner.
    for (HWND owned : SWndSystem::OwnedBy(hwnd))
        if (SWnd* wnd = FromHandle(owned)) wnd->DestroyWindow();
    SendDestroyTree(hwnd);
    NcDestroyTree(hwnd);
    return 1;
}

SWnd* SWnd::FromHandle(HWND hwnd) {
    SWndState* state = SWndSystem::Find(hwnd);
    if (!state) return nullptr;
    if (state->object) return state->object;
    // A window no object wraps (a dialog's control): a wrapper that lives as long as the window.
    if (!state->wrapper) state->wrapper = std::make_unique<SWnd>();
    state->wrapper->m_hWnd = hwnd;
    state->object = state->wrapper.get();
    return state->object;
}

bool SWnd::IsWindow(HWND hwnd) {
    return SWndSystem::Find(hwnd) != nullptr;
}

int32_t SWnd::SubclassWindow(HWND hwnd) {
    SWndState* state = SWndSystem::Find(hwnd);
    if (!state || m_hWnd) return 0;
    if (state->object && state->object != state->wrapper.get()) state->object->m_hWnd = 0;
    if (state->wrapper) {
        state->wrapper->m_hWnd = 0;
        // The wrapper may be handling a message right now; it stays until the window goes.
    }
    state->object = this;
    m_hWnd = hwnd;
    return 1;
}

HWND SWnd::UnsubclassWindow() {
    SWndState* state = State();
    if (!state) return 0;
    HWND hwnd = m_hWnd;
    state->object = nullptr;
    m_hWnd = 0;
    return hwnd;
}

LRESULT SWnd::SendMessage(uint32_t message, WPARAM wParam, LPARAM lParam) {
    if (!m_hWnd) return 0;
    return WindowProc(message, wParam, lParam);
}

LRESULT SendMessageA(HWND hwnd, uint32_t message, WPARAM wParam, LPARAM lParam) {
    SWnd* wnd = SWnd::FromHandle(hwnd);
    return wnd ? wnd->WindowProc(message, wParam, lParam) : 0;
}

LRESULT SWnd::WindowProc(uint32_t message, WPARAM wParam, LPARAM lParam) {
    // Nothing of the object is touched after the handler: it may have deleted itself.
    SWndSystem::PushMessage(this, message, wParam, lParam);
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result)) result = DefWindowProc(message, wParam, lParam);
    SWndSystem::PopMessage();
    return result;
}

LRESULT SWnd::Default() {
    uint32_t message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    if (!SWndSystem::CurrentMessage(this, &message, &wParam, &lParam)) return 0;
    return DefWindowProc(message, wParam, lParam);
}

int32_t SWnd::PreTranslateMessage(MSG*) {
    return 0;
}

int32_t SWnd::OnCreate(SCreateStruct*) {
    return 0;
}

int32_t SWnd::OnWndMsg(uint32_t message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (message == WM_COMMAND) return OnCommand(wParam, lParam);
    if (message == WM_NOTIFY) return OnNotify(wParam, lParam, result);
    const SMsgMapEntry* entry = FindEntry(GetMessageMap(), message, 0, 0);
    if (!entry) return 0;
    switch (entry->sig) {
    case SigVoid:
    case SigClose:
        (this->*entry->handler.pfn)();
        break;
    case SigSize:
        (this->*entry->handler.pfnSize)(
            static_cast<uint32_t>(wParam), LOWORD(static_cast<uintptr_t>(lParam)), HIWORD(static_cast<uintptr_t>(lParam)));
        break;
    case SigMouse: {
        const POINT point{static_cast<int16_t>(LOWORD(static_cast<uintptr_t>(lParam))),
                          static_cast<int16_t>(HIWORD(static_cast<uintptr_t>(lParam)))};
        (this->*entry->handler.pfnMouse)(static_cast<uint32_t>(wParam), point);
        break;
    }
    case SigKey:
        (this->*entry->handler.pfnKey)(
            static_cast<uint32_t>(wParam), LOWORD(static_cast<uintptr_t>(lParam)), HIWORD(static_cast<uintptr_t>(lParam)));
        break;
    default:
        return 0;
    }
    *result = 0;
    return 1;
}

int32_t SWnd::OnCommand(WPARAM wParam, LPARAM) {
    return OnCmdMsg(LOWORD(wParam), HIWORD(wParam), nullptr, nullptr);
}

int32_t SWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* result) {
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    if (!header) return 0;
    SNotifyInfo info{result, header};
    return OnCmdMsg(static_cast<uint32_t>(header->idFrom),
                    static_cast<int32_t>(MAKELONG(static_cast<uint16_t>(header->code), WM_NOTIFY)), &info, nullptr);
}

LRESULT SWnd::DefWindowProc(uint32_t message, WPARAM wParam, LPARAM lParam) {
    SWndState* state = State();
    if (!state) return 0;
    if (message == WM_CREATE) return OnCreate(reinterpret_cast<SCreateStruct*>(lParam));
    return SWndClassProcs::Call(*state, message, wParam, lParam);
}

SWnd* SWnd::GetParent() const {
    if (SWndState* state = State()) return FromHandle(state->parent);
    return m_detachedParent;
}

SWnd* SWnd::GetOwner() const {
    SWndState* state = State();
    if (!state) return nullptr;
    return FromHandle(state->owner ? state->owner : state->parent);
}

void SWnd::SetOwner(SWnd* owner) {
    if (SWndState* state = State()) state->owner = owner ? owner->m_hWnd : 0;
}

std::vector<SWnd*> SWnd::GetChildren() const {
    std::vector<SWnd*> children;
    if (SWndState* state = State())
        for (HWND child : state->children) children.push_back(FromHandle(child));
    return children;
}

HWND SWnd::GetDlgItemHandle(int32_t id) const {
    SWndState* state = State();
    if (!state) return 0;
    for (HWND child : state->children)
        if (SWndSystem::Find(child)->id == id) return child;
    return 0;
}

SWnd* SWnd::GetDlgItem(int32_t id) const {
    return FromHandle(GetDlgItemHandle(id));
}

int32_t SWnd::GetDlgCtrlID() const {
    SWndState* state = State();
    return state ? state->id : m_id;
}

void SWnd::SetDlgCtrlID(int32_t id) {
    if (SWndState* state = State()) state->id = id;
    m_id = id;
}

SString SWnd::GetWindowText() const {
    SWndState* state = State();
    return state ? state->text : m_text;
}

void SWnd::SetWindowText(const SString& text) {
    if (State()) SendMessage(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    else m_text = text;
}

uint32_t SWnd::GetStyle() const {
    SWndState* state = State();
    return state ? state->style : 0;
}

void SWnd::ModifyStyle(uint32_t remove, uint32_t add) {
    if (SWndState* state = State()) state->style = (state->style & ~remove) | add;
}

RECT SWnd::GetWindowRect() const {
    SWndState* state = State();
    return state ? state->rect : RECT{};
}

RECT SWnd::GetClientRect() const {
    RECT rect = GetWindowRect();
    return RECT{0, 0, rect.right - rect.left, rect.bottom - rect.top};
}

void SWnd::MoveWindow(const RECT& rect, int32_t) {
    SWndState* state = State();
    if (!state) return;
    const bool resized = rect.right - rect.left != state->rect.right - state->rect.left ||
                         rect.bottom - rect.top != state->rect.bottom - state->rect.top;
    state->rect = rect;
    if (resized)
        SendMessage(WM_SIZE, SIZE_RESTORED,
                    MAKELPARAM(static_cast<uint16_t>(rect.right - rect.left), static_cast<uint16_t>(rect.bottom - rect.top)));
}

void SWnd::ShowWindow(int32_t show) {
    ModifyStyle(show == SW_HIDE ? WS_VISIBLE : 0, show == SW_HIDE ? 0 : WS_VISIBLE);
}

bool SWnd::IsWindowVisible() const {
    return (GetStyle() & WS_VISIBLE) != 0;
}

void SWnd::EnableWindow(int32_t enable) {
    if (SWndState* state = State()) state->enabled = enable != 0;
}

bool SWnd::IsWindowEnabled() const {
    SWndState* state = State();
    return state && state->enabled;
}

SWnd* SWnd::SetFocus() {
    HWND previous = SWndSystem::GetFocus();
    if (!m_hWnd || previous == m_hWnd) return FromHandle(previous);
    SWndSystem::SetFocus(m_hWnd);
    if (previous) SendMessageA(previous, WM_KILLFOCUS, m_hWnd, 0);
    SendMessage(WM_SETFOCUS, previous);
    return FromHandle(previous);
}

SWnd* SWnd::GetFocus() {
    return FromHandle(SWndSystem::GetFocus());
}

HWND SWnd::GetFocusHandle() {
    return SWndSystem::GetFocus();
}

void SWnd::CenterWindow(SWnd*) {
    m_centred = true;
}

void SWnd::ShowScrollBar(int32_t, int32_t show) {
    if (SWndState* state = State()) state->scrollBarShown = show != 0;
}

void SWnd::SetScrollRange(int32_t, int32_t minPos, int32_t maxPos, int32_t) {
    if (SWndState* state = State()) {
        state->scrollMin = minPos;
        state->scrollMax = maxPos;
    }
}

void SWnd::SetHelpContext(uint32_t context) {
    if (SWndState* state = State()) state->helpContext = context;
}

uint32_t SWnd::GetHelpContext() const {
    SWndState* state = State();
    return state ? state->helpContext : 0;
}

SString SWnd::GetClassName() const {
    SWndState* state = State();
    return state ? state->className : SString();
}

SWnd* SGetMainWnd() {
    return MainWndSlot();
}

void SSetMainWnd(SWnd* wnd) {
    MainWndSlot() = wnd;
}
