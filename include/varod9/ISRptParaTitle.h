#pragma once
// The title paragraph: a paragraph format in every respect, told apart by its class alone, so that
// a container and a template file keep what each of its paragraphs formats.
#include "varod9/ISRptPara.h"
#include "varod9/RptExport.h"

struct RPT_EXPORT ISRptParaTitle : virtual ISRptPara {
    static constexpr GUID iid = MakeGUID("{E5E95722-B72F-11D1-8898-00A02455633B}");
    using BaseInterface = ISRptPara;

protected:
    ~ISRptParaTitle() = default;
};

inline constexpr IID IID_ISRptParaTitle = ISRptParaTitle::iid;
