#pragma once
// The drawable of a picture on one page: the picture (kept by the item's output helper), the
// size it takes on the page and where it is drawn inside that size; what falls outside the size
// is clipped.
#include <cstdint>

#include "rpt/devices/print/SRptDrawable.h"

class SRptGraphic;

class SRptDrawablePicture : public SRptDrawable {
public:
    using SRptDrawable::SRptDrawable;

    void GetSize(SIZE* size) const override;
    // Metafiles are played and bitmaps stretched into the destination; other formats draw
    // nothing. The context's clip is as it was afterwards. 0, or E_INVALIDARG.
    HRESULT Draw(SDC* dc, const POINT* origin) override;

    // The picture at `width` by `height`, drawn into `dest` (relative to the drawable).
    void SetPicture(SRptGraphic* picture, int32_t width, int32_t height, const RECT& dest);

    SRptGraphic* GetPicture() const { return m_picture; }

private:
    void DrawBitmap(SDC& dc, const RECT& dest);

    SRptGraphic* m_picture = nullptr;
    int32_t m_width = 0;
    int32_t m_height = 0;
    RECT m_dest{};
};
