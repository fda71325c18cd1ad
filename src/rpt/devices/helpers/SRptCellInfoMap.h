#pragma once
// The grid of a table helper: cell records keyed by (row, column), kept in row order and, within
// a row, in column order (both signed), which is the order the writers walk a grid in.
#include <cstdint>

#include "platform/base/STree.h"
#include "rpt/devices/helpers/RPTCELLINFO.h"

struct RPTCELLKEY {
    int32_t row = 0;
    int32_t column = 0;
};

class SRptCellInfoMap {
public:
    // Rows first, then columns.
    struct Compare {
        int operator()(const RPTCELLKEY& a, const RPTCELLKEY& b) const;
    };
    using Tree = STree<RPTCELLKEY, RPTCELLINFO, Compare>;
    using Node = Tree::Node;

    // Stores a copy of the record (the copy holds its own reference on the paragraph) and answers
    // the stored record. A record already at that place is replaced.
    RPTCELLINFO& Insert(int32_t row, int32_t column, const RPTCELLINFO& cell);
    RPTCELLINFO& Insert(int32_t row, int32_t column, RPTCELLINFO&& cell);
    // The record at that place, or null for a place that has none.
    RPTCELLINFO* Lookup(int32_t row, int32_t column) const;

    int32_t GetCount() const { return m_cells.GetCount(); }
    bool IsEmpty() const { return m_cells.IsEmpty(); }
    void RemoveAll() { m_cells.RemoveAll(); }

    // A walk in grid order: GetFirst, then GetNext until the node is empty.
    Node GetFirst() const { return m_cells.GetMinimum(); }
    Node GetNext(Node node) const { return m_cells.Successor(node); }

private:
    Tree m_cells;
};
