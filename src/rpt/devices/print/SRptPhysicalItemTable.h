#pragma once
// What forms and lists share on the pages: the table's heading paragraph, then its rows from the
// output helper's cell grid, each row's cells flowing side by side. The heading rows are repeated
// at the top of every page the table continues on. A row that does not fit moves whole to the
// next page, unless the table started that page or the row may break: then what fits stays and
// the rest continues on the next page. Every table ends, whatever its rows' sizes: each page the
// table starts takes at least one line of what is left of it.
#include <cstdint>
#include <memory>
#include <vector>

#include "rpt/devices/print/SRptPhysicalItem.h"

class SRptDrawableTable;
class SRptOutputHelperTable;
struct ISRptTableRow;

class SRptPhysicalItemTable : public SRptPhysicalItem {
public:
    using SRptPhysicalItem::SRptPhysicalItem;
    ~SRptPhysicalItemTable() override;

    HRESULT CreateElement(SRptPhysicalPage* page, std::unique_ptr<SRptPageElement>* element) override;
    HRESULT Layout(SRptPhysicalPage* page, int32_t width, int32_t available, int32_t pageHeight,
                   SRptPageElement* element, int32_t* status) override;
    HRESULT Begin() override;
    HRESULT End() override;
    int32_t IsTableItem() override { return 1; }

    // The table's heading paragraph and its title.
    HRESULT GetPara(ISRptPara** para) override = 0;
    HRESULT GetText(SString* text) override = 0;

protected:
    // The heading paragraph of the item's table interface I (its paragraph 0).
    template <class I>
    HRESULT HeadingParaOf(ISRptPara** para) {
        if (!para) return E_POINTER;
        SComWrap<I> table;
        table = GetNodeItem();
        if (!table) SComThrow(E_POINTER);
        *para = ParaAt(table.Get(), 0).Detach();
        return S_OK;
    }

private:
    struct SRowResult {
        bool complete = false;
        bool placed = false;
    };
    // What one layout call has of its page: the room it started with, whether the table started
    // the page (the room is the whole page), whether anything of the table is on it, and whether
    // any of that is more than repeated heading rows.
    struct SPageRoom {
        int32_t start = 0;
        bool startsPage = false;
        bool placed = false;
        bool own = false;
    };
    SRptOutputHelperTable* GetTableHelper() const;
    // Lays one row into the drawable with the cell flows of its kind.
    HRESULT LayoutRow(SRptOutputHelperTable& helper, int32_t row, bool heading, bool fresh, int32_t width,
                      int32_t available, bool atTop, SRptPageElement& element, SRowResult* result);
    // The row's cells added to the drawable's last row, with their flows when `fresh`.
    HRESULT AddCells(SRptOutputHelperTable& helper, ISRptTableRow& definition, int32_t row, bool heading, bool fresh,
                     int32_t width, SRptDrawableTable& drawable);
    // The table's title into the drawable's heading block; `done` when it is complete.
    HRESULT LayoutTitle(int32_t width, SPageRoom& room, SRptPageElement& element, bool* done);
    // The rows after the title, from the page's first row on.
    HRESULT LayoutRows(SRptOutputHelperTable& helper, int32_t width, SPageRoom& room, SRptPageElement& element,
                       int32_t* status);
    // Takes the last row, or every row, off this page.
    static void RemoveLastRow(SRptPageElement& element);
    static void ClearRows(SRptPageElement& element, SPageRoom& room);

    std::unique_ptr<SRptTextFlow> m_headingFlow;
    int32_t m_nextBodyRow = 0;
    int32_t m_freshCells = 1;
    int32_t m_repeatHeadings = 1;
    int32_t m_headingsShown = 0;  // the heading rows were complete on a page
    std::vector<std::unique_ptr<SRptTextFlow>> m_headingFlows;
    std::vector<std::unique_ptr<SRptTextFlow>> m_bodyFlows;
    std::vector<int32_t> m_headingWidths;
    std::vector<int32_t> m_bodyWidths;
};
