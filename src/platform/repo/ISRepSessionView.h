#pragma once
// What a session asks of a window that shows its document: whether the window lets the session
// close, that the session is closing, that the document's title changed, and which shell view
// holds the window.
#include <cstdint>

#include "platform/com/IUnknown.h"
#include "platform/com/SInterfaceIds.h"

struct ISShellView;

struct ISRepSessionView : IUnknown {
    static constexpr GUID iid = IID_ISRepSessionView;

    // 0 lets the session close.
    virtual HRESULT SessionCanClose() = 0;
    virtual HRESULT SessionClose() = 0;
    virtual HRESULT UpdateTitle() = 0;
    // The shell view that holds the window (no reference added), null when none does.
    virtual ISShellView* GetISShellView() = 0;

protected:
    ~ISRepSessionView() = default;
};
