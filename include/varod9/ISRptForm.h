#pragma once
// A form: a table laid out as a card, whose rows are identified by their keyword cells. Its
// paragraphs at positions 1 (labels) and 2 (texts) keep their box and text-to-border spacing in
// step, which a paragraph learns by asking its owner for this interface.
#include "varod9/ISRptTable.h"
#include "varod9/RptExport.h"

struct RPT_EXPORT ISRptForm : virtual ISRptTable {
    static constexpr GUID iid = MakeGUID("{E5E95710-B72F-11D1-8898-00A02455633B}");
    using BaseInterface = ISRptTable;

protected:
    ~ISRptForm() = default;
};

inline constexpr IID IID_ISRptForm = ISRptForm::iid;
