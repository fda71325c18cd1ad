#include "platform/gdi/SMetaFile.h"

#include <algorithm>
#include <cstring>

#include "platform/base/SEIOException.h"
#include "platform/base/SInputFile.h"
#include "platform/gdi/SMetaFileBackEnd.h"
#include "platform/gdi/SWindowDC.h"

bool SMetaFile::Attach(std::vector<uint8_t> bits) {
    Delete();
    SEmfHeader header;
    if (!SEmfReader::Parse(bits, &header)) return false;
    m_bits = std::move(bits);
    m_header = header;
    return true;
}

void SMetaFile::Delete() {
    m_bits.clear();
    m_bits.shrink_to_fit();
    m_header = SEmfHeader();
}

int32_t SMetaFile::LoadMetaFile(SInputStream& stream) {
    Delete();
    std::string bytes;
    try {
        bytes = stream.ReadAll(SEmfReader::kMaxBytes);
    } catch (const SEIOException&) {
        return 0;
    }
    return Attach(std::vector<uint8_t>(bytes.begin(), bytes.end())) ? 1 : 0;
}

int32_t SMetaFile::LoadMetaFile(const SString& path) {
    Delete();
    try {
        SInputFile file(path);
        if (file.GetSize() > static_cast<int64_t>(SEmfReader::kMaxBytes)) return 0;
        return LoadMetaFile(file);
    } catch (const SEIOException&) {
        return 0;
    }
}

SSize SMetaFile::GetSize() const {
    if (IsEmpty()) return SSize{};
    return SSize{static_cast<int32_t>(std::clamp<int64_t>(static_cast<int64_t>(m_header.frame.right) - m_header.frame.left, INT32_MIN, INT32_MAX)),
                 static_cast<int32_t>(std::clamp<int64_t>(static_cast<int64_t>(m_header.frame.bottom) - m_header.frame.top, INT32_MIN, INT32_MAX))};
}

SSize SMetaFile::GetSizeInDeviceUnits() const {
    const SSize size = GetSize();
    const SIZE& device = m_header.device;
    const SIZE& mm = m_header.millimetres;
    if (mm.cx <= 0 || mm.cy <= 0) return SSize{};
    return SSize{static_cast<int32_t>(static_cast<int64_t>(size.cx) * device.cx / (static_cast<int64_t>(mm.cx) * 100)),
                 static_cast<int32_t>(static_cast<int64_t>(size.cy) * device.cy / (static_cast<int64_t>(mm.cy) * 100))};
}

uint32_t SMetaFile::GetEnhMetaFileBits(uint32_t size, uint8_t* buffer) const {
    const auto whole = static_cast<uint32_t>(m_bits.size());
    if (!buffer) return whole;
    const uint32_t count = std::min(size, whole);
    if (count) std::memcpy(buffer, m_bits.data(), count);
    return count;
}

std::unique_ptr<SDCBackEnd> CreateEnhMetaFileA(const SDC* reference, const char*, const RECT* frame, const char*) {
    if (reference && reference->GetBackEnd()) return std::make_unique<SMetaFileBackEnd>(reference->GetBackEnd()->GetCaps(), frame);
    SWindowDC screen;
    return std::make_unique<SMetaFileBackEnd>(screen.GetBackEnd()->GetCaps(), frame);
}

std::vector<uint8_t> CloseEnhMetaFile(std::unique_ptr<SDCBackEnd> recording) {
    auto* metaFile = dynamic_cast<SMetaFileBackEnd*>(recording.get());
    return metaFile ? metaFile->Close() : std::vector<uint8_t>();
}
