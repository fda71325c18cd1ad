#pragma once
// An object that owns an ordered list of paragraph formats (a report, every report item), and
// answers for each position which paragraph stands there, whether a box may be drawn around it,
// what it is called and which report font kind it takes. Derived containers answer for the
// positions they know and fall back on these answers for the others.
#include <cstdint>

#include "platform/base/SString.h"
#include "platform/repo/SRepClassColPtr.h"
#include "varod9/ISRptBase.h"
#include "varod9/RptExport.h"

struct ISRptPara;

inline constexpr int32_t RPTPARACONTAINER_PARAGRAPHS = 0x02006090;

struct RPT_EXPORT ISRptParaContainer : virtual ISRptBase {
    static constexpr GUID iid = MakeGUID("{E5E95704-B72F-11D1-8898-00A02455633B}");
    using BaseInterface = ISRptBase;

    // The paragraph at a position with the caller's reference; null (and S_OK) when there is none
    // or it is no paragraph. E_POINTER for a null `pPara`. Throws SECOMException when the
    // collection fails, leaving `pPara` unchanged.
    virtual HRESULT GetParaAtPos(int32_t nPos, ISRptPara** pPara) = 0;
    // S_OK when a box may be drawn around the paragraph at a position, S_FALSE when not.
    virtual HRESULT IsParaSupportBox(int32_t nPos) noexcept = 0;
    // The paragraph's name: "Text Paragraph <position>" unless the container names it.
    virtual SString GetParaName(ISRptPara* pPara) = 0;
    // The report font kind (0 to 26) of the paragraph, -1 for none.
    virtual int32_t GetParaFontID(ISRptPara* pPara) const = 0;

    virtual SRepClassColPtr Paragraphs() = 0;

protected:
    ~ISRptParaContainer() = default;
};

inline constexpr IID IID_ISRptParaContainer = ISRptParaContainer::iid;
