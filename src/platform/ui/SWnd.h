#pragma once
// A window without a screen. A window is a handle (an opaque integer) in the window system's
// table with its state (SWndState); an SWnd object wraps a handle and receives its messages
// through its message map. Messages are sent synchronously: the object's map first, then the
// default processing of the window's class. Windows are created with a parent (a child window) or
// an owner; destroying a window destroys its owned windows, then sends WM_DESTROY down the tree
// and WM_NCDESTROY up from the deepest child, each object's PostNcDestroy last.
#include <cstdint>
#include <vector>

#include "platform/base/SString.h"
#include "platform/ui/SCmdTarget.h"
#include "platform/ui/SWndState.h"

// What a creation hands the new window; the context is the caller's.
struct SCreateContext;
struct SCreateStruct {
    const char* className = nullptr;
    const char* windowName = nullptr;
    uint32_t style = 0;
    RECT rect;
    HWND parent = 0;
    int32_t id = 0;
    SCreateContext* context = nullptr;
};

class SWnd : public SCmdTarget {
public:
    SWnd() = default;
    // A window object that is not (yet) a window: its text and id answer until it is created.
    explicit SWnd(SString text, int32_t id = 0, SWnd* parent = nullptr);
    ~SWnd() override;

    const SClassInfo* GetClassInfo() const override { return &classSWnd; }
    static const SClassInfo classSWnd;

    // Creation. 1 when the window was made; 0 when the class refused it (OnCreate answered -1).
    virtual int32_t Create(const char* className, const char* windowName, uint32_t style, const RECT& rect,
                           SWnd* parent, uint32_t id, SCreateContext* context = nullptr);
    // A top-level window with an owner instead of a parent.
    int32_t CreateEx(const char* className, const char* windowName, uint32_t style, const RECT& rect, SWnd* parent,
                     uint32_t id, SWnd* owner, SCreateContext* context = nullptr);
    int32_t DestroyWindow();

    HWND GetSafeHwnd() const { return m_hWnd; }
    HWND m_hWnd = 0;
    static SWnd* FromHandle(HWND hwnd);
    static bool IsWindow(HWND hwnd);
    // The object takes over a window made elsewhere (a dialog's control): 1, or 0 when the handle
    // is not a window or this object already wraps one.
    int32_t SubclassWindow(HWND hwnd);
    HWND UnsubclassWindow();

    // Messages.
    LRESULT SendMessage(uint32_t message, WPARAM wParam = 0, LPARAM lParam = 0);
    // The default processing of the message being handled.
    LRESULT Default();
    virtual LRESULT WindowProc(uint32_t message, WPARAM wParam, LPARAM lParam);
    virtual int32_t PreTranslateMessage(MSG* msg);

    // Tree, text, style, geometry, visibility, focus.
    SWnd* GetParent() const;
    SWnd* GetOwner() const;
    void SetOwner(SWnd* owner);
    std::vector<SWnd*> GetChildren() const;
    SWnd* GetDlgItem(int32_t id) const;
    HWND GetDlgItemHandle(int32_t id) const;
    int32_t GetDlgCtrlID() const;
    void SetDlgCtrlID(int32_t id);
    SString GetWindowText() const;
    void SetWindowText(const SString& text);
    uint32_t GetStyle() const;
    void ModifyStyle(uint32_t remove, uint32_t add);
    RECT GetWindowRect() const;
    RECT GetClientRect() const;
    void MoveWindow(const RECT& rect, int32_t repaint = 1);
    void ShowWindow(int32_t show);
    bool IsWindowVisible() const;
    void EnableWindow(int32_t enable = 1);
    bool IsWindowEnabled() const;
    SWnd* SetFocus();
    static SWnd* GetFocus();
    static HWND GetFocusHandle();
    void CenterWindow(SWnd* alternateOwner = nullptr);
    bool IsCentred() const { return m_centred; }
    void ShowScrollBar(int32_t bar, int32_t show);
    void SetScrollRange(int32_t bar, int32_t minPos, int32_t maxPos, int32_t redraw = 1);
    void SetHelpContext(uint32_t context);
    uint32_t GetHelpContext() const;
    SString GetClassName() const;

    // The window's state in the window system; null when the object wraps no window.
    SWndState* State() const;

protected:
    // Called with WM_CREATE before the map sees it; -1 refuses the creation.
    virtual int32_t OnCreate(SCreateStruct* cs);
    // Message map lookup for window messages; WM_COMMAND and WM_NOTIFY become commands.
    virtual int32_t OnWndMsg(uint32_t message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    virtual int32_t OnCommand(WPARAM wParam, LPARAM lParam);
    virtual int32_t OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result);
    // The default processing: that of the window's class.
    virtual LRESULT DefWindowProc(uint32_t message, WPARAM wParam, LPARAM lParam);
    // The last call a window object gets, after its window is gone; an object that owns itself
    // deletes itself here.
    virtual void PostNcDestroy() {}

private:
    friend class SWndSystem;
    friend LRESULT SendMessageA(HWND hwnd, uint32_t message, WPARAM wParam, LPARAM lParam);
    static void SendDestroyTree(HWND hwnd);
    static void NcDestroyTree(HWND hwnd);
    int32_t CreateWindowCore(const char* className, const char* windowName, uint32_t style, const RECT& rect,
                             SWnd* parent, uint32_t id, SWnd* owner, SCreateContext* context);

    // Before creation (and after destruction) the object answers with these.
    SString m_text;
    int32_t m_id = 0;
    SWnd* m_detachedParent = nullptr;
    bool m_centred = false;
};

// Sends a message to the window of a handle; 0 when it is no window.
LRESULT SendMessageA(HWND hwnd, uint32_t message, WPARAM wParam = 0, LPARAM lParam = 0);

// The host application's main window; null until the host sets one.
SWnd* SGetMainWnd();
void SSetMainWnd(SWnd* wnd);
