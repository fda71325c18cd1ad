#include "rpt/devices/graphics/SRptGraphicMetaFile.h"

void SRptGraphicMetaFile::Lock(const SSize& size) {
    const RECT frame{0, 0, size.cx, size.cy};
    m_recordDC.Attach(CreateEnhMetaFileA(nullptr, nullptr, &frame, nullptr));
    if (!m_drawDC) m_drawDC = &m_recordDC;
    m_locked = 1;
}

void SRptGraphicMetaFile::Unlock() {
    SRptGraphic::Unlock();
    std::vector<uint8_t> bits = CloseEnhMetaFile(m_recordDC.Detach());
    if (!bits.empty()) m_metaFile.Attach(std::move(bits));
}

int32_t SRptGraphicMetaFile::LoadFile(const SString& path, SDC*) {
    return m_metaFile.LoadMetaFile(path);
}

uint32_t SRptGraphicMetaFile::GetBits(uint32_t size, unsigned char* buffer) {
    return m_metaFile.GetEnhMetaFileBits(size, buffer);
}
