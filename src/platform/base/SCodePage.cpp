#include "platform/base/SCodePage.h"

#include <iconv.h>

#include <cerrno>

#include "platform/base/SCodePage1252.h"
#include "platform/base/SUtf8.h"

namespace {

constexpr uint32_t kReplacement = 0xFFFD;
constexpr uint32_t kJapanese = 932;
constexpr uint32_t kSimplifiedChinese = 936;
constexpr uint32_t kKorean = 949;
constexpr uint32_t kTraditionalChinese = 950;
constexpr uint32_t kMac = 10000;
constexpr uint32_t kUtf8 = 65001;
// The converter writes through a buffer of this size, whatever the length of the text.
constexpr size_t kOutputBlock = 0x4000;

iconv_t NoConverter() {
    return reinterpret_cast<iconv_t>(-1);
}

// The platform converter's name of a code page.
std::string ConverterName(uint32_t codePage) {
    switch (codePage) {
        case kMac: return "MACINTOSH";
        case kUtf8: return "UTF-8";
        default: {
            // Three digits at least: "CP037", "CP437".
            std::string digits = std::to_string(codePage);
            return "CP" + std::string(digits.size() < 3 ? 3 - digits.size() : 0, '0') + digits;
        }
    }
}

}  // namespace

SCodePage::SCodePage(uint32_t codePage) : m_codePage(codePage) {
    if (codePage == kWestern) return;
    iconv_t converter = ::iconv_open("UTF-8", ConverterName(codePage).c_str());
    if (converter == NoConverter()) {
        m_codePage = kWestern;
        return;
    }
    m_converter = converter;
}

SCodePage::~SCodePage() {
    if (m_converter) ::iconv_close(static_cast<iconv_t>(m_converter));
}

bool SCodePage::IsLeadByte(uint8_t byte) const {
    switch (m_codePage) {
        case kJapanese: return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
        case kSimplifiedChinese:
        case kKorean:
        case kTraditionalChinese: return byte >= 0x81 && byte <= 0xFE;
        default: return false;
    }
}

void SCodePage::AppendUtf8(std::string_view bytes, std::string& out) {
    if (!m_converter) {
        for (char byte : bytes) SUtf8::Encode(SCodePage1252::ToUnicode(static_cast<uint8_t>(byte)), out);
        return;
    }
    AppendConverted(bytes, out);
}

void SCodePage::AppendConverted(std::string_view bytes, std::string& out) {
    auto converter = static_cast<iconv_t>(m_converter);
    char* in = const_cast<char*>(bytes.data());
    size_t inLeft = bytes.size();
    char block[kOutputBlock];
    // Gives back what the converter holds back (a letter that waits for a combining mark).
    const auto release = [&]() {
        for (;;) {
            char* next = block;
            size_t outLeft = sizeof block;
            const size_t done = ::iconv(converter, nullptr, nullptr, &next, &outLeft);
            out.append(block, static_cast<size_t>(next - block));
            if (done != static_cast<size_t>(-1) || errno != E2BIG) return;
        }
    };
    // Each call converts what it can; a byte that is no character is passed over as U+FFFD, and
    // a character cut off by the end is one too.
    while (inLeft > 0) {
        char* next = block;
        size_t outLeft = sizeof block;
        const size_t done = ::iconv(converter, &in, &inLeft, &next, &outLeft);
        const int error = done == static_cast<size_t>(-1) ? errno : 0;
        out.append(block, static_cast<size_t>(next - block));
        if (error == 0 || error == E2BIG) continue;
        release();
        SUtf8::Encode(kReplacement, out);
        if (error != EILSEQ) break;
        ++in;
        --inLeft;
    }
    release();
}

uint32_t SCodePage::OfCharset(int32_t charset) {
    switch (charset) {
        case 0: return kWestern;
        case 2: return kSymbol;
        case 77: return kMac;
        case 128: return kJapanese;
        case 129: return kKorean;
        case 130: return 1361;
        case 134: return kSimplifiedChinese;
        case 136: return kTraditionalChinese;
        case 161: return 1253;
        case 162: return 1254;
        case 163: return 1258;
        case 177: return 1255;
        case 178: return 1256;
        case 186: return 1257;
        case 204: return 1251;
        case 222: return 874;
        case 238: return 1250;
        case 255: return 437;
        default: return 0;
    }
}
