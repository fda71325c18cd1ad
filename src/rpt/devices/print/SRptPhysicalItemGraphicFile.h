#pragma once
// A graphic file laid out on the pages: the picture at its natural size, scaled down with its
// proportions to the width and the page's height when larger, placed whole where it fits.
#include <cstdint>

#include "rpt/devices/print/SRptPhysicalItem.h"

class SRptPhysicalItemGraphicFile : public SRptPhysicalItem {
public:
    using SRptPhysicalItem::SRptPhysicalItem;

    HRESULT CreateElement(SRptPhysicalPage* page, std::unique_ptr<SRptPageElement>* element) override;
    // A missing or unreadable file, a picture without size or no room at all places nothing
    // (complete, 1); a picture taller than the room left goes whole to the next page.
    HRESULT Layout(SRptPhysicalPage* page, int32_t width, int32_t available, int32_t pageHeight,
                   SRptPageElement* element, int32_t* status) override;

    // The size a picture of `size` takes in a room of `width` by `height`.
    static SIZE FitSize(const SIZE& size, int32_t width, int32_t height);
};
