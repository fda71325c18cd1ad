#include "platform/gdi/SDC.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <limits>

#include "platform/base/SUtf8.h"
#include "platform/gdi/SBitmapSurface.h"
#include "platform/gdi/SEmfPlayer.h"
#include "platform/gdi/SFontEngine.h"
#include "platform/gdi/SFontOld.h"
#include "platform/gdi/SGdiHandleTable.h"
#include "platform/gdi/SImageBackEnd.h"
#include "platform/gdi/SLogicalBrush.h"
#include "platform/gdi/SLogicalFont.h"
#include "platform/gdi/SLogicalPen.h"
#include "platform/gdi/SMetaFile.h"
#include "platform/gdi/SRealisedFont.h"
#include "platform/gdi/SWindowDC.h"

namespace {

int32_t Clamp32(int64_t value) {
    return static_cast<int32_t>(
        std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

// value × numerator / denominator rounded, halves away from zero; 0 for a zero denominator. A
// coordinate less an origin needs 33 bits and an extent 32, so the product is taken in 128.
int32_t Scale(int64_t value, int64_t numerator, int64_t denominator) {
    if (denominator == 0) return 0;
    const __int128 product = static_cast<__int128>(value) * numerator;
    const __int128 magnitude = product < 0 ? -product : product;
    const __int128 divisor = denominator < 0 ? -static_cast<__int128>(denominator) : denominator;
    const __int128 quotient = (magnitude + divisor / 2) / divisor;
    const __int128 result = (product < 0) != (denominator < 0) ? -quotient : quotient;
    if (result > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    if (result < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(result);
}

int64_t Abs(int32_t value) {
    return value < 0 ? -static_cast<int64_t>(value) : value;
}

// Logical units per inch of the metric and English modes.
int32_t UnitsPerInch(int32_t mode) {
    switch (mode) {
    case MM_LOMETRIC: return 254;
    case MM_HIMETRIC: return 2540;
    case MM_LOENGLISH: return 100;
    case MM_HIENGLISH: return 1000;
    case MM_TWIPS: return 1440;
    default: return 0;
    }
}

}  // namespace

SDC::SDC() : SDC(nullptr) {}

SDC::SDC(std::unique_ptr<SDCBackEnd> backEnd) : m_backEnd(std::move(backEnd)) {
    SelectFont(static_cast<HFONT>(::GetStockObject(SYSTEM_FONT)));
    SelectObject(::GetStockObject(BLACK_PEN));
    SelectObject(::GetStockObject(WHITE_BRUSH));
}

SDC::~SDC() = default;

bool SDC::Attach(std::unique_ptr<SDCBackEnd> backEnd) {
    if (m_backEnd || !backEnd) return false;
    m_backEnd = std::move(backEnd);
    SetFixedExtents();
    return true;
}

std::unique_ptr<SDCBackEnd> SDC::Detach() {
    m_realised.reset();
    m_bitmapHandle = nullptr;
    m_clip.reset();
    return std::move(m_backEnd);
}

int32_t SDC::GetDeviceCaps(int32_t index) const {
    return m_backEnd ? m_backEnd->GetCaps().Get(index) : 0;
}

// Mapping.

int32_t SDC::SetMapMode(int32_t mode) {
    if (mode < MM_TEXT || mode > MM_ANISOTROPIC) return 0;
    const int32_t previous = m_mapMode;
    m_mapMode = mode;
    // The scalable modes start from the extents in force, as the system does.
    if (!IsScalable()) SetFixedExtents();
    if (mode == MM_ISOTROPIC) AdjustIsotropic();
    return previous;
}

void SDC::SetFixedExtents() {
    if (m_mapMode == MM_TEXT) {
        m_windowExt = {1, 1};
        m_viewportExt = {1, 1};
        return;
    }
    const int32_t perInch = UnitsPerInch(m_mapMode);
    if (!perInch) return;
    // From the resolution rather than the size in whole millimetres, so that a printer's page is
    // exact; on the screen both give the same numbers.
    const int32_t width = GetDeviceCaps(HORZRES);
    const int32_t height = GetDeviceCaps(VERTRES);
    m_windowExt = {Scale(width, perInch, GetDeviceCaps(LOGPIXELSX)), Scale(height, perInch, GetDeviceCaps(LOGPIXELSY))};
    m_viewportExt = {width, -height};
}

void SDC::AdjustIsotropic() {
    // One logical unit must cover the same physical length both ways: the axis with the larger
    // unit shrinks its viewport extent. The ratios go beyond 64 bits, hence floating point.
    const double pixelsX = std::max(1, GetDeviceCaps(LOGPIXELSX));
    const double pixelsY = std::max(1, GetDeviceCaps(LOGPIXELSY));
    const double wx = static_cast<double>(Abs(m_windowExt.cx)), wy = static_cast<double>(Abs(m_windowExt.cy));
    const double vx = static_cast<double>(Abs(m_viewportExt.cx)), vy = static_cast<double>(Abs(m_viewportExt.cy));
    if (wx == 0 || wy == 0 || vx == 0 || vy == 0) return;
    const double unitX = vx / (wx * pixelsX);  // inches per logical unit, each way
    const double unitY = vy / (wy * pixelsY);
    if (unitX > unitY) {
        const int32_t cx = Clamp32(std::llround(unitY * wx * pixelsX));
        m_viewportExt.cx = m_viewportExt.cx < 0 ? -cx : cx;
    } else if (unitY > unitX) {
        const int32_t cy = Clamp32(std::llround(unitX * wy * pixelsY));
        m_viewportExt.cy = m_viewportExt.cy < 0 ? -cy : cy;
    }
}

SIZE SDC::SetWindowExt(int32_t cx, int32_t cy) {
    const SIZE previous = m_windowExt;
    if (!IsScalable()) return previous;
    if (cx == 0 || cy == 0) return SIZE{};
    m_windowExt = {cx, cy};
    if (m_mapMode == MM_ISOTROPIC) AdjustIsotropic();
    return previous;
}

SIZE SDC::SetViewportExt(int32_t cx, int32_t cy) {
    const SIZE previous = m_viewportExt;
    if (!IsScalable()) return previous;
    if (cx == 0 || cy == 0) return SIZE{};
    m_viewportExt = {cx, cy};
    if (m_mapMode == MM_ISOTROPIC) AdjustIsotropic();
    return previous;
}

POINT SDC::SetWindowOrg(int32_t x, int32_t y) {
    const POINT previous = m_windowOrg;
    m_windowOrg = {x, y};
    return previous;
}

POINT SDC::SetViewportOrg(int32_t x, int32_t y) {
    const POINT previous = m_viewportOrg;
    m_viewportOrg = {x, y};
    return previous;
}

int32_t SDC::ToDeviceX(int32_t x) const {
    return Clamp32(static_cast<int64_t>(Scale(static_cast<int64_t>(x) - m_windowOrg.x, m_viewportExt.cx, m_windowExt.cx)) +
                   m_viewportOrg.x);
}

int32_t SDC::ToDeviceY(int32_t y) const {
    return Clamp32(static_cast<int64_t>(Scale(static_cast<int64_t>(y) - m_windowOrg.y, m_viewportExt.cy, m_windowExt.cy)) +
                   m_viewportOrg.y);
}

int32_t SDC::ToLogicalX(int32_t x) const {
    return Clamp32(static_cast<int64_t>(Scale(static_cast<int64_t>(x) - m_viewportOrg.x, m_windowExt.cx, m_viewportExt.cx)) +
                   m_windowOrg.x);
}

int32_t SDC::ToLogicalY(int32_t y) const {
    return Clamp32(static_cast<int64_t>(Scale(static_cast<int64_t>(y) - m_viewportOrg.y, m_windowExt.cy, m_viewportExt.cy)) +
                   m_windowOrg.y);
}

int32_t SDC::LengthToDeviceX(int64_t length) const {
    return Scale(length, Abs(m_viewportExt.cx), Abs(m_windowExt.cx));
}

int32_t SDC::LengthToDeviceY(int64_t length) const {
    return Scale(length, Abs(m_viewportExt.cy), Abs(m_windowExt.cy));
}

int32_t SDC::LengthToLogicalX(int32_t length) const {
    return Scale(length, Abs(m_windowExt.cx), Abs(m_viewportExt.cx));
}

int32_t SDC::LengthToLogicalY(int32_t length) const {
    return Scale(length, Abs(m_windowExt.cy), Abs(m_viewportExt.cy));
}

void SDC::LPtoDP(POINT* points, int32_t count) const {
    for (int32_t i = 0; points && i < count; ++i) points[i] = {ToDeviceX(points[i].x), ToDeviceY(points[i].y)};
}

void SDC::DPtoLP(POINT* points, int32_t count) const {
    for (int32_t i = 0; points && i < count; ++i) points[i] = {ToLogicalX(points[i].x), ToLogicalY(points[i].y)};
}

// Fonts.

HFONT SDC::SelectFont(HFONT font) {
    std::shared_ptr<const SGdiResource> object = SGdiHandleTable::Get().Find(font);
    if (!object || object->GetObjectType() != OBJ_FONT) return nullptr;
    HFONT previous = m_fontHandle;
    m_fontHandle = font;
    m_font = std::static_pointer_cast<const SLogicalFont>(object);
    return previous;
}

HFONT SDC::SelectFont(const SFontOld* font) {
    return font ? SelectFont(font->GetSafeHandle()) : nullptr;
}

HGDIOBJ SDC::SelectObject(HGDIOBJ object) {
    std::shared_ptr<const SGdiResource> resource = SGdiHandleTable::Get().Find(object);
    if (!resource) return nullptr;
    HGDIOBJ previous = nullptr;
    switch (resource->GetObjectType()) {
    case OBJ_FONT: return SelectFont(static_cast<HFONT>(object));
    case OBJ_PEN:
        previous = m_penHandle;
        m_penHandle = object;
        m_pen = static_cast<const SLogicalPen&>(*resource).GetLogPen();
        return previous;
    case OBJ_BRUSH:
        previous = m_brushHandle;
        m_brushHandle = object;
        m_brush = static_cast<const SLogicalBrush&>(*resource).GetLogBrush();
        return previous;
    case OBJ_BITMAP: {
        auto* memory = dynamic_cast<SImageBackEnd*>(m_backEnd.get());
        if (!memory || !memory->IsMemory()) return nullptr;
        memory->SelectBitmap(std::static_pointer_cast<const SBitmapSurface>(resource));
        previous = m_bitmapHandle;
        m_bitmapHandle = object;
        return previous;
    }
    default: return nullptr;
    }
}

const SRealisedFont* SDC::Realise() const {
    if (!m_backEnd || !m_font) return nullptr;
    const SDeviceCaps& caps = m_backEnd->GetCaps();
    // The height in whole device pixels, the sign kept: a character or a cell height.
    const int32_t logicalHeight = m_font->GetLogFont().lfHeight;
    int32_t height = LengthToDeviceY(Abs(logicalHeight));
    if (logicalHeight != 0) height = std::max(height, 1);
    if (logicalHeight < 0) height = -height;
    std::shared_ptr<SFontEngine> engine = SFontEngine::GetCurrent();
    if (m_realised && m_realisedFont == m_font && m_realisedEngine == engine && m_realisedHeight == height &&
        m_realisedPixelsX == caps.logPixelsX && m_realisedPixelsY == caps.logPixelsY)
        return m_realised.get();
    SFontRequest request;
    request.logFont = m_font->GetLogFont();
    request.deviceHeight = height;
    request.logPixelsX = caps.logPixelsX;
    request.logPixelsY = caps.logPixelsY;
    m_realised = engine->Realise(request);
    m_realisedFont = m_font;
    m_realisedEngine = std::move(engine);
    m_realisedHeight = height;
    m_realisedPixelsX = caps.logPixelsX;
    m_realisedPixelsY = caps.logPixelsY;
    return m_realised.get();
}

bool SDC::GetTextMetrics(TEXTMETRICA* metrics) const {
    const SRealisedFont* font = metrics ? Realise() : nullptr;
    if (!font) return false;
    const TEXTMETRICA& device = font->GetMetrics();
    *metrics = device;
    metrics->tmAscent = LengthToLogicalY(device.tmAscent);
    metrics->tmDescent = LengthToLogicalY(device.tmDescent);
    // Kept as the sum, so that ascent + descent = height holds in every mapping.
    metrics->tmHeight = metrics->tmAscent + metrics->tmDescent;
    metrics->tmInternalLeading = LengthToLogicalY(device.tmInternalLeading);
    metrics->tmExternalLeading = LengthToLogicalY(device.tmExternalLeading);
    metrics->tmAveCharWidth = LengthToLogicalX(device.tmAveCharWidth);
    metrics->tmMaxCharWidth = LengthToLogicalX(device.tmMaxCharWidth);
    metrics->tmOverhang = LengthToLogicalX(device.tmOverhang);
    return true;
}

bool SDC::GetTextExtentPoint32(std::string_view text, SIZE* size) const {
    const SRealisedFont* font = size ? Realise() : nullptr;
    if (!font) return false;
    const TEXTMETRICA& device = font->GetMetrics();
    size->cx = LengthToLogicalX(font->GetTextWidth(text));
    size->cy = LengthToLogicalY(device.tmAscent) + LengthToLogicalY(device.tmDescent);
    return true;
}

bool SDC::GetTextExtentExPoint(std::string_view text, int32_t maxExtent, int32_t* fit,
                               std::vector<int32_t>* extents) const {
    const SRealisedFont* font = fit && extents ? Realise() : nullptr;
    if (!font) return false;
    *fit = 0;
    extents->clear();
    // A line holds a few dozen characters: a run as long measures no more than the line needs.
    constexpr size_t kRunChars = 64;
    int64_t width = 0;
    for (size_t pos = 0; pos < text.size();) {
        size_t end = pos;
        for (size_t chars = 0; chars < kRunChars && end < text.size(); ++chars) end += SUtf8::CharLength(text, end);
        for (const int32_t advance : font->GetAdvances(text.substr(pos, end - pos))) {
            // As GetTextWidth sums the advances of that much of the text.
            width += advance;
            const int32_t extent = LengthToLogicalX(SRealisedFont::ClampWidth(width));
            if (extent > maxExtent) return true;
            extents->push_back(extent);
            ++*fit;
        }
        pos = end;
    }
    return true;
}

SIZE SDC::GetTextExtent(std::string_view text) const {
    SIZE size;
    if (!GetTextExtentPoint32(text, &size)) return SIZE{};
    return size;
}

int32_t SDC::GetTextFace(SString* face) const {
    const SRealisedFont* font = face ? Realise() : nullptr;
    if (!font) return 0;
    *face = font->GetFaceName();
    return face->GetLength();
}

// Text drawing.

COLORREF SDC::SetTextColor(COLORREF colour) {
    const COLORREF previous = m_textColour;
    m_textColour = colour;
    return previous;
}

COLORREF SDC::SetBkColor(COLORREF colour) {
    const COLORREF previous = m_bkColour;
    m_bkColour = colour;
    return previous;
}

int32_t SDC::SetBkMode(int32_t mode) {
    if (mode != TRANSPARENT && mode != OPAQUE) return 0;
    const int32_t previous = m_bkMode;
    m_bkMode = mode;
    return previous;
}

uint32_t SDC::SetTextAlign(uint32_t align) {
    const uint32_t previous = m_textAlign;
    m_textAlign = align;
    return previous;
}

bool SDC::TextOut(int32_t x, int32_t y, std::string_view text) {
    const SRealisedFont* font = Realise();
    if (!font) return false;
    STextRun run;
    run.font = m_realised;
    run.text = std::string(text);
    run.advances = font->GetAdvances(text);
    run.colour = m_textColour;
    run.logFont = m_font->GetLogFont();
    run.logFont.lfHeight = m_realisedHeight;
    const int64_t width = SRealisedFont::SumAdvances(run.advances);
    const TEXTMETRICA& metrics = font->GetMetrics();

    int64_t left = ToDeviceX(x);
    switch (m_textAlign & TA_CENTER) {
    case TA_RIGHT: left -= width; break;
    case TA_CENTER: left -= width / 2; break;
    default: break;
    }
    int64_t baseline = ToDeviceY(y);
    switch (m_textAlign & TA_BASELINE) {
    case TA_BASELINE: break;
    case TA_BOTTOM: baseline -= metrics.tmDescent; break;
    default: baseline += metrics.tmAscent; break;
    }
    run.x = static_cast<double>(left);
    run.baseline = static_cast<double>(baseline);
    if (text.empty()) return true;
    if (m_bkMode == OPAQUE) {
        const RECT cell{Clamp32(left), Clamp32(baseline - metrics.tmAscent), Clamp32(left + width),
                        Clamp32(baseline + metrics.tmDescent)};
        if (!m_backEnd->FillRect(cell, m_bkColour)) return false;
    }
    return m_backEnd->DrawText(run);
}

bool SDC::FillSolidRect(const RECT& rect, COLORREF colour) {
    if (!m_backEnd) return false;
    POINT corners[2] = {{rect.left, rect.top}, {rect.right, rect.bottom}};
    LPtoDP(corners, 2);
    const RECT device{std::min(corners[0].x, corners[1].x), std::min(corners[0].y, corners[1].y),
                      std::max(corners[0].x, corners[1].x), std::max(corners[0].y, corners[1].y)};
    return m_backEnd->FillRect(device, colour);
}

COLORREF SDC::GetPixel(int32_t x, int32_t y) const {
    if (!m_backEnd) return CLR_INVALID;
    return m_backEnd->GetPixel(ToDeviceX(x), ToDeviceY(y));
}

bool SDC::FillRect(const RECT& rect, HBRUSH brush) {
    std::shared_ptr<const SGdiResource> resource = SGdiHandleTable::Get().Find(brush);
    if (!resource || resource->GetObjectType() != OBJ_BRUSH) return false;
    const LOGBRUSH& logBrush = static_cast<const SLogicalBrush&>(*resource).GetLogBrush();
    if (logBrush.lbStyle == BS_NULL) return true;
    return FillSolidRect(rect, logBrush.lbColor);
}

// Lines and shapes.

RECT SDC::ToDeviceRect(int32_t left, int32_t top, int32_t right, int32_t bottom) const {
    POINT corners[2] = {{left, top}, {right, bottom}};
    LPtoDP(corners, 2);
    return {std::min(corners[0].x, corners[1].x), std::min(corners[0].y, corners[1].y),
            std::max(corners[0].x, corners[1].x), std::max(corners[0].y, corners[1].y)};
}

bool SDC::DrawShape(int32_t kind, const POINT* points, int32_t count, std::vector<int32_t> counts) {
    if (!m_backEnd || !points || count <= 0) return false;
    SShape shape;
    shape.kind = static_cast<SShape::Kind>(kind);
    shape.points.assign(points, points + count);
    shape.counts = std::move(counts);
    LPtoDP(shape.points.data(), count);
    shape.pen = m_pen;
    // A pen's width is logical; 0 is one pixel whatever the mapping.
    shape.pen.lopnWidth.x = m_pen.lopnWidth.x > 0 ? std::max(1, LengthToDeviceX(m_pen.lopnWidth.x)) : 1;
    shape.brush = m_brush;
    return m_backEnd->DrawShape(shape);
}

POINT SDC::MoveTo(int32_t x, int32_t y) {
    const POINT previous = m_position;
    m_position = {x, y};
    return previous;
}

bool SDC::LineTo(int32_t x, int32_t y) {
    const POINT line[2] = {m_position, {x, y}};
    m_position = {x, y};
    return DrawShape(SShape::Polyline, line, 2);
}

bool SDC::Rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom) {
    const POINT corners[2] = {{left, top}, {right, bottom}};
    return DrawShape(SShape::Rectangle, corners, 2);
}

bool SDC::Ellipse(int32_t left, int32_t top, int32_t right, int32_t bottom) {
    const POINT corners[2] = {{left, top}, {right, bottom}};
    return DrawShape(SShape::Ellipse, corners, 2);
}

bool SDC::Polygon(const POINT* points, int32_t count) {
    return DrawShape(SShape::Polygon, points, count);
}

bool SDC::Polyline(const POINT* points, int32_t count) {
    return DrawShape(SShape::Polyline, points, count);
}

bool SDC::PolyPolyline(const POINT* points, const int32_t* counts, int32_t polylines) {
    if (!counts || polylines <= 0) return false;
    int64_t total = 0;
    for (int32_t i = 0; i < polylines; ++i) {
        if (counts[i] < 2) return false;
        total += counts[i];
    }
    if (total > INT32_MAX) return false;
    return DrawShape(SShape::Polyline, points, static_cast<int32_t>(total),
                     std::vector<int32_t>(counts, counts + polylines));
}

// Clipping.

int32_t SDC::IntersectClipRect(int32_t left, int32_t top, int32_t right, int32_t bottom) {
    if (!m_backEnd) return RGN_ERROR;
    const RECT clip = IntersectClip(ToDeviceRect(left, top, right, bottom), m_clip);
    m_clip = clip;
    m_backEnd->SetClip(&clip);
    return clip.left < clip.right && clip.top < clip.bottom ? SIMPLEREGION : NULLREGION;
}

RECT SDC::IntersectClip(RECT rect, const std::optional<RECT>& clip) {
    if (!clip) return rect;
    rect.left = std::max(rect.left, clip->left);
    rect.top = std::max(rect.top, clip->top);
    rect.right = std::max(rect.left, std::min(rect.right, clip->right));
    rect.bottom = std::max(rect.top, std::min(rect.bottom, clip->bottom));
    return rect;
}

int32_t SDC::SelectClipRgn(HRGN region) {
    if (!m_backEnd || region) return RGN_ERROR;
    m_clip.reset();
    m_backEnd->SetClip(nullptr);
    return SIMPLEREGION;
}

int32_t SDC::GetClipBox(RECT* rect) const {
    if (!rect || !m_backEnd) return RGN_ERROR;
    const RECT device = m_clip ? *m_clip : RECT{0, 0, GetDeviceCaps(HORZRES), GetDeviceCaps(VERTRES)};
    POINT corners[2] = {{device.left, device.top}, {device.right, device.bottom}};
    DPtoLP(corners, 2);
    *rect = {std::min(corners[0].x, corners[1].x), std::min(corners[0].y, corners[1].y),
             std::max(corners[0].x, corners[1].x), std::max(corners[0].y, corners[1].y)};
    return device.left < device.right && device.top < device.bottom ? SIMPLEREGION : NULLREGION;
}

// Memory contexts and bitmaps.

bool SDC::CreateCompatibleDC(const SDC* reference) {
    if (m_backEnd) return false;
    SDeviceCaps caps;
    if (reference && reference->GetBackEnd()) {
        caps = reference->GetBackEnd()->GetCaps();
    } else {
        SWindowDC screen;
        caps = screen.GetBackEnd()->GetCaps();
    }
    return Attach(std::make_unique<SImageBackEnd>(caps));
}

bool SDC::StretchBlt(int32_t x, int32_t y, int32_t width, int32_t height, const SDC* source, int32_t sourceX,
                     int32_t sourceY, int32_t sourceWidth, int32_t sourceHeight, uint32_t rop) {
    if (!m_backEnd || !source || rop != SRCCOPY) return false;
    auto* memory = dynamic_cast<const SImageBackEnd*>(source->GetBackEnd());
    if (!memory || !memory->GetBitmap()) return false;
    SImageRun image;
    image.bitmap = memory->GetBitmap();
    POINT sourceCorners[2] = {{sourceX, sourceY},
                              {Clamp32(static_cast<int64_t>(sourceX) + sourceWidth), Clamp32(static_cast<int64_t>(sourceY) + sourceHeight)}};
    source->LPtoDP(sourceCorners, 2);
    image.source = {sourceCorners[0].x, sourceCorners[0].y, sourceCorners[1].x, sourceCorners[1].y};
    POINT corners[2] = {{x, y}, {Clamp32(static_cast<int64_t>(x) + width), Clamp32(static_cast<int64_t>(y) + height)}};
    LPtoDP(corners, 2);
    image.dest = {corners[0].x, corners[0].y, corners[1].x, corners[1].y};
    return m_backEnd->DrawImage(image);
}

bool SDC::PlayEnhMetaFile(const SMetaFile& metaFile, const RECT& rect) {
    return SEmfPlayer::Play(*this, metaFile.GetBits(), rect);
}

int32_t SDC::StartDoc(const DOCINFOA* info) {
    return m_backEnd && info ? m_backEnd->StartDoc(*info) : SP_ERROR;
}

int32_t SDC::StartPage() {
    return m_backEnd ? m_backEnd->StartPage() : SP_ERROR;
}

int32_t SDC::EndPage() {
    return m_backEnd ? m_backEnd->EndPage() : SP_ERROR;
}

int32_t SDC::EndDoc() {
    return m_backEnd ? m_backEnd->EndDoc() : SP_ERROR;
}

int32_t SDC::AbortDoc() {
    return m_backEnd ? m_backEnd->AbortDoc() : SP_ERROR;
}

int32_t SDC::SetAbortProc(ABORTPROC proc) {
    if (!m_backEnd) return SP_ERROR;
    m_abortProc = proc;
    return 1;
}
