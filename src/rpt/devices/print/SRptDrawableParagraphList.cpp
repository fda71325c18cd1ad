#include "rpt/devices/print/SRptDrawableParagraphList.h"

#include <algorithm>
#include <new>

void SRptDrawableParagraphList::GetSize(SIZE* size) const {
    if (!size) return;
    *size = SIZE{0, 0};
    for (const auto& block : m_blocks) {
        size->cx = std::max(size->cx, block->GetWidth());
        size->cy += block->GetHeight();
    }
}

HRESULT SRptDrawableParagraphList::Draw(SDC* dc, const POINT* origin) {
    if (!dc || !origin) return E_INVALIDARG;
    POINT at = *origin;
    HRESULT hr = S_OK;
    for (const auto& block : m_blocks) {
        hr = block->Draw(dc, at);
        at.y += block->GetHeight();
    }
    return hr;
}

HRESULT SRptDrawableParagraphList::AddBlock(ISRptPara* para) {
    if (!para) return E_INVALIDARG;
    try {
        m_blocks.push_back(std::make_unique<SRptParagraphLines>(para));
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
    return S_OK;
}

SRptParagraphLines* SRptDrawableParagraphList::GetBlock(int32_t block) const {
    if (block < 0 || block >= GetBlockCount()) return nullptr;
    return m_blocks[static_cast<size_t>(block)].get();
}

HRESULT SRptDrawableParagraphList::AddLine(int32_t block, const SString& text, const SIZE& lineSize, const RECT& rect,
                                           int32_t extra, int32_t breaks, const STable<RPTTABSEGMENT>& runs) {
    SRptParagraphLines* lines = GetBlock(block);
    if (!lines) return E_INVALIDARG;
    return lines->AddLine(text, lineSize, rect, extra, breaks, runs);
}

HRESULT SRptDrawableParagraphList::ClearBlock(int32_t block) {
    SRptParagraphLines* lines = GetBlock(block);
    if (!lines) return E_INVALIDARG;
    lines->Clear();
    return S_OK;
}
