#pragma once
// The geometry of one template's pages on the current printer, in hundredths of a millimetre
// from the top-left corner of the printable area: the page, the header band, the body and the
// footer band, from the template's margins and the printer's unprintable border. It owns the
// template's header and footer items.
#include <cstdint>
#include <memory>

#include "platform/gdi/GdiDefs.h"

class SRptGenerationNode;
class SRptPageElement;
class SRptPhysicalItemHeaderFooter;
class SRptPhysicalLayer;

class SRptPageFrame {
public:
    // Reads the printer from the layer's context and the margins from the node's template; a
    // node whose item is no template throws E_POINTER (a failed query its code).
    SRptPageFrame(SRptPhysicalLayer* layer, SRptGenerationNode* node);
    ~SRptPageFrame();
    SRptPageFrame(const SRptPageFrame&) = delete;
    SRptPageFrame& operator=(const SRptPageFrame&) = delete;

    // Where a page's content goes: the body below the header element and above the footer
    // element (either may be null).
    RECT GetUsableRect(const SRptPageElement* header, const SRptPageElement* footer) const;

    void SetHeaderFooter(std::unique_ptr<SRptPhysicalItemHeaderFooter> header,
                         std::unique_ptr<SRptPhysicalItemHeaderFooter> footer);
    SRptPhysicalItemHeaderFooter* GetHeaderItem() const { return m_header.get(); }
    SRptPhysicalItemHeaderFooter* GetFooterItem() const { return m_footer.get(); }

    SRptPhysicalLayer* GetLayer() const { return m_layer; }
    SRptGenerationNode* GetNode() const { return m_node; }
    const RECT& GetMargins() const { return m_margins; }
    const RECT& GetMinMargins() const { return m_minMargins; }
    const RECT& GetPageRect() const { return m_page; }
    const RECT& GetHeaderRect() const { return m_headerRect; }
    const RECT& GetBodyRect() const { return m_body; }
    const RECT& GetFooterRect() const { return m_footerRect; }

    // The header band's top, measured from the paper's top edge, unless the printer cannot print
    // that high.
    static constexpr int32_t kHeaderTop = 1250;

private:
    SRptPhysicalLayer* m_layer;
    SRptGenerationNode* m_node;
    std::unique_ptr<SRptPhysicalItemHeaderFooter> m_header;
    std::unique_ptr<SRptPhysicalItemHeaderFooter> m_footer;
    RECT m_margins{};
    RECT m_minMargins{};
    RECT m_page{};
    RECT m_headerRect{};
    RECT m_body{};
    RECT m_footerRect{};
};
