#include "rpt/devices/print/SRptPageElement.h"

SRptPageElement::SRptPageElement(SRptPhysicalPage* page, SRptPhysicalItem* item, const POINT& origin)
    : m_page(page), m_x(origin.x), m_y(origin.y), m_right(origin.x), m_bottom(origin.y), m_item(item) {}

HRESULT SRptPageElement::Draw(SDC* dc) {
    if (!dc) return E_INVALIDARG;
    if (!m_drawable) return S_FALSE;
    const POINT origin{m_x, m_y};
    return m_drawable->Draw(dc, &origin);
}

void SRptPageElement::UpdateExtent() {
    SIZE size{0, 0};
    if (m_drawable) m_drawable->GetSize(&size);
    m_right = m_x + size.cx;
    m_bottom = m_y + size.cy;
}

void SRptPageElement::DropDrawable() {
    m_drawable.reset();
    UpdateExtent();
}

void SRptPageElement::MoveTo(const POINT& origin) {
    const int32_t width = m_right - m_x;
    const int32_t height = m_bottom - m_y;
    m_x = origin.x;
    m_y = origin.y;
    m_right = m_x + width;
    m_bottom = m_y + height;
}

HRESULT SRptPageElement::SetDrawable(std::unique_ptr<SRptDrawable> drawable) {
    m_drawable = std::move(drawable);
    return m_drawable ? S_OK : E_OUTOFMEMORY;
}
