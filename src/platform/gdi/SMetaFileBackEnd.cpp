#include "platform/gdi/SMetaFileBackEnd.h"

#include <algorithm>
#include <limits>

#include "platform/base/SUtf8.h"
#include "platform/gdi/SBitmapSurface.h"
#include "platform/gdi/SEmfFormat.h"

using namespace SEmfFormat;

namespace {

void PutRect(Builder& record, const RECT& rect) {
    record.PutInt(rect.left);
    record.PutInt(rect.top);
    record.PutInt(rect.right);
    record.PutInt(rect.bottom);
}

RECT BoundsOf(const std::vector<POINT>& points) {
    RECT bounds{std::numeric_limits<int32_t>::max(), std::numeric_limits<int32_t>::max(),
                std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::min()};
    for (const POINT& p : points) {
        bounds.left = std::min(bounds.left, p.x);
        bounds.top = std::min(bounds.top, p.y);
        bounds.right = std::max(bounds.right, p.x);
        bounds.bottom = std::max(bounds.bottom, p.y);
    }
    return bounds;
}

}  // namespace

SMetaFileBackEnd::SMetaFileBackEnd(const SDeviceCaps& reference, const RECT* frame) : m_caps(reference) {
    if (frame) m_frame = *frame;
    // Text is placed by its baseline and never fills its background: the device context has
    // done that already when it was asked to.
    AddWord(EMR_SETBKMODE, kTransparent);
    AddWord(EMR_SETTEXTALIGN, kBaseline);
}

void SMetaFileBackEnd::Add(std::vector<uint8_t> record) {
    if (m_closed) return;
    m_body.insert(m_body.end(), record.begin(), record.end());
    ++m_records;
}

void SMetaFileBackEnd::AddWord(uint32_t type, uint32_t value) {
    Builder record(type);
    record.Put32(value);
    Add(record.Finish());
}

void SMetaFileBackEnd::Include(int32_t x, int32_t y) {
    if (!m_bounds) {
        m_bounds = RECT{x, y, x, y};
        return;
    }
    m_bounds->left = std::min(m_bounds->left, x);
    m_bounds->top = std::min(m_bounds->top, y);
    m_bounds->right = std::max(m_bounds->right, x);
    m_bounds->bottom = std::max(m_bounds->bottom, y);
}

void SMetaFileBackEnd::UsePen(const LOGPEN& pen) {
    if (m_pen && *m_pen == pen) return;
    // A slot is emptied before it takes a new object: select the stock pen, delete the old one.
    if (m_pen) {
        AddWord(EMR_SELECTOBJECT, kStockObject | BLACK_PEN);
        AddWord(EMR_DELETEOBJECT, kPenSlot);
    }
    Builder create(EMR_CREATEPEN);
    create.Put32(kPenSlot);
    create.PutInt(pen.lopnStyle);
    create.PutInt(pen.lopnWidth.x);
    create.PutInt(0);
    create.Put32(pen.lopnColor);
    Add(create.Finish());
    AddWord(EMR_SELECTOBJECT, kPenSlot);
    m_pen = pen;
}

void SMetaFileBackEnd::UseBrush(const LOGBRUSH& brush) {
    if (m_brush && *m_brush == brush) return;
    if (m_brush) {
        AddWord(EMR_SELECTOBJECT, kStockObject | WHITE_BRUSH);
        AddWord(EMR_DELETEOBJECT, kBrushSlot);
    }
    Builder create(EMR_CREATEBRUSHINDIRECT);
    create.Put32(kBrushSlot);
    create.Put32(brush.lbStyle);
    create.Put32(brush.lbColor);
    create.Put32(brush.lbHatch);
    Add(create.Finish());
    AddWord(EMR_SELECTOBJECT, kBrushSlot);
    m_brush = brush;
}

void SMetaFileBackEnd::UseFont(const LOGFONTA& font) {
    if (m_font && *m_font == font) return;
    if (m_font) {
        AddWord(EMR_SELECTOBJECT, kStockObject | SYSTEM_FONT);
        AddWord(EMR_DELETEOBJECT, kFontSlot);
    }
    Builder create(EMR_EXTCREATEFONTINDIRECTW);
    create.Put32(kFontSlot);
    create.PutInt(font.lfHeight);
    create.PutInt(font.lfWidth);
    create.PutInt(font.lfEscapement);
    create.PutInt(font.lfOrientation);
    create.PutInt(font.lfWeight);
    const uint8_t flags[8] = {font.lfItalic,      font.lfUnderline,     font.lfStrikeOut, font.lfCharSet,
                              font.lfOutPrecision, font.lfClipPrecision, font.lfQuality,   font.lfPitchAndFamily};
    create.PutBytes(flags, sizeof flags);
    std::u16string face = SUtf8::ToU16(font.GetFaceName().view());
    face.resize(32, u'\0');
    face[31] = u'\0';
    for (char16_t c : face) create.Put16(static_cast<uint16_t>(c));
    Add(create.Finish());
    AddWord(EMR_SELECTOBJECT, kFontSlot);
    m_font = font;
}

