#pragma once
// How the controls of a resizable window follow its size: each entry ties one edge of a control
// to an edge of a reference (the window itself, or another control listed before it). A control
// either moves with the reference edge or keeps its left or top edge and stretches.
#include <cstdint>
#include <map>
#include <vector>

#include "platform/ui/SWinDefs.h"

class SWnd;

// One record of a layout table; a record of zeros closes the table.
struct SLayoutEntry {
    int32_t controlId = 0;
    int32_t edge = 0;
    int32_t referenceId = 0;  // 0: the window whose controls are laid out
    int32_t referenceEdge = 0;
    int32_t factor = 0;       // how many times the reference edge's movement the edge takes
};

class SLayoutMap {
public:
    // Edge codes. Left, top, right and bottom move the whole control with the reference edge;
    // the two stretching codes move only the control's right or bottom edge.
    static constexpr int32_t kLeft = 1;
    static constexpr int32_t kTop = 2;
    static constexpr int32_t kRight = 3;
    static constexpr int32_t kBottom = 4;
    static constexpr int32_t kStretchRight = 9;
    static constexpr int32_t kStretchBottom = 10;

    // Takes the window's client size and the places of the listed controls as the starting
    // layout. Entries whose control the window does not have are left out.
    void Initialize(SWnd* window, const SLayoutEntry* entries);
    bool IsInitialized() const { return m_window != nullptr; }
    // Places the controls for a client area of `cx` by `cy`.
    void Resize(int32_t cx, int32_t cy) const;

private:
    int32_t EdgeDelta(int32_t referenceId, int32_t edge, int32_t dx, int32_t dy,
                      const std::map<int32_t, RECT>& placed) const;

    SWnd* m_window = nullptr;
    int32_t m_cx = 0;
    int32_t m_cy = 0;
    std::vector<SLayoutEntry> m_entries;
    std::map<int32_t, RECT> m_origins;
};
