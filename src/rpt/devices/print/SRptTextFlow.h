#pragma once
// Lays the text of one paragraph out into lines for the printed and previewed page: each call
// gives the next line for an available width, with its characters, its frame and text
// rectangles, its tab segments and its room for justification. Measures are in the logical
// units of the device context (the paragraph format is in hundredths of a millimetre). A line is
// computed once per width and kept until it is consumed.
#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/base/RECT.h"
#include "platform/base/SString.h"
#include "platform/base/STable.h"
#include "platform/com/SComWrap.h"
#include "varod9/ISRptPara.h"

class SDC;

// One run of text between tabs: where it starts and ends, and its number of characters.
struct RPTTABSEGMENT {
    int32_t start = 0;
    int32_t end = 0;
    int32_t count = 0;
    friend bool operator==(const RPTTABSEGMENT&, const RPTTABSEGMENT&) = default;
};

// Line-start flags and line-end kinds.
inline constexpr int32_t RPTFLOW_FIRSTLINE = 2;
inline constexpr int32_t RPTFLOW_DONE = 4;
inline constexpr int32_t RPTFLOW_HARDBREAK = 8;
inline constexpr int32_t RPTFLOW_START = 3;
inline constexpr int32_t RPTFLOW_WORDWRAP = 1;

class SRptTextFlow {
public:
    SRptTextFlow();
    SRptTextFlow(SDC* dc, const SString& text, ISRptPara* para, int mode);
    ~SRptTextFlow();
    SRptTextFlow(const SRptTextFlow&) = delete;
    SRptTextFlow& operator=(const SRptTextFlow&) = delete;

    HRESULT Init(SDC* dc, const SString& text, ISRptPara* para, int mode);
    HRESULT Reset(const SString* text);
    // E_INVALIDARG for a null text or rectangle; `spaces`, `extra` and `segments` may be null.
    HRESULT GetLine(int32_t width, SString* text, RECT* frame, RECT* textRect, int32_t* spaces, int32_t* extra,
                    STable<RPTTABSEGMENT>* segments);
    HRESULT NextLine(int32_t width, SString* text, RECT* frame, RECT* textRect, int32_t* spaces, int32_t* extra,
                     STable<RPTTABSEGMENT>* segments);
    bool IsDone() const { return (m_flags & RPTFLOW_DONE) != 0; }

    int32_t GetFlags() const { return m_flags; }
    int32_t GetEndKind() const { return m_endKind; }

private:
    // The characters of a segment (the text from a line's start or a tab to the next tab or
    // break) that fit, with their extents from the segment's start.
    struct SSegmentExtents {
        bool measured = false;
        size_t firstIndex = 0;  // the line's index of the segment's first character
        std::vector<int32_t> extents;
    };

    void ComputeLine(int32_t width);
    // Fits characters of the remaining text into `available`; answers the line's width, and
    // the font height in `height`.
    int32_t FitCharacters(int32_t available, int32_t* height);
    // Measures the segment that starts at byte `start` once, as far as it fits after `finished`.
    void MeasureSegment(std::string_view text, size_t start, int32_t finished, int32_t available,
                        SSegmentExtents* segment) const;
    void ApplyTabs(int32_t available, const STable<int32_t>& tabs, std::string_view text);
    int32_t CountSpacesAfterLastTab(std::string_view text) const;
    // Byte offset of the character after the first `chars` characters of the remaining text.
    size_t ByteOffset(size_t chars) const;
    // The text not yet laid out: a view into the paragraph's text, so that taking a line off a
    // long text costs nothing more than the line.
    std::string_view Remaining() const { return std::string_view(m_text.str()).substr(m_start); }

    SString m_text;
    size_t m_start = 0;  // byte offset of the remaining text in the paragraph's text
    SDC* m_dc = nullptr;
    int32_t m_mode = 0;
    int32_t m_flags = RPTFLOW_START;
    SComWrap<ISRptPara> m_para;
    int32_t m_computed = 0;
    int32_t m_computedWidth = 0;
    int32_t m_endKind = 0;
    RECT m_frame;
    RECT m_textRect;
    int32_t m_spaces = 0;
    size_t m_next = 0;  // byte offset of the text after the line, in the remaining text
    int32_t m_extra = 0;
    STable<int32_t> m_positions;
    STable<RPTTABSEGMENT> m_segments;
    STable<int32_t> m_tabs;  // character indexes of the line's tabs
};
