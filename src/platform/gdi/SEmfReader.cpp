#include "platform/gdi/SEmfReader.h"

using namespace SEmfFormat;

namespace {

bool ReadRect(const View& view, size_t offset, RECT* rect) {
    return view.GetInt(offset, &rect->left) && view.GetInt(offset + 4, &rect->top) &&
           view.GetInt(offset + 8, &rect->right) && view.GetInt(offset + 12, &rect->bottom);
}

bool ReadHeader(const View& first, SEmfHeader* header) {
    uint32_t signature = 0;
    uint32_t reserved = 0;
    if (first.GetType() != EMR_HEADER || first.GetSize() < kMinHeaderSize) return false;
    if (!ReadRect(first, 8, &header->bounds) || !ReadRect(first, 24, &header->frame)) return false;
    if (!first.Get32(40, &signature) || signature != kSignature) return false;
    uint16_t spare = 0;
    return first.Get32(48, &header->bytes) && first.Get32(52, &header->records) && first.Get16(56, &header->handles) &&
           first.Get16(58, &spare) && first.Get32(60, &reserved) && first.GetInt(72, &header->device.cx) &&
           first.GetInt(76, &header->device.cy) && first.GetInt(80, &header->millimetres.cx) &&
           first.GetInt(84, &header->millimetres.cy);
}

}  // namespace

bool SEmfReader::Parse(const std::vector<uint8_t>& bits, SEmfHeader* header, std::vector<View>* records) {
    SEmfHeader found;
    std::vector<View> views;
    const size_t total = bits.size();
    if (total < kMinHeaderSize + kEofSize || total > kMaxBytes) return false;
    size_t offset = 0;
    bool ended = false;
    while (offset < total) {
        if (ended) return false;  // bytes after the end record
        const View rest(bits.data() + offset, total - offset);
        uint32_t size = 0;
        if (!rest.Get32(4, &size) || size < 8 || size % 4 != 0 || size > total - offset) return false;
        const View record(bits.data() + offset, size);
        if (views.empty()) {
            if (!ReadHeader(record, &found)) return false;
            if (found.bytes != total || found.records < 2 || found.records > total / 8) return false;
        } else if (record.GetType() == EMR_HEADER) {
            return false;
        }
        if (views.size() >= found.records) return false;
        if (record.GetType() == EMR_EOF) ended = true;
        views.push_back(record);
        offset += size;
    }
    if (!ended || views.size() != found.records) return false;
    if (header) *header = found;
    if (records) *records = std::move(views);
    return true;
}
