#pragma once
// The procedures a host module supplies for its lists, reached from the list's user procedures:
// the procedures every kind shares, then whether the module offers an editor command for the list
// (the display commands "&All" and "Only &modified ones").
//
// How the library calls them for a list. Each step below hands the module a fresh RPTPROCCONTEXT
// (the row walk of step 4 one record for all its calls) with ItemParam the item's, and, in the
// calls of ISRptListProcs, SortColumns and DisplayFlag the list's. Occurrence is 0 in every call,
// also for a list under a group title or folder: the module knows the element the list stands
// under from the group's own calls, as ISRptGrpTitleProcs.h tells.
//  1. While the report is generated, when the walk reaches the list: Begin, with the report. The
//     list is made only when Begin answers more than 0: an answer of 0 (S_OK) or less leaves it
//     out of the report, title, heading row and contents entry and all. A list that is made is
//     then given to Process through the item's ISRptUserProcs, with the report and Text1 the
//     list's displayed title (the answer is not looked at). Made or not, End follows, with a null
//     report.
//  2. While the report is laid out, every call with a null report: when the writer reaches the
//     list, Begin, then Process; Process again whenever the writer comes back to it. Their
//     answers are not looked at.
//  3. The list's heading: Process through the item's ISRptUserProcs, with Text1 the list's
//     displayed title. A non-zero answer says that the record now carries the list's heading in
//     Text2 (also its contents entry) and its model object in ObjectID; 0 leaves it untitled.
//  4. The rows: the first row of the list defines its columns; its enabled cells make the heading
//     row. Then, with RowCursor 0 for the first data row, while Fetch answers exactly 1: for each
//     enabled cell of the first row, in order, CellID is the cell's and CellText, TargetItem and
//     ObjectID are emptied, GetValue is called, and the cell shows CellText (in an HTML page set
//     linked to where an item of TargetItem's module and id shows the object ObjectID); then
//     RowCursor grows by 1 and Next is called. Any answer but 1 from Fetch ends the rows. A list
//     without a data row writes nothing either, not even its title or heading row. Answer from
//     RowCursor, not from a count of your own: the same list can be walked again, each walk from 0.
//  5. When the writer is done with the list: End.
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
