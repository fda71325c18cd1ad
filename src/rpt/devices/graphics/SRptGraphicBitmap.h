#pragma once
// A picture held as a bitmap: drawn while locked (at the screen's resolution), or loaded from a
// BMP, PNG or JPEG file. The bitmap's dimension (tenths of a millimetre) records its size.
#include "platform/gdi/SBitmap.h"
#include "platform/gdi/SDC.h"
#include "rpt/devices/graphics/SRptGraphic.h"

class SRptGraphicBitmap : public SRptGraphic {
public:
    SRptGraphicBitmap() = default;
    SRptGraphicBitmap(const SRptGraphicBitmap& other) : SRptGraphic(other) {}

    using SRptGraphic::Lock;
    void Lock(const SSize& size) override;
    // Deletes the memory context; the bitmap stays.
    void Unlock() override;
    int32_t LoadFile(const SString& path, SDC* dc) override;
    // The bitmap's bits; with no buffer, their size.
    uint32_t GetBits(uint32_t size, unsigned char* buffer) override;
    SSize GetSize() override;
    int32_t GetFormat() override { return 2; }
    int32_t GetBitmap(BITMAP* out) override;
    virtual SBitmap* GetBitmap() { return &m_bitmap; }

    // The pixels of the bitmap that locking at `size` makes: the size at the screen's resolution.
    static SIZE PixelsOf(const SSize& size);

private:
    SDC m_memoryDC;
    SBitmap m_bitmap;
};
