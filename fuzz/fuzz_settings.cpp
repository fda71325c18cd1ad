// Reads arbitrary bytes as a settings file. Whatever is accepted must survive a save and a second
// load unchanged; whatever is refused must leave the store as it was and name a place within the
// input. Read through a small buffer over a stream, the same bytes must give the same answer.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/base/SInputBufferStream.h"
#include "platform/base/SInputStringStream.h"
#include "platform/base/SOutputStringStream.h"
#include "platform/base/SSettingsFile.h"
#include "platform/base/SSettingsStore.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    SSettingsStore store;
    SSettingsValue marker;
    marker.text = "before";
    store.WriteValue(HKEY_CURRENT_USER, "fuzz", "marker", marker);
    SSettingsStore::Keys before = store.GetKeys();

    SReadResult where;
    HRESULT hr = store.LoadFromText(text, &where);
    if (where.code != hr) std::abort();
    if (FAILED(hr) && size <= SSettingsFile::kMaxBytes &&
        (where.offset > size || where.line == 0 || where.column == 0 || where.column > where.offset + 1))
        std::abort();

    SInputStringStream source{SString(text)};
    SInputBufferStream buffered(source, 1 + size % 7);
    SSettingsStore streamed;
    SReadResult streamedWhere;
    if (streamed.LoadFromStream(buffered, &streamedWhere) != hr) std::abort();
    if (streamedWhere.offset != where.offset || streamedWhere.line != where.line ||
        streamedWhere.column != where.column)
        std::abort();
    if (SUCCEEDED(hr) && streamed.GetKeys() != store.GetKeys()) std::abort();

    if (FAILED(hr)) {
        if (store.GetKeys() != before) std::abort();
        return 0;
    }
    SOutputStringStream saved;
    if (FAILED(store.SaveToStream(saved))) std::abort();
    SSettingsStore again;
    if (again.LoadFromText(saved.GetString().view()) != S_OK) std::abort();
    if (again.GetKeys() != store.GetKeys()) std::abort();
    return 0;
}
