#include "rpt/devices/print/SRptTextFlow.h"

#include <algorithm>
#include <climits>
#include <string_view>

#include "platform/base/SUtf8.h"
#include "platform/com/SComThrow.h"
#include "platform/gdi/MulDiv.h"
#include "platform/gdi/SDC.h"
#include "varod9/ISRptTabulation.h"

namespace {

bool IsBreak(char c) { return c == '\r' || c == '\n'; }

// A line holds a few dozen characters: a segment is measured in windows of this many characters
// at first, twice as many each time the whole window fits.
constexpr size_t kWindowChars = 256;

// The byte offset after at most `maxChars` characters of the segment that starts at `start`,
// which ends at a tab, a break or the text's end; `chars` the characters passed.
size_t SegmentWindowEnd(std::string_view text, size_t start, size_t maxChars, size_t* chars) {
    size_t end = start;
    *chars = 0;
    while (*chars < maxChars && end < text.size() && text[end] != '\t' && !IsBreak(text[end])) {
        end += SUtf8::CharLength(text, end);
        ++*chars;
    }
    return end;
}

// The paragraph's font selected into the context for the life of the object.
class SFontSelection {
public:
    SFontSelection(SDC* dc, ISRptPara* para) : m_dc(dc), m_font(para->GetFont(dc)) {
        if (m_dc && m_font) m_previous = m_dc->SelectFont(m_font.get());
    }
    ~SFontSelection() {
        if (m_dc && m_previous) m_dc->SelectFont(m_previous);
    }
    SFontSelection(const SFontSelection&) = delete;
    SFontSelection& operator=(const SFontSelection&) = delete;

private:
    SDC* m_dc;
    SFontOldPtr m_font;
    HFONT m_previous = nullptr;
};

// The index of the last blank or tab among the first `count` characters of `text`, with its
// byte offset in `at`; -1 when there is none. One pass forward: a search back from the end would
// have to find each character's start from the line's start again.
int32_t LastBlankOrTab(std::string_view text, int32_t count, size_t* at) {
    int32_t found = -1;
    size_t pos = 0;
    for (int32_t i = 0; i < count && pos < text.size(); ++i) {
        if (text[pos] == ' ' || text[pos] == '\t') {
            found = i;
            *at = pos;
        }
        pos += SUtf8::CharLength(text, pos);
    }
    return found;
}

int32_t Measure(SDC* dc, std::string_view text) {
    SIZE size;
    if (!dc || !dc->GetTextExtentPoint32(text, &size)) return 0;
    return size.cx;
}

}  // namespace

SRptTextFlow::SRptTextFlow() {
    m_positions.SetSize(0);
}

SRptTextFlow::SRptTextFlow(SDC* dc, const SString& text, ISRptPara* para, int mode)
    : m_text(text), m_dc(dc), m_mode(mode) {
    m_para.Assign(para);
}

SRptTextFlow::~SRptTextFlow() {
    m_para.Clear();
    m_positions.RemoveAll();
    m_segments.RemoveAll();
}

HRESULT SRptTextFlow::Reset(const SString* text) {
    if (text) m_text = *text;
    m_start = 0;
    m_flags = RPTFLOW_START;
    m_computed = 0;
    return S_OK;
}

HRESULT SRptTextFlow::GetLine(int32_t width, SString* text, RECT* frame, RECT* textRect, int32_t* spaces, int32_t* extra,
                              STable<RPTTABSEGMENT>* segments) {
    if (!text || !frame || !textRect) return E_INVALIDARG;
    if (!m_computed || m_computedWidth != width) ComputeLine(width);
    *text = SString(std::string(Remaining().substr(0, ByteOffset(static_cast<size_t>(m_positions.GetCount())))));
    *frame = m_frame;
    *textRect = m_textRect;
    if (spaces) *spaces = m_spaces;
    if (extra) *extra = m_extra;
    if (segments) {
        segments->RemoveAll();
        for (int32_t i = 0; i < m_segments.GetCount(); ++i) segments->Add(m_segments[i]);
    }
    return S_OK;
}

