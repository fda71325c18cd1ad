#include "platform/gdi/SLoadImage.h"

#include "platform/base/SEIOException.h"
#include "platform/base/SInputFile.h"
#include "platform/gdi/SBitmapSurface.h"
#include "platform/gdi/SBmpReader.h"
#include "platform/gdi/SGdiHandleTable.h"
#include "platform/gdi/SJpegReader.h"
#include "platform/gdi/SPngReader.h"

bool SDecodeImage(const uint8_t* data, size_t size, SImagePixels* pixels) {
    if (SBmpReader::IsBmp(data, size)) return SBmpReader::Decode(data, size, pixels);
    if (SPngReader::IsPng(data, size)) return SPngReader::Decode(data, size, pixels);
    if (SJpegReader::IsJpeg(data, size)) return SJpegReader::Decode(data, size, pixels);
    return false;
}

bool SReadImageSize(SInputStream& stream, int64_t* width, int64_t* height) {
    // Enough to tell the kinds apart, and all a BMP's or a PNG's size is read from.
    uint8_t head[SBmpReader::kHeadBytes];
    static_assert(sizeof head >= SPngReader::kHeadBytes);
    try {
        const size_t count = stream.Read(head, sizeof head);
        if (SBmpReader::IsBmp(head, count)) return SBmpReader::ReadSize(head, count, stream, width, height);
        if (SPngReader::IsPng(head, count)) return SPngReader::ReadSize(head, count, width, height);
        if (SJpegReader::IsJpeg(head, count)) return SJpegReader::ReadSize(head, count, stream, width, height);
    } catch (const SEIOException&) {
        return false;
    }
    return false;
}

int32_t SLoadImage(HBITMAP* bitmap, SInputStream& stream) {
    if (!bitmap) return 0;
    *bitmap = nullptr;
    std::string bytes;
    try {
        bytes = stream.ReadAll(static_cast<size_t>(kMaxImageFileBytes));
    } catch (const SEIOException&) {
        return 0;
    }
    SImagePixels pixels;
    // Decoded where it was read: a file may be as large as a picture's pixels.
    if (!SDecodeImage(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), &pixels)) return 0;
    HBITMAP handle = CreateBitmapOfSize(pixels.width, pixels.height);
    std::shared_ptr<const SBitmapSurface> surface = FindBitmap(handle);
    if (!surface) return 0;
    surface->SetPixels(pixels.pixels);
    *bitmap = handle;
    return 1;
}

int32_t SLoadImage(HBITMAP* bitmap, const SString& path, const SDC*) {
    if (!bitmap) return 0;
    *bitmap = nullptr;
    try {
        SInputFile file(path);
        if (file.GetSize() > kMaxImageFileBytes) return 0;
        return SLoadImage(bitmap, file);
    } catch (const SEIOException&) {
        return 0;
    }
}
