#pragma once
// Checks the structure of an enhanced metafile before anything uses it: the header (type,
// signature, sizes), every record's size (at least 8, a multiple of 4, within the file), the
// number of records and the byte count the header announces, and the end record last. A file
// that fails any check is refused whole.
#include <cstdint>
#include <vector>

#include "platform/gdi/GdiDefs.h"
#include "platform/gdi/SEmfFormat.h"
#include "platform/gdi/SImagePixels.h"

struct SEmfHeader {
    RECT bounds;       // reference device pixels, inclusive
    RECT frame;        // hundredths of a millimetre
    SIZE device;       // the reference device in pixels
    SIZE millimetres;  // and in millimetres
    uint32_t bytes = 0;
    uint32_t records = 0;
    uint16_t handles = 0;
};

class SEmfReader {
public:
    // False for anything but a well-formed metafile; the records (the header and the end
    // included) as views into `bits`, which must outlive them.
    static bool Parse(const std::vector<uint8_t>& bits, SEmfHeader* header,
                      std::vector<SEmfFormat::View>* records = nullptr);

    // Files and recordings beyond this are refused before they are read: room for a bitmap
    // within the picture limit, with the metafile's headers and the records around it.
    static constexpr size_t kMaxBytes = static_cast<size_t>(SImagePixels::MaxBytes(SEmfFormat::kMaxDibBytesPerPixel));
};
