// Arbitrary bytes as an RTF text merged into a report: read as a text file, they must come out as
// UTF-8 without a NUL; the tokeniser must step through any text in tags that tile it exactly; a
// balanced text must close every group it opens and close no other; its characters, once read in
// their code pages, are read so for good (a second reading changes nothing); and taking a
// document apart, renumbering it and gathering its tables must never crash, read past the text
// or loop.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/base/SInputMultiFormat.h"
#include "platform/base/SRtfColorTable.h"
#include "platform/base/SRtfDocument.h"
#include "platform/base/SRtfFontTable.h"
#include "platform/base/SUtf8.h"

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

    // The bytes as a text file's text.
    const std::string decoded = SInputMultiFormat::Decode(input);
    for (size_t pos = 0; pos < decoded.size(); pos += SUtf8::SequenceLength(decoded, pos))
        if (decoded[pos] == '\0' || SUtf8::SequenceLength(decoded, pos) == 0) std::abort();

    // A merged document, as the RTF device takes it apart once it is balanced.
    SString text{input};
    SRtfDocument document(text);
    // Binary data made text leaves no "\binN" with data, and making it text again changes nothing.
    document.ConvertBinary();
    SRtfDocument::Tag binary;
    for (size_t pos = 0; SRtfDocument::GetNextToken(text.view(), pos, binary); pos = binary.End())
        if (binary.kind == SRtfDocument::Tag::kControlWord && binary.word == "bin" && binary.param > 0) std::abort();
    if (document.ConvertBinary()) std::abort();
    document.Balance();
    int32_t depth = 0;
    SRtfDocument::Tag token;
    for (size_t pos = 0; SRtfDocument::GetNextToken(text.view(), pos, token); pos = token.End()) {
        if (!token.complete) std::abort();
        if (token.kind == SRtfDocument::Tag::kOpen) ++depth;
        if (token.kind == SRtfDocument::Tag::kClose && --depth < 0) std::abort();
    }
    if (depth != 0) std::abort();
    document.ToUnicode();
    if (document.ToUnicode()) std::abort();
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
    // Kept inside the report's section, its last paragraph ended, its resets given a format.
    document.RemoveGroups([](std::string_view destination) { return destination == "header"; });
    document.RemoveControlWords([](const SRtfDocument::Tag& tag) { return tag.word == "sectd"; });
    document.ReplaceSectionBreaks();
    document.IsLastParagraphOpen();
    document.ReplaceControlWord("pard", "\\pard\\ql");
    // None of it opens or closes a group.
    depth = 0;
    for (size_t pos = 0; SRtfDocument::GetNextToken(text.view(), pos, token); pos = token.End()) {
        if (token.kind == SRtfDocument::Tag::kOpen) ++depth;
        if (token.kind == SRtfDocument::Tag::kClose && --depth < 0) std::abort();
    }
    if (depth != 0) std::abort();
    // What the tables write back is a table of their own kind again.
    if (SRtfFontTable::Parse(fontTable.GetFontTable().view()).size() != fontTable.GetEntries().size()) std::abort();
    if (SRtfColorTable::Parse(colorTable.GetColorTable().view()).size() != colorTable.GetEntries().size()) std::abort();
    return 0;
}
