#include "platform/ui/SLibGridWnd.h"

#include <string_view>

const SClassInfo SLibGridWnd::classSLibGridWnd = {"SLibGridWnd", &SWnd::classSWnd};

void SLibGridWnd::SetColumns(const std::vector<SString>& titles) {
    m_titles = titles;
    m_widths.assign(titles.size(), kDefaultColumnWidth);
    m_lines.clear();
}

SString SLibGridWnd::GetColumnTitle(int32_t column) const {
    return column >= 0 && column < GetColumnCount() ? m_titles[column] : SString();
}

int32_t SLibGridWnd::FindColumn(const SString& title) const {
    for (int32_t column = 0; column < GetColumnCount(); ++column)
        if (m_titles[column] == title) return column;
    return -1;
}

int32_t SLibGridWnd::GetColumnWidth(int32_t column) const {
    return column >= 0 && column < GetColumnCount() ? m_widths[column] : 0;
}

void SLibGridWnd::SetColumnWidth(int32_t column, int32_t width) {
    // A column too narrow to be seen could not be widened again.
    if (column >= 0 && column < GetColumnCount() && width > 0) m_widths[column] = width;
}

SString SLibGridWnd::GetCellText(int32_t line, int32_t column) const {
    if (line < 0 || line >= GetLineCount()) return SString();
    const std::vector<SString>& cells = m_lines[line];
    return column >= 0 && column < static_cast<int32_t>(cells.size()) ? cells[column] : SString();
}

void SLibGridWnd::SetCellText(int32_t line, int32_t column, const SString& text) {
    if (line < 0 || line >= GetLineCount() || column < 0 || column >= GetColumnCount()) return;
    std::vector<SString>& cells = m_lines[line];
    if (cells.size() < m_titles.size()) cells.resize(m_titles.size());
    cells[column] = text;
}

HRESULT SLibGridWnd::EditCell(int32_t line, int32_t column, const SString& text) {
    if (line < 0 || line >= GetLineCount() || column < 0 || column >= GetColumnCount()) return E_INVALIDARG;
    return m_editor ? m_editor->OnEditCell(line, column, text) : E_FAIL;
}

LRESULT SLibGridWnd::WindowProc(uint32_t message, WPARAM wParam, LPARAM lParam) {
    if (message == SWM_USERVALUE) return EditLines(SString(reinterpret_cast<const char*>(lParam)));
    return SWnd::WindowProc(message, wParam, lParam);
}

int32_t SLibGridWnd::EditLines(const SString& edits) {
    int32_t allTaken = 1;
    std::string_view rest = edits.view();
    while (!rest.empty()) {
        const size_t end = rest.find('\n');
        const std::string_view edit = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        const size_t colon = edit.find(':');
        const size_t equals = edit.find('=');
        if (colon == std::string_view::npos || equals == std::string_view::npos || equals < colon) {
            allTaken = 0;
            continue;
        }
        const int32_t line = SString(std::string(edit.substr(0, colon))).ToInt();
        const int32_t column = FindColumn(SString(std::string(edit.substr(colon + 1, equals - colon - 1))));
        if (FAILED(EditCell(line, column, SString(std::string(edit.substr(equals + 1)))))) allTaken = 0;
    }
    return allTaken;
}
