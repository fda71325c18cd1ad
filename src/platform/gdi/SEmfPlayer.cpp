#include "platform/gdi/SEmfPlayer.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

#include "platform/base/SUtf8.h"
#include "platform/gdi/SBitmapSurface.h"
#include "platform/gdi/SDC.h"
#include "platform/gdi/SDibReader.h"
#include "platform/gdi/SEmfReader.h"
#include "platform/gdi/SFontEngine.h"
#include "platform/gdi/SGdiHandleTable.h"
#include "platform/gdi/SLogicalBrush.h"
#include "platform/gdi/SLogicalPen.h"

using namespace SEmfFormat;

namespace {

// Text longer than this in one record is cut.
constexpr uint32_t kMaxChars = 1u << 16;

int32_t ToInt(double value) {
    if (!(value == value)) return 0;
    return static_cast<int32_t>(std::clamp(std::llround(std::clamp(value, -2e18, 2e18)),
                                           static_cast<long long>(std::numeric_limits<int32_t>::min()),
                                           static_cast<long long>(std::numeric_limits<int32_t>::max())));
}

struct SEmfObject {
    enum Kind { None, Pen, Brush, Font } kind = None;
    LOGPEN pen;
    LOGBRUSH brush;
    LOGFONTA font;
};

class SPlayback {
public:
    SPlayback(SDC& dc, SDCBackEnd& backEnd, const SEmfHeader& header, const RECT& target)
        : m_backEnd(backEnd), m_header(header), m_objects(header.handles) {
        POINT corners[2] = {{target.left, target.top}, {target.right, target.bottom}};
        dc.LPtoDP(corners, 2);
        m_left = corners[0].x;
        m_top = corners[0].y;
        m_width = static_cast<double>(corners[1].x) - corners[0].x;
        m_height = static_cast<double>(corners[1].y) - corners[0].y;
        m_frameWidth = static_cast<double>(header.frame.right) - header.frame.left;
        m_frameHeight = static_cast<double>(header.frame.bottom) - header.frame.top;
        m_mmPerPixelX = header.device.cx > 0 ? header.millimetres.cx * 100.0 / header.device.cx : 0;
        m_mmPerPixelY = header.device.cy > 0 ? header.millimetres.cy * 100.0 / header.device.cy : 0;
        m_pen.lopnColor = 0;
        m_brush.lbColor = RGB(255, 255, 255);
        m_originalClip = dc.GetDeviceClip();
        m_clip = m_originalClip;
    }
    ~SPlayback() { m_backEnd.SetClip(m_originalClip ? &*m_originalClip : nullptr); }
    SPlayback(const SPlayback&) = delete;
    SPlayback& operator=(const SPlayback&) = delete;

    bool CanPlay() const { return m_frameWidth != 0 && m_frameHeight != 0 && m_mmPerPixelX > 0 && m_mmPerPixelY > 0; }
    void Play(const View& record);

private:
    // Logical units of the metafile to reference pixels, then to hundredths of a millimetre,
    // then into the target on the device.
    double ReferenceX(double x) const { return (x - m_windowOrg.x) * ScaleX() + m_viewportOrg.x; }
    double ReferenceY(double y) const { return (y - m_windowOrg.y) * ScaleY() + m_viewportOrg.y; }
    double ScaleX() const;
    double ScaleY() const;
    double DeviceX(double x) const {
        return m_left + (ReferenceX(x) * m_mmPerPixelX - m_header.frame.left) * m_width / m_frameWidth;
    }
    double DeviceY(double y) const {
        return m_top + (ReferenceY(y) * m_mmPerPixelY - m_header.frame.top) * m_height / m_frameHeight;
    }
    POINT Device(int32_t x, int32_t y) const { return {ToInt(DeviceX(x)), ToInt(DeviceY(y))}; }
    double LengthX(double length) const {
        return std::abs(length * ScaleX() * m_mmPerPixelX * m_width / m_frameWidth);
    }
    double LengthY(double length) const {
        return std::abs(length * ScaleY() * m_mmPerPixelY * m_height / m_frameHeight);
    }

