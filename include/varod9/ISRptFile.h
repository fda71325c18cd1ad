#pragma once
// An item that brings an outside file into a report: the file's path as chosen (absolute), a path
// relative to somewhere the user keeps it, and a filter. The graphic and text file items derive
// from it.
#include <cstdint>

#include "platform/base/SString.h"
#include "varod9/ISRptGrpMember.h"
#include "varod9/RptExport.h"

// Stored attributes.
inline constexpr int32_t RPTFILE_ABSPATH = 0x020063C0;  // TEXT
inline constexpr int32_t RPTFILE_RELPATH = 0x020063C1;  // TEXT
inline constexpr int32_t RPTFILE_FILTER = 0x020063C2;   // TEXT

// What a graphic file item shows (its DisplayFlag, ISRptGrpMember).
inline constexpr int32_t RPTFILE_DISPLAY_ALL = 0;
inline constexpr int32_t RPTFILE_DISPLAY_PATH = 2;
inline constexpr int32_t RPTFILE_DISPLAY_CONTENT = 4;

struct RPT_EXPORT ISRptFile : virtual ISRptGrpMember {
    static constexpr GUID iid = MakeGUID("{E5E95707-B72F-11D1-8898-00A02455633B}");
    using BaseInterface = ISRptGrpMember;

    // Stored attributes. A put of the value already stored changes nothing and returns S_FALSE.
    virtual SString GetAbsPath() = 0;
    virtual HRESULT PutAbsPath(const SString& value) noexcept = 0;
    virtual SString GetRelPath() = 0;
    virtual HRESULT PutRelPath(const SString& value) noexcept = 0;
    virtual SString GetFilter() = 0;
    virtual HRESULT PutFilter(const SString& value) noexcept = 0;

protected:
    ~ISRptFile() = default;
};

inline constexpr IID IID_ISRptFile = ISRptFile::iid;