void SMetaFileBackEnd::UseTextColour(COLORREF colour) {
    if (m_textColour && *m_textColour == colour) return;
    AddWord(EMR_SETTEXTCOLOR, colour);
    m_textColour = colour;
}

bool SMetaFileBackEnd::DrawText(const STextRun& run) {
    if (m_closed) return false;
    UseFont(run.logFont);
    UseTextColour(run.colour);
    const std::u16string text = SUtf8::ToU16(run.text);
    // One advance per UTF-16 unit: the second unit of a pair advances nothing.
    std::vector<int32_t> dx;
    size_t character = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const bool trailing = text[i] >= 0xDC00 && text[i] <= 0xDFFF && i > 0;
        dx.push_back(trailing || character >= run.advances.size() ? 0 : run.advances[character]);
        if (!trailing) ++character;
    }
    const auto x = static_cast<int32_t>(run.x);
    const auto y = static_cast<int32_t>(run.baseline);
    int64_t width = 0;
    for (int32_t advance : run.advances) width += advance;
    const RECT bounds{x, y - run.logFont.lfHeight, static_cast<int32_t>(std::min<int64_t>(x + width, INT32_MAX)), y};
    Builder record(EMR_EXTTEXTOUTW);
    PutRect(record, bounds);
    record.Put32(1);  // GM_COMPATIBLE
    record.Put32(0);  // scales, unused in that mode
    record.Put32(0);
    const uint32_t textOffset = 76;
    const auto count = static_cast<uint32_t>(text.size());
    const uint32_t dxOffset = textOffset + ((count * 2 + 3) & ~3u);
    record.PutInt(x);
    record.PutInt(y);
    record.Put32(count);
    record.Put32(textOffset);
    record.Put32(0);  // options
    PutRect(record, RECT{});
    record.Put32(dxOffset);
    for (char16_t c : text) record.Put16(static_cast<uint16_t>(c));
    record.Align();
    for (int32_t advance : dx) record.PutInt(advance);
    Add(record.Finish());
    Include(bounds.left, bounds.top);
    Include(bounds.right, bounds.bottom);
    return true;
}

bool SMetaFileBackEnd::FillRect(const RECT& rect, COLORREF colour) {
    SShape shape;
    shape.kind = SShape::Rectangle;
    // Without a pen a rectangle fills up to one pixel short of its right and bottom edges.
    shape.points = {{rect.left, rect.top}, {rect.right + 1, rect.bottom + 1}};
    shape.pen = LOGPEN{PS_NULL, POINT{}, 0};
    shape.brush = LOGBRUSH{BS_SOLID, colour, 0};
    return DrawShape(shape);
}

bool SMetaFileBackEnd::DrawShape(const SShape& shape) {
    if (m_closed || shape.points.empty()) return false;
    UsePen(shape.pen);
    if (shape.kind != SShape::Polyline) UseBrush(shape.brush);
    const RECT bounds = BoundsOf(shape.points);
    switch (shape.kind) {
    case SShape::Rectangle:
    case SShape::Ellipse: {
        if (shape.points.size() < 2) return false;
        Builder record(shape.kind == SShape::Rectangle ? EMR_RECTANGLE : EMR_ELLIPSE);
        PutRect(record, RECT{shape.points[0].x, shape.points[0].y, shape.points[1].x, shape.points[1].y});
        Add(record.Finish());
        break;
    }
    case SShape::Polyline:
    case SShape::Polygon: {
        // A line of several parts is recorded part by part, as the same lines drawn one by one.
        for (const auto& [first, end] : shape.Parts()) {
            const std::vector<POINT> points(shape.points.begin() + static_cast<std::ptrdiff_t>(first),
                                            shape.points.begin() + static_cast<std::ptrdiff_t>(end));
            Builder record(shape.kind == SShape::Polygon ? EMR_POLYGON : EMR_POLYLINE);
            PutRect(record, BoundsOf(points));
            record.Put32(static_cast<uint32_t>(points.size()));
            for (const POINT& p : points) {
                record.PutInt(p.x);
                record.PutInt(p.y);
            }
            Add(record.Finish());
        }
        break;
    }
    }
    Include(bounds.left, bounds.top);
    Include(bounds.right, bounds.bottom);
    return true;
}

