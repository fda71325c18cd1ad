#pragma once
// A page element of a picture: an empty picture drawable.
#include "rpt/devices/print/SRptPageElement.h"

class SRptPageElementPicture : public SRptPageElement {
public:
    using SRptPageElement::SRptPageElement;
    HRESULT CreateDrawable() override;
};