    void SetMapMode(uint32_t mode);
    void CreateObject(const View& record);
    void SelectObject(uint32_t slot);
    void DeleteObject(uint32_t slot);
    void DrawShape(SShape::Kind kind, std::vector<POINT> points);
    void Shape(const View& record, SShape::Kind kind);
    void Poly(const View& record, SShape::Kind kind, bool small);
    void Text(const View& record);
    void IntersectClip(const View& record);
    void SelectClip(const View& record);
    void StretchDib(const View& record);

    SDCBackEnd& m_backEnd;
    SEmfHeader m_header;
    std::vector<SEmfObject> m_objects;
    double m_left = 0, m_top = 0, m_width = 0, m_height = 0;
    double m_frameWidth = 0, m_frameHeight = 0;
    double m_mmPerPixelX = 0, m_mmPerPixelY = 0;

    uint32_t m_mapMode = MM_TEXT;
    POINT m_windowOrg, m_viewportOrg;
    SIZE m_windowExt{1, 1}, m_viewportExt{1, 1};
    LOGPEN m_pen;
    LOGBRUSH m_brush;
    LOGFONTA m_font;
    COLORREF m_textColour = 0;
    uint32_t m_textAlign = 0;
    POINT m_position;
    std::optional<RECT> m_originalClip;
    std::optional<RECT> m_clip;
};

double SPlayback::ScaleX() const {
    if (m_mapMode == MM_TEXT || m_windowExt.cx == 0) return 1;
    return static_cast<double>(m_viewportExt.cx) / m_windowExt.cx;
}

double SPlayback::ScaleY() const {
    if (m_mapMode == MM_TEXT || m_windowExt.cy == 0) return 1;
    return static_cast<double>(m_viewportExt.cy) / m_windowExt.cy;
}

void SPlayback::SetMapMode(uint32_t mode) {
    if (mode < MM_TEXT || mode > MM_ANISOTROPIC) return;
    m_mapMode = mode;
    // The fixed modes take their extents from the reference device: units per millimetre.
    static constexpr double kUnitsPerMm[] = {0, 0, 10, 100, 10 / 2.54, 100 / 2.54, 1440 / 25.4};
    if (mode >= MM_LOMETRIC && mode <= MM_TWIPS) {
        m_windowExt = {ToInt(m_header.millimetres.cx * kUnitsPerMm[mode]), ToInt(m_header.millimetres.cy * kUnitsPerMm[mode])};
        m_viewportExt = {m_header.device.cx, -m_header.device.cy};
    }
}

void SPlayback::CreateObject(const View& record) {
    uint32_t slot = 0;
    if (!record.Get32(8, &slot) || slot >= m_objects.size()) return;
    SEmfObject object;
    switch (record.GetType()) {
    case EMR_CREATEPEN: {
        uint32_t colour = 0;
        if (!record.GetInt(12, &object.pen.lopnStyle) || !record.GetInt(16, &object.pen.lopnWidth.x) ||
            !record.Get32(24, &colour))
            return;
        object.pen.lopnColor = colour & 0xFFFFFF;
        object.kind = SEmfObject::Pen;
        break;
    }
    case EMR_CREATEBRUSHINDIRECT:
        if (!record.Get32(12, &object.brush.lbStyle) || !record.Get32(16, &object.brush.lbColor)) return;
        object.brush.lbColor &= 0xFFFFFF;
        object.kind = SEmfObject::Brush;
        break;
    default: {
        if (!record.Holds(12, 1, kLogFontWSize)) return;
        LOGFONTA& font = object.font;
        record.GetInt(12, &font.lfHeight);
        record.GetInt(16, &font.lfWidth);
        record.GetInt(28, &font.lfWeight);
        const uint8_t* flags = record.GetData() + 32;
        font.lfItalic = flags[0];
        font.lfUnderline = flags[1];
        font.lfStrikeOut = flags[2];
        font.lfCharSet = flags[3];
        font.lfPitchAndFamily = flags[7];
        std::u16string face;
        for (size_t i = 0; i < 32; ++i) {
            uint16_t c = 0;
            record.Get16(40 + i * 2, &c);
            if (!c) break;
            face.push_back(static_cast<char16_t>(c));
        }
        font.SetFaceName(SUtf8::FromU16(face));
        object.kind = SEmfObject::Font;
        break;
    }
    }
    m_objects[slot] = object;
}

void SPlayback::SelectObject(uint32_t slot) {
    if (slot & kStockObject) {
        std::shared_ptr<const SGdiResource> stock = SGdiHandleTable::Get().Find(::GetStockObject(static_cast<int32_t>(slot & 0xFF)));
        if (!stock) return;
        if (stock->GetObjectType() == OBJ_PEN) m_pen = static_cast<const SLogicalPen&>(*stock).GetLogPen();
        if (stock->GetObjectType() == OBJ_BRUSH) m_brush = static_cast<const SLogicalBrush&>(*stock).GetLogBrush();
        return;
    }
    if (slot >= m_objects.size()) return;
    const SEmfObject& object = m_objects[slot];
    switch (object.kind) {
    case SEmfObject::Pen: m_pen = object.pen; break;
    case SEmfObject::Brush: m_brush = object.brush; break;
    case SEmfObject::Font: m_font = object.font; break;
    default: break;
    }
}

void SPlayback::DeleteObject(uint32_t slot) {
    if (slot < m_objects.size()) m_objects[slot] = SEmfObject();
}

void SPlayback::DrawShape(SShape::Kind kind, std::vector<POINT> points) {
    SShape shape;
    shape.kind = kind;
    shape.points = std::move(points);
    shape.pen = m_pen;
    shape.pen.lopnWidth.x = ToInt(LengthX(m_pen.lopnWidth.x));
    shape.brush = m_brush;
    m_backEnd.DrawShape(shape);
}

void SPlayback::Shape(const View& record, SShape::Kind kind) {
    RECT r;
    if (!record.GetInt(8, &r.left) || !record.GetInt(12, &r.top) || !record.GetInt(16, &r.right) || !record.GetInt(20, &r.bottom))
        return;
    // Without a pen the system fills a rectangle one pixel short of its right and bottom edges.
    if (kind == SShape::Rectangle && m_pen.lopnStyle == PS_NULL) {
        r.right = ToInt(static_cast<double>(r.right) - 1);
        r.bottom = ToInt(static_cast<double>(r.bottom) - 1);
    }
    DrawShape(kind, {Device(r.left, r.top), Device(r.right, r.bottom)});
}

void SPlayback::Poly(const View& record, SShape::Kind kind, bool small) {
    uint32_t count = 0;
    const size_t itemSize = small ? 4 : 8;
    if (!record.Get32(24, &count) || count == 0 || !record.Holds(28, count, itemSize)) return;
    std::vector<POINT> points;
    points.reserve(count);
    for (uint32_t i = 0; i < count; ++i) {
        const size_t at = 28 + i * itemSize;
        int32_t x = 0, y = 0;
        if (small) {
            uint16_t sx = 0, sy = 0;
            record.Get16(at, &sx);
            record.Get16(at + 2, &sy);
            x = static_cast<int16_t>(sx);
            y = static_cast<int16_t>(sy);
        } else {
            record.GetInt(at, &x);
            record.GetInt(at + 4, &y);
        }
        points.push_back(Device(x, y));
    }
    DrawShape(kind, std::move(points));
}

void SPlayback::Text(const View& record) {
    int32_t x = 0, y = 0;
    uint32_t count = 0, textOffset = 0, dxOffset = 0;
    if (!record.GetInt(36, &x) || !record.GetInt(40, &y) || !record.Get32(44, &count) || !record.Get32(48, &textOffset) ||
        !record.Get32(72, &dxOffset))
        return;
    count = std::min(count, kMaxChars);
    if (count == 0 || !record.Holds(textOffset, count, 2)) return;
    std::u16string units(count, u'\0');
    for (uint32_t i = 0; i < count; ++i) {
        uint16_t c = 0;
        record.Get16(textOffset + i * 2, &c);
        units[i] = static_cast<char16_t>(c);
    }
    const bool hasDx = dxOffset != 0 && record.Holds(dxOffset, count, 4);

    SFontRequest request;
    request.logFont = m_font;
    const double height = LengthY(m_font.lfHeight);
    request.deviceHeight = m_font.lfHeight == 0 ? 0 : std::max(1, ToInt(height)) * (m_font.lfHeight < 0 ? -1 : 1);
    request.logFont.lfHeight = request.deviceHeight;
    request.logPixelsX = m_backEnd.GetCaps().logPixelsX;
    request.logPixelsY = m_backEnd.GetCaps().logPixelsY;
    STextRun run;
    run.font = SFontEngine::GetCurrent()->Realise(request);
    if (!run.font) return;
    run.logFont = request.logFont;
    run.colour = m_textColour;
    // One advance per character: a pair of UTF-16 units is one character.
    for (uint32_t i = 0; i < count; ++i) {
        const bool trailing = i > 0 && units[i] >= 0xDC00 && units[i] <= 0xDFFF && units[i - 1] >= 0xD800 && units[i - 1] <= 0xDBFF;
        int32_t dx = 0;
        if (hasDx) record.GetInt(dxOffset + i * 4, &dx);
        const int32_t advance = ToInt(LengthX(dx));
        if (trailing && !run.advances.empty()) run.advances.back() += advance;
        else run.advances.push_back(advance);
    }
    run.text = SUtf8::FromU16(units);
    if (!hasDx) run.advances = run.font->GetAdvances(run.text);
    // FromU16 may count an unpaired unit differently: keep one advance per character.
    run.advances.resize(SUtf8::CountChars(run.text), 0);
    const int64_t width = SRealisedFont::SumAdvances(run.advances);
    double left = DeviceX(x);
    switch (m_textAlign & TA_CENTER) {
    case TA_RIGHT: left -= static_cast<double>(width); break;
    case TA_CENTER: left -= static_cast<double>(width) / 2; break;
    default: break;
    }
    double baseline = DeviceY(y);
    switch (m_textAlign & TA_BASELINE) {
    case TA_BASELINE: break;
    case TA_BOTTOM: baseline -= run.font->GetMetrics().tmDescent; break;
    default: baseline += run.font->GetMetrics().tmAscent; break;
    }
    run.x = std::round(left);
    run.baseline = std::round(baseline);
    m_backEnd.DrawText(run);
}

void SPlayback::IntersectClip(const View& record) {
    RECT r;
    if (!record.GetInt(8, &r.left) || !record.GetInt(12, &r.top) || !record.GetInt(16, &r.right) || !record.GetInt(20, &r.bottom))
        return;
    const POINT a = Device(r.left, r.top);
    const POINT b = Device(r.right, r.bottom);
    m_clip = SDC::IntersectClip(RECT{std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)}, m_clip);
    m_backEnd.SetClip(&*m_clip);
}

