#pragma once
// The enhanced-metafile format as this layer writes and reads it: record types, the header's
// layout and the little-endian words of a record. Every record is a type, its size in bytes (a
// multiple of 4, at least 8) and its fields; the first is the header, the last EMR_EOF.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

namespace SEmfFormat {

inline constexpr uint32_t EMR_HEADER = 1;
inline constexpr uint32_t EMR_POLYGON = 3;
inline constexpr uint32_t EMR_POLYLINE = 4;
inline constexpr uint32_t EMR_SETWINDOWEXTEX = 9;
inline constexpr uint32_t EMR_SETWINDOWORGEX = 10;
inline constexpr uint32_t EMR_SETVIEWPORTEXTEX = 11;
inline constexpr uint32_t EMR_SETVIEWPORTORGEX = 12;
inline constexpr uint32_t EMR_EOF = 14;
inline constexpr uint32_t EMR_SETMAPMODE = 17;
inline constexpr uint32_t EMR_SETBKMODE = 18;
inline constexpr uint32_t EMR_SETTEXTALIGN = 22;
inline constexpr uint32_t EMR_SETTEXTCOLOR = 24;
inline constexpr uint32_t EMR_SETBKCOLOR = 25;
inline constexpr uint32_t EMR_MOVETOEX = 27;
inline constexpr uint32_t EMR_INTERSECTCLIPRECT = 30;
inline constexpr uint32_t EMR_SAVEDC = 33;
inline constexpr uint32_t EMR_RESTOREDC = 34;
inline constexpr uint32_t EMR_SELECTOBJECT = 37;
inline constexpr uint32_t EMR_CREATEPEN = 38;
inline constexpr uint32_t EMR_CREATEBRUSHINDIRECT = 39;
inline constexpr uint32_t EMR_DELETEOBJECT = 40;
inline constexpr uint32_t EMR_ELLIPSE = 42;
inline constexpr uint32_t EMR_RECTANGLE = 43;
inline constexpr uint32_t EMR_LINETO = 54;
inline constexpr uint32_t EMR_EXTSELECTCLIPRGN = 75;
inline constexpr uint32_t EMR_STRETCHDIBITS = 81;
inline constexpr uint32_t EMR_EXTCREATEFONTINDIRECTW = 82;
inline constexpr uint32_t EMR_EXTTEXTOUTW = 84;
inline constexpr uint32_t EMR_POLYGON16 = 86;
inline constexpr uint32_t EMR_POLYLINE16 = 87;

inline constexpr uint32_t kSignature = 0x464D4520;  // " EMF"
inline constexpr uint32_t kVersion = 0x00010000;
inline constexpr uint32_t kHeaderSize = 108;       // with both extensions
inline constexpr uint32_t kMinHeaderSize = 88;
inline constexpr uint32_t kEofSize = 20;
inline constexpr uint32_t kStockObject = 0x80000000;
inline constexpr uint32_t kLogFontWSize = 92;
inline constexpr uint32_t kTransparent = 1;
inline constexpr uint32_t kBaseline = 24;
inline constexpr uint32_t kDibRgbColours = 0;
// The most bytes a pixel takes in a bitmap record: 32-bit rows, or 24-bit rows padded to 4 bytes
// (a bitmap 1 to 3 pixels wide).
inline constexpr int64_t kMaxDibBytesPerPixel = 4;

// Little-endian words appended to a record being built.
class Builder {
public:
    explicit Builder(uint32_t type) { Put32(type), Put32(0); }
    void Put32(uint32_t value) {
        for (int i = 0; i < 4; ++i) m_bytes.push_back(static_cast<uint8_t>(value >> (8 * i)));
    }
    void PutInt(int32_t value) { Put32(static_cast<uint32_t>(value)); }
    void Put16(uint16_t value) {
        m_bytes.push_back(static_cast<uint8_t>(value));
        m_bytes.push_back(static_cast<uint8_t>(value >> 8));
    }
    void PutBytes(const void* data, size_t count) {
        const auto* bytes = static_cast<const uint8_t*>(data);
        m_bytes.insert(m_bytes.end(), bytes, bytes + count);
    }
    // Room for a record of `size` bytes, so that a large one is not copied as it grows.
    void Reserve(size_t size) { m_bytes.reserve(size); }
    void Align() {
        while (m_bytes.size() % 4) m_bytes.push_back(0);
    }
    size_t GetSize() const { return m_bytes.size(); }
    // The record with its size filled in, padded to a multiple of 4.
    std::vector<uint8_t> Finish() {
        Align();
        const auto size = static_cast<uint32_t>(m_bytes.size());
        for (int i = 0; i < 4; ++i) m_bytes[4 + static_cast<size_t>(i)] = static_cast<uint8_t>(size >> (8 * i));
        return std::move(m_bytes);
    }

private:
    std::vector<uint8_t> m_bytes;
};

// Fields of one record, read with bounds checks: a field past the record's end reads false.
class View {
public:
    View(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}
    size_t GetSize() const { return m_size; }
    const uint8_t* GetData() const { return m_data; }
    uint32_t GetType() const { uint32_t t = 0; Get32(0, &t); return t; }
    bool Get32(size_t offset, uint32_t* value) const {
        if (offset > m_size || m_size - offset < 4) return false;
        *value = static_cast<uint32_t>(m_data[offset]) | static_cast<uint32_t>(m_data[offset + 1]) << 8 |
                 static_cast<uint32_t>(m_data[offset + 2]) << 16 | static_cast<uint32_t>(m_data[offset + 3]) << 24;
        return true;
    }
    bool GetInt(size_t offset, int32_t* value) const {
        uint32_t word = 0;
        if (!Get32(offset, &word)) return false;
        *value = static_cast<int32_t>(word);
        return true;
    }
    bool Get16(size_t offset, uint16_t* value) const {
        if (offset > m_size || m_size - offset < 2) return false;
        *value = static_cast<uint16_t>(m_data[offset] | m_data[offset + 1] << 8);
        return true;
    }
    // Whether `count` items of `itemSize` bytes fit from `offset` on.
    bool Holds(size_t offset, uint64_t count, uint64_t itemSize) const {
        if (offset > m_size) return false;
        return itemSize == 0 || count <= (m_size - offset) / itemSize;
    }

private:
    const uint8_t* m_data;
    size_t m_size;
};

}  // namespace SEmfFormat
