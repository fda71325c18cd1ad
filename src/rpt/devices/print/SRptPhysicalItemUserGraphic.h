#pragma once
// A user graphic laid out on the pages: the module's drawing zoomed and cut into page-sized
// tiles centred on their grid, one tile per page, or fitted on one page (placed like a paragraph,
// or centred on a page of its own).
#include <cstdint>

#include "rpt/devices/print/SRptPhysicalItem.h"

class SRptPhysicalItemUserGraphic : public SRptPhysicalItem {
public:
    using SRptPhysicalItem::SRptPhysicalItem;

    HRESULT CreateElement(SRptPhysicalPage* page, std::unique_ptr<SRptPageElement>* element) override;
    HRESULT Layout(SRptPhysicalPage* page, int32_t width, int32_t available, int32_t pageHeight,
                   SRptPageElement* element, int32_t* status) override;
    HRESULT Begin() override;

private:
    // Where the drawing goes in the element, and the element's size; false when there is nothing
    // to place (no drawing, no room, or a page of its own still to come).
    bool PlaceTile(int32_t width, int32_t available, int32_t pageHeight, const SIZE& drawing, RECT* dest, SIZE* size,
                   int32_t* columns, int32_t* rows, bool* newPage);

    int32_t m_row = 0;
    int32_t m_column = 0;
};
