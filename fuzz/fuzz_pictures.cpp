// Arbitrary bytes as a picture file: the first byte chooses the reader (BMP, PNG, JPEG or
// enhanced metafile), the rest is the file, read through the platform's streams. Every reader
// must refuse what it cannot read with its failure result, never crash, loop or allocate without
// bound; a picture that is accepted has the size its header claims, read alone; a metafile that
// is accepted is also played onto a small bitmap.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/base/SInputStringStream.h"
#include "platform/gdi/SBitmap.h"
#include "platform/gdi/SDC.h"
#include "platform/gdi/SGdiHandleTable.h"
#include "platform/gdi/SLoadImage.h"
#include "platform/gdi/SMetaFile.h"

namespace {

// The picture kinds tell themselves apart by their first bytes: the chosen one is put in front,
// so that each reader sees mostly its own kind of file.
const std::string& Magic(uint8_t which) {
    static const std::string magics[] = {"BM", std::string("\x89PNG\r\n\x1a\n", 8), "\xFF\xD8\xFF", ""};
    return magics[which % 4];
}

void CheckImage(const std::string& bytes) {
    SInputStringStream stream{SString(bytes)};
    HBITMAP handle = nullptr;
    const int32_t result = SLoadImage(&handle, stream);
    if (result != 0 && result != 1) std::abort();
    if ((result == 1) != (handle != nullptr)) std::abort();
    int64_t width = 0;
    int64_t height = 0;
    SInputStringStream header{SString(bytes)};
    const bool sized = SReadImageSize(header, &width, &height);
    if (handle) {
        BITMAP bitmap;
        if (GetObjectA(handle, sizeof bitmap, &bitmap) != sizeof bitmap || bitmap.bmWidth <= 0 || bitmap.bmHeight <= 0)
            std::abort();
        if (!sized || width != bitmap.bmWidth || height != bitmap.bmHeight) std::abort();
        DeleteObject(handle);
    }
}

void CheckMetaFile(const std::string& bytes) {
    SInputStringStream stream{SString(bytes)};
    SMetaFile metaFile;
    const int32_t result = metaFile.LoadMetaFile(stream);
    if (result != 0 && result != 1) std::abort();
    if (result == 0) {
        if (!metaFile.IsEmpty()) std::abort();
        return;
    }
    if (metaFile.GetEnhMetaFileBits(0, nullptr) != bytes.size()) std::abort();
    SBitmap bitmap;
    SDC dc;
    if (!bitmap.CreateCompatibleBitmap(nullptr, 64, 48) || !dc.CreateCompatibleDC(nullptr)) std::abort();
    dc.SelectObject(bitmap.GetSafeHandle());
    dc.PlayEnhMetaFile(metaFile, RECT{0, 0, 64, 48});
    dc.Detach();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const uint8_t which = data[0];
    std::string bytes = Magic(which) + std::string(reinterpret_cast<const char*>(data + 1), size - 1);
    if (which % 4 == 3) CheckMetaFile(bytes);
    else CheckImage(bytes);
    return 0;
}
