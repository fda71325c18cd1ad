#pragma once
// A user graphic: a picture that the host module draws at generation. The item keeps how it is
// placed: on one page (centred, or as a paragraph), or over several pages at a zoom factor.
#include <cstdint>

#include "varod9/ISRptCustom.h"
#include "varod9/RptExport.h"

inline constexpr int32_t RPTUSERGRAPHIC_FORMAT = 0x02006460;       // SHORT, the module's format code
inline constexpr int32_t RPTUSERGRAPHIC_USEZOOM = 0x02006461;      // BOOL, true: several pages at ZoomPerct
inline constexpr int32_t RPTUSERGRAPHIC_ONEPAGETYPE = 0x02006462;  // SHORT, RPTGRAPH_1PAGE_...
inline constexpr int32_t RPTUSERGRAPHIC_ZOOMPERCT = 0x02006463;    // SHORT, percent

// Placement on one page.
inline constexpr int16_t RPTGRAPH_1PAGE_PARAGRAPH = 1;  // as a paragraph
inline constexpr int16_t RPTGRAPH_1PAGE_CENTER = 2;     // centred on a page of its own

struct RPT_EXPORT ISRptUserGraphic : virtual ISRptCustom {
    static constexpr GUID iid = MakeGUID("{E5E95708-B72F-11D1-8898-00A02455633B}");
    using BaseInterface = ISRptCustom;

    virtual int16_t GetFormat() = 0;
    virtual HRESULT PutFormat(int16_t value) noexcept = 0;
    virtual bool GetUseZoom() = 0;
    virtual HRESULT PutUseZoom(bool value) noexcept = 0;
    virtual int16_t GetOnePageType() = 0;
    virtual HRESULT PutOnePageType(int16_t value) noexcept = 0;
    virtual int16_t GetZoomPerct() = 0;
    virtual HRESULT PutZoomPerct(int16_t value) noexcept = 0;

protected:
    ~ISRptUserGraphic() = default;
};

inline constexpr IID IID_ISRptUserGraphic = ISRptUserGraphic::iid;