void SPlayback::SelectClip(const View& record) {
    uint32_t size = 0, mode = 0;
    if (!record.Get32(8, &size) || !record.Get32(12, &mode)) return;
    // Only the removal of the clip is understood: regions are not kept.
    if (mode != RGN_COPY || size != 0) return;
    m_clip = m_originalClip;
    m_backEnd.SetClip(m_clip ? &*m_clip : nullptr);
}

void SPlayback::StretchDib(const View& record) {
    int32_t xDest = 0, yDest = 0, xSrc = 0, ySrc = 0, cxSrc = 0, cySrc = 0, cxDest = 0, cyDest = 0;
    uint32_t offInfo = 0, sizeInfo = 0, offBits = 0, sizeBits = 0;
    if (!record.GetInt(24, &xDest) || !record.GetInt(28, &yDest) || !record.GetInt(32, &xSrc) || !record.GetInt(36, &ySrc) ||
        !record.GetInt(40, &cxSrc) || !record.GetInt(44, &cySrc) || !record.Get32(48, &offInfo) ||
        !record.Get32(52, &sizeInfo) || !record.Get32(56, &offBits) || !record.Get32(60, &sizeBits) ||
        !record.GetInt(72, &cxDest) || !record.GetInt(76, &cyDest))
        return;
    if (!record.Holds(offInfo, 1, sizeInfo) || !record.Holds(offBits, 1, sizeBits) || sizeInfo == 0) return;
    SImagePixels pixels;
    if (!SDibReader::Decode(record.GetData() + offInfo, sizeInfo, record.GetData() + offBits, sizeBits, &pixels)) return;
    auto bitmap = std::make_shared<SBitmapSurface>(pixels.width, pixels.height);
    if (!bitmap->IsValid()) return;
    bitmap->SetPixels(pixels.pixels);
    SImageRun image;
    image.bitmap = bitmap;
    image.source = {xSrc, ySrc, ToInt(static_cast<double>(xSrc) + cxSrc), ToInt(static_cast<double>(ySrc) + cySrc)};
    const POINT a = Device(xDest, yDest);
    const POINT b = Device(ToInt(static_cast<double>(xDest) + cxDest), ToInt(static_cast<double>(yDest) + cyDest));
    image.dest = {a.x, a.y, b.x, b.y};
    m_backEnd.DrawImage(image);
}

