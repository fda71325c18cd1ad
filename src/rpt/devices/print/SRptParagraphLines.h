#pragma once
// The lines of one paragraph on one page: the paragraph (held for the block's life), the lines in
// order, the widest line's width and the sum of the line heights.
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/base/STable.h"
#include "platform/com/SComWrap.h"
#include "rpt/devices/print/SRptTextLine.h"
#include "varod9/ISRptPara.h"

class SRptParagraphLines {
public:
    explicit SRptParagraphLines(ISRptPara* para);
    virtual ~SRptParagraphLines() = default;
    SRptParagraphLines(const SRptParagraphLines&) = delete;
    SRptParagraphLines& operator=(const SRptParagraphLines&) = delete;

    // Appends a line whose box is `rect` moved down by the block's height; the block grows by
    // the line's height and widens to the line's width. The runs are copied. 0, or E_OUTOFMEMORY
    // with nothing appended.
    HRESULT AddLine(const SString& text, const SIZE& lineSize, const RECT& rect, int32_t extra, int32_t breaks,
                    const STable<RPTTABSEGMENT>& runs);
    // No lines, width and height 0.
    void Clear();

    // The block at `origin`: the paragraph's font, its lines (dots in tab gaps when it fills
    // tabs) and its border. E_INVALIDARG for a null context; a block without paragraph throws
    // E_POINTER.
    HRESULT Draw(SDC* dc, const POINT& origin) const;

    ISRptPara* GetPara() const { return m_para.Get(); }
    int32_t GetWidth() const { return m_width; }
    int32_t GetHeight() const { return m_height; }
    const std::vector<std::unique_ptr<SRptTextLine>>& GetLines() const { return m_lines; }

private:
    void DrawBorder(SDC& dc, const POINT& origin) const;

    SComWrap<ISRptPara> m_para;
    std::vector<std::unique_ptr<SRptTextLine>> m_lines;
    int32_t m_width = 0;
    int32_t m_height = 0;
};
