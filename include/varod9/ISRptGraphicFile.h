#pragma once
// A picture file in a report (a bitmap, JPEG or TIFF image), shown with its path, its content or
// both.
#include "varod9/ISRptFile.h"
#include "varod9/RptExport.h"

struct RPT_EXPORT ISRptGraphicFile : virtual ISRptFile {
    static constexpr GUID iid = MakeGUID("{E5E95721-B72F-11D1-8898-00A02455633B}");
    using BaseInterface = ISRptFile;

protected:
    ~ISRptGraphicFile() = default;
};

inline constexpr IID IID_ISRptGraphicFile = ISRptGraphicFile::iid;
