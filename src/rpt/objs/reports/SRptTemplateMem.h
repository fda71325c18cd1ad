#pragma once
// SRptTemplate: one report template, a named page of a report with its header and footer, its
// page set-up and the tree of items placed in it (its Items). A report owns its templates; the
// template reaches its report through its Report collection. It offers one command of its own,
// "&Header/Footer...", and never moves among other items. Placing, moving and scanning items,
// expanding the header and footer, and its browser node and commands come with their parts;
// until then the scans of the module's items find nothing to take.
#include <cstdint>

#include "platform/base/POINT.h"
#include "platform/base/RECT.h"
#include "platform/base/SString.h"
#include "platform/gdi/GdiDefs.h"
#include "platform/repo/SRepComObject.h"
#include "rpt/objs/items/SRptItemMem.h"
#include "varod9/ISRptTemplate.h"

// The repository's null rectangle and point: the margins and paper size before a page set-up.
inline constexpr RECT S_NULL_RECT{};
inline constexpr POINT S_NULL_POINT{};

// The template's one command: "&Header/Footer...".
inline constexpr uint32_t ID_RPT_TEMPLATE_HEADERFOOTER = 45009;
// The zoom a template always reads.
inline constexpr int16_t RPT_TEMPLATE_ZOOM = 100;
// The kinds of the report's extended titles that are a template's default header and footer.
inline constexpr uint32_t RPT_EXTITLE_HEADER = 1;
inline constexpr uint32_t RPT_EXTITLE_FOOTER = 2;

class SRptTemplateRegistry;

class SRptTemplateMem : public SRptItemImpl {
public:
    SRPT_ATTRIBUTE_TABLE

    // The computed attributes. ParentReport is the report that owns the template, with a
    // reference of its own (empty without a report); it is read through the Report collection,
    // so that it needs nothing of the interface half.
    SComWrap<ISRepObject> GetParentReport();
    int16_t GetZoomPerct() const { return RPT_TEMPLATE_ZOOM; }
    virtual SString GetDispHeader() = 0;
    virtual SString GetExDefHeader() = 0;
    virtual SString GetDispFooter() = 0;
    virtual SString GetExDefFooter() = 0;

protected:
    explicit SRptTemplateMem(ISRepSession* session) : SRptItemImpl(session) {}
    SRptTemplateMem(const SRptTemplateMem& source) = default;

    SString m_name = "Template items";
    SString m_code;
    SString m_header;
    SString m_expHeader;
    bool m_headerNeedExpand = true;
    bool m_hasHeaderBorder = true;
    SString m_footer;
    SString m_expFooter;
    bool m_footerNeedExpand = true;
    bool m_hasFooterBorder = true;
    bool m_headUserDef = false;
    bool m_footUserDef = false;
    RECT m_margin = S_NULL_RECT;
    RECT m_minMargin = S_NULL_RECT;
    POINT m_paperSize = S_NULL_POINT;
    int32_t m_orientation = DMORIENT_PORTRAIT;
    int32_t m_paperFormat = DMPAPER_A4;
};

class SRptTemplateImpl : public SRptTemplateMem, public virtual ISRptTemplate {
public:
    using Registry = SRptTemplateRegistry;

    // The owning report, not counted for the caller: it lives while it owns the template.
    ISRepObject* GetParentReport() override;
    // The scans of the module's items come with the template's scans: nothing is taken yet.
    HRESULT RetrieveUserProcs(ISRptAvailableItems*) override { return S_OK; }
    HRESULT RetrieveRegisteredItems(ISRptAvailableItems*) override { return S_OK; }

    // The header as shown: Header when the user defined it, else the default one, the report's
    // extended title 1; the same for the footer with title 2. Without a report the defaults are
    // empty.
    SString GetDispHeader() override;
    SString GetExDefHeader() override { return GetExtendedTitle(RPT_EXTITLE_HEADER); }
    SString GetDispFooter() override;
    SString GetExDefFooter() override { return GetExtendedTitle(RPT_EXTITLE_FOOTER); }

    // "&Header/Footer..." only.
    HRESULT IsItemSupportCommand(uint32_t nID) override { return nID == ID_RPT_TEMPLATE_HEADERFOOTER ? S_OK : S_FALSE; }
    // A template is no item among others: it never moves.
    HRESULT CanMoveItemUp() override { return S_FALSE; }
    HRESULT CanMoveItemDown() override { return S_FALSE; }
    HRESULT CanMoveItemLower() override { return S_FALSE; }
    HRESULT CanMoveItemRaise() override { return S_FALSE; }

    SREP_QUERY_CLASS_INTERFACE(ISRptTemplate, SRptTemplateMem)

protected:
    explicit SRptTemplateImpl(ISRepSession* session) : SRptTemplateMem(session) {}
    SRptTemplateImpl(const SRptTemplateImpl& source) : SRptTemplateMem(source) {}

    bool IsContainer() override { return true; }
    // The template's node and popup commands come with the editor.
    HRESULT OnCreateBrowserNode(ISBrowserView*, uint32_t, ISBrowserNode*, ISBrowserNode*, int32_t, bool,
                                SRptBrowserNodeItem** pBrowserNodeItem) override;
    HRESULT OnHandlePopupCommand(uint32_t, const SComTable<ISRepObject>&, SWnd*) override { return S_FALSE; }
    // A template never enters the table of contents.
    HRESULT InitTblCtsEntry(RPTTBLCTSENTRY*) override { return S_OK; }

private:
    // The parent report's extended title of a kind; empty without a report.
    SString GetExtendedTitle(uint32_t kind);
};

class SRptTemplateRegistry : public SRptStaticRegistry<SRptTemplateRegistry> {
public:
    SRptTemplateRegistry();
    static const SAttrEditorMap attrEditorMap;
};
