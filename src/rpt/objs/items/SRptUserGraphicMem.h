#pragma once
// SRptUserGraphic: a module item whose picture the module draws at generation. The item keeps
// how the picture is placed: on one page, centred or as a paragraph (OnePageType), or over
// several pages at a zoom factor (UseZoom, ZoomPerct); Format is the module's own code. Its
// displayed title is always its Title: it has no extended default title to fall back on.
#include <cstdint>

#include "platform/base/SString.h"
#include "platform/repo/SRepComObject.h"
#include "rpt/objs/items/SRptPendingItemKind.h"
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

class SRptUserGraphicImpl : public SRptPendingItemKind<SRptUserGraphicMem>, public virtual ISRptUserGraphic {
public:
    using Registry = SRptUserGraphicRegistry;

    SRPT_PROPERTIES(SRptUserGraphic)

    // Title, whether user-defined or not.
    SString GetDispTitle() override { return GetTitle(); }

    SREP_QUERY_CLASS_INTERFACE(ISRptUserGraphic, SRptUserGraphicMem)

protected:
    explicit SRptUserGraphicImpl(ISRepSession* session) : SRptPendingItemKind(session) {}
    SRptUserGraphicImpl(const SRptUserGraphicImpl& source) : SRptPendingItemKind(source) {}
};

class SRptUserGraphicRegistry : public SRptStaticRegistry<SRptUserGraphicRegistry> {
public:
    SRptUserGraphicRegistry();
    static const SAttrEditorMap attrEditorMap;
};
