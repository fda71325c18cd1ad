#pragma once
// The drawable of an item of several paragraphs on one page: one block per paragraph that has
// lines there, drawn one under the other.
#include <memory>
#include <vector>

#include "rpt/devices/print/SRptDrawable.h"
#include "rpt/devices/print/SRptParagraphLines.h"

class SRptDrawableParagraphList : public SRptDrawable {
public:
    using SRptDrawable::SRptDrawable;

    // Width of the widest block, height the sum of the blocks' heights.
    void GetSize(SIZE* size) const override;
    HRESULT Draw(SDC* dc, const POINT* origin) override;

    // An empty block for the paragraph at the end; E_INVALIDARG for none, E_OUTOFMEMORY.
    HRESULT AddBlock(ISRptPara* para);
    // A line of the block at a 0-based position; E_INVALIDARG when there is no such block.
    HRESULT AddLine(int32_t block, const SString& text, const SIZE& lineSize, const RECT& rect, int32_t extra,
                    int32_t breaks, const STable<RPTTABSEGMENT>& runs);
    // Empties a block's lines; E_INVALIDARG when there is no such block.
    HRESULT ClearBlock(int32_t block);

    int32_t GetBlockCount() const { return static_cast<int32_t>(m_blocks.size()); }
    SRptParagraphLines* GetBlock(int32_t block) const;

private:
    std::vector<std::unique_ptr<SRptParagraphLines>> m_blocks;
};