void SPlayback::Play(const View& record) {
    uint32_t word = 0;
    int32_t a = 0, b = 0;
    switch (record.GetType()) {
    case EMR_SETMAPMODE:
        if (record.Get32(8, &word)) SetMapMode(word);
        break;
    case EMR_SETWINDOWEXTEX:
    case EMR_SETVIEWPORTEXTEX:
        if (!record.GetInt(8, &a) || !record.GetInt(12, &b) || a == 0 || b == 0) break;
        if (m_mapMode != MM_ISOTROPIC && m_mapMode != MM_ANISOTROPIC) break;
        (record.GetType() == EMR_SETWINDOWEXTEX ? m_windowExt : m_viewportExt) = {a, b};
        break;
    case EMR_SETWINDOWORGEX:
    case EMR_SETVIEWPORTORGEX:
        if (!record.GetInt(8, &a) || !record.GetInt(12, &b)) break;
        (record.GetType() == EMR_SETWINDOWORGEX ? m_windowOrg : m_viewportOrg) = {a, b};
        break;
    case EMR_CREATEPEN:
    case EMR_CREATEBRUSHINDIRECT:
    case EMR_EXTCREATEFONTINDIRECTW: CreateObject(record); break;
    case EMR_SELECTOBJECT:
        if (record.Get32(8, &word)) SelectObject(word);
        break;
    case EMR_DELETEOBJECT:
        if (record.Get32(8, &word)) DeleteObject(word);
        break;
    case EMR_SETTEXTCOLOR:
        if (record.Get32(8, &word)) m_textColour = word & 0xFFFFFF;
        break;
    case EMR_SETTEXTALIGN:
        if (record.Get32(8, &word)) m_textAlign = word;
        break;
    case EMR_MOVETOEX:
        if (record.GetInt(8, &a) && record.GetInt(12, &b)) m_position = {a, b};
        break;
    case EMR_LINETO:
        if (!record.GetInt(8, &a) || !record.GetInt(12, &b)) break;
        DrawShape(SShape::Polyline, {Device(m_position.x, m_position.y), Device(a, b)});
        m_position = {a, b};
        break;
    case EMR_RECTANGLE: Shape(record, SShape::Rectangle); break;
    case EMR_ELLIPSE: Shape(record, SShape::Ellipse); break;
    case EMR_POLYGON: Poly(record, SShape::Polygon, false); break;
    case EMR_POLYLINE: Poly(record, SShape::Polyline, false); break;
    case EMR_POLYGON16: Poly(record, SShape::Polygon, true); break;
    case EMR_POLYLINE16: Poly(record, SShape::Polyline, true); break;
    case EMR_EXTTEXTOUTW: Text(record); break;
    case EMR_INTERSECTCLIPRECT: IntersectClip(record); break;
    case EMR_EXTSELECTCLIPRGN: SelectClip(record); break;
    case EMR_STRETCHDIBITS: StretchDib(record); break;
    default: break;
    }
}

}  // namespace

bool SEmfPlayer::Play(SDC& dc, const std::vector<uint8_t>& bits, const RECT& target) {
    SEmfHeader header;
    std::vector<View> records;
    if (!dc.GetBackEnd() || !SEmfReader::Parse(bits, &header, &records)) return false;
    SPlayback playback(dc, *dc.GetBackEnd(), header, target);
    if (!playback.CanPlay()) return false;
    for (const View& record : records) playback.Play(record);
    return true;
}
