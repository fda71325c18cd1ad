#pragma once
// A picture held as an enhanced metafile: recorded while locked, or loaded from an .emf file.
#include "platform/gdi/SDC.h"
#include "platform/gdi/SMetaFile.h"
#include "rpt/devices/graphics/SRptGraphic.h"

class SRptGraphicMetaFile : public SRptGraphic {
public:
    SRptGraphicMetaFile() = default;
    SRptGraphicMetaFile(const SRptGraphicMetaFile& other) : SRptGraphic(other) {}

    using SRptGraphic::Lock;
    // Records into a new metafile whose frame is (0, 0, cx, cy).
    void Lock(const SSize& size) override;
    // Ends the recording; the metafile keeps it.
    void Unlock() override;
    int32_t LoadFile(const SString& path, SDC* dc) override;
    uint32_t GetBits(uint32_t size, unsigned char* buffer) override;
    SSize GetSize() override { return m_metaFile.GetSize(); }
    int32_t GetFormat() override { return 1; }
    int32_t GetBitmap(BITMAP*) override { return 0; }

    SMetaFile* GetMetaFileA() { return &m_metaFile; }

private:
    SMetaFile m_metaFile;
    SDC m_recordDC;
};
