#pragma once
// One printed page: the elements placed on it in placement order, its header and footer elements,
// the frame of the template it was opened for and its 1-based number.
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/gdi/GdiDefs.h"
#include "rpt/devices/print/SRptPageElement.h"

class SRptPageFrame;
class SRptPhysicalLayer;

class SRptPhysicalPage {
public:
    SRptPhysicalPage(SRptPhysicalLayer* layer, SRptPageFrame* frame, int32_t number)
        : m_layer(layer), m_frame(frame), m_number(number) {}
    ~SRptPhysicalPage();
    SRptPhysicalPage(const SRptPhysicalPage&) = delete;
    SRptPhysicalPage& operator=(const SRptPhysicalPage&) = delete;

    int32_t GetPageNumber() const { return m_number; }
    SRptPageFrame* GetFrame() const { return m_frame; }
    SRptPhysicalLayer* GetLayer() const { return m_layer; }

    // Takes the element at the end of the page and links it from its item.
    SRptPageElement* AddElement(std::unique_ptr<SRptPageElement> element);
    // Unlinks the element from its item and deletes it.
    void RemoveElement(SRptPageElement* element);
    SRptPageElement* GetLastElement() const { return m_elements.empty() ? nullptr : m_elements.back().get(); }
    const std::vector<std::unique_ptr<SRptPageElement>>& GetElements() const { return m_elements; }

    // Replacing an element deletes the one before.
    void SetHeaderElement(std::unique_ptr<SRptPageElement> element) { m_header = std::move(element); }
    void SetFooterElement(std::unique_ptr<SRptPageElement> element) { m_footer = std::move(element); }
    SRptPageElement* GetHeaderElement() const { return m_header.get(); }
    SRptPageElement* GetFooterElement() const { return m_footer.get(); }

    // The body of the page's frame between its header and footer elements; empty without frame.
    RECT GetUsableRect() const;

private:
    SRptPhysicalLayer* m_layer;
    SRptPageFrame* m_frame;
    int32_t m_number;
    std::vector<std::unique_ptr<SRptPageElement>> m_elements;
    std::unique_ptr<SRptPageElement> m_header;
    std::unique_ptr<SRptPageElement> m_footer;
};
