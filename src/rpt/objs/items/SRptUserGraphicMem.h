#pragma once
// SRptUserGraphic: a module item whose picture the module draws at generation. The item keeps
// how the picture is placed: on one page, centred or as a paragraph (OnePageType), or over
// several pages at a zoom factor (UseZoom, ZoomPerct); Format is the module's own code. A module's
// description may give all four. Its displayed title is always its Title: it has no extended
// default title to fall back on. Its one command is Format, the graph format dialog.
#include <cstdint>

#include "platform/base/SString.h"
#include "platform/repo/SRepComObject.h"
#include "rpt/objs/items/SRptCustomMem.h"
#include "varod9/ISRptUserGraphic.h"

inline constexpr GUID CLSID_SRptUserGraphic = MakeGUID("{A6BAC8DD-B730-11D1-8898-00A02455633B}");

class SRptUserGraphicRegistry;

class SRptUserGraphicMem : public SRptCustomImpl {
public:
    SRPT_ATTRIBUTE_TABLE

protected:
    explicit SRptUserGraphicMem(ISRepSession* session) : SRptCustomImpl(session) {}
    SRptUserGraphicMem(const SRptUserGraphicMem& source) = default;

    int16_t m_format = 0;
    bool m_useZoom = false;
    int16_t m_onePageType = RPTGRAPH_1PAGE_CENTER;
    int16_t m_zoomPerct = 100;
};

class SRptUserGraphicImpl : public SRptUserGraphicMem, public virtual ISRptUserGraphic {
public:
    using Registry = SRptUserGraphicRegistry;

    SRPT_PROPERTIES(SRptUserGraphic)

    // Title, whether user-defined or not.
    SString GetDispTitle() override { return GetTitle(); }

    // The custom item's part, then the placement when the description carries it (a record of
    // the user graphic's size); a record of another size leaves the placement as it is.
    HRESULT ConstructWithItemDef(const RPTUSRITEMDEF* pItemDef) override;
    // The template's zoom factor, then the item's own step.
    HRESULT PostAddTemplateItem() override;
    // Format only.
    HRESULT IsItemSupportCommand(uint32_t nID) override;

    SREP_QUERY_CLASS_INTERFACE(ISRptUserGraphic, SRptUserGraphicMem)

protected:
    explicit SRptUserGraphicImpl(ISRepSession* session) : SRptUserGraphicMem(session) {}
    SRptUserGraphicImpl(const SRptUserGraphicImpl& source) : SRptUserGraphicMem(source) {}

    HRESULT OnCreateBrowserNode(ISBrowserView* pBrowser, uint32_t nIsDraggable, ISBrowserNode* pParent,
                                ISBrowserNode* pPrevious, int32_t dispid, bool bIsTemplateEditor,
                                SRptBrowserNodeItem** pBrowserNodeItem) override;
    // Format opens the graph format dialog on the selection.
    HRESULT OnHandlePopupCommand(uint32_t nId, const SComTable<ISRepObject>& selectedItems,
                                 SWnd* pParentWnd) override;
};

class SRptUserGraphicRegistry : public SRptStaticRegistry<SRptUserGraphicRegistry> {
public:
    SRptUserGraphicRegistry();
    static const SAttrEditorMap attrEditorMap;
};
