#pragma once
// The description of a form or a list as a host module writes it: the item record, its row
// records and each row's cell records, kept together so that the pointers between them stay
// valid while the description is in use.
#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

#include "varod9/RptItemDef.h"
#include "varod9/RptTableDef.h"

class STableDescription {
public:
    explicit STableDescription(int32_t kind) {
        item.Kind = kind;
        item.ItemID = kind == RPT_ITEMKIND_FORM ? "CARD" : "LIST";
        item.ModuleID = "MODEL";
        item.Label = kind == RPT_ITEMKIND_FORM ? "Card" : "List";
        item.DefaultTitle = "Objects";
    }

    // A new row record, enabled, appended.
    RPTTABLEROWDEF& AddRow() {
        RPTTABLEROWDEF& row = rows.emplace_back();
        row.Enabled = 1;
        cells.emplace_back();
        return row;
    }
    // A new cell record of the kind's size, enabled, appended to the last row.
    RPTTABLECELLDEF& AddCell(int32_t cellID, const char* defaultText, bool keyword = false, const char* path = "") {
        RPTTABLECELLDEF& cell = cells.back().emplace_back();
        cell.Size = item.Kind == RPT_ITEMKIND_LIST ? RPTTABLECELLDEF_SIZE_LIST : RPTTABLECELLDEF_SIZE_FORM;
        cell.CellID = cellID;
        cell.DefaultText = defaultText;
        cell.Keyword = keyword ? 1 : 0;
        cell.ResPath = path;
        cell.Enabled = 1;
        return cell;
    }

    // The item record with its rows and their cells linked in; `linked` holds the row records it
    // points to, for a test to spoil.
    RPTUSRITEMDEF& Def() {
        linked.assign(rows.begin(), rows.end());
        for (size_t index = 0; index < linked.size(); ++index) {
            linked[index].NbCells = static_cast<int16_t>(cells[index].size());
            linked[index].Cells = cells[index].empty() ? nullptr : cells[index].data();
        }
        item.Table.NbRows = static_cast<int16_t>(linked.size());
        item.Table.Rows = linked.empty() ? nullptr : linked.data();
        return item;
    }

    RPTUSRITEMDEF item;
    std::deque<RPTTABLEROWDEF> rows;
    std::deque<std::vector<RPTTABLECELLDEF>> cells;
    std::vector<RPTTABLEROWDEF> linked;
};
