#pragma once
// Pictures saved as JPEG files: a block of 24-bit pixels, or a cairo image surface (a bitmap or a
// tile that a device context drew), encoded with libjpeg and written through the platform's file
// stream, so that a save that fails part-way leaves the target as it was.
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/base/SString.h"

typedef struct _cairo_surface cairo_surface_t;

class SJpegWriter {
public:
    // Pixels as red, green, blue bytes, rows top to bottom, `stride` bytes apart.
    struct SImage {
        int32_t width = 0;
        int32_t height = 0;
        const uint8_t* rgb = nullptr;
        size_t stride = 0;
    };

    static constexpr int32_t kDefaultQuality = 90;

    // The JPEG bytes of the image; empty for an image without pixels or one libjpeg refuses.
    static std::string Encode(const SImage& image, int32_t quality = kDefaultQuality);
    // The JPEG bytes of a cairo image surface (24 or 32 bits a pixel); empty for anything else.
    static std::string EncodeSurface(cairo_surface_t* surface, int32_t quality = kDefaultQuality);

    // Saves the image at `path`. An image that cannot be encoded or a file that cannot be
    // written throws SEIOException with the path.
    static void Write(const SString& path, const SImage& image, int32_t quality = kDefaultQuality);
    static void WriteSurface(const SString& path, cairo_surface_t* surface, int32_t quality = kDefaultQuality);

private:
    static void WriteBytes(const SString& path, const std::string& bytes);
};
