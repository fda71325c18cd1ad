#pragma once
// The text of a text file item, read the same way for every device: the file's lines, each ended
// by CR LF, in UTF-8 whatever the file's own encoding (byte-order mark, UTF-8, else Windows-1252),
// or the message that stands in for a file not named or not found. An RTF file (one that begins
// with "{\rtf", after a UTF-8 mark or not, or a UTF-16 text that does) is read as RTF: its binary
// data made text first (SRtfDocument::ConvertBinary), then its NULs left out and its 8-bit bytes
// and escapes read in its own code pages. A file that cannot be read (not a plain
// file, no permission, larger than kMaxFileSize) is taken as one that is not found, so that the
// report is written all the same.
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/base/SString.h"

class SRptTextFileReader {
public:
    // The largest text file that is read: 64 MiB.
    static constexpr int64_t kMaxFileSize = int64_t(64) << 20;

    // As the RTF document takes it: an RTF file as it stands, the not-found message without a
    // line break.
    static SString Read(const SString& sPath);
    // As the pages show it (HTML and print): an RTF file as its plain text, and every message
    // ended by a line break like the file's lines.
    static SString ReadPlain(const SString& sPath);

private:
    static SString Read(const SString& sPath, bool bEndMessage);
    // The file's bytes; false when it cannot be read.
    static bool ReadBytes(const SString& sPath, std::string& bytes);
    static SString TextOf(std::string bytes);
    // An RTF file's text, every step of the way in its order, whatever encoding it came in.
    static SString RtfOf(SString rtf);
    // The lines of a text, each ended by CR LF (a line end may be LF, CR LF or a lone CR).
    static SString LinesOf(std::string_view text);
};
