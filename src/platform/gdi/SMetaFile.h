#pragma once
// An enhanced metafile: the bytes of a recording (or of an .emf file), checked when they are
// taken, with its size, its bits and its playback (SDC::PlayEnhMetaFile). A recording is made on
// a device context whose back end CreateEnhMetaFileA gives, and finished by CloseEnhMetaFile.
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/base/SString.h"
#include "platform/gdi/GdiDefs.h"
#include "platform/gdi/SEmfReader.h"

class SDC;
class SDCBackEnd;
class SInputStream;

class SMetaFile {
public:
    SMetaFile() = default;
    SMetaFile(const SMetaFile&) = delete;
    SMetaFile& operator=(const SMetaFile&) = delete;

    // Takes the bytes of a metafile; false (and empty) when they are not a well-formed one.
    bool Attach(std::vector<uint8_t> bits);
    void Delete();
    bool IsEmpty() const { return m_bits.empty(); }
    const std::vector<uint8_t>& GetBits() const { return m_bits; }
    const SEmfHeader& GetHeader() const { return m_header; }

    // Reads an .emf file through the platform's streams: 1 when it was read and checked, 0 when
    // it could not be read, is too large or is not a well-formed metafile (the metafile is then
    // empty).
    int32_t LoadMetaFile(const SString& path);
    int32_t LoadMetaFile(SInputStream& stream);

    // The frame in hundredths of a millimetre; (0, 0) when empty.
    SSize GetSize() const;
    // The frame in pixels of the reference device.
    SSize GetSizeInDeviceUnits() const;
    // Copies at most `size` bytes; the size of the whole metafile when `buffer` is null.
    uint32_t GetEnhMetaFileBits(uint32_t size, uint8_t* buffer) const;

private:
    std::vector<uint8_t> m_bits;
    SEmfHeader m_header;
};

// A recording back end whose records go to memory (no file is written), in the pixels of the
// reference device (null: the screen), with the frame in hundredths of a millimetre (null: what
// is drawn). Attach it to a device context and draw.
std::unique_ptr<SDCBackEnd> CreateEnhMetaFileA(const SDC* reference, const char* fileName, const RECT* frame,
                                               const char* description);
// Ends a recording made by CreateEnhMetaFileA: the metafile's bytes, empty for another back end.
std::vector<uint8_t> CloseEnhMetaFile(std::unique_ptr<SDCBackEnd> recording);
