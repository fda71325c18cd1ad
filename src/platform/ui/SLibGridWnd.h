#pragma once
// A grid window: titled columns and lines of cell texts, each cell edited in place. The grid only
// shows; what a typed text means is its editor's business, which it asks for every edit. A
// scripted user edits cells with a value of one edit a line, "line:column title=text" (lines
// counted from 0).
#include <cstdint>
#include <vector>

#include "platform/base/SString.h"
#include "platform/com/HRESULT.h"
#include "platform/ui/SWnd.h"

class SLibGridWnd : public SWnd {
public:
    // Takes the texts that the user types into cells.
    class Editor {
    public:
        virtual ~Editor() = default;
        // The text typed into a cell; a failure leaves the cell as it was.
        virtual HRESULT OnEditCell(int32_t line, int32_t column, const SString& text) = 0;
    };

    static constexpr int32_t kDefaultColumnWidth = 100;

    const SClassInfo* GetClassInfo() const override { return &classSLibGridWnd; }
    static const SClassInfo classSLibGridWnd;

    void SetEditor(Editor* editor) { m_editor = editor; }

    // Replaces the columns (each of the default width) and empties the lines.
    void SetColumns(const std::vector<SString>& titles);
    int32_t GetColumnCount() const { return static_cast<int32_t>(m_titles.size()); }
    SString GetColumnTitle(int32_t column) const;
    // The column of a title; -1 when none has it.
    int32_t FindColumn(const SString& title) const;
    int32_t GetColumnWidth(int32_t column) const;
    void SetColumnWidth(int32_t column, int32_t width);

    // Lines of cell texts, one text a column.
    void SetLines(std::vector<std::vector<SString>> lines) { m_lines = std::move(lines); }
    int32_t GetLineCount() const { return static_cast<int32_t>(m_lines.size()); }
    SString GetCellText(int32_t line, int32_t column) const;
    void SetCellText(int32_t line, int32_t column, const SString& text);

    // The beam that marks the current line across the grid.
    void SetHorzBeam(int32_t show) { m_horzBeam = show; }
    int32_t GetHorzBeam() const { return m_horzBeam; }

    // A cell typed in by the user: the editor takes it. E_INVALIDARG for a cell the grid does not
    // have, E_FAIL without an editor.
    HRESULT EditCell(int32_t line, int32_t column, const SString& text);

    // SWM_USERVALUE: the scripted user's edits; 1 when every edit was taken.
    LRESULT WindowProc(uint32_t message, WPARAM wParam, LPARAM lParam) override;

private:
    int32_t EditLines(const SString& edits);

    Editor* m_editor = nullptr;
    std::vector<SString> m_titles;
    std::vector<int32_t> m_widths;
    std::vector<std::vector<SString>> m_lines;
    int32_t m_horzBeam = 1;
};
