#pragma once
// A report template: the root of an item tree, owned by a report, with its page header and
// footer and its page set-up. Items are placed into it as copies made in its own session; it
// re-links its items to the items its module registered, and has its header and footer expanded
// by the output device at the start of each generation pass.
//
// The page header and footer. Each page shows the displayed header (GetDispHeader): the
// template's own Header once HeadUserDef is set, and until then the report's default one; the
// same for the footer with Footer and FootUserDef. The report's defaults are
// "%MODULE%\t%MODELNAME%" and "Report Editor\t%DATE%\tPage %PAGE%" (when the report has a
// language, the texts that the first registered module's client gives for the title paths
// "\Report Titles\General\Header" and "...\Footer"). A new template's Header and Footer hold
// the same two texts, with HeadUserDef and FootUserDef unset. In these texts a generation
// replaces the tokens between two "%": the library's "%DATE%", "%TIME%" and "%PAGE%", and the
// fields that the template's module registered (RptRegisterField, ISRptField.h); any other token
// is printed as it stands.
#include <cstdint>

#include "platform/base/POINT.h"
#include "platform/base/RECT.h"
#include "platform/base/SString.h"
#include "varod9/ISRptItem.h"
#include "varod9/RptExport.h"
#include "varod9/RptTabPos.h"

struct ISRptAvailableItems;
struct ISRptDevice;

// Stored attributes.
inline constexpr int32_t RPTTEMPLATE_HEADER = 0x02006200;            // TEXT
inline constexpr int32_t RPTTEMPLATE_EXPHEADER = 0x02006201;         // TEXT
inline constexpr int32_t RPTTEMPLATE_HEADERNEEDEXPAND = 0x02006202;  // BOOL
inline constexpr int32_t RPTTEMPLATE_HASHEADERBORDER = 0x02006203;   // BOOL
inline constexpr int32_t RPTTEMPLATE_FOOTER = 0x02006204;            // TEXT
inline constexpr int32_t RPTTEMPLATE_EXPFOOTER = 0x02006205;         // TEXT
inline constexpr int32_t RPTTEMPLATE_FOOTERNEEDEXPAND = 0x02006206;  // BOOL
inline constexpr int32_t RPTTEMPLATE_HASFOOTERBORDER = 0x02006207;   // BOOL
inline constexpr int32_t RPTTEMPLATE_MARGIN = 0x02006208;            // RECT
inline constexpr int32_t RPTTEMPLATE_MINMARGIN = 0x02006209;         // RECT
inline constexpr int32_t RPTTEMPLATE_PAPERSIZE = 0x0200620A;         // POINT
inline constexpr int32_t RPTTEMPLATE_ORIENTATION = 0x0200620B;       // INT
inline constexpr int32_t RPTTEMPLATE_PAPERFORMAT = 0x0200620C;       // INT
inline constexpr int32_t RPTTEMPLATE_FOOTUSERDEF = 0x02006219;       // BOOL
inline constexpr int32_t RPTTEMPLATE_HEADUSERDEF = 0x0200621A;       // BOOL
// Computed attributes.
inline constexpr int32_t RPTTEMPLATE_PARENTREPORT = 0x02006217;  // object
inline constexpr int32_t RPTTEMPLATE_ZOOMPERCT = 0x02006218;     // SHORT, always 100
inline constexpr int32_t RPTTEMPLATE_DISPHEADER = 0x0200621B;    // TEXT
inline constexpr int32_t RPTTEMPLATE_EXDEFHEADER = 0x0200621C;   // TEXT
inline constexpr int32_t RPTTEMPLATE_DISPFOOTER = 0x0200621D;    // TEXT
inline constexpr int32_t RPTTEMPLATE_EXDEFFOOTER = 0x0200621E;   // TEXT
// The report that owns the template (inverse end of the report's Templates).
inline constexpr int32_t RPTTEMPLATE_REPORT = 0x02806550;

// The directions of MoveContentsItemDirctn: one place up or down among the siblings, out of
// the parent to just before it, into the next sibling as its first child.
inline constexpr uint32_t RPT_MOVE_UP = 1;
inline constexpr uint32_t RPT_MOVE_DOWN = 2;
inline constexpr uint32_t RPT_MOVE_RAISE = 3;
inline constexpr uint32_t RPT_MOVE_LOWER = 4;

// The size word a header/footer definition must carry.
inline constexpr uint32_t RPT_HEADERFOOTERDEF_SIZE = 32;

// A header and footer for SetHeaderFooter: the two texts and the tab stops of the two paragraphs.
// A count of 0 or a null array leaves that paragraph's stops as they are. A new template's header
// has one stop, right-aligned at the printable width; its footer two, centred at half of it and
// right-aligned at it.
struct RPT_EXPORT RPTHEADERFOOTERDEF {
    uint32_t Size = RPT_HEADERFOOTERDEF_SIZE;
    int32_t Reserved = 0;
    SString HeaderText;
    int32_t HeaderTabCount = 0;
    const RPTTABPOS* HeaderTabs = nullptr;
    SString FooterText;
    int32_t FooterTabCount = 0;
    const RPTTABPOS* FooterTabs = nullptr;
};

struct RPT_EXPORT ISRptTemplate : virtual ISRptItem {
    static constexpr GUID iid = MakeGUID("{E5E95720-B72F-11D1-8898-00A02455633B}");
    using BaseInterface = ISRptItem;

