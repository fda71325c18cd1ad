#pragma once
// A bitmap object: owns a bitmap handle (24-bit pixels), with its bits, its description and its
// dimension in tenths of a millimetre.
#include "platform/gdi/GdiDefs.h"
#include "platform/gdi/SGdiObject.h"

class SDC;

class SBitmap : public SGdiObject {
public:
    HBITMAP GetSafeHandle() const { return m_hObject; }
    operator HBITMAP() const { return GetSafeHandle(); }

    // A white bitmap of that many pixels for the device (all bitmaps here are 24-bit); false
    // when one is held already or the size is 0 or less or too large.
    bool CreateCompatibleBitmap(const SDC* dc, int32_t width, int32_t height);
    // GetObjectA of the bitmap into `bitmap` (24 bytes); 0 without a bitmap.
    int32_t GetBitmap(BITMAP* bitmap) const;
    // The rows top down, 3 bytes a pixel (blue, green, red), each row padded to bmWidthBytes;
    // at most `size` bytes are copied; the number copied.
    int32_t GetBitmapBits(int32_t size, void* bits) const;
    // The previous dimension; (0, 0) without a bitmap.
    SIZE SetBitmapDimension(int32_t cx, int32_t cy);
    SIZE GetBitmapDimension() const;
};
