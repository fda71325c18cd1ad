#pragma once
// One generation node laid out for the printer: the pagination asks it, page after page, to fill
// a page element with what fits (Layout) until it is complete. The item keeps links to the
// elements it filled, in page order; the pages own them. Positions and sizes are in the logical
// units of the layer's printer context, hundredths of a millimetre.
#include <cstdint>
#include <functional>
#include <memory>
#include <new>
#include <vector>

#include "platform/base/SString.h"
#include "platform/base/STable.h"
#include "platform/com/SComWrap.h"
#include "platform/gdi/GdiDefs.h"
#include "rpt/devices/print/SRptTextFlow.h"
#include "varod9/ISRptPara.h"

class SDC;
class SRptGenerationNode;
class SRptOutputHelper;
class SRptPageElement;
class SRptPageFrame;
class SRptPhysicalLayer;
class SRptPhysicalPage;

// What Layout says of the item.
inline constexpr int32_t RPTLAYOUT_MORE = 1;  // another page is needed
inline constexpr int32_t RPTLAYOUT_DONE = 2;  // the item is complete

class SRptPhysicalItem {
public:
    SRptPhysicalItem(SRptPhysicalLayer* owner, SRptGenerationNode* node, SRptPageFrame* frame);
    virtual ~SRptPhysicalItem();
    SRptPhysicalItem(const SRptPhysicalItem&) = delete;
    SRptPhysicalItem& operator=(const SRptPhysicalItem&) = delete;

    // An empty element of the kind's class at the item's start position on the page (the caller
    // takes it); E_INVALIDARG for a null out-pointer, E_OUTOFMEMORY.
    virtual HRESULT CreateElement(SRptPhysicalPage* page, std::unique_ptr<SRptPageElement>* element) = 0;
    // Where the item's element starts on the page: the usable rectangle's left, one unit below
    // the page's last element (or the usable top on a page without one); (0, 0) for no page.
    virtual POINT GetStartPosition(SRptPhysicalPage* page);
    // Places what fits into `element`: `status` RPTLAYOUT_MORE or RPTLAYOUT_DONE. 0; 1 when
    // nothing was placed on this page; E_INVALIDARG for a null element or status.
    virtual HRESULT Layout(SRptPhysicalPage* page, int32_t width, int32_t available, int32_t pageHeight,
                           SRptPageElement* element, int32_t* status) = 0;
    virtual HRESULT Begin();
    virtual HRESULT End();
    virtual int32_t IsTableItem() { return 0; }
    // The paragraph of a single-paragraph kind and the heading of a table, and their text;
    // E_NOTIMPL elsewhere.
    virtual HRESULT GetPara(ISRptPara** para);
    virtual HRESULT GetText(SString* text);

    SRptGenerationNode* GetGenerationNode() const { return m_node; }
    // The page of the item's first element, or null.
    SRptPhysicalPage* GetPage() const;
    SRptPageFrame* GetFrame() const { return m_frame; }
    SRptPhysicalLayer* GetOwner() const { return m_owner; }

    const std::vector<SRptPageElement*>& GetElements() const { return m_elements; }
    SRptPageElement* GetFirstElement() const { return m_elements.empty() ? nullptr : m_elements.front(); }
    void LinkElement(SRptPageElement* element) { m_elements.push_back(element); }
    void UnlinkElement(SRptPageElement* element);

protected:
    // What adds one measured line to the element: text, line size, text rectangle, justification
    // (extra room, blanks) and runs.
    using SLineSink = std::function<HRESULT(const SString&, const SIZE&, const RECT&, int32_t, int32_t,
                                            const STable<RPTTABSEGMENT>&)>;
    // Lines of `flow` while they fit in `*available` (which shrinks), each through `sink`. A line
    // that does not fit stops the loop, except the first one of an item that starts at the top
    // of an empty page (`atPageTop`), which is placed anyway so that pagination ends. Counts the
    // lines placed into `*placed`; true when the flow is done.
    static bool FlowLines(SRptTextFlow& flow, int32_t width, int32_t* available, bool atPageTop, const SLineSink& sink,
                          int32_t* placed, HRESULT* hr);
    // Whether a paragraph that did not fit moves whole to the next page: it asks to stay together
    // and the item did not start at the top of an empty page.
    static bool KeepsTogether(ISRptPara* para, int32_t startAvailable, int32_t pageHeight);

    // A new element of class E for the page, at the start position.
    template <class E>
    HRESULT MakeElement(SRptPhysicalPage* page, std::unique_ptr<SRptPageElement>* element) {
        if (!element) return E_INVALIDARG;
        element->reset(new (std::nothrow) E(page, this, GetStartPosition(page)));
        return *element ? S_OK : E_OUTOFMEMORY;
    }

    // A word-wrapping flow of `text` in `para` on the layer's context; null when it cannot be made.
    std::unique_ptr<SRptTextFlow> NewFlow(const SString& text, ISRptPara* para) const;
    // The flow of the item's own text in its own paragraph.
    HRESULT NewItemFlow(std::unique_ptr<SRptTextFlow>* flow);

    SDC* GetDC() const;
    SRptOutputHelper* GetOutputHelper() const;
    IUnknown* GetNodeItem() const;
    // The paragraph at a position of the node item's paragraphs; a missing one throws E_POINTER.
    static SComWrap<ISRptPara> ParaAt(IUnknown* container, int32_t position);

    int32_t m_begun = 0;

private:
    std::vector<SRptPageElement*> m_elements;
    SRptPhysicalLayer* m_owner;
    SRptGenerationNode* m_node;
    SRptPageFrame* m_frame;
};
