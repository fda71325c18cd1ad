#include "platform/gdi/SJpegWriter.h"

#include <cairo.h>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

#include "platform/base/SEIOException.h"
#include "platform/base/SOutputFile.h"

namespace {

// libjpeg ends the process on an error unless told otherwise: its failures jump back here.
struct JumpingErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf back;
};

void JumpBack(j_common_ptr info) {
    std::longjmp(reinterpret_cast<JumpingErrorManager*>(info->err)->back, 1);
}

void Silent(j_common_ptr, int) {}

// Encodes with plain C state only, so that the jump out of libjpeg skips no destructor. The
// rows are read through `row`, which fills the scan line buffer of `width` * 3 bytes.
bool Compress(int32_t width, int32_t height, int32_t quality, const void* source,
              void (*row)(const void* source, int32_t y, JSAMPLE* line), JSAMPLE* line, unsigned char** out,
              unsigned long* size) {
    jpeg_compress_struct info;
    JumpingErrorManager errors;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = JumpBack;
    errors.base.emit_message = Silent;
    if (setjmp(errors.back)) {
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, out, size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        row(source, static_cast<int32_t>(info.next_scanline), line);
        JSAMPROW rows[1] = {line};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

std::string CompressRows(int32_t width, int32_t height, int32_t quality, const void* source,
                         void (*row)(const void*, int32_t, JSAMPLE*)) {
    if (width <= 0 || height <= 0 || width > JPEG_MAX_DIMENSION || height > JPEG_MAX_DIMENSION) return {};
    std::vector<JSAMPLE> line(static_cast<size_t>(width) * 3);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    const bool done = Compress(width, height, quality, source, row, line.data(), &buffer, &size);
    std::string bytes;
    if (done && buffer) bytes.assign(reinterpret_cast<const char*>(buffer), size);
    std::free(buffer);
    return bytes;
}

void ImageRow(const void* source, int32_t y, JSAMPLE* line) {
    const auto* image = static_cast<const SJpegWriter::SImage*>(source);
    const uint8_t* start = image->rgb + static_cast<size_t>(y) * image->stride;
    for (size_t i = 0; i < static_cast<size_t>(image->width) * 3; ++i) line[i] = start[i];
}

// Cairo keeps a pixel as a native-endian 32-bit word 0xAARRGGBB; the colours of a 32-bit
// surface are premultiplied by the alpha, which a picture on a white page undoes by composing
// onto white.
void SurfaceRow(const void* source, int32_t y, JSAMPLE* line) {
    auto* surface = const_cast<cairo_surface_t*>(static_cast<const cairo_surface_t*>(source));
    const unsigned char* data = cairo_image_surface_get_data(surface);
    const int32_t width = cairo_image_surface_get_width(surface);
    const bool alpha = cairo_image_surface_get_format(surface) == CAIRO_FORMAT_ARGB32;
    const auto* pixels =
        reinterpret_cast<const uint32_t*>(data + static_cast<size_t>(y) * cairo_image_surface_get_stride(surface));
    for (int32_t x = 0; x < width; ++x) {
        const uint32_t pixel = pixels[x];
        const uint32_t a = alpha ? pixel >> 24 : 255;
        for (int32_t c = 0; c < 3; ++c) {
            const uint32_t value = (pixel >> (16 - 8 * c)) & 0xFF;
            line[x * 3 + c] = static_cast<JSAMPLE>(value + (255 - a));
        }
    }
}

}  // namespace

std::string SJpegWriter::Encode(const SImage& image, int32_t quality) {
    if (!image.rgb || image.stride < static_cast<size_t>(image.width) * 3) return {};
    return CompressRows(image.width, image.height, quality, &image, ImageRow);
}

std::string SJpegWriter::EncodeSurface(cairo_surface_t* surface, int32_t quality) {
    if (!surface || cairo_surface_get_type(surface) != CAIRO_SURFACE_TYPE_IMAGE) return {};
    const cairo_format_t format = cairo_image_surface_get_format(surface);
    if (format != CAIRO_FORMAT_RGB24 && format != CAIRO_FORMAT_ARGB32) return {};
    cairo_surface_flush(surface);
    if (!cairo_image_surface_get_data(surface)) return {};
    return CompressRows(cairo_image_surface_get_width(surface), cairo_image_surface_get_height(surface), quality,
                        surface, SurfaceRow);
}

void SJpegWriter::Write(const SString& path, const SImage& image, int32_t quality) {
    WriteBytes(path, Encode(image, quality));
}

void SJpegWriter::WriteSurface(const SString& path, cairo_surface_t* surface, int32_t quality) {
    WriteBytes(path, EncodeSurface(surface, quality));
}

void SJpegWriter::WriteBytes(const SString& path, const std::string& bytes) {
    if (bytes.empty()) throw SEIOException("The picture cannot be encoded as JPEG.", SEIOException::badFormat, path);
    SOutputFile file(path, 1);
    file.Write(bytes.data(), bytes.size());
    file.Close();
}
