#pragma once
// A Windows code page read as Unicode: the 8-bit pages (1250 to 1258, 874, the DOS and Mac pages)
// and the double-byte pages of East Asia (932, 936, 949, 950), where a lead byte and the byte
// after it make one character. The platform's converter reads them; 1252, the page of most
// texts, is read from its own table. A page the platform cannot read is read as 1252.
#include <cstdint>
#include <string>
#include <string_view>

class SCodePage {
public:
    static constexpr uint32_t kWestern = 1252;
    // Windows' number for a font whose bytes are glyphs, not characters of a code page.
    static constexpr uint32_t kSymbol = 42;

    explicit SCodePage(uint32_t codePage);
    ~SCodePage();
    SCodePage(const SCodePage&) = delete;
    SCodePage& operator=(const SCodePage&) = delete;

    // The page that is read: the one asked for, or 1252 when the platform cannot read that.
    uint32_t GetCodePage() const { return m_codePage; }
    // Whether a byte begins a character of two bytes (double-byte pages only).
    bool IsLeadByte(uint8_t byte) const;
    // Appends the UTF-8 of the bytes. A byte, or a pair, that is no character of the page
    // stands for U+FFFD; so does a lead byte without the byte after it.
    void AppendUtf8(std::string_view bytes, std::string& out);

    // The code page of a font's character set (RTF's "\fcharsetN", a LOGFONT's lfCharSet):
    // 1252 for ANSI, kSymbol for the symbol set, 0 for the default set and the sets that name no
    // code page.
    static uint32_t OfCharset(int32_t charset);

private:
    void AppendConverted(std::string_view bytes, std::string& out);

    uint32_t m_codePage;
    void* m_converter = nullptr;  // the platform's converter, none for 1252
};
