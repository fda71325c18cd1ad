#pragma once
// A page element of a form or a list: a table drawable whose heading is the item's paragraph.
#include "rpt/devices/print/SRptPageElement.h"

class SRptPageElementTable : public SRptPageElement {
public:
    using SRptPageElement::SRptPageElement;
    HRESULT CreateDrawable() override;
};
