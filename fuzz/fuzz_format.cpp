// Arbitrary bytes as a printf-style format with arguments of every kind: formatting must never
// crash or overflow, and what one directive makes must stay within the field bound however large
// the widths and precisions it asks for.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "platform/base/SFormatArg.h"

namespace {
// Texts of every shape a caller hands in: empty, multibyte, ill-formed, and longer than any field.
const std::string& Text(uint8_t which) {
    static const std::string texts[] = {"", "abc", "caf\xC3\xA9", "\xF0\x9F\x98\x80", "\xFF\xC3", std::string(5000, 'x')};
    return texts[which % (sizeof texts / sizeof texts[0])];
}

// One argument from nine bytes: a kind, then a 64-bit value (its low half for a 32-bit kind).
SFormatArg MakeArg(const uint8_t* bytes) {
    uint64_t bits = 0;
    std::memcpy(&bits, bytes + 1, sizeof bits);
    SFormatArg a;
    switch (bytes[0] % 8) {
        case 0: a = SFormatArg::From(static_cast<int64_t>(bits)); break;
        case 1: a = SFormatArg::From(bits); break;
        case 2: {
            double d;
            std::memcpy(&d, &bits, sizeof d);
            a = SFormatArg::From(d);
            break;
        }
        case 3: a = SFormatArg::From(Text(static_cast<uint8_t>(bits)).c_str()); break;
        case 4: a = SFormatArg::From(static_cast<const char*>(nullptr)); break;
        case 5: a = SFormatArg::From(static_cast<int32_t>(static_cast<uint32_t>(bits))); break;
        case 6: a = SFormatArg::From(static_cast<uint32_t>(bits)); break;
        default: a = SFormatArg::From(reinterpret_cast<const void*>(static_cast<uintptr_t>(bits))); break;
    }
    return a;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    size_t count = data[0] % 8;
    ++data;
    --size;
    std::vector<SFormatArg> args;
    for (size_t i = 0; i < count && size >= 9; ++i, data += 9, size -= 9) args.push_back(MakeArg(data));
    std::string_view format(reinterpret_cast<const char*>(data), size);

    std::string out = SFormatV(format, args.data(), args.size());

    // Each directive takes two bytes of the format at least and makes at most a bounded field,
    // a floating value's digits beside its precision, or a whole text.
    const size_t perDirective = 4096 + 400 + Text(5).size();
    if (out.size() > format.size() + (format.size() / 2 + 1) * perDirective) std::abort();
    return 0;
}
