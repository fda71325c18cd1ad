#pragma once
// A report template: the root of an item tree, owned by a report. Declared here as far as the
// items use it: they find their template by class and ask it for its report; the template's
// own operations come with the template class.
#include "varod9/ISRptItem.h"
#include "varod9/RptExport.h"

struct RPT_EXPORT ISRptTemplate : virtual ISRptItem {
    static constexpr GUID iid = MakeGUID("{E5E95720-B72F-11D1-8898-00A02455633B}");
    using BaseInterface = ISRptItem;

    // The report that owns the template, not counted for the caller; null when there is none.
    virtual ISRepObject* GetParentReport() = 0;

protected:
    ~ISRptTemplate() = default;
};

inline constexpr IID IID_ISRptTemplate = ISRptTemplate::iid;
