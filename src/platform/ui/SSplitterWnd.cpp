#include "platform/ui/SSplitterWnd.h"

#include "platform/ui/SWndState.h"
#include "platform/ui/SWndSystem.h"

const SClassInfo SSplitterWnd::classSSplitterWnd = {"SSplitterWnd", &SWnd::classSWnd};

S_BEGIN_MESSAGE_MAP(SSplitterWnd, SWnd)
    SMsgEntry::Size(&SSplitterWnd::OnSize),
S_END_MESSAGE_MAP()

int32_t SSplitterWnd::CreateStatic(SWnd* parent, int32_t rows, int32_t columns, uint32_t style, uint32_t id) {
    if (rows < 1 || columns < 1 || rows > 16 || columns > 16) return 0;
    m_rows = rows;
    m_columns = columns;
    return SWnd::Create("SSPLITTERWND", "", style, RECT{}, parent, id);
}

SWnd* SSplitterWnd::GetPane(int32_t row, int32_t column) const {
    if (row < 0 || row >= m_rows || column < 0 || column >= m_columns) return nullptr;
    return GetDlgItem(static_cast<int32_t>(IdFromRowCol(row, column)));
}

int32_t SSplitterWnd::SetPane(int32_t row, int32_t column, SWnd* wnd) {
    if (!wnd || row < 0 || row >= m_rows || column < 0 || column >= m_columns) return 0;
    SWndState* state = wnd->State();
    SWndState* self = State();
    if (!state || !self) return 0;
    if (SWndState* oldParent = SWndSystem::Find(state->parent)) std::erase(oldParent->children, state->hwnd);
    state->parent = m_hWnd;
    state->style |= WS_CHILD;
    self->children.push_back(state->hwnd);
    wnd->SetDlgCtrlID(static_cast<int32_t>(IdFromRowCol(row, column)));
    return 1;
}

void SSplitterWnd::SetActivePane(int32_t row, int32_t column) {
    if (SWnd* pane = GetPane(row, column)) pane->SetFocus();
}

void SSplitterWnd::SetRowInfo(int32_t row, int32_t ideal, int32_t) {
    if (row >= 0 && row < 16) m_rowIdeal[row] = ideal;
}

void SSplitterWnd::SetColumnInfo(int32_t column, int32_t ideal, int32_t) {
    if (column >= 0 && column < 16) m_columnIdeal[column] = ideal;
}

void SSplitterWnd::RecalcLayout() {
    // Rows and columns take their ideal sizes; the last ones take what is left.
    const RECT client = GetClientRect();
    int32_t top = 0;
    for (int32_t row = 0; row < m_rows; ++row) {
        const int32_t bottom = row + 1 == m_rows ? client.bottom : top + m_rowIdeal[row];
        int32_t left = 0;
        for (int32_t column = 0; column < m_columns; ++column) {
            const int32_t right = column + 1 == m_columns ? client.right : left + m_columnIdeal[column];
            if (SWnd* pane = GetPane(row, column)) pane->MoveWindow(RECT{left, top, right, bottom});
            left = right;
        }
        top = bottom;
    }
}

void SSplitterWnd::OnSize(uint32_t, int32_t, int32_t) {
    RecalcLayout();
}
