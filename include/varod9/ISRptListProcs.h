#pragma once
// The procedures a host module supplies for its lists, reached from the list's user procedures:
// the procedures every kind shares, then whether the module offers an editor command for the list
// (the display commands "&All" and "Only &modified ones").
//
// How the library calls them while a report is generated (the report argument is null in every
// call; the record is a fresh RPTPROCCONTEXT each time, with ItemParam the item's, Occurrence the
// element of the group the list stands in, SortColumns and DisplayFlag the list's):
//  1. When the list enters the generation: Begin, then Process (Process again when the walk comes
//     back to the list for another element of its group). The results are not looked at.
//  2. When the list is laid out: Process through the item's ISRptUserProcs, with Text1 the list's
//     displayed title. A non-zero answer says that the record now carries the list's heading in
//     Text2 (also its contents entry) and its model object in ObjectID; 0 leaves it untitled.
//  3. The rows: the first row of the list defines its columns; its enabled cells make the heading
//     row. Then, with RowCursor 0 for the first data row, while Fetch answers exactly 1: for each
//     enabled cell of the first row, in order, CellID is the cell's and CellText, TargetItem and
//     ObjectID are emptied, GetValue is called, and the cell shows CellText (in an HTML page set
//     linked to where an item of TargetItem's module and id shows the object ObjectID); then
//     RowCursor grows by 1 and Next is called. Any answer but 1 from Fetch ends the rows (a list
//     of no rows keeps its heading row). Answer from RowCursor, not from a count of your own: the
//     same list can be walked again, each walk from 0.
//  4. When the list leaves the generation: End.
#include <cstdint>

#include "varod9/ISRptUserProcs.h"
#include "varod9/RptExport.h"

struct RPT_EXPORT ISRptListProcs : ISRptProcs {
    static constexpr GUID iid = MakeGUID("{E5E95605-B72F-11D1-8898-00A02455633B}");

    // Non-zero: the module offers the command `nID` for its list.
    virtual int32_t IsCommandSupported(uint32_t nID) = 0;

protected:
    ~ISRptListProcs() = default;
};

inline constexpr IID IID_ISRptListProcs = ISRptListProcs::iid;
