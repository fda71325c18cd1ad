#include "platform/ui/SImageList.h"

int32_t SImageList::AddBitmap(HINSTANCE instance, uint32_t bitmapId, int32_t count) {
    const auto first = static_cast<int32_t>(m_images.size());
    for (int32_t i = 0; i < count; ++i) m_images.push_back({instance, bitmapId, i});
    return first;
}

int32_t SImageList::Add(uint32_t key) {
    m_images.push_back({nullptr, key, 0});
    return static_cast<int32_t>(m_images.size()) - 1;
}

int32_t SImageList::Find(uint32_t key) const {
    for (size_t i = 0; i < m_images.size(); ++i)
        if (m_images[i].key == key) return static_cast<int32_t>(i);
    return -1;
}
