#pragma once
// A static splitter: a grid of panes (rows by columns), each a child window whose id is the
// first pane id + 16 * row + column; one pane is active.
#include "platform/ui/SWnd.h"

inline constexpr uint32_t AFX_IDW_PANE_FIRST = 0xE900;

class SSplitterWnd : public SWnd {
public:
    const SClassInfo* GetClassInfo() const override { return &classSSplitterWnd; }
    static const SClassInfo classSSplitterWnd;
    S_DECLARE_MESSAGE_MAP()

public:
    int32_t CreateStatic(SWnd* parent, int32_t rows, int32_t columns, uint32_t style = WS_CHILD | WS_VISIBLE,
                         uint32_t id = AFX_IDW_PANE_FIRST);
    int32_t GetRowCount() const { return m_rows; }
    int32_t GetColumnCount() const { return m_columns; }
    static uint32_t IdFromRowCol(int32_t row, int32_t column) {
        return AFX_IDW_PANE_FIRST + static_cast<uint32_t>(16 * row + column);
    }
    // The window in a pane (a child with the pane's id), null when there is none.
    SWnd* GetPane(int32_t row, int32_t column) const;
    // Puts a window made elsewhere into a pane: it becomes a child with the pane's id.
    int32_t SetPane(int32_t row, int32_t column, SWnd* wnd);
    void SetActivePane(int32_t row, int32_t column);
    void SetRowInfo(int32_t row, int32_t ideal, int32_t minimum);
    void SetColumnInfo(int32_t column, int32_t ideal, int32_t minimum);
    void RecalcLayout();

protected:
    void OnSize(uint32_t type, int32_t cx, int32_t cy);

private:
    int32_t m_rows = 0;
    int32_t m_columns = 0;
    int32_t m_rowIdeal[16] = {};
    int32_t m_columnIdeal[16] = {};
};
