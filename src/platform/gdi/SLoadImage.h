#pragma once
// Loading a picture file as a bitmap: BMP, PNG and JPEG, told apart by their first bytes and read
// through the platform's streams. Every failure (a missing or unreadable file, a file too large,
// a picture whose header claims a size beyond the limit of SImagePixels, a malformed, truncated
// or hostile picture) answers 0 and leaves no handle.
#include <cstddef>
#include <cstdint>

#include "platform/base/SString.h"
#include "platform/gdi/GdiDefs.h"
#include "platform/gdi/SImagePixels.h"

class SDC;
class SInputStream;

// The most bytes a pixel takes in a file the readers take uncompressed: a 32-bit BMP.
inline constexpr int64_t kMaxImageFileBytesPerPixel = 4;
// Files beyond this are refused before they are read: room for a picture within the limit stored
// uncompressed, with its headers.
inline constexpr int64_t kMaxImageFileBytes = SImagePixels::MaxBytes(kMaxImageFileBytesPerPixel);

// 1 with a new bitmap handle in `bitmap` (the caller owns it), 0 on failure. The device context
// is not needed: every bitmap here is 24-bit.
int32_t SLoadImage(HBITMAP* bitmap, const SString& path, const SDC* dc);
int32_t SLoadImage(HBITMAP* bitmap, SInputStream& stream);
// The pixels of a BMP, PNG or JPEG picture held in memory; false for anything else.
bool SDecodeImage(const uint8_t* data, size_t size, SImagePixels* pixels);
// The size the header of a BMP, PNG or JPEG picture claims, read from the stream's start: nothing
// is decoded, and no more of the stream is read than the header takes (a BMP's is read up to its
// bits), so that a large picture costs no more than a small one. False for anything else, a
// header that cannot be read or a stream that fails.
bool SReadImageSize(SInputStream& stream, int64_t* width, int64_t* height);
