#pragma once
// The plain text of an RTF document, for the pages that show text files and group texts written
// in RTF, as RTF readers show it: paragraph and line ends become CR LF, tabs stay tabs, a tab
// stands between the cells of a row and a row, a section and a page end their line; escaped and
// Unicode characters become UTF-8 (read in the document's own code pages), and so do the
// characters RTF names by words (dashes, quotes, bullets, spaces, the non-breaking space and
// hyphen). What is no body text (font, colour and style tables, document information, pictures,
// field instructions, entries of the contents and the index, optional destinations) is left out,
// and so is hidden text. The text ends where the document's group closes, as RTF readers end it.
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
