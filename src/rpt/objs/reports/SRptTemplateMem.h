#pragma once
// SRptTemplate: one report template, a named page of a report with its header and footer, its
// page set-up and the tree of items placed in it (its Items). A report owns its templates; the
// template reaches its report through its Report collection. It offers one command of its own,
// "&Header/Footer...", and never moves among other items; it also answers the editor's
// "Page &Setup..." on it. Items placed into it are copies made in its own session; its walks
// re-link them to what its module registered; the items selected in its contents move a step at
// a time, up, down, out of their parent or into their next sibling.
#include <cstdint>

#include "platform/base/POINT.h"
#include "platform/base/RECT.h"
#include "platform/base/SString.h"
#include "platform/gdi/GdiDefs.h"
#include "platform/repo/SRepComObject.h"
#include "rpt/devices/generation/SRptScanTreeHelper.h"
#include "rpt/objs/items/SRptItemMem.h"
#include "rpt/objs/reports/MOVESTRUCT.h"
#include "rpt/objs/reports/SRptItemIdSet.h"
#include "varod9/ISRptDevice.h"
#include "varod9/ISRptReport.h"
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
inline constexpr uint32_t RPT_EXTITLE_TBLCTS = 0;
// The template's walks.
inline constexpr uint32_t RPTSCAN_KIND_USERPROCS = 4;
inline constexpr uint32_t RPTSCAN_KIND_REGISTEREDITEMS = 5;
inline constexpr uint32_t RPTSCAN_KIND_USERDEFINED = 6;
// The printable width of the default header and footer when there is no printer.
inline constexpr int32_t RPT_TEMPLATE_DEFAULT_WIDTH = 16000;

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

