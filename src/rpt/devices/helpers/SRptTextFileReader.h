#pragma once
// The text of a text file item, read the same way for every device: the file's lines, each ended
// by CR LF, in UTF-8 whatever the file's own encoding (byte-order mark, UTF-8, else Windows-1252),
// or the message that stands in for a file not named or not found.
#include "platform/base/SString.h"

class SRptTextFileReader {
public:
    // As the RTF document takes it: an RTF file as it stands (its 8-bit bytes read as Windows-1252
    // when they are no UTF-8), the not-found message without a line break.
    static SString Read(const SString& sPath);
    // As the pages show it (HTML and print): an RTF file as its plain text, and every message
    // ended by a line break like the file's lines.
    static SString ReadPlain(const SString& sPath);

private:
    static SString Read(const SString& sPath, bool bEndMessage);
};
