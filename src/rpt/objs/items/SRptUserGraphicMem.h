#pragma once
// SRptUserGraphic: a module item whose picture the module draws at generation. The item keeps
// how the picture is placed: on one page, centred or as a paragraph (OnePageType), or over
// several pages at a zoom factor (UseZoom, ZoomPerct); Format is the module's own code. Its
// displayed title is always its Title: it has no extended default title to fall back on.
#include <cstdint>

#include "platform/base/SString.h"
#include "platform/repo/SRepComObject.h"
#include "rpt/objs/items/SRptCustomMem.h"
#include "varod9/ISRptUserGraphic.h"

inline constexpr GUID CLSID_SRptUserGraphic = MakeGUID("{A6BAC8DD-B730-11D1-8898-00A02455633B}");

class SRptUserGraphicRegistry;

class SRptUserGraphicMem : public SRptCustomImpl {
public:
    SRPT_ATTRIBUTE_PROTOCOL

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

    int16_t GetFormat() override { return Get_SHORT(RPTUSERGRAPHIC_FORMAT, m_format); }
    HRESULT PutFormat(int16_t value) override { return Set_SHORT(RPTUSERGRAPHIC_FORMAT, value, m_format); }
    bool GetUseZoom() override { return Get_BOOL(RPTUSERGRAPHIC_USEZOOM, m_useZoom); }
    HRESULT PutUseZoom(bool value) override { return Set_BOOL(RPTUSERGRAPHIC_USEZOOM, value, m_useZoom); }
    int16_t GetOnePageType() override { return Get_SHORT(RPTUSERGRAPHIC_ONEPAGETYPE, m_onePageType); }
    HRESULT PutOnePageType(int16_t value) override {
        return Set_SHORT(RPTUSERGRAPHIC_ONEPAGETYPE, value, m_onePageType);
    }
    int16_t GetZoomPerct() override { return Get_SHORT(RPTUSERGRAPHIC_ZOOMPERCT, m_zoomPerct); }
    HRESULT PutZoomPerct(int16_t value) override { return Set_SHORT(RPTUSERGRAPHIC_ZOOMPERCT, value, m_zoomPerct); }

    // Title, whether user-defined or not.
    SString GetDispTitle() override { return GetTitle(); }

    // E_POINTER for null; the user graphic's own construction is not there yet: E_NOTIMPL,
    // nothing made.
    HRESULT ConstructWithItemDef(const RPTUSRITEMDEF* pItemDef) override;
    // No command yet: S_FALSE for every one.
    HRESULT IsItemSupportCommand(uint32_t nID) override;

    SREP_QUERY_CLASS_INTERFACE(ISRptUserGraphic, SRptUserGraphicMem)

protected:
    explicit SRptUserGraphicImpl(ISRepSession* session) : SRptUserGraphicMem(session) {}
    SRptUserGraphicImpl(const SRptUserGraphicImpl& source) : SRptUserGraphicMem(source) {}

    // The editor's seams: no browser node yet (E_NOTIMPL), no command handled (S_FALSE).
    HRESULT OnCreateBrowserNode(ISBrowserView* pBrowser, uint32_t nIsDraggable, ISBrowserNode* pParent,
                                ISBrowserNode* pPrevious, int32_t dispid, bool bIsTemplateEditor,
                                SRptBrowserNodeItem** pBrowserNodeItem) override;
    HRESULT OnHandlePopupCommand(uint32_t nId, const SComTable<ISRepObject>& selectedItems,
                                 SWnd* pParentWnd) override;
};

class SRptUserGraphicRegistry : public SRepStaticRegistry<SRptUserGraphicRegistry> {
public:
    SRptUserGraphicRegistry();
    static const SAttrEditorMap attrEditorMap;
};
