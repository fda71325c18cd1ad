#pragma once
// A report: its templates, its available items and its generation. Declared here as far as the
// items use it: a custom item asks the report for the title that a title path stands for, a table
// of contents for the report's title of its kind; the report's own operations come with the
// report class.
#include <cstdint>

#include "platform/base/SString.h"
#include "varod9/ISRptParaContainer.h"
#include "varod9/RptExport.h"

struct RPT_EXPORT ISRptReport : virtual ISRptParaContainer {
    static constexpr GUID iid = MakeGUID("{E5E95703-B72F-11D1-8898-00A02455633B}");
    using BaseInterface = ISRptParaContainer;

    // The title text that the host gives for a title path; empty for none.
    virtual SString GetTitleFromPath(SString sTitlePath) = 0;
    // The report's title for a kind of item (0: the table of contents); empty for none.
    virtual SString GetExTitle(uint32_t nItemType) = 0;

protected:
    ~ISRptReport() = default;
};

inline constexpr IID IID_ISRptReport = ISRptReport::iid;
