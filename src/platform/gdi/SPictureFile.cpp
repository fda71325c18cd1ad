#include "platform/gdi/SPictureFile.h"

#include "platform/base/SEIOException.h"
#include "platform/base/SInputFile.h"
#include "platform/gdi/SBmpReader.h"
#include "platform/gdi/SEmfFormat.h"
#include "platform/gdi/SEmfReader.h"
#include "platform/gdi/SJpegReader.h"
#include "platform/gdi/SLoadImage.h"
#include "platform/gdi/SPngReader.h"

int32_t SPictureFile::GetContentType(const SString& path) {
    uint8_t head[44] = {};
    size_t count = 0;
    try {
        SInputFile file(path);
        count = file.Read(head, sizeof head);
    } catch (const SEIOException&) {
        return kUnknown;
    }
    const SEmfFormat::View view(head, count);
    uint32_t signature = 0;
    if (view.GetType() == SEmfFormat::EMR_HEADER && view.Get32(40, &signature) && signature == SEmfFormat::kSignature)
        return kEnhMetaFile;
    if (SBmpReader::IsBmp(head, count)) return kBmp;
    if (SPngReader::IsPng(head, count)) return kPng;
    if (SJpegReader::IsJpeg(head, count)) return kJpeg;
    return kUnknown;
}

bool SPictureFile::IsBeyondLimit(const SString& path) {
    const int32_t type = GetContentType(path);
    if (type == kUnknown) return false;
    int64_t width = 0;
    int64_t height = 0;
    try {
        SInputFile file(path);
        if (type == kEnhMetaFile) return file.GetSize() > static_cast<int64_t>(SEmfReader::kMaxBytes);
        if (file.GetSize() > kMaxImageFileBytes) return true;
        if (!SReadImageSize(file, &width, &height)) return false;
    } catch (const SEIOException&) {
        return false;
    }
    return SImagePixels::IsBeyondLimit(width, height);
}
