#include "platform/base/SInputMultiFormat.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "platform/base/SCodePage.h"
#include "platform/base/SCodePage1252.h"
#include "platform/base/SUtf8.h"

namespace {

constexpr size_t kChunk = 0x10000;
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr std::string_view kUtf16BeMark = "\xFE\xFF";

bool StartsWith(std::string_view bytes, std::string_view mark) {
    return bytes.substr(0, mark.size()) == mark;
}

// UTF-8 that a mark announced: a byte that begins no well-formed sequence stands for the
// replacement character.
std::string WellFormed(std::string_view bytes) {
    if (SUtf8::IsWellFormed(bytes)) return std::string(bytes);
    std::string text;
    text.reserve(bytes.size() + bytes.size() / 4);
    for (size_t pos = 0; pos < bytes.size();) SUtf8::Encode(SUtf8::Decode(bytes, pos), text);
    return text;
}

// Pairs of bytes as UTF-16 units; an odd last byte is no unit and is left out.
std::string FromUtf16(std::string_view bytes, bool bigEndian) {
    std::u16string units;
    units.reserve(bytes.size() / 2);
    for (size_t pos = 0; pos + 1 < bytes.size(); pos += 2) {
        const auto first = static_cast<unsigned char>(bytes[pos]);
        const auto second = static_cast<unsigned char>(bytes[pos + 1]);
        units += static_cast<char16_t>(bigEndian ? (first << 8) | second : (second << 8) | first);
    }
    return SUtf8::FromU16(units);
}

std::string FromWindows1252(std::string_view bytes) {
    // Room for the whole text at once: a text of many megabytes is not copied as it grows.
    size_t length = bytes.size();
    for (char byte : bytes)
        if (static_cast<uint8_t>(byte) >= 0x80) length += SCodePage1252::ToUnicode(static_cast<uint8_t>(byte)) < 0x800 ? 1 : 2;
    std::string text;
    text.reserve(length);
    SCodePage(SCodePage::kWestern).AppendUtf8(bytes, text);
    return text;
}

}  // namespace

SInputMultiFormat::SInputMultiFormat(std::unique_ptr<SInputStream> source) : m_source(std::move(source)) {}

std::string SInputMultiFormat::Decode(std::string_view bytes) {
    std::string text;
    if (StartsWith(bytes, kUtf8Mark))
        text = WellFormed(bytes.substr(kUtf8Mark.size()));
    else if (StartsWith(bytes, kUtf16LeMark))
        text = FromUtf16(bytes.substr(kUtf16LeMark.size()), false);
    else if (StartsWith(bytes, kUtf16BeMark))
        text = FromUtf16(bytes.substr(kUtf16BeMark.size()), true);
    else if (SUtf8::IsWellFormed(bytes))
        text = bytes;
    else
        text = FromWindows1252(bytes);
    RemoveNuls(text);
    return text;
}

std::string_view SInputMultiFormat::AfterUtf8Mark(std::string_view bytes) {
    return StartsWith(bytes, kUtf8Mark) ? bytes.substr(kUtf8Mark.size()) : bytes;
}

void SInputMultiFormat::RemoveNuls(std::string& text) {
    text.erase(std::remove(text.begin(), text.end(), '\0'), text.end());
}

void SInputMultiFormat::Load() {
    if (m_loaded) return;
    m_loaded = true;
    if (!m_source) return;
    std::string bytes;
    for (size_t read = kChunk; read == kChunk;) {
        const size_t at = bytes.size();
        bytes.resize(at + kChunk);
        read = m_source->Read(bytes.data() + at, kChunk);
        bytes.resize(at + read);
    }
    m_text = Decode(bytes);
}

size_t SInputMultiFormat::Read(void* buffer, size_t count) {
    Load();
    const size_t n = std::min(count, m_text.size() - m_next);
    std::memcpy(buffer, m_text.data() + m_next, n);
    m_next += n;
    return n;
}

bool SInputMultiFormat::IsEOF() {
    Load();
    return m_next >= m_text.size();
}

void SInputMultiFormat::Close() {
    if (m_source) m_source->Close();
}
