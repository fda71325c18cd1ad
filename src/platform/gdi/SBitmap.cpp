#include "platform/gdi/SBitmap.h"

#include "platform/gdi/SBitmapSurface.h"
#include "platform/gdi/SGdiHandleTable.h"

bool SBitmap::CreateCompatibleBitmap(const SDC*, int32_t width, int32_t height) {
    if (m_hObject) return false;
    m_hObject = CreateBitmapOfSize(width, height);
    return m_hObject != nullptr;
}

int32_t SBitmap::GetBitmap(BITMAP* bitmap) const {
    return bitmap ? GetObjectA(m_hObject, static_cast<int32_t>(sizeof(BITMAP)), bitmap) : 0;
}

int32_t SBitmap::GetBitmapBits(int32_t size, void* bits) const {
    std::shared_ptr<const SBitmapSurface> bitmap = FindBitmap(m_hObject);
    return bitmap ? bitmap->GetBits(size, bits) : 0;
}

SIZE SBitmap::SetBitmapDimension(int32_t cx, int32_t cy) {
    std::shared_ptr<const SBitmapSurface> bitmap = FindBitmap(m_hObject);
    if (!bitmap) return SIZE{};
    const SIZE previous = bitmap->GetDimension();
    bitmap->SetDimension(SIZE{cx, cy});
    return previous;
}

SIZE SBitmap::GetBitmapDimension() const {
    std::shared_ptr<const SBitmapSurface> bitmap = FindBitmap(m_hObject);
    return bitmap ? bitmap->GetDimension() : SIZE{};
}
