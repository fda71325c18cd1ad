#pragma once
// A picture that the output devices embed, draw or convert: loaded from a file, or drawn by
// locking it at a size (hundredths of a millimetre), drawing into its drawing device context and
// unlocking it. It also carries how a user graphic is to be scaled.
#include <cstdint>

#include "platform/base/SString.h"
#include "platform/gdi/GdiDefs.h"

class SDC;

class SRptGraphic {
public:
    SRptGraphic() = default;
    // The five settings are copied; the picture itself is not.
    SRptGraphic(const SRptGraphic& other);
    SRptGraphic& operator=(const SRptGraphic&) = delete;
    virtual ~SRptGraphic() = default;

    virtual int32_t IsLocked() const { return m_locked; }
    // Draws on the caller's context (kept when one is set already).
    virtual void Lock(SDC& dc);
    virtual void Lock(const SSize& size) = 0;
    virtual void Unlock();
    // 1 when the file was loaded, 0 when it could not be.
    virtual int32_t LoadFile(const SString& path, SDC* dc) = 0;
    // The picture's data; with no buffer, its size in bytes.
    virtual uint32_t GetBits(uint32_t size, unsigned char* buffer) = 0;
    virtual SSize GetSize() = 0;
    // 1 metafile, 2 bitmap.
    virtual int32_t GetFormat() = 0;
    // The bitmap's description (24 bytes copied); 0 for a picture without a bitmap.
    virtual int32_t GetBitmap(BITMAP* out) = 0;

    SDC* GetDrawDC() const { return m_drawDC; }
    bool GetUseZoom() const { return m_useZoom; }
    void SetUseZoom(bool useZoom) { m_useZoom = useZoom; }
    int16_t GetOnePageType() const { return m_onePageType; }
    void SetOnePageType(int16_t type) { m_onePageType = type; }
    int16_t GetZoomPerct() const { return m_zoomPerct; }
    void SetZoomPerct(int16_t zoom) { m_zoomPerct = zoom; }

protected:
    SDC* m_drawDC = nullptr;
    int32_t m_locked = 0;
    bool m_useZoom = false;
    int16_t m_onePageType = 1;
    int16_t m_zoomPerct = 100;
};
