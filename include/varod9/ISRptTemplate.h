#pragma once
// A report template: the root of an item tree, owned by a report. Declared here as far as the
// items and the report use it: items find their template by class and ask it for its report; the
// report brings it into line with its module's available items. The rest of the template's own
// operations come with the template class.
#include "varod9/ISRptItem.h"
#include "varod9/RptExport.h"

struct ISRptAvailableItems;

// The report that owns the template (inverse end of the report's Templates).
inline constexpr int32_t RPTTEMPLATE_REPORT = 0x02806550;

struct RPT_EXPORT ISRptTemplate : virtual ISRptItem {
    static constexpr GUID iid = MakeGUID("{E5E95720-B72F-11D1-8898-00A02455633B}");
    using BaseInterface = ISRptItem;

    // The report that owns the template, not counted for the caller; null when there is none.
    virtual ISRepObject* GetParentReport() = 0;
    // Takes the module's user procedures and registered items from its available items into the
    // template's items.
    virtual HRESULT RetrieveUserProcs(ISRptAvailableItems* pAvailableItems) = 0;
    virtual HRESULT RetrieveRegisteredItems(ISRptAvailableItems* pAvailableItems) = 0;

protected:
    ~ISRptTemplate() = default;
};

inline constexpr IID IID_ISRptTemplate = ISRptTemplate::iid;
