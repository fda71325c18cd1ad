#pragma once
// An RTF text taken apart by its tags: a document merged into another gives up its header, its
// font, colour and style tables, and has its font and colour numbers changed to those of the
// document it joins. The tokeniser never trusts the text: an unclosed group, a control word cut
// off at the end or a "\bin" longer than what follows are tags marked incomplete, never a read
// past the end; nothing recurses, so deep nesting costs no stack.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <string_view>

#include "platform/base/SString.h"

// Numbers of a merged text's fonts or colours to numbers of the document that takes it in.
using SRtfNumberMap = std::map<int32_t, int32_t>;

class SRtfDocument {
public:
    struct Tag {
        enum Kind : uint8_t {
            kText,           // a run of characters up to the next backslash or brace
            kControlWord,    // "\" letters, an optional signed number, its blank delimiter
            kControlSymbol,  // "\" and one character ("\'hh" with its two digits)
            kGroup,          // a whole group, from its "{" to the matching "}"
            kOpen,           // a lone "{": GetNextToken's, and the document's own group
            kClose,          // a "}" that closes no group of the tag
        };
        Kind kind = kText;
        size_t offset = 0;
        size_t length = 0;
        bool complete = true;  // false when the text ended inside the tag
        std::string_view word;  // the letters of a control word
        bool hasParam = false;
        int32_t param = 0;
        size_t paramEnd = 0;  // offset just past the control word's number (or letters)

        size_t End() const { return offset + length; }
    };

    // Works on the text in place: the extractions and the renumbering change it.
    explicit SRtfDocument(SString& text) : m_text(text) {}

    // Whether a text is a whole RTF document of its own.
    static bool IsRtf(std::string_view text) { return text.substr(0, 5) == "{\\rtf"; }

    // The tag at `pos`, false at the end of the text. A group comes whole, except the document's
    // own group "{\rtf", which gives its opening brace alone, so that a reader goes through the
    // document's tags one by one.
    static bool GetNextTag(std::string_view text, size_t pos, Tag& tag);
    // The token at `pos`: as GetNextTag, but every "{" is a token of its own (kOpen).
    static bool GetNextToken(std::string_view text, size_t pos, Tag& tag);
    // The first control word of a group's text, the "\*" of an optional destination skipped.
    static std::string_view GroupDestination(std::string_view group);
    // Whether a group with this destination holds no text of the body (tables, document
    // information, headers and footers, field instructions, entries of the contents and the
    // index ...), whatever it holds.
    static bool HoldsNoBodyText(std::string_view destination);
    // The character a control word stands for ("\emdash", "\ldblquote", "\bullet" ...), 0 for a
    // word that names none.
    static uint32_t CharacterOfWord(std::string_view word);
    // Whether a group with this destination is a header or a footer (of every page, of left or
    // right pages, of the first page).
    static bool IsHeaderFooter(std::string_view destination);

    // The document's opening ("{\rtf1" and the header words that follow it: character set and
    // defaults), its closing brace, and the header groups and words that have no place inside
    // another document (information, generator and other optional destinations, and header words
    // before the body). Formatting words stay with the body. Each Extract answers whether it
    // found its part, copies it to `part` when given and removes it from the text when `remove`
    // is set.
    bool ExtractHeader(SString* part, bool remove);
    bool ExtractFontTable(SString* part, bool remove);
    bool ExtractColorTable(SString* part, bool remove);
    bool ExtractStyleTable(SString* part, bool remove);
    // Changes the numbers of the font words ("\f", "\af") and of the colour words ("\cf", "\cb",
    // "\highlight", the border and shading colours ...) that the maps hold; others stay.
    void ChangeFontAndColor(const SRtfNumberMap& fonts, const SRtfNumberMap& colors);
    // Removes every control word with these letters, as a whole word ("\pard" leaves
    // "\pardeftab720" alone), without joining what follows to a control word before it. A word
    // that names an optional destination ("{\*\word ...}") goes with its whole group, so that no
    // group is left marked optional without its destination. Answers the number removed.
    int32_t RemoveControlWord(std::string_view word);
    // The same for every control word that `which` chooses.
    int32_t RemoveControlWords(const std::function<bool(const Tag&)>& which);
    // Puts `with` in the place of every control word with these letters, as a whole word, and its
    // number; the blank that ended it stays. Answers the number replaced.
    int32_t ReplaceControlWord(std::string_view word, std::string_view with);
    // Removes every group whose destination (as GroupDestination gives it) `which` chooses,
    // wherever it stands, without joining what follows to a control word before it. Answers the
    // number removed.
    int32_t RemoveGroups(const std::function<bool(std::string_view destination)>& which);
    // Makes the data of every "\binN" text, so that no conversion of characters and no removal of
    // NULs can change it and no reader takes other bytes for it: the N bytes of a picture become
    // hexadecimal digits, as a picture may hold its data; data anywhere else goes with the
    // optional destination ("{\*...}") that holds it, or alone outside one, as readers pass over
    // it; data cut off by the end of the text goes, to the end. Answers whether the text changed.
    bool ConvertBinary();
    // Each section break ("\sect") that ends a paragraph becomes a paragraph end ("\par"); one
    // that ends none goes. Answers the number of breaks changed or removed.
    int32_t ReplaceSectionBreaks();
    // Whether the text leaves its last paragraph open: whether something shows after its last
    // paragraph end ("\par", "\sect" or the end of a table row): characters, a picture, a field,
    // outside the groups that hold no body text.
    bool IsLastParagraphOpen() const;
    // Makes every group of the text whole, so that nothing of it reaches outside the place it is
    // put in: a closing brace that closes no group goes, so does a tag cut off (a lone
    // backslash, a "\'" without its digits, a "\bin" longer than what follows), and the groups
    // left open are closed at the end. A control word longer than RTF allows (32 letters) keeps
    // its first 32. Answers whether the text changed.
    bool Balance();
    // Makes the text's characters UTF-8, so that the text reads the same in any document: every
    // "\'hh" above 0x7F and every 8-bit byte is read in the code page of its place (the code
    // page of the current font, from its "\cpgN" or "\fcharsetN", else the document's
    // "\ansicpgN", else 1252), a lead byte of a double-byte page with the byte after it; every
    // "\uN" becomes its character and its fallback characters go, and so do the "\ucN" words
    // that counted them. Bytes are taken as UTF-8 instead when the text names no code page (no
    // "\ansicpgN", no font's "\cpgN" or "\fcharsetN") and the whole text is well-formed UTF-8
    // (the bytes of "\bin" data aside). The words that named a code page go, so that the text,
    // UTF-8 now, is read as it is when it is read again: a second reading changes nothing. A
    // font of the symbol set keeps its bytes, as "\'hh", and its set: they are no characters.
    // An ASCII character that came from "\uN" or from a code page is written "\'hh", so that it
    // stays text. Answers whether the text changed.
    bool ToUnicode();

private:
    // The top-level group whose destination is `destination`, as ExtractHeader's siblings do.
    bool ExtractGroup(std::string_view destination, SString* part, bool remove);

    SString& m_text;
};
