#include "rpt/devices/print/SRptPhysicalPage.h"

#include <algorithm>

#include "rpt/devices/print/SRptPageFrame.h"
#include "rpt/devices/print/SRptPhysicalItem.h"

SRptPhysicalPage::~SRptPhysicalPage() {
    // The items outlive their pages in the layer: they must not keep links to deleted elements.
    for (const auto& element : m_elements)
        if (SRptPhysicalItem* item = element->GetItem()) item->UnlinkElement(element.get());
}

SRptPageElement* SRptPhysicalPage::AddElement(std::unique_ptr<SRptPageElement> element) {
    if (!element) return nullptr;
    SRptPageElement* added = element.get();
    m_elements.push_back(std::move(element));
    if (SRptPhysicalItem* item = added->GetItem()) item->LinkElement(added);
    return added;
}

void SRptPhysicalPage::RemoveElement(SRptPageElement* element) {
    auto it = std::find_if(m_elements.begin(), m_elements.end(), [&](const auto& e) { return e.get() == element; });
    if (it == m_elements.end()) return;
    if (SRptPhysicalItem* item = element->GetItem()) item->UnlinkElement(element);
    m_elements.erase(it);
}

RECT SRptPhysicalPage::GetUsableRect() const {
    if (!m_frame) return RECT{};
    return m_frame->GetUsableRect(m_header.get(), m_footer.get());
}
