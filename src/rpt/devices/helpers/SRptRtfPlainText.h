#pragma once
// The plain text of an RTF document, for the pages that show text files and group texts written
// in RTF: paragraph and line ends become CR LF, tabs stay tabs, escaped and Unicode characters
// become UTF-8 (read in the document's own code pages), and what is no body text (font, colour
// and style tables, document information, pictures, field instructions, optional destinations)
// is left out. The text ends where the document's group closes, as RTF readers end it.
#include <string_view>

#include "platform/base/SString.h"

class SRptRtfPlainText {
public:
    static SString ToText(std::string_view rtf);
    // A text that may itself be an RTF document: its plain text when it is one, else the text as
    // it stands.
    static SString PlainOf(const SString& text);

private:
    // Whether a group that begins with this control word holds no body text.
    static bool IsHiddenDestination(std::string_view word);
};
