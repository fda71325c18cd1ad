#pragma once
// A tooltip window: tools (a window and an id) with their texts; a tracking tooltip shows one text
// at a position while it is active.
#include <map>
#include <utility>

#include "platform/ui/SWnd.h"

class SToolTipCtrl : public SWnd {
public:
    using SWnd::Create;
    int32_t Create(SWnd* parent, uint32_t style = 0);
    void AddTool(SWnd* wnd, const SString& text, uint32_t id = 0) { m_tools[{wnd ? wnd->m_hWnd : 0, id}] = text; }
    void DelTool(SWnd* wnd, uint32_t id = 0) { m_tools.erase({wnd ? wnd->m_hWnd : 0, id}); }
    void UpdateTipText(const SString& text, SWnd* wnd, uint32_t id = 0) { AddTool(wnd, text, id); }
    SString GetToolText(SWnd* wnd, uint32_t id = 0) const;
    int32_t GetToolCount() const { return static_cast<int32_t>(m_tools.size()); }
    void Activate(int32_t active) { m_active = active != 0; }
    bool IsActive() const { return m_active; }
    void TrackPosition(int32_t x, int32_t y) { m_position = POINT{x, y}; }
    POINT GetTrackPosition() const { return m_position; }

private:
    std::map<std::pair<HWND, uint32_t>, SString> m_tools;
    bool m_active = false;
    POINT m_position;
};
