// Arbitrary bytes as an RTF text merged into a report: the tokeniser must step through any text in
// tags that tile it exactly, and taking a document apart, renumbering it and gathering its tables
// must never crash, read past the text or loop.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/base/SRtfColorTable.h"
#include "platform/base/SRtfDocument.h"
#include "platform/base/SRtfFontTable.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);

    // Tags, and tokens, cover the text without gap or overlap, each at least one byte long.
    for (bool tokens : {false, true}) {
        SRtfDocument::Tag tag;
        size_t pos = 0;
        while (tokens ? SRtfDocument::GetNextToken(input, pos, tag) : SRtfDocument::GetNextTag(input, pos, tag)) {
            if (tag.offset != pos || tag.length == 0 || tag.End() > size) std::abort();
            pos = tag.End();
        }
        if (pos != size) std::abort();
    }

    // A merged document, as the RTF device takes it apart.
    SString text{input};
    SRtfDocument document(text);
    SString fonts;
    SString colors;
    SString styles;
    document.ExtractHeader(nullptr, true);
    const bool hasFonts = document.ExtractFontTable(&fonts, true);
    const bool hasColors = document.ExtractColorTable(&colors, true);
    const bool hasStyles = document.ExtractStyleTable(&styles, true);
    SRtfFontTable fontTable;
    SRtfColorTable colorTable;
    fontTable.AddFontTable("{\\fonttbl{\\f0\\fswiss Arial;}}");
    colorTable.AddColorTable("{\\colortbl;}");
    SRtfNumberMap fontMap;
    SRtfNumberMap colorMap;
    if (hasFonts) fontTable.AddFontTable(fonts, &fontMap);
    if (hasColors) colorTable.AddColorTable(colors, &colorMap);
    document.ChangeFontAndColor(fontMap, colorMap);
    if (hasStyles) SRtfDocument(styles).ChangeFontAndColor(fontMap, colorMap);
    document.RemoveControlWord("pard");
    // What the tables write back is a table of their own kind again.
    if (SRtfFontTable::Parse(fontTable.GetFontTable().view()).size() != fontTable.GetEntries().size()) std::abort();
    if (SRtfColorTable::Parse(colorTable.GetColorTable().view()).size() != colorTable.GetEntries().size()) std::abort();
    return 0;
}
