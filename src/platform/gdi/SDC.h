#pragma once
// A device context: the mapping from logical to device coordinates, the selected font, the text
// settings, and measuring and drawing through a back end (SDCBackEnd.h). Fonts are realised by
// the process's font engine when they are first measured or drawn with, at the character height
// that the current mapping gives in whole device pixels; metrics and extents are then converted
// back to logical units. Without a back end every query answers 0 or false.
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/base/SString.h"
#include "platform/gdi/GdiDefs.h"
#include "platform/gdi/SDCBackEnd.h"
#include "platform/gdi/TEXTMETRICA.h"

class SBitmapSurface;
class SDC;
class SFontEngine;
class SFontOld;
class SLogicalFont;
class SMetaFile;

// The abort procedure of a print job: given the job's device context and an error code (0 when
// there is none), it answers non-zero to go on printing and 0 to abort.
using ABORTPROC = int32_t (*)(SDC* dc, int32_t error);

class SDC {
public:
    SDC();
    explicit SDC(std::unique_ptr<SDCBackEnd> backEnd);
    SDC(const SDC&) = delete;
    SDC& operator=(const SDC&) = delete;
    virtual ~SDC();

    // The back end; a device context owns the one attached to it.
    bool Attach(std::unique_ptr<SDCBackEnd> backEnd);  // false when one is attached already
    std::unique_ptr<SDCBackEnd> Detach();
    SDCBackEnd* GetBackEnd() const { return m_backEnd.get(); }

    int32_t GetDeviceCaps(int32_t index) const;

    // Mapping: device = (logical - window origin) × viewport extent / window extent + viewport
    // origin, rounded. The metric and English modes fix the extents from the device's resolution
    // (y grows upwards); their extents can only be changed in MM_ISOTROPIC and MM_ANISOTROPIC.
    int32_t GetMapMode() const { return m_mapMode; }
    // The previous mode, or 0 for an unknown mode (nothing changes).
    int32_t SetMapMode(int32_t mode);
    SIZE GetWindowExt() const { return m_windowExt; }
    SIZE GetViewportExt() const { return m_viewportExt; }
    // The previous extent; {0, 0} when refused (a zero extent). Ignored in the fixed modes.
    SIZE SetWindowExt(int32_t cx, int32_t cy);
    SIZE SetWindowExt(SIZE size) { return SetWindowExt(size.cx, size.cy); }
    SIZE SetViewportExt(int32_t cx, int32_t cy);
    SIZE SetViewportExt(SIZE size) { return SetViewportExt(size.cx, size.cy); }
    POINT GetWindowOrg() const { return m_windowOrg; }
    POINT GetViewportOrg() const { return m_viewportOrg; }
    POINT SetWindowOrg(int32_t x, int32_t y);
    POINT SetViewportOrg(int32_t x, int32_t y);
    void LPtoDP(POINT* points, int32_t count = 1) const;
    void DPtoLP(POINT* points, int32_t count = 1) const;

    // Fonts. A new context has the stock SYSTEM_FONT selected. Selecting returns the previous
    // font, or null (and changes nothing) for a handle that is not a live font. The context keeps
    // what it selected: deleting the handle afterwards does not change what it measures.
    HFONT SelectFont(HFONT font);
    HFONT SelectFont(const SFontOld* font);
    // Fonts, pens, brushes and, in a memory context, bitmaps. A new context has the stock black
    // pen and white brush and no bitmap. The previous object of the kind, or null (nothing
    // changes) for a handle that is not live or a bitmap outside a memory context.
    HGDIOBJ SelectObject(HGDIOBJ object);
    HFONT GetCurrentFont() const { return m_fontHandle; }
    bool GetTextMetrics(TEXTMETRICA* metrics) const;
    // cx the width of UTF-8 text, cy tmHeight, both logical.
    bool GetTextExtentPoint32(std::string_view text, SIZE* size) const;
    SIZE GetTextExtent(std::string_view text) const;
    // The extents of the text's first 1, 2, 3 ... characters, each as GetTextExtentPoint32
    // measures that part of the text, for the characters whose extent is at most `maxExtent`
    // (logical): `fit` of them, the first that goes beyond ending the list. The text is measured
    // a few characters at a time, only as far as it fits.
    bool GetTextExtentExPoint(std::string_view text, int32_t maxExtent, int32_t* fit,
                              std::vector<int32_t>* extents) const;
    // The face the engine chose for the selected font; its length in bytes, 0 on failure.
    int32_t GetTextFace(SString* face) const;

    // Text drawing.
    COLORREF GetTextColor() const { return m_textColour; }
    COLORREF SetTextColor(COLORREF colour);
    COLORREF GetBkColor() const { return m_bkColour; }
    COLORREF SetBkColor(COLORREF colour);
    int32_t GetBkMode() const { return m_bkMode; }
    int32_t SetBkMode(int32_t mode);  // previous, 0 for an unknown mode
    uint32_t GetTextAlign() const { return m_textAlign; }
    uint32_t SetTextAlign(uint32_t align);
    // Draws UTF-8 text at a logical point placed by the text alignment; with OPAQUE the text's
    // cell is filled with the background colour first.
    bool TextOut(int32_t x, int32_t y, std::string_view text);
    // Fills a logical rectangle.
    bool FillSolidRect(const RECT& rect, COLORREF colour);
    // The colour at a logical point, CLR_INVALID when the back end keeps no pixels there.
    COLORREF GetPixel(int32_t x, int32_t y) const;
    bool FillRect(const RECT& rect, HBRUSH brush);

