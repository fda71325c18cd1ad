#pragma once
// The drawable of a single-paragraph item on one page: one block of lines.
#include "rpt/devices/print/SRptDrawable.h"
#include "rpt/devices/print/SRptParagraphLines.h"

class SRptDrawableParagraph : public SRptDrawable {
public:
    SRptDrawableParagraph(SRptPageElement* owner, ISRptPara* para) : SRptDrawable(owner), m_block(para) {}

    void GetSize(SIZE* size) const override;
    HRESULT Draw(SDC* dc, const POINT* origin) override;

    SRptParagraphLines& GetBlock() { return m_block; }

private:
    SRptParagraphLines m_block;
};
