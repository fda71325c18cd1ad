#pragma once
// The pages of a user graphic, the same for the RTF file, the HTML tiles and the printed pages:
// the module's drawing fitted on one page (placed as a paragraph, or centred on a page of its own)
// or, zoomed, cut into a grid of pages that shows the zoomed drawing centred on it; and how much
// larger than its page each page image is made. Sizes in hundredths of a millimetre.
#include <cstdint>

#include "platform/gdi/GdiDefs.h"

class SMetaFile;
struct ISRptUserGraphic;

struct SRptPictureTile {
    RECT target;  // where the drawing goes on the page image
    SSize size;   // the page image
};

class SRptUserGraphicLayout {
public:
    // `drawing` is the recorded size, `pixels` the same in the recording's device units, `area`
    // the room of one page. `onePageType` 2 centres the one page; any other value places it as a
    // paragraph.
    SRptUserGraphicLayout(SSize drawing, SSize pixels, SSize area, bool useZoom, int32_t onePageType,
                          int32_t zoomPerct);
    // The module's recorded drawing placed as the user graphic item asks.
    SRptUserGraphicLayout(const SMetaFile& drawing, SSize area, ISRptUserGraphic* pItem);

    // No page when the drawing, its pixels or the room have no size, or the zoom leaves nothing.
    bool IsEmpty() const { return m_columns == 0; }
    // Whether the pages are written, drawn or printed at all: they are not when there is none,
    // when there are more than kMaxTiles, or when a page image, made at the screen's resolution
    // as the bitmaps of pages are, would be a picture beyond the limit of SImagePixels. Every
    // output leaves out the same user graphics.
    bool IsPlaced() const;
    int32_t GetColumns() const { return m_columns; }
    int32_t GetRows() const { return m_rows; }
    int64_t GetTileCount() const { return int64_t{m_columns} * m_rows; }
    // One page placed as a paragraph: the text flows on after it.
    bool IsParagraph() const { return !m_useZoom && m_onePageType != 2; }
    // The page in row `row` and column `column`, counted from 0.
    SRptPictureTile GetTile(int32_t row, int32_t column) const;
    // The drawing's scale on its pages: the zoom, or the ratio that fits it on one page.
    double GetScale() const;
    // How much larger than its page a page image is made each way, so that the pen of the
    // drawing's outer lines is not cut off: twice one device pixel, plus one, truncated.
    int32_t GetEdgeAllowance() const { return m_edgeAllowance; }

    // Zoomed pages beyond this many are left out: a drawing that asks for more is a mistake.
    static constexpr int64_t kMaxTiles = 10000;

private:
    SSize m_drawing;
    SSize m_area;
    bool m_useZoom;
    int32_t m_onePageType;
    int32_t m_zoomPerct;
    SSize m_placed{};  // the drawing as drawn: fitted on one page, or zoomed
    int32_t m_columns = 0;
    int32_t m_rows = 0;
    int32_t m_edgeAllowance = 0;
};
