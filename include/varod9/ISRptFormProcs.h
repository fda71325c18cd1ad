#pragma once
// The procedures a host module supplies for its forms: those every kind has. GetValue answers
// the text of the cell whose CellID the record names.
//
// A form (a card) shows one element of the module's, and none of its calls says which: Occurrence
// and RowCursor are 0 in every call, also for a form under a group title or folder. A form under a
// group title is made and laid out once for each of the group's elements, each time right after
// the group title's calls that name the element: the module keeps that element and answers the
// form's calls for it (ISRptGrpTitleProcs.h).
//
// How the library calls them for a form (each step hands the module a fresh RPTPROCCONTEXT, the
// cells of step 4 one record for all their calls, with ItemParam the item's):
//  1. While the report is generated, when the walk reaches the form: Begin, with a null report.
//     The form is made only when Begin answers exactly 1: any other answer, 0 (S_OK) included,
//     leaves it out of the report. A form that is made is then given to Process through the
//     item's ISRptUserProcs, with the report and Text1 the form's displayed title (the answer is
//     not looked at). Made or not, End follows, with a null report.
//  2. While the report is laid out, every call with a null report: when the writer reaches the
//     form, Begin, then Process; Process again whenever the writer comes back to it. Their
//     answers are not looked at.
//  3. The form's heading: Process through the item's ISRptUserProcs, with Text1 the form's
//     displayed title; a non-zero answer says that Text2 holds its heading and ObjectID its
//     object; 0 leaves it without a heading.
//  4. The cells, row by row (enabled rows and cells only, in order): a keyword cell (Keyword
//     non-zero) asks the module: CellID is the cell's, CellText, TargetItem and ObjectID are
//     emptied, GetValue is called and the cell shows CellText (linked as a list's cell is); any
//     other cell shows its own text (its display name, RptTableDef.h) and the module is not
//     asked. Fetch and Next are not called. A form whose enabled rows are all heading rows (or
//     that has none) writes nothing.
//  5. When the writer is done with the form: End.
#include "varod9/ISRptUserProcs.h"
#include "varod9/RptExport.h"

struct RPT_EXPORT ISRptFormProcs : ISRptProcs {
    static constexpr GUID iid = MakeGUID("{E5E95600-B72F-11D1-8898-00A02455633B}");

protected:
    ~ISRptFormProcs() = default;
};

inline constexpr IID IID_ISRptFormProcs = ISRptFormProcs::iid;
