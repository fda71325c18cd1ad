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
    // Whether the file holds a picture beyond what the readers take for its size: a metafile or
    // a picture file larger than its kind may be, or a header that claims a size beyond the limit
    // of SImagePixels. Only the header is read, nothing decoded, for outputs that refer to a
    // picture rather than read it, so that they leave out what the others cannot show. A file
    // that is not a picture, cannot be read or whose header cannot be read is not beyond it.
    static bool IsBeyondLimit(const SString& path);

    static constexpr int32_t kUnknown = 0;
    static constexpr int32_t kEnhMetaFile = 2;
    static constexpr int32_t kBmp = 5;
    static constexpr int32_t kPng = 6;
    static constexpr int32_t kJpeg = 7;
};
