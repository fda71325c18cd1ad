#include "platform/ui/SAccelerators.h"

#include <map>
#include <vector>

#include "platform/base/SModuleState.h"
#include "platform/ui/SResInstance.h"
#include "platform/ui/SResourceTypes.h"

namespace {
// Each entry of the resource: flags (0x80 on the last), key, command, padding; 16-bit words.
constexpr size_t kEntrySize = 8;
constexpr uint16_t kLastEntry = 0x80;

struct Tables {
    std::map<HACCEL, std::vector<ACCEL>> tables;
    HACCEL next = 0x30000;
};
Tables& TheTables() {
    static Tables tables;
    return tables;
}
uint16_t Word(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}
}  // namespace

HACCEL LoadAcceleratorsA(HINSTANCE instance, uint32_t id) {
    const uint8_t* data = nullptr;
    size_t size = 0;
    if (!SFindResource(instance, id, RT_ACCELERATOR, &data, &size)) return 0;
    std::vector<ACCEL> entries;
    for (size_t offset = 0; offset + kEntrySize <= size; offset += kEntrySize) {
        const uint16_t flags = Word(data + offset);
        entries.push_back({static_cast<uint8_t>(flags & 0x7F), Word(data + offset + 2), Word(data + offset + 4)});
        if (flags & kLastEntry) break;
    }
    if (entries.empty()) return 0;
    Tables& tables = TheTables();
    HACCEL handle = tables.next++;
    tables.tables[handle] = std::move(entries);
    return handle;
}

int32_t CopyAcceleratorTableA(HACCEL table, ACCEL* entries, int32_t count) {
    auto& tables = TheTables().tables;
    auto it = tables.find(table);
    if (it == tables.end()) return 0;
    const auto total = static_cast<int32_t>(it->second.size());
    if (!entries) return total;
    const int32_t copied = count < total ? count : total;
    for (int32_t i = 0; i < copied; ++i) entries[i] = it->second[i];
    return copied;
}

int32_t DestroyAcceleratorTable(HACCEL table) {
    return TheTables().tables.erase(table) ? 1 : 0;
}

size_t GetAcceleratorTableCount() {
    return TheTables().tables.size();
}