HRESULT SRptTextFlow::NextLine(int32_t width, SString* text, RECT* frame, RECT* textRect, int32_t* spaces, int32_t* extra,
                               STable<RPTTABSEGMENT>* segments) {
    const HRESULT hr = GetLine(width, text, frame, textRect, spaces, extra, segments);
    if (FAILED(hr)) return hr;
    m_flags = m_endKind;
    m_start += std::min(m_next, Remaining().size());
    m_computed = 0;
    return S_OK;
}

size_t SRptTextFlow::ByteOffset(size_t chars) const {
    const std::string_view text = Remaining();
    size_t pos = 0;
    for (size_t i = 0; i < chars && pos < text.size(); ++i) pos += SUtf8::CharLength(text, pos);
    return pos;
}

int32_t SRptTextFlow::FitCharacters(int32_t available, int32_t* height) {
    SFontSelection selection(m_dc, m_para.Get());
    const std::string_view text = Remaining();
    m_positions.RemoveAll();
    m_segments.RemoveAll();
    m_tabs.RemoveAll();
    int32_t finished = 0;
    // The segment after the last tab, measured once: the extents of its characters that fit.
    size_t segmentStart = 0;
    SSegmentExtents segment;
    for (size_t pos = 0; pos < text.size() && !IsBreak(text[pos]);) {
        const size_t length = SUtf8::CharLength(text, pos);
        const int32_t index = m_positions.GetCount();
        const int32_t before = index > 0 ? m_positions[index - 1] : 0;
        if (text[pos] == '\t') {
            // A tab takes no width yet: its stop decides where the next segment goes.
            m_tabs.Add(index);
            m_positions.Add(before);
            finished = before;
            pos += length;
            segmentStart = pos;
            segment.measured = false;
            continue;
        }
        if (!segment.measured) MeasureSegment(text, segmentStart, finished, available, &segment);
        const size_t inSegment = static_cast<size_t>(index) - segment.firstIndex;
        if (inSegment < segment.extents.size() || index == 0) {
            const int32_t extent =
                inSegment < segment.extents.size()
                    ? segment.extents[inSegment]
                    : Measure(m_dc, text.substr(segmentStart, pos + length - segmentStart));
            m_positions.Add(finished + extent);
            pos += length;
            continue;
        }
        // Blanks that do not fit stay on the line without taking room.
        while (pos < text.size() && text[pos] == ' ') {
            m_positions.Add(before);
            ++pos;
        }
        break;
    }
    const int32_t firstCount = m_tabs.GetCount() ? m_tabs[0] : m_positions.GetCount();
    m_segments.Add(RPTTABSEGMENT{0, firstCount > 0 ? m_positions[firstCount - 1] : 0, firstCount});
    if (m_tabs.GetCount()) ApplyTabs(available, m_tabs, text);
    TEXTMETRICA metrics;
    *height = m_dc && m_dc->GetTextMetrics(&metrics) ? metrics.tmHeight : 0;
    return m_positions.GetCount() ? m_positions[m_positions.GetCount() - 1] : 0;
}

void SRptTextFlow::MeasureSegment(std::string_view text, size_t start, int32_t finished, int32_t available,
                                  SSegmentExtents* segment) const {
    // What fits: the extents below the room left after the segments before.
    const int64_t room = static_cast<int64_t>(available) - finished - 1;
    const int32_t maxExtent = static_cast<int32_t>(std::clamp<int64_t>(room, INT32_MIN, INT32_MAX));
    segment->extents.clear();
    // The segment may run to the paragraph's end: only as much of it as the line can hold is
    // looked at. Each window is measured from the segment's start, so its extents are those of
    // the whole segment's first characters.
    size_t chars = 0;
    bool measured = m_dc != nullptr;
    for (size_t window = kWindowChars; measured; window *= 2) {
        const size_t end = SegmentWindowEnd(text, start, window, &chars);
        int32_t fit = 0;
        measured = m_dc->GetTextExtentExPoint(text.substr(start, end - start), maxExtent, &fit, &segment->extents);
        const bool segmentEnds = end >= text.size() || text[end] == '\t' || IsBreak(text[end]);
        if (measured && (segment->extents.size() < chars || segmentEnds)) break;
    }
    if (!measured) {
        // Nothing measures: every character takes no room, as an unmeasured text does.
        SegmentWindowEnd(text, start, SIZE_MAX, &chars);
        segment->extents.assign(finished < available ? chars : 0, 0);
    }
    segment->firstIndex = static_cast<size_t>(m_positions.GetCount());
    segment->measured = true;
}

