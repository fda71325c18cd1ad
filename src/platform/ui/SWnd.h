#pragma once
// A headless window: an object with an id, a text and a parent. The host's main window is the
// parent of every message box the library shows.
#include <cstdint>

#include "platform/base/SString.h"

class SWnd {
public:
    SWnd() = default;
    explicit SWnd(SString text, int32_t id = 0, SWnd* parent = nullptr)
        : m_text(std::move(text)), m_id(id), m_parent(parent) {}
    virtual ~SWnd() = default;

    const SString& GetWindowText() const { return m_text; }
    void SetWindowText(const SString& text) { m_text = text; }
    int32_t GetDlgCtrlID() const { return m_id; }
    SWnd* GetParent() const { return m_parent; }

private:
    SString m_text;
    int32_t m_id = 0;
    SWnd* m_parent = nullptr;
};

// The host application's main window; null until the host sets one.
SWnd* SGetMainWnd();
void SSetMainWnd(SWnd* wnd);
