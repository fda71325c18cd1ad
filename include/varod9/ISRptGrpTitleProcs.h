#pragma once
// The procedures a host module supplies for its group titles: those every kind has, and whether
// the module lets the user choose the order of the group's elements (the user's own or the
// alphabetical one).
//
// A group title stands for a run of elements that the module supplies (the orders of an order
// book, the entities of a model): for each element the report shows a title that the module gives
// and then, again, every item placed under the group title in the template, such as a card (a
// form) or a list. Those items are not told which element they stand under (their Occurrence is
// 0): the module keeps the element the group title's calls named last, its current element, and
// answers the items' calls for it.
//
// How the library calls them for a group title (ItemParam is the item's in every record, UserOrder
// the item's, 0 or 1):
//  1. While the report is generated, every call with the report: when the walk reaches the group
//     title, Begin, which answers the number of elements (0 or less: none, and the items under the
//     group title are left out). Then for each element n from 0 below that number: Fetch with
//     RowCursor n, which answers 1 when there is such an element (any other answer ends the
//     elements there); GetMemberText with RowCursor n and Text1 the group title's displayed
//     title (the title shown is the one it gives in step 2); the items under the group title,
//     each with its own calls; then Next (RowCursor 0) before the next element's Fetch. After the
//     last element, End (at once when there is none). UserParam is the module's own word,
//     carried from Begin and from each Fetch to the calls after them.
//  2. While the report is laid out, every call with a null report and Text1 the group title's
//     displayed title: for each element, Process with Occurrence the element (RowCursor 0),
//     preceded by Begin when the writer enters the group title afresh; then GetMemberText with
//     Occurrence the element: a non-zero answer says that Text2 holds the element's title and
//     ObjectID its model object (UserOrder may carry an order word back); 0 leaves the title
//     empty. Then the items under the group title, each with its own calls. End comes when the
//     writer is done with the group title, not once per element. The answers of Begin, Process and
//     End are not looked at here.
//  3. Then, when the group title or an item under it enters the table of contents (TOCEntry),
//     the contents entries are brought up to date: the library goes to each entry in the
//     contents' order, every call again with a null report and Text1 the displayed title;
//     GetMemberText is not called again. Going from one element of the group title to another
//     calls Process with Occurrence the element, without Begin; leaving the group title calls
//     End; coming back into it from outside calls nothing for an element, except for the last
//     one, which step 2's End closed: Begin and Process with its Occurrence. Step 2 leaves off
//     where the report ends, so the refresh finds the group title as step 2 left it (inside it,
//     before its End) only when nothing follows the group title in the report and no other
//     item enters the contents before it (one that writes nothing counts too; one deeper than
//     the levels the table of contents shows does not). So, when the group title enters the
//     contents:
//     - found as step 2 left it: Process for every element, the first too, in order, then End
//       once, after them;
//     - otherwise (something follows the group title, or another entry comes before it, as a
//       list placed before a group title that ends the report): step 2's End, then Process for
//       each element but the first, in order, then End again.
//     When only items under the group title enter the contents and something follows it or
//     another entry comes before it: step 2's End, then Begin and Process for the last element,
//     then End.
//
// So End is not the last call: a module keeps what it needs to answer a Process (or a Begin and a
// Process) that comes after it, and takes its current element from their Occurrence as in step 2.
// It takes its current element from Fetch's RowCursor while the report is generated, and from
// Begin's and Process's Occurrence while it is laid out (the calls without a report), answers
// GetMemberText for RowCursor or Occurrence the same way, and answers the calls of the items
// under the group title (a form's GetValue, a list's Begin and Fetch) for its current element.
// The items' own Occurrence is always 0 and says nothing.
#include <cstdint>

#include "varod9/ISRptUserProcs.h"
#include "varod9/RptExport.h"

struct RPT_EXPORT ISRptGrpTitleProcs : ISRptProcs {
    static constexpr GUID iid = MakeGUID("{E5E95604-B72F-11D1-8898-00A02455633B}");

    // Non-zero when the module offers the choice of order.
    virtual int32_t HasUserOrder() = 0;

protected:
    ~ISRptGrpTitleProcs() = default;
};

inline constexpr IID IID_ISRptGrpTitleProcs = ISRptGrpTitleProcs::iid;
