#include "platform/gdi/SPngReader.h"

#include <png.h>

#include <csetjmp>
#include <cstring>
#include <vector>


namespace {

struct SPngSource {
    const uint8_t* data;
    size_t size;
    size_t position;
};

void ReadBytes(png_structp png, png_bytep target, png_size_t count) {
    auto* source = static_cast<SPngSource*>(png_get_io_ptr(png));
    if (count > source->size - source->position) png_error(png, "truncated");
    std::memcpy(target, source->data + source->position, count);
    source->position += count;
}

void OnError(png_structp png, png_const_charp) {
    png_longjmp(png, 1);
}

void OnWarning(png_structp, png_const_charp) {}

// The part of the decoding that may jump back: no object with a destructor lives here, the
// pixels and rows are owned by the caller.
bool DecodeRows(png_structp png, png_infop info, SPngSource* source, SImagePixels* out, std::vector<png_bytep>* rows,
                std::vector<uint8_t>* buffer) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_read_fn(png, source, ReadBytes);
    // Chunks and sides beyond what a picture of a report may have are refused by libpng itself.
    png_set_user_limits(png, SImagePixels::kMaxSide, SImagePixels::kMaxSide);
    png_set_chunk_cache_max(png, 128);
    png_set_chunk_malloc_max(png, 8u << 20);
    png_read_info(png, info);
    const png_uint_32 width = png_get_image_width(png, info);
    const png_uint_32 height = png_get_image_height(png, info);
    if (!SImagePixels::IsReadableSize(width, height)) return false;
    png_set_expand(png);
    png_set_strip_16(png);
    png_set_gray_to_rgb(png);
    png_color_16 white{0, 0xFF, 0xFF, 0xFF, 0xFF};
    png_set_background(png, &white, PNG_BACKGROUND_GAMMA_SCREEN, 0, 1.0);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    if (png_get_channels(png, info) != 3 || png_get_bit_depth(png, info) != 8) return false;
    if (!out->Allocate(static_cast<int32_t>(width), static_cast<int32_t>(height))) return false;
    const size_t rowBytes = png_get_rowbytes(png, info);
    if (rowBytes < static_cast<size_t>(width) * 3) return false;
    buffer->resize(rowBytes * height);
    rows->resize(height);
    for (png_uint_32 y = 0; y < height; ++y) (*rows)[y] = buffer->data() + static_cast<size_t>(y) * rowBytes;
    png_read_image(png, rows->data());
    png_read_end(png, nullptr);
    return true;
}

}  // namespace

bool SPngReader::IsPng(const uint8_t* data, size_t size) {
    return size >= 8 && png_sig_cmp(data, 0, 8) == 0;
}

bool SPngReader::ReadSize(const uint8_t* data, size_t size, int64_t* width, int64_t* height) {
    // The header is the first chunk: its length and type follow the signature, then the width
    // and the height, big-endian.
    constexpr size_t kWidthAt = 16;
    static_assert(kHeadBytes == kWidthAt + 8);
    if (!data || !width || !height || !IsPng(data, size) || size < kHeadBytes ||
        std::memcmp(data + 12, "IHDR", 4) != 0)
        return false;
    *width = png_get_uint_32(data + kWidthAt);
    *height = png_get_uint_32(data + kWidthAt + 4);
    return true;
}

bool SPngReader::Decode(const uint8_t* data, size_t size, SImagePixels* out) {
    if (!data || !out || !IsPng(data, size)) return false;
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, OnError, OnWarning);
    if (!png) return false;
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        return false;
    }
    SPngSource source{data, size, 0};
    SImagePixels pixels;
    std::vector<png_bytep> rows;
    std::vector<uint8_t> buffer;
    const bool decoded = DecodeRows(png, info, &source, &pixels, &rows, &buffer);
    png_destroy_read_struct(&png, &info, nullptr);
    if (!decoded) return false;
    for (int32_t y = 0; y < pixels.height; ++y) {
        const uint8_t* row = rows[static_cast<size_t>(y)];
        uint32_t* target = pixels.pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(pixels.width);
        for (int32_t x = 0; x < pixels.width; ++x) {
            const uint8_t* p = row + static_cast<size_t>(x) * 3;
            target[x] = static_cast<uint32_t>(p[0]) << 16 | static_cast<uint32_t>(p[1]) << 8 | p[2];
        }
    }
    *out = std::move(pixels);
    return true;
}