void SRptTextFlow::ApplyTabs(int32_t available, const STable<int32_t>& tabs, std::string_view text) {
    STable<int32_t> kept;
    for (int32_t t = 0; t < tabs.GetCount(); ++t) {
        const int32_t tab = tabs[t];
        if (tab >= m_positions.GetCount()) break;
        const int32_t tabPos = m_positions[tab];
        SComWrap<ISRptTabulation> stop;
        if (FAILED(m_para->GetOwnerTabPos(tabPos, &stop)) || !stop) SComThrow(E_POINTER);
        const int32_t stopPos = std::min(stop->GetPosition(), available);
        const int32_t d = stopPos - tabPos;
        const int32_t next = t + 1 < tabs.GetCount() ? std::min(tabs[t + 1], m_positions.GetCount()) : m_positions.GetCount();
        const int32_t count = next - tab - 1;
        const int32_t sw = count > 0 ? m_positions[next - 1] - tabPos : 0;
        int32_t shift = d;
        switch (stop->GetAlignment()) {
        case 2: shift = std::max(1, d - sw / 2); break;
        case 3: shift = std::max(1, d - sw); break;
        default: break;
        }
        if (static_cast<int64_t>(tabPos) + shift <= available)
            m_segments.Add(RPTTABSEGMENT{tabPos + shift, tabPos + shift + sw, count});
        kept.Add(tab);
        for (int32_t i = tab; i < m_positions.GetCount(); ++i) {
            const int64_t moved = static_cast<int64_t>(m_positions[i]) + shift;
            // The line's first character stays wherever its stop puts it: a line that gave up
            // every character would never move the text on.
            if (moved <= available || i == 0) {
                m_positions[i] = static_cast<int32_t>(moved);
                continue;
            }
            // The line ends here: blanks stay without room, the rest leaves it.
            const size_t at = ByteOffset(static_cast<size_t>(i));
            const int32_t previous = i > 0 ? m_positions[i - 1] : 0;
            int32_t end = i;
            for (size_t pos = at; end < m_positions.GetCount() && pos < text.size() && text[pos] == ' '; ++pos, ++end)
                m_positions[end] = previous;
            m_positions.SetSize(end);
            // The segment of this tab holds only what is left of it.
            RPTTABSEGMENT& last = m_segments[m_segments.GetCount() - 1];
            last.count = std::max(0, end - tab - 1);
            m_tabs.RemoveAll();
            for (int32_t k = 0; k < kept.GetCount(); ++k) m_tabs.Add(kept[k]);
            return;
        }
    }
    m_tabs.RemoveAll();
    for (int32_t k = 0; k < kept.GetCount(); ++k) m_tabs.Add(kept[k]);
}

int32_t SRptTextFlow::CountSpacesAfterLastTab(std::string_view text) const {
    const int32_t from = m_tabs.GetCount() ? m_tabs[m_tabs.GetCount() - 1] + 1 : 0;
    int32_t spaces = 0;
    size_t pos = ByteOffset(static_cast<size_t>(from));
    for (int32_t i = from; i < m_positions.GetCount() && pos < text.size(); ++i) {
        if (text[pos] == ' ') ++spaces;
        pos += SUtf8::CharLength(text, pos);
    }
    return spaces;
}