class SRptTemplateImpl : public SRptTemplateMem,
                         public virtual ISRptTemplate,
                         public SRptScanTreeHelper::SScanner {
public:
    using Registry = SRptTemplateRegistry;

    SRPT_PROPERTIES(SRptTemplate)

    // The owning report, not counted for the caller: it lives while it owns the template.
    ISRepObject* GetParentReport() override;
    int16_t GetZoomPerct() override { return RPT_TEMPLATE_ZOOM; }
    SString GetDispHeader() override;
    SString GetExDefHeader() override { return GetExtendedTitle(RPT_EXTITLE_HEADER); }
    SString GetDispFooter() override;
    SString GetExDefFooter() override { return GetExtendedTitle(RPT_EXTITLE_FOOTER); }

    HRESULT AddTemplateItem(ISRptItem* pRegItem, ISRptItem* pParent, int32_t nPos, ISRptItem** pNewItem) override;
    HRESULT AddTemplateItemWithParent(ISRptItem* pRegItem, ISRptItem* pParent, int32_t nPos,
                                      ISRptItem** pNewItem) override;
    HRESULT DeleteTemplateItem(ISRptItem* pItem) override;
    HRESULT InitHeaderFooter(ISRptDevice* pOutDevice) override;
    HRESULT MoveContentsItemDirctn(const SComTable<ISRepObject>& selectedObjects, uint32_t nDirctn) override;
    HRESULT RetrieveUserProcs(ISRptAvailableItems* pAvailableItems) override;
    HRESULT RetrieveRegisteredItems(ISRptAvailableItems* pAvailableItems) override;
    HRESULT SetHeaderFooter(const RPTHEADERFOOTERDEF* pDef) override;
    HRESULT ComputeParentReport(ISRepObject** pParent) override;
    HRESULT UpdateUserDefinedItems() override;
    SRepClassColPtr Report() override { return GetCollection(RPTTEMPLATE_REPORT); }

    // Header, footer, then the page set-up, the default paragraphs and the default header and
    // footer. E_POINTER for null; the first failing step's code (what was made stays).
    HRESULT ConstructWithItemDef(const RPTUSRITEMDEF* pItemDef) override;
    // Paragraph 0 is the header, 1 the footer.
    SString GetParaName(ISRptPara* pPara) override;
    int32_t GetParaFontID(ISRptPara* pPara) const override;

    // "&Header/Footer..." only.
    HRESULT IsItemSupportCommand(uint32_t nID) override { return nID == ID_RPT_TEMPLATE_HEADERFOOTER ? S_OK : S_FALSE; }
    // A template is no item among others: it never moves.
    HRESULT CanMoveItemUp() override { return S_FALSE; }
    HRESULT CanMoveItemDown() override { return S_FALSE; }
    HRESULT CanMoveItemLower() override { return S_FALSE; }
    HRESULT CanMoveItemRaise() override { return S_FALSE; }

    // The walks' call-back: 4 user procedures, 5 registered items, 6 user-defined items; any
    // other kind E_INVALIDARG.
    HRESULT Dispatch(uint32_t kind, ISRptItem* object, RPTSCANINFO* info) override;

    SREP_QUERY_CLASS_INTERFACE(ISRptTemplate, SRptTemplateMem)

protected:
    explicit SRptTemplateImpl(ISRepSession* session) : SRptTemplateMem(session) {}
    SRptTemplateImpl(const SRptTemplateImpl& source) : SRptTemplateMem(source) {}

    // Marked as in a template, with the printer's page set-up.
    HRESULT OnInitialize(ISRepObject* parent) override;
    // The report follows its templates: a new module re-links the items, a new name names the report.
    HRESULT OnUpdateAttribute(int32_t id) override;

    bool IsContainer() override { return true; }
    SString ComputeLabelInTemplate() override { return m_name; }
    // The editor's template node.
    HRESULT OnCreateBrowserNode(ISBrowserView* pBrowser, uint32_t nIsDraggable, ISBrowserNode* pParent,
                                ISBrowserNode* pPrevious, int32_t dispid, bool bIsTemplateEditor,
                                SRptBrowserNodeItem** pBrowserNodeItem) override;
    // "&Header/Footer..." and "Page &Setup...": S_OK whatever the user chose, with the library's
    // module state current throughout. S_FALSE for any other command.
    HRESULT OnHandlePopupCommand(uint32_t nId, const SComTable<ISRepObject>& selectedItems, SWnd* pParentWnd) override;
    // A template never enters the table of contents.
    HRESULT InitTblCtsEntry(RPTTBLCTSENTRY*) override { return S_OK; }

    // Stock formats, borders and the centre and right tab stops of the header and footer.
    HRESULT SetupParagraphs();
    // The default header and footer for the printer's printable width.
    HRESULT SetupHeaderFooter();
    // The page set-up of the printer; always S_OK.
    HRESULT SetupPageSetup();
    // The header and footer through the device, each when it needs it. E_INVALIDARG for null.
    HRESULT ExpandHeaderFooter(ISRptDevice* pOutDevice);
    // Deletes the direct children of a new copy whose ItemID is not on the way to the dropped item.
    HRESULT PruneAddedItem(ISRptItem* pItem, const SRptItemIdSet& itemIds);

    // The move of an item one step in a direction, planned on the tree as it is: S_OK and the
    // plan, or S_FALSE when the item cannot go that way (or is none, or is a template).
    HRESULT ComputeMoveParameters(ISRptItem* pItem, uint32_t nDirctn, MOVESTRUCT& move);
    // Moves an item to a position of a parent's Items: S_OK, E_INVALIDARG for a null item or
    // target, or the failure of the insertion, the item then back where it was.
    HRESULT MoveContentsItem(ISRptItem* pItem, ISRptItem* pTarget, int32_t nPos);

    HRESULT OnRetrieveProcItem(ISRptItem* item, RPTSCANINFO* info);
    HRESULT OnRetrieveRegisteredItems(ISRptItem* item, RPTSCANINFO* info);
    HRESULT OnUpdateUserDefinedItems(ISRptItem* item, RPTSCANINFO* info);

private:
    // The parent report's extended title of a kind; empty without a report.
    SString GetExtendedTitle(uint32_t kind);
    // The parent report as a report; empty without one.
    SComWrap<ISRptReport> GetParentReportInterface();
    // Runs one of the template's walks over its own tree.
    HRESULT RunWalk(uint32_t kind, intptr_t value);
    // The tab stops of the paragraph at a position, replacing its stops.
    HRESULT SetParaTabs(int32_t position, int32_t count, const RPTTABPOS* tabs);
    // The printable width of the template's own page set-up.
    int32_t GetPrintableWidth() const;
    // The header and footer dialog; on OK the texts and flags the user left.
    void EditHeaderFooter();
    // The page set-up dialog on the printer cache loaded with the template's page set-up; on OK
    // the template takes the new page set-up and its header and footer tab stops follow the
    // printable width.
    void EditPageSetup();
    // Moves every tab stop of a paragraph from the old printable width (from `oldLeft`, `oldWidth`
    // long) to the same place of the new one.
    static void RescaleTabs(ISRptPara* para, int32_t oldLeft, int32_t oldWidth, int32_t newLeft, int32_t newWidth);
};

class SRptTemplateRegistry : public SRptStaticRegistry<SRptTemplateRegistry> {
public:
    SRptTemplateRegistry();
    static const SAttrEditorMap attrEditorMap;
};