bool SMetaFileBackEnd::DrawImage(const SImageRun& image) {
    if (m_closed || !image.bitmap || !image.bitmap->IsValid()) return false;
    const int32_t width = image.bitmap->GetWidth();
    const int32_t height = image.bitmap->GetHeight();
    // A device-independent bitmap of 24 bits, rows bottom up, each padded to 4 bytes: at most
    // kMaxDibBytesPerPixel, so that a bitmap within the picture limit fits a metafile's bound.
    const int64_t rowBytes = (static_cast<int64_t>(width) * 3 + 3) & ~int64_t(3);
    const int64_t bitsSize = rowBytes * height;
    // The bits follow the fixed fields (80 bytes) and the bitmap header (40).
    constexpr uint32_t kBitsOffset = 120;
    Builder record(EMR_STRETCHDIBITS);
    record.Reserve(static_cast<size_t>(kBitsOffset + bitsSize));
    PutRect(record, image.dest);
    record.PutInt(image.dest.left);
    record.PutInt(image.dest.top);
    record.PutInt(image.source.left);
    record.PutInt(image.source.top);
    record.PutInt(image.source.right - image.source.left);
    record.PutInt(image.source.bottom - image.source.top);
    record.Put32(80);
    record.Put32(40);
    record.Put32(kBitsOffset);
    record.Put32(static_cast<uint32_t>(bitsSize));
    record.Put32(kDibRgbColours);
    record.Put32(SRCCOPY);
    record.PutInt(image.dest.right - image.dest.left);
    record.PutInt(image.dest.bottom - image.dest.top);
    record.Put32(40);
    record.PutInt(width);
    record.PutInt(height);
    record.Put16(1);
    record.Put16(24);
    record.Put32(0);  // BI_RGB
    record.Put32(static_cast<uint32_t>(bitsSize));
    record.Put32(0);
    record.Put32(0);
    record.Put32(0);
    record.Put32(0);
    std::vector<uint8_t> row(static_cast<size_t>(rowBytes), 0);
    for (int32_t y = height - 1; y >= 0; --y) {
        for (int32_t x = 0; x < width; ++x) {
            const uint32_t pixel = image.bitmap->GetPixel(x, y);
            row[static_cast<size_t>(x) * 3] = static_cast<uint8_t>(pixel);
            row[static_cast<size_t>(x) * 3 + 1] = static_cast<uint8_t>(pixel >> 8);
            row[static_cast<size_t>(x) * 3 + 2] = static_cast<uint8_t>(pixel >> 16);
        }
        record.PutBytes(row.data(), row.size());
    }
    Add(record.Finish());
    Include(image.dest.left, image.dest.top);
    Include(image.dest.right, image.dest.bottom);
    return true;
}

void SMetaFileBackEnd::SetClip(const RECT* clip) {
    Builder reset(EMR_EXTSELECTCLIPRGN);
    reset.Put32(0);  // no region: the clip is removed
    reset.Put32(RGN_COPY);
    Add(reset.Finish());
    if (!clip) return;
    Builder intersect(EMR_INTERSECTCLIPRECT);
    PutRect(intersect, *clip);
    Add(intersect.Finish());
}

std::vector<uint8_t> SMetaFileBackEnd::Close() {
    if (m_closed) return {};
    const RECT bounds = m_bounds ? *m_bounds : RECT{0, 0, -1, -1};
    RECT frame;
    if (m_frame) {
        frame = *m_frame;
    } else {
        // The frame of what was drawn, in hundredths of a millimetre.
        auto toHimetricX = [&](int32_t x) {
            return m_caps.horzRes ? static_cast<int32_t>(static_cast<int64_t>(x) * m_caps.horzSize * 100 / m_caps.horzRes) : 0;
        };
        auto toHimetricY = [&](int32_t y) {
            return m_caps.vertRes ? static_cast<int32_t>(static_cast<int64_t>(y) * m_caps.vertSize * 100 / m_caps.vertRes) : 0;
        };
        frame = {toHimetricX(bounds.left), toHimetricY(bounds.top), toHimetricX(bounds.right), toHimetricY(bounds.bottom)};
    }
    Builder end(EMR_EOF);
    end.Put32(0);
    end.Put32(16);
    end.Put32(kEofSize);
    const std::vector<uint8_t> eof = end.Finish();

    Builder header(EMR_HEADER);
    PutRect(header, bounds);
    PutRect(header, frame);
    header.Put32(kSignature);
    header.Put32(kVersion);
    header.Put32(static_cast<uint32_t>(kHeaderSize + m_body.size() + eof.size()));
    header.Put32(m_records + 2);
    header.Put16(kHandles);
    header.Put16(0);
    header.Put32(0);  // no description
    header.Put32(0);
    header.Put32(0);  // no palette
    header.PutInt(m_caps.horzRes);
    header.PutInt(m_caps.vertRes);
    header.PutInt(m_caps.horzSize);
    header.PutInt(m_caps.vertSize);
    header.Put32(0);  // no pixel format
    header.Put32(0);
    header.Put32(0);  // not OpenGL
    header.PutInt(m_caps.horzSize * 1000);
    header.PutInt(m_caps.vertSize * 1000);
    std::vector<uint8_t> bits = header.Finish();
    bits.reserve(kHeaderSize + m_body.size() + eof.size());
    bits.insert(bits.end(), m_body.begin(), m_body.end());
    bits.insert(bits.end(), eof.begin(), eof.end());
    m_closed = true;
    m_body.clear();
    return bits;
}
