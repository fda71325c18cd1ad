#pragma once
// A page element of a single-paragraph item: a paragraph drawable over the item's paragraph.
#include "rpt/devices/print/SRptPageElement.h"

class SRptPageElementText : public SRptPageElement {
public:
    using SRptPageElement::SRptPageElement;
    HRESULT CreateDrawable() override;
};