    // Stored attributes. A put of the value already stored changes nothing and returns S_FALSE.
    virtual SString GetName() = 0;
    virtual HRESULT PutName(const SString& value) noexcept = 0;
    virtual SString GetCode() = 0;
    virtual HRESULT PutCode(const SString& value) noexcept = 0;
    virtual SString GetHeader() = 0;
    virtual HRESULT PutHeader(const SString& value) noexcept = 0;
    virtual SString GetExpHeader() = 0;
    virtual HRESULT PutExpHeader(const SString& value) noexcept = 0;
    virtual bool GetHeaderNeedExpand() = 0;
    virtual HRESULT PutHeaderNeedExpand(bool value) noexcept = 0;
    virtual bool GetHasHeaderBorder() = 0;
    virtual HRESULT PutHasHeaderBorder(bool value) noexcept = 0;
    virtual SString GetFooter() = 0;
    virtual HRESULT PutFooter(const SString& value) noexcept = 0;
    virtual SString GetExpFooter() = 0;
    virtual HRESULT PutExpFooter(const SString& value) noexcept = 0;
    virtual bool GetFooterNeedExpand() = 0;
    virtual HRESULT PutFooterNeedExpand(bool value) noexcept = 0;
    virtual bool GetHasFooterBorder() = 0;
    virtual HRESULT PutHasFooterBorder(bool value) noexcept = 0;
    virtual bool GetHeadUserDef() = 0;
    virtual HRESULT PutHeadUserDef(bool value) noexcept = 0;
    virtual bool GetFootUserDef() = 0;
    virtual HRESULT PutFootUserDef(bool value) noexcept = 0;
    virtual RECT GetMargin() = 0;
    virtual HRESULT PutMargin(const RECT& value) noexcept = 0;
    virtual RECT GetMinMargin() = 0;
    virtual HRESULT PutMinMargin(const RECT& value) noexcept = 0;
    virtual POINT GetPaperSize() = 0;
    virtual HRESULT PutPaperSize(const POINT& value) noexcept = 0;
    virtual int32_t GetOrientation() = 0;
    virtual HRESULT PutOrientation(int32_t value) noexcept = 0;
    virtual int32_t GetPaperFormat() = 0;
    virtual HRESULT PutPaperFormat(int32_t value) noexcept = 0;

    // The report that owns the template, not counted for the caller; null when there is none.
    virtual ISRepObject* GetParentReport() = 0;
    virtual int16_t GetZoomPerct() = 0;
    // The header as shown: Header when the user defined it, else the report's default one; the
    // same for the footer. The defaults are empty without a report.
    virtual SString GetDispHeader() = 0;
    virtual SString GetExDefHeader() = 0;
    virtual SString GetDispFooter() = 0;
    virtual SString GetExDefFooter() = 0;

    // Places a copy of `pRegItem`, made in the template's session, at `nPos` of `pParent`'s Items
    // and hands it out in `pNewItem` with the caller's reference. E_POINTER for a null argument;
    // the refusal of a file item's side interface or the failure of the copy, with a null out.
    // Throws SECOMException when the repository fails on the way.
    virtual HRESULT AddTemplateItem(ISRptItem* pRegItem, ISRptItem* pParent, int32_t nPos, ISRptItem** pNewItem) = 0;
    // The same for the nearest of `pRegItem` and its ancestors that may be dropped there, keeping
    // of the copy's direct children only those on the way to `pRegItem`. E_POINTER also when none
    // of them may be dropped there.
    virtual HRESULT AddTemplateItemWithParent(ISRptItem* pRegItem, ISRptItem* pParent, int32_t nPos,
                                              ISRptItem** pNewItem) = 0;
    // Deletes an item of the template: E_INVALIDARG for null, else the item's Delete.
    virtual HRESULT DeleteTemplateItem(ISRptItem* pItem) = 0;
    // At the start of each generation pass: the header and footer are expanded again by the device.
    virtual HRESULT InitHeaderFooter(ISRptDevice* pOutDevice) = 0;
    // Moves the selected items one step in a direction (RPT_MOVE_...). Every move is planned on
    // the tree as it was, so that a block of selected siblings moves as a block; entries that are
    // no item, the template itself, and items that cannot go that way are skipped. S_OK, or the
    // first failure of a move after the others were tried: an item whose move fails stays where
    // it was. Throws SECOMException, with nothing moved, when the repository fails in planning.
    virtual HRESULT MoveContentsItemDirctn(const SComTable<ISRepObject>& selectedObjects, uint32_t nDirctn) = 0;
    // Re-links the template's items to what its module registered: user procedures, resource
    // paths and label paths, dropping the items the module no longer offers (looked up under the
    // template's module); the registered item of every item (under the item's own module). 1 when
    // there is no module item table.
    virtual HRESULT RetrieveUserProcs(ISRptAvailableItems* pAvailableItems) = 0;
    virtual HRESULT RetrieveRegisteredItems(ISRptAvailableItems* pAvailableItems) = 0;
    // Applies a header and footer: tab stops first, then the texts, into Header and Footer.
    // E_INVALIDARG for null or a wrong size word; a failing SetTabs result. The texts show only
    // once HeadUserDef (the header) and FootUserDef (the footer) are set, by PutHeadUserDef and
    // PutFootUserDef or by UpdateUserDefinedItems for texts that differ from the report's
    // defaults: until then the report's default header and footer show.
    virtual HRESULT SetHeaderFooter(const RPTHEADERFOOTERDEF* pDef) = 0;
    // The owning report with the caller's reference; null and S_FALSE when there is none.
    virtual HRESULT ComputeParentReport(ISRepObject** pParent) = 0;
    // Recomputes which header, footer and titles the user changed from the report's defaults.
    virtual HRESULT UpdateUserDefinedItems() = 0;
    virtual SRepClassColPtr Report() = 0;

protected:
    ~ISRptTemplate() = default;
};

inline constexpr IID IID_ISRptTemplate = ISRptTemplate::iid;
