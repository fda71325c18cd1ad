#pragma once
// A text file (plain text or RTF) whose content a report takes in.
#include "varod9/ISRptFile.h"
#include "varod9/RptExport.h"

struct RPT_EXPORT ISRptTextFile : virtual ISRptFile {
    static constexpr GUID iid = MakeGUID("{E5E9571E-B72F-11D1-8898-00A02455633B}");
    using BaseInterface = ISRptFile;

protected:
    ~ISRptTextFile() = default;
};

inline constexpr IID IID_ISRptTextFile = ISRptTextFile::iid;
