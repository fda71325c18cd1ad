#pragma once
// An image list: images of one size, added from a module's bitmaps (a bitmap holds as many images
// as its width allows) or one by one; drawn by index.
#include <cstdint>
#include <vector>

#include "platform/base/HINSTANCE.h"

class SImageList {
public:
    SImageList() = default;
    SImageList(int32_t cx, int32_t cy) : m_cx(cx), m_cy(cy) {}

    void Create(int32_t cx, int32_t cy) {
        m_cx = cx;
        m_cy = cy;
        m_images.clear();
    }
    // Adds `count` images taken from bitmap `bitmapId`; the index of the first.
    int32_t AddBitmap(HINSTANCE instance, uint32_t bitmapId, int32_t count);
    // Adds one image that stands for `key` (an icon id); its index.
    int32_t Add(uint32_t key);
    int32_t GetImageCount() const { return static_cast<int32_t>(m_images.size()); }
    // The index of the image added for `key`, -1 when there is none.
    int32_t Find(uint32_t key) const;
    int32_t GetWidth() const { return m_cx; }
    int32_t GetHeight() const { return m_cy; }

private:
    struct Image {
        HINSTANCE instance;
        uint32_t key;
        int32_t index;
    };
    int32_t m_cx = 16;
    int32_t m_cy = 16;
    std::vector<Image> m_images;
};