void SRptTextFlow::ComputeLine(int32_t width) {
    if (!m_para) SComThrow(E_POINTER);
    ISRptPara* para = m_para.Get();
    TEXTMETRICA metrics;
    para->GetTextMetricsHimetric(m_dc, &metrics);
    const int32_t s = para->GetSpBetweenHimetric(m_dc);
    const int32_t box = para->GetBox() ? para->GetBoxWidth() : 0;
    const int32_t b = std::max<int32_t>(para->GetBorderWidth(), box);
    const int32_t left = para->GetLeft();
    const int32_t right = para->GetRight();
    const bool boxed = para->GetBox();

    int32_t first = 0, before = 0;
    if (m_flags & RPTFLOW_FIRSTLINE) {
        first = para->GetFirst();
        before = para->GetSpBefore();
        if ((para->GetBorder() & 2) || boxed) before += b + para->GetSpTxtBorderTop();
    }
    int32_t height = 0;
    const int32_t available = width - 2 * b - s - first - right - left;
    FitCharacters(available, &height);

    // Where the line ends: the text's end, a hard break, or the first character that did not fit.
    const std::string_view text = Remaining();
    const int32_t fitted = m_positions.GetCount();
    size_t pos = ByteOffset(static_cast<size_t>(fitted));
    if (pos >= text.size()) {
        m_endKind = RPTFLOW_DONE;
    } else if (IsBreak(text[pos])) {
        m_endKind = RPTFLOW_HARDBREAK;
        if (text[pos] == '\r') {
            while (pos < text.size() && text[pos] == '\r') ++pos;
            if (pos < text.size() && text[pos] == '\n') ++pos;
        } else {
            ++pos;
        }
        if (pos >= text.size()) m_endKind = RPTFLOW_DONE;
    } else {
        m_endKind = (m_flags & RPTFLOW_HARDBREAK) ? 2 : 0;
        if ((m_mode & RPTFLOW_WORDWRAP) && text[pos] != ' ' && text[pos] != '\t') {
            // Back to the nearest blank (kept) or tab (dropped); a line without one breaks the word.
            size_t at = 0;
            const int32_t i = LastBlankOrTab(text, fitted, &at);
            if (i >= 0) {
                const bool tab = text[at] == '\t';
                const int32_t keep = tab ? i : i + 1;
                const int32_t dropped = fitted - (i + 1);
                m_positions.SetSize(keep);
                pos = at + 1;
                if (tab) {
                    if (m_segments.GetCount() > 1) m_segments.RemoveAt(m_segments.GetCount() - 1);
                    if (m_tabs.GetCount()) m_tabs.RemoveAt(m_tabs.GetCount() - 1);
                } else {
                    RPTTABSEGMENT& last = m_segments[m_segments.GetCount() - 1];
                    last.count = std::max(0, last.count - dropped);
                }
            }
        }
    }
    m_next = pos;
    m_spaces = CountSpacesAfterLastTab(text);
    const int32_t w = m_positions.GetCount() ? m_positions[m_positions.GetCount() - 1] : 0;

    int32_t after = 0;
    if (m_endKind == RPTFLOW_DONE) {
        after = para->GetSpAfter();
        if ((para->GetBorder() & 8) || boxed) after += b + para->GetSpTxtBorderBottom();
    }
    m_frame = RECT{0, 0, width, before + s + after};
    m_textRect = RECT{};
    m_extra = 0;
    switch (para->GetAlignment()) {
    case 1:
        m_textRect.left = first + left;
        m_textRect.right = m_textRect.left + w;
        break;
    case 2:
        m_textRect.left = width - right - w;
        m_textRect.right = m_textRect.left + w;
        break;
    case 4:
        m_textRect.left = (width - first - right - left - w) / 2 + first + left;
        m_textRect.right = m_textRect.left + w;
        break;
    case 8:
        m_textRect.left = first + left;
        m_textRect.right = width - right;
        // The last line of a paragraph and a line ended by a break keep their natural spacing.
        if (m_endKind != RPTFLOW_DONE && m_endKind != RPTFLOW_HARDBREAK) m_extra = width - first - right - left - w;
        break;
    default: break;
    }
    switch (para->GetSpType()) {
    case 1:
        m_textRect.bottom = before + MulDiv(s, 80, 100) + metrics.tmDescent;
        m_textRect.top = m_textRect.bottom - metrics.tmHeight;
        break;
    case 2:
        m_textRect.top = before;
        m_textRect.bottom = before + s;
        break;
    default: break;
    }
    m_computed = 1;
    m_computedWidth = width;
}
