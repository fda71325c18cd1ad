#include "platform/ui/SLayoutMap.h"

#include "platform/ui/SWnd.h"

void SLayoutMap::Initialize(SWnd* window, const SLayoutEntry* entries) {
    m_window = nullptr;
    m_entries.clear();
    m_origins.clear();
    if (!window || !window->GetSafeHwnd()) return;
    m_window = window;
    const RECT client = window->GetClientRect();
    m_cx = client.right - client.left;
    m_cy = client.bottom - client.top;
    for (const SLayoutEntry* entry = entries; entry && entry->controlId; ++entry) {
        SWnd* control = window->GetDlgItem(entry->controlId);
        if (!control) continue;
        m_entries.push_back(*entry);
        m_origins.emplace(entry->controlId, control->GetWindowRect());
    }
}

// How far the reference's edge has moved: the window's right and bottom edges move with its
// size, its left and top edges stay; a control's edges move as that control was placed.
int32_t SLayoutMap::EdgeDelta(int32_t referenceId, int32_t edge, int32_t dx, int32_t dy,
                              const std::map<int32_t, RECT>& placed) const {
    if (referenceId == 0) {
        if (edge == kRight || edge == kStretchRight) return dx;
        if (edge == kBottom || edge == kStretchBottom) return dy;
        return 0;
    }
    const auto origin = m_origins.find(referenceId);
    const auto now = placed.find(referenceId);
    if (origin == m_origins.end() || now == placed.end()) return 0;
    switch (edge) {
        case kLeft: return now->second.left - origin->second.left;
        case kTop: return now->second.top - origin->second.top;
        case kRight:
        case kStretchRight: return now->second.right - origin->second.right;
        case kBottom:
        case kStretchBottom: return now->second.bottom - origin->second.bottom;
        default: return 0;
    }
}

void SLayoutMap::Resize(int32_t cx, int32_t cy) const {
    if (!m_window || !m_window->GetSafeHwnd()) return;
    const int32_t dx = cx - m_cx, dy = cy - m_cy;
    std::map<int32_t, RECT> placed;
    for (const SLayoutEntry& entry : m_entries) {
        RECT& rect = placed.try_emplace(entry.controlId, m_origins.at(entry.controlId)).first->second;
        const int32_t delta = EdgeDelta(entry.referenceId, entry.referenceEdge, dx, dy, placed) * entry.factor;
        switch (entry.edge) {
            case kLeft:
            case kRight: rect.left += delta, rect.right += delta; break;
            case kTop:
            case kBottom: rect.top += delta, rect.bottom += delta; break;
            case kStretchRight: rect.right += delta; break;
            case kStretchBottom: rect.bottom += delta; break;
            default: break;
        }
    }
    for (const auto& [id, rect] : placed)
        if (SWnd* control = m_window->GetDlgItem(id)) control->MoveWindow(rect);
}
