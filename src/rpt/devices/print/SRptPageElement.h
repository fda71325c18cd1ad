#pragma once
// What one physical item placed on one page: its position on the page, its lower-right corner
// and the drawable that holds the item's share of the page. The page owns its elements; the item
// keeps links to them.
#include <cstdint>
#include <memory>

#include "platform/gdi/GdiDefs.h"
#include "rpt/devices/print/SRptDrawable.h"

class SDC;
class SRptPhysicalItem;
class SRptPhysicalPage;

class SRptPageElement {
public:
    SRptPageElement(SRptPhysicalPage* page, SRptPhysicalItem* item, const POINT& origin);
    virtual ~SRptPageElement() = default;
    SRptPageElement(const SRptPageElement&) = delete;
    SRptPageElement& operator=(const SRptPageElement&) = delete;

    // Replaces the drawable by a fresh, empty one of the element's kind; E_OUTOFMEMORY leaves the
    // element without one.
    virtual HRESULT CreateDrawable() = 0;
    // E_INVALIDARG for a null context; 1 without a drawable; else the drawable's result.
    HRESULT Draw(SDC* dc);

    // The lower-right corner from the origin and the drawable's size (the origin without one).
    void UpdateExtent();
    // Drops the drawable; the element shrinks to its origin.
    void DropDrawable();
    // Moves the element, keeping its size.
    void MoveTo(const POINT& origin);

    SRptPhysicalPage* GetPage() const { return m_page; }
    SRptPhysicalItem* GetItem() const { return m_item; }
    SRptDrawable* GetDrawable() const { return m_drawable.get(); }
    POINT GetOrigin() const { return POINT{m_x, m_y}; }
    RECT GetRect() const { return RECT{m_x, m_y, m_right, m_bottom}; }
    int32_t GetBottom() const { return m_bottom; }
    int32_t GetHeight() const { return m_bottom - m_y; }
    // Grows the element downwards (a header band made taller for a table's page).
    void SetBottom(int32_t bottom) { m_bottom = bottom; }

protected:
    // Takes the new drawable, or reports that none could be made.
    HRESULT SetDrawable(std::unique_ptr<SRptDrawable> drawable);

private:
    SRptPhysicalPage* m_page;
    int32_t m_x;
    int32_t m_y;
    int32_t m_right;
    int32_t m_bottom;
    SRptPhysicalItem* m_item;
    std::unique_ptr<SRptDrawable> m_drawable;
};
