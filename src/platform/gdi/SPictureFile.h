#pragma once
// What kind of picture a file holds, from its first bytes (read through the platform's
// streams): the content types the picture classes are chosen by.
#include <cstdint>

#include "platform/base/SString.h"

class SPictureFile {
public:
    // 0: not a picture this layer reads (or no file); 2: an enhanced metafile; 5: BMP; 6: PNG;
    // 7: JPEG. Types 2 to 4 are metafiles, the others bitmaps.
    static int32_t GetContentType(const SString& path);

    static constexpr int32_t kUnknown = 0;
    static constexpr int32_t kEnhMetaFile = 2;
    static constexpr int32_t kBmp = 5;
    static constexpr int32_t kPng = 6;
    static constexpr int32_t kJpeg = 7;
};
