#pragma once
// A tab stop of a paragraph: its position and alignment. A paragraph owns its stops in its Tabs
// collection (ISRptPara); the stop reaches its paragraph through ParaFromTabPos.
#include <cstdint>

#include "platform/com/SComWrap.h"
#include "platform/repo/SRepClassColPtr.h"
#include "varod9/ISRptBase.h"
#include "varod9/RptExport.h"

inline constexpr int32_t RPTTAB_PARENTPARA = 0x02006050;      // computed, always empty
inline constexpr int32_t RPTTAB_POSITION = 0x02006051;        // INT, HIMETRIC
inline constexpr int32_t RPTTAB_ALIGNMENT = 0x02006052;       // INT, RPT_TABPOS_ALIGN_...
inline constexpr int32_t RPTTAB_PARAFROMTABPOS = 0x02806030;  // inverse end of the paragraph's Tabs

struct RPT_EXPORT ISRptTabulation : virtual ISRptBase {
    static constexpr GUID iid = MakeGUID("{E5E95729-B72F-11D1-8898-00A02455633B}");
    using BaseInterface = ISRptBase;

    virtual int32_t GetPosition() = 0;
    virtual HRESULT PutPosition(int32_t position) noexcept = 0;
    virtual int32_t GetAlignment() = 0;
    virtual HRESULT PutAlignment(int32_t alignment) noexcept = 0;
    // Always empty: the owning paragraph is reached through ParaFromTabPos.
    virtual SComWrap<ISRepObject> GetParentPara() = 0;
    virtual SRepClassColPtr ParaFromTabPos() = 0;

protected:
    ~ISRptTabulation() = default;
};

inline constexpr IID IID_ISRptTabulation = ISRptTabulation::iid;
