#pragma once
// A page element of an item of several paragraphs: a list of paragraph blocks, empty at first.
#include "rpt/devices/print/SRptPageElement.h"

class SRptPageElementMulti : public SRptPageElement {
public:
    using SRptPageElement::SRptPageElement;
    HRESULT CreateDrawable() override;
};
