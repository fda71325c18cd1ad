#pragma once
// Loading a picture file as a bitmap: BMP, PNG and JPEG, told apart by their first bytes and read
// through the platform's streams. Every failure (a missing or unreadable file, a file too large,
// a picture whose header claims more than SImagePixels::kMaxPixels, a malformed, truncated or
// hostile picture) answers 0 and leaves no handle.
#include <cstdint>
#include <vector>

#include "platform/base/SString.h"
#include "platform/gdi/GdiDefs.h"
#include "platform/gdi/SImagePixels.h"

class SDC;
class SInputStream;

// Files beyond this are refused before they are read.
inline constexpr int64_t kMaxImageFileBytes = int64_t(64) << 20;

// 1 with a new bitmap handle in `bitmap` (the caller owns it), 0 on failure. The device context
// is not needed: every bitmap here is 24-bit.
int32_t SLoadImage(HBITMAP* bitmap, const SString& path, const SDC* dc);
int32_t SLoadImage(HBITMAP* bitmap, SInputStream& stream);
// The pixels of a BMP, PNG or JPEG picture held in memory; false for anything else.
bool SDecodeImage(const std::vector<uint8_t>& bytes, SImagePixels* pixels);
