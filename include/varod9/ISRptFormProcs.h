#pragma once
// The procedures a host module supplies for its forms: those every kind has. GetValue answers
// the text of the cell whose CellID the record names.
//
// How the library calls them while a report is generated (the report argument is null in every
// call; the record is a fresh RPTPROCCONTEXT each time, with ItemParam the item's and Occurrence
// the element of the group the form stands in):
//  1. When the form enters the generation: Begin, then Process (Process again when the walk comes
//     back to it for another element of its group); the results are not looked at.
//  2. When the form is laid out: Process through the item's ISRptUserProcs, with Text1 the form's
//     displayed title; a non-zero answer says that Text2 holds its heading and ObjectID its object.
//  3. The cells, row by row (enabled rows and cells only, in order): a keyword cell (Keyword
//     non-zero) asks the module: CellID is the cell's, CellText, TargetItem and ObjectID are
//     emptied, GetValue is called and the cell shows CellText (linked as a list's cell is); any
//     other cell shows its own text, the module is not asked. Fetch and Next are not called.
//  4. When the form leaves the generation: End.
#include "varod9/ISRptUserProcs.h"
#include "varod9/RptExport.h"

struct RPT_EXPORT ISRptFormProcs : ISRptProcs {
    static constexpr GUID iid = MakeGUID("{E5E95600-B72F-11D1-8898-00A02455633B}");

protected:
    ~ISRptFormProcs() = default;
};

inline constexpr IID IID_ISRptFormProcs = ISRptFormProcs::iid;
