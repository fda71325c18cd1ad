#include "rpt/devices/print/SRptDrawablePicture.h"

#include "platform/gdi/SDC.h"
#include "rpt/devices/graphics/SRptGraphicBitmap.h"
#include "rpt/devices/graphics/SRptGraphicMetaFile.h"
#include "rpt/devices/print/SRptPhysicalDrawing.h"

void SRptDrawablePicture::GetSize(SIZE* size) const {
    if (size) *size = SIZE{m_width, m_height};
}

void SRptDrawablePicture::SetPicture(SRptGraphic* picture, int32_t width, int32_t height, const RECT& dest) {
    m_picture = picture;
    m_width = width;
    m_height = height;
    m_dest = dest;
}

HRESULT SRptDrawablePicture::Draw(SDC* dc, const POINT* origin) {
    if (!dc || !origin) return E_INVALIDARG;
    if (!m_picture) return S_OK;
    const RECT dest{m_dest.left + origin->x, m_dest.top + origin->y, m_dest.right + origin->x,
                    m_dest.bottom + origin->y};
    const RECT clip{origin->x, origin->y, origin->x + m_width, origin->y + m_height};
    SRptPhysicalDrawing::SClipScope scope(*dc, clip);
    switch (m_picture->GetFormat()) {
        case 1:
            if (auto* metaFile = dynamic_cast<SRptGraphicMetaFile*>(m_picture))
                dc->PlayEnhMetaFile(*metaFile->GetMetaFileA(), dest);
            break;
        case 2: DrawBitmap(*dc, dest); break;
        default: break;
    }
    return S_OK;
}

void SRptDrawablePicture::DrawBitmap(SDC& dc, const RECT& dest) {
    auto* bitmap = dynamic_cast<SRptGraphicBitmap*>(m_picture);
    if (!bitmap) return;
    BITMAP info{};
    if (!bitmap->GetBitmap(&info)) return;
    SDC memory;
    if (!memory.CreateCompatibleDC(&dc)) return;
    HGDIOBJ previous = memory.SelectObject(bitmap->GetBitmap()->GetSafeHandle());
    dc.StretchBlt(dest.left, dest.top, dest.right - dest.left, dest.bottom - dest.top, &memory, 0, 0, info.bmWidth,
                  info.bmHeight, SRCCOPY);
    if (previous) memory.SelectObject(previous);
}
