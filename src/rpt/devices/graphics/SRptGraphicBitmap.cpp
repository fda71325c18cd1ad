#include "rpt/devices/graphics/SRptGraphicBitmap.h"

#include <cmath>

#include "platform/gdi/SGdiHandleTable.h"
#include "platform/gdi/SLoadImage.h"
#include "platform/gdi/SWindowDC.h"

SIZE SRptGraphicBitmap::PixelsOf(const SSize& size) {
    SWindowDC screen;
    const double horizontal = static_cast<double>(screen.GetDeviceCaps(HORZRES)) / screen.GetDeviceCaps(HORZSIZE) * 25.4;
    const double vertical = static_cast<double>(screen.GetDeviceCaps(VERTRES)) / screen.GetDeviceCaps(VERTSIZE) * 25.4;
    return SIZE{static_cast<int32_t>(size.cx * horizontal * (1.0 / 2540)),
                static_cast<int32_t>(size.cy * vertical * (1.0 / 2540))};
}

void SRptGraphicBitmap::Lock(const SSize& size) {
    SWindowDC screen;
    m_memoryDC.CreateCompatibleDC(&screen);
    m_bitmap.DeleteObject();
    const SIZE pixels = PixelsOf(size);
    m_bitmap.CreateCompatibleBitmap(&screen, pixels.cx, pixels.cy);
    m_memoryDC.SelectObject(m_bitmap.GetSafeHandle());
    m_bitmap.SetBitmapDimension(size.cx / 10, size.cy / 10);
    m_memoryDC.FillRect(RECT{0, 0, size.cx, size.cy}, ::GetStockObject(WHITE_BRUSH));
    if (!m_drawDC) m_drawDC = &m_memoryDC;
    m_locked = 1;
}

void SRptGraphicBitmap::Unlock() {
    SRptGraphic::Unlock();
    m_memoryDC.Detach();
}

int32_t SRptGraphicBitmap::LoadFile(const SString& path, SDC* dc) {
    HBITMAP handle = nullptr;
    const int32_t result = SLoadImage(&handle, path, dc);
    if (result == 0) return 0;
    m_bitmap.DeleteObject();
    m_bitmap.Attach(handle);
    if (result != 1) return result;
    SWindowDC screen;
    BITMAP bitmap;
    m_bitmap.GetBitmap(&bitmap);
    const double pixelsX = screen.GetDeviceCaps(LOGPIXELSX);
    const double pixelsY = screen.GetDeviceCaps(LOGPIXELSY);
    // The pixel counts themselves give the size: a picture of n pixels covers n pixels' width.
    const auto cx = static_cast<int32_t>(std::trunc(std::trunc(bitmap.bmWidth / pixelsX * 2540 + 0.5) / 10));
    const auto cy = static_cast<int32_t>(std::trunc(std::trunc(bitmap.bmHeight / pixelsY * 2540 + 0.5) / 10));
    m_bitmap.SetBitmapDimension(cx, cy);
    return 1;
}

uint32_t SRptGraphicBitmap::GetBits(uint32_t size, unsigned char* buffer) {
    if (!buffer) {
        BITMAP bitmap;
        if (!m_bitmap.GetBitmap(&bitmap)) return 0;
        return static_cast<uint32_t>(static_cast<int64_t>(bitmap.bmWidthBytes) * bitmap.bmHeight);
    }
    return static_cast<uint32_t>(m_bitmap.GetBitmapBits(static_cast<int32_t>(std::min<uint32_t>(size, INT32_MAX)), buffer));
}

SSize SRptGraphicBitmap::GetSize() {
    const SIZE dimension = m_bitmap.GetBitmapDimension();
    return SSize{dimension.cx * 10, dimension.cy * 10};
}

int32_t SRptGraphicBitmap::GetBitmap(BITMAP* out) {
    return m_bitmap.GetBitmap(out);
}
