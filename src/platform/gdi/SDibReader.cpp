#include "platform/gdi/SDibReader.h"

#include <vector>

#include "platform/gdi/SEmfFormat.h"

using SEmfFormat::View;

namespace {

constexpr uint32_t BI_RGB = 0;
constexpr uint32_t BI_BITFIELDS = 3;

struct SDibLayout {
    int32_t width = 0;
    int32_t height = 0;
    bool topDown = false;
    uint16_t bitCount = 0;
    uint32_t compression = BI_RGB;
    uint32_t masks[3] = {0, 0, 0};
    std::vector<uint32_t> palette;
};

// A channel of a bit-field pixel scaled to 8 bits.
uint32_t Channel(uint32_t value, uint32_t mask) {
    if (!mask) return 0;
    int shift = 0;
    while (!((mask >> shift) & 1)) ++shift;
    const uint32_t bits = mask >> shift;
    const uint32_t raw = (value & mask) >> shift;
    return bits >= 255 ? raw >> (32 - __builtin_clz(bits) - 8) : raw * 255 / bits;
}

// The header's fields, read from `info`; `extent` is what the header and its colour table take,
// which the header's own sizes must keep within. Without `withPalette` the colour table is
// only measured, so that `info` need hold no more than the header's first
// SDibReader::kHeaderBytes bytes.
bool ReadLayout(const View& info, size_t extent, SDibLayout* layout, bool withPalette) {
    uint32_t headerSize = 0;
    if (!info.Get32(0, &headerSize) || headerSize < 12 || headerSize > extent) return false;
    uint16_t planes = 0;
    uint32_t colours = 0;
    size_t paletteEntry = 4;
    if (headerSize == 12) {
        uint16_t w = 0, h = 0;
        if (!info.Get16(4, &w) || !info.Get16(6, &h) || !info.Get16(8, &planes) || !info.Get16(10, &layout->bitCount))
            return false;
        layout->width = w;
        layout->height = h;
        paletteEntry = 3;
    } else {
        if (headerSize < 40) return false;
        int32_t h = 0;
        if (!info.GetInt(4, &layout->width) || !info.GetInt(8, &h) || !info.Get16(12, &planes) ||
            !info.Get16(14, &layout->bitCount) || !info.Get32(16, &layout->compression) || !info.Get32(32, &colours))
            return false;
        if (h == INT32_MIN) return false;
        layout->topDown = h < 0;
        layout->height = h < 0 ? -h : h;
    }
    if (planes != 1 || layout->width <= 0 || layout->height <= 0) return false;
    size_t offset = headerSize;
    if (layout->compression == BI_BITFIELDS) {
        if (layout->bitCount != 16 && layout->bitCount != 32) return false;
        // Masks inside a later header, or three words after a 40-byte one.
        const size_t at = headerSize >= 52 ? 40 : headerSize;
        for (int i = 0; i < 3; ++i)
            if (!info.Get32(at + static_cast<size_t>(i) * 4, &layout->masks[i])) return false;
        if (headerSize < 52) offset += 12;
    } else if (layout->compression != BI_RGB) {
        return false;
    }
    switch (layout->bitCount) {
    case 1:
    case 4:
    case 8: {
        const uint32_t most = 1u << layout->bitCount;
        if (colours == 0 || colours > most) colours = most;
        if (!View(info.GetData(), extent).Holds(offset, colours, paletteEntry)) return false;
        if (!withPalette) return true;
        layout->palette.resize(colours);
        for (uint32_t i = 0; i < colours; ++i) {
            const uint8_t* entry = info.GetData() + offset + i * paletteEntry;
            layout->palette[i] = static_cast<uint32_t>(entry[2]) << 16 | static_cast<uint32_t>(entry[1]) << 8 | entry[0];
        }
        return true;
    }
    case 16:
        if (layout->compression == BI_RGB) {
            layout->masks[0] = 0x7C00;
            layout->masks[1] = 0x03E0;
            layout->masks[2] = 0x001F;
        }
        return true;
    case 24:
    case 32: return true;
    default: return false;
    }
}

uint32_t PixelAt(const SDibLayout& layout, const uint8_t* row, int32_t x) {
    const auto ux = static_cast<size_t>(x);
    switch (layout.bitCount) {
    case 1:
    case 4:
    case 8: {
        const size_t bit = ux * layout.bitCount;
        const uint32_t index = (row[bit / 8] >> (8 - layout.bitCount - bit % 8)) & ((1u << layout.bitCount) - 1);
        return index < layout.palette.size() ? layout.palette[index] : 0;
    }
    case 16: {
        const uint32_t value = row[ux * 2] | static_cast<uint32_t>(row[ux * 2 + 1]) << 8;
        return Channel(value, layout.masks[0]) << 16 | Channel(value, layout.masks[1]) << 8 | Channel(value, layout.masks[2]);
    }
    case 24: return static_cast<uint32_t>(row[ux * 3 + 2]) << 16 | static_cast<uint32_t>(row[ux * 3 + 1]) << 8 | row[ux * 3];
    default: {
        const uint8_t* p = row + ux * 4;
        if (layout.compression == BI_BITFIELDS) {
            const uint32_t value = p[0] | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
                                   static_cast<uint32_t>(p[3]) << 24;
            return Channel(value, layout.masks[0]) << 16 | Channel(value, layout.masks[1]) << 8 |
                   Channel(value, layout.masks[2]);
        }
        return static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[1]) << 8 | p[0];
    }
    }
}

}  // namespace

bool SDibReader::ReadSize(const uint8_t* info, size_t infoSize, size_t extent, int64_t* width, int64_t* height) {
    SDibLayout layout;
    if (!info || !width || !height || !ReadLayout(View(info, infoSize), extent, &layout, false)) return false;
    *width = layout.width;
    *height = layout.height;
    return true;
}

bool SDibReader::Decode(const uint8_t* info, size_t infoSize, const uint8_t* bits, size_t bitsSize, SImagePixels* out) {
    if (!info || !out) return false;
    SDibLayout layout;
    if (!ReadLayout(View(info, infoSize), infoSize, &layout, true)) return false;
    if (!SImagePixels::IsReadableSize(layout.width, layout.height)) return false;
    const uint64_t rowBytes = ((static_cast<uint64_t>(layout.width) * layout.bitCount + 31) / 32) * 4;
    if (!bits || rowBytes == 0 || static_cast<uint64_t>(layout.height) > bitsSize / rowBytes) return false;
    if (!out->Allocate(layout.width, layout.height)) return false;
    for (int32_t y = 0; y < layout.height; ++y) {
        const int32_t source = layout.topDown ? y : layout.height - 1 - y;
        const uint8_t* row = bits + static_cast<size_t>(source) * rowBytes;
        uint32_t* target = out->pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(layout.width);
        for (int32_t x = 0; x < layout.width; ++x) target[x] = PixelAt(layout, row, x);
    }
    return true;
}