    // Lines and shapes with the selected pen, filled with the selected brush.
    POINT MoveTo(int32_t x, int32_t y);
    bool LineTo(int32_t x, int32_t y);
    bool Rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom);
    bool Ellipse(int32_t left, int32_t top, int32_t right, int32_t bottom);
    bool Polygon(const POINT* points, int32_t count);
    bool Polyline(const POINT* points, int32_t count);
    // Several polylines stroked as one shape: `counts` gives the points of each (at least two),
    // one after another in `points`.
    bool PolyPolyline(const POINT* points, const int32_t* counts, int32_t polylines);

    // Clipping, by rectangles only. IntersectClipRect and SelectClipRgn answer NULLREGION,
    // SIMPLEREGION or RGN_ERROR; SelectClipRgn takes only null (no clipping). GetClipBox gives
    // the logical bounds of what can be drawn on.
    int32_t IntersectClipRect(int32_t left, int32_t top, int32_t right, int32_t bottom);
    int32_t SelectClipRgn(HRGN region);
    int32_t GetClipBox(RECT* rect) const;
    const std::optional<RECT>& GetDeviceClip() const { return m_clip; }
    // A device clip rectangle narrowed by the clip already in force (none: the rectangle itself);
    // an empty result keeps its corner inside.
    static RECT IntersectClip(RECT rect, const std::optional<RECT>& clip);

    // Makes this context a memory context compatible with `reference` (null: the screen);
    // false when it has a back end already.
    bool CreateCompatibleDC(const SDC* reference);
    // Stretches a logical rectangle of a memory context's bitmap onto a logical rectangle of this
    // one; only copying (SRCCOPY) is drawn.
    bool StretchBlt(int32_t x, int32_t y, int32_t width, int32_t height, const SDC* source, int32_t sourceX,
                    int32_t sourceY, int32_t sourceWidth, int32_t sourceHeight, uint32_t rop);
    bool BitBlt(int32_t x, int32_t y, int32_t width, int32_t height, const SDC* source, int32_t sourceX, int32_t sourceY,
                uint32_t rop) {
        return StretchBlt(x, y, width, height, source, sourceX, sourceY, width, height, rop);
    }
    // Plays a metafile into a logical rectangle.
    bool PlayEnhMetaFile(const SMetaFile& metaFile, const RECT& rect);

    // Print jobs on a printer's device context (SPdfBackEnd.h): StartDoc answers the job's number,
    // the others a value above 0; SP_ERROR without a printer back end, for a null record, or
    // when the job cannot go on. The abort procedure is kept for the print loop to call between
    // pages.
    int32_t StartDoc(const DOCINFOA* info);
    int32_t StartPage();
    int32_t EndPage();
    int32_t EndDoc();
    int32_t AbortDoc();
    int32_t SetAbortProc(ABORTPROC proc);
    ABORTPROC GetAbortProc() const { return m_abortProc; }
    // Whether the context is printing (its pages go to a printer or a print preview).
    bool IsPrinting() const { return m_printing; }
    void SetPrinting(bool printing) { m_printing = printing; }

private:
    void SetFixedExtents();
    void AdjustIsotropic();
    bool IsScalable() const { return m_mapMode == MM_ISOTROPIC || m_mapMode == MM_ANISOTROPIC; }
    int32_t ToDeviceX(int32_t x) const;
    int32_t ToDeviceY(int32_t y) const;
    int32_t ToLogicalX(int32_t x) const;
    int32_t ToLogicalY(int32_t y) const;
    // Lengths (no origin, no sign) between the two spaces.
    int32_t LengthToDeviceX(int64_t length) const;
    int32_t LengthToDeviceY(int64_t length) const;
    int32_t LengthToLogicalX(int32_t length) const;
    int32_t LengthToLogicalY(int32_t length) const;
    // The selected font realised for this device and mapping; null when it cannot be.
    const SRealisedFont* Realise() const;
    bool DrawShape(int32_t kind, const POINT* points, int32_t count, std::vector<int32_t> counts = {});
    RECT ToDeviceRect(int32_t left, int32_t top, int32_t right, int32_t bottom) const;

    std::unique_ptr<SDCBackEnd> m_backEnd;
    int32_t m_mapMode = MM_TEXT;
    POINT m_windowOrg;
    POINT m_viewportOrg;
    SIZE m_windowExt{1, 1};
    SIZE m_viewportExt{1, 1};

    HFONT m_fontHandle = nullptr;
    std::shared_ptr<const SLogicalFont> m_font;
    COLORREF m_textColour = RGB(0, 0, 0);
    COLORREF m_bkColour = RGB(255, 255, 255);
    int32_t m_bkMode = OPAQUE;
    uint32_t m_textAlign = TA_LEFT | TA_TOP;

    HGDIOBJ m_penHandle = nullptr;
    LOGPEN m_pen;
    HGDIOBJ m_brushHandle = nullptr;
    LOGBRUSH m_brush;
    HGDIOBJ m_bitmapHandle = nullptr;
    POINT m_position;
    std::optional<RECT> m_clip;  // device pixels
    ABORTPROC m_abortProc = nullptr;
    bool m_printing = false;

    // The realisation of m_font, and what it was made for.
    mutable std::shared_ptr<const SRealisedFont> m_realised;
    mutable std::shared_ptr<const SLogicalFont> m_realisedFont;
    mutable std::shared_ptr<SFontEngine> m_realisedEngine;
    mutable int32_t m_realisedHeight = 0;
    mutable int32_t m_realisedPixelsX = 0;
    mutable int32_t m_realisedPixelsY = 0;
};
