#pragma once
// SRptReport: the root of a report document, the first top object of its session. It holds the
// title page's texts and switches, its templates (Templates, owned), a copy of the available
// items of each module it draws on (Availables), its language and the sessions of its models.
// Its display name is its Name. It owns two paragraphs, the title page's title ("Report Title",
// font kind 2) and its optional fields ("Optional Fields", font kind 3). A template inserted into
// Templates is brought into line with its module's available items, which are copied into the
// report the first time a template of the module needs them. The fonts of all its paragraphs
// can be reset to the user's defaults at once, and a report read from an older version repairs
// its templates. It generates itself as an RTF file, HTML pages or on the printer, and shows
// itself in a print preview, whose pages it can search for the objects they show.
#include <cstdint>
#include <map>
#include <set>

#include "platform/base/SString.h"
#include "platform/base/STable.h"
#include "platform/repo/ISRepSessionExtern.h"
#include "platform/repo/SRepComObject.h"
#include "rpt/objs/paras/SRptParaContainerMem.h"
#include "varod9/ISRptAvailableItems.h"
#include "varod9/ISRptReport.h"
#include "varod9/ISRptTemplate.h"

inline constexpr GUID CLSID_SRptReport = MakeGUID("{A6BAC8D1-B730-11D1-8898-00A02455633B}");

// The title page's attributes, which the report's own operations and its title page dialog use.
inline constexpr int32_t RPTREPORT_FIRSTPAGETITLE = 0x02006503;
inline constexpr int32_t RPTREPORT_FIRSTPAGEAUTHOR = 0x02006504;
inline constexpr int32_t RPTREPORT_FIRSTPAGEVERSION = 0x02006505;
inline constexpr int32_t RPTREPORT_FIRSTPAGEDATE = 0x02006506;
inline constexpr int32_t RPTREPORT_FIRSTPAGESUMMARY = 0x02006507;
inline constexpr int32_t RPTREPORT_HASFIRSTPAGE = 0x02006508;
inline constexpr int32_t RPTREPORT_HASFIRSTPAGETITLE = 0x02006509;
inline constexpr int32_t RPTREPORT_HASFIRSTPAGEAUTHOR = 0x0200650A;
inline constexpr int32_t RPTREPORT_HASFIRSTPAGEVERSION = 0x0200650B;
inline constexpr int32_t RPTREPORT_HASFIRSTPAGEDATE = 0x0200650C;
inline constexpr int32_t RPTREPORT_HASFIRSTPAGESUMMARY = 0x0200650D;
// The names of the report's two paragraphs.
inline constexpr uint32_t IDS_RPT_REPORT_TITLE_PARA = 5159;
inline constexpr uint32_t IDS_RPT_OPTIONAL_FIELDS_PARA = 5161;
// The box of the title paragraph (all four sides) and the alignment of both paragraphs.
inline constexpr int16_t RPT_REPORT_TITLE_BORDER = 15;
inline constexpr int16_t RPT_REPORT_PARA_ALIGNMENT = 4;
// The first-page title a new report takes, the label of a new template, and the default title of
// a table of contents (the label of the built-in one).
inline constexpr uint32_t IDS_RPT_REPORT_TITLE = 5026;
inline constexpr uint32_t IDS_RPT_TEMPLATE_ITEMS = 5278;
inline constexpr uint32_t IDS_RPT_TBLCTS_LABEL = 5030;
// The application's name, which a report's default footer begins with.
inline constexpr uint32_t IDS_RPT_APPLICATION_NAME = 200;
// The item id of every template.
inline constexpr const char* RPT_TEMPLATE_ITEMID = "TEMPLATE";

class SRptPrintPreviewShell;
class SRptReportRegistry;
struct ISRptTable;
struct RPTFINDINFO;

class SRptReportMem : public SRptParaContainerImpl {
public:
    SRPT_ATTRIBUTE_TABLE

    // The computed attributes: the display name (the report's Name), the language object (the
    // one of the Language collection) and the language's name, which the host gives.
    virtual SString GetDispName() = 0;
    virtual HRESULT PutDispName(const SString& value) = 0;
    virtual SComWrap<ISRepObject> GetLang() = 0;
    virtual SString GetLangName() = 0;

    // The language is written as the object that the variant holds.
    HRESULT SetAttribute(int32_t id, const SRepVariant& value) override;

    // Registers a kind of extension collection for every report: `memberId` (NotSavedSess,
    // LangExSess) is gathered under `collectionId`, which must be ExtSess, with elements of
    // `clsid`. S_FALSE and nothing once the class is initialised; E_FAIL for another collection;
    // for a member already entered, S_OK when its class is the same, S_FALSE when not.
    static HRESULT AddCollection(int32_t collectionId, int32_t memberId, const GUID& clsid);
    // The element class of an extension collection kind; false when none is entered.
    static bool FindExtensionCollection(int32_t memberId, GUID* clsid);

protected:
    explicit SRptReportMem(ISRepSession* session) : SRptParaContainerImpl(session) {}
    SRptReportMem(const SRptReportMem& source) = default;

    SString m_name;
    SString m_code;
    SString m_labl;
    bool m_sectNum = false;
    SString m_firstPageTitle = "Report";
    SString m_firstPageAuthor;
    SString m_firstPageVersion;
    SString m_firstPageDate;
    SString m_firstPageSummary;
    bool m_hasFirstPage = true;
    bool m_hasFirstPageTitle = true;
    bool m_hasFirstPageAuthor = true;
    bool m_hasFirstPageVersion = true;
    bool m_hasFirstPageDate = true;
    bool m_hasFirstPageSummary = true;

private:
    // The extension collection kinds of the class: member collection id -> element class.
    static std::map<int32_t, GUID>& ExtensionCollections();

protected:
    // Set once the first report is finished: the kinds are fixed from then on.
    static bool& ExtensionCollectionsSealed();
};

class SRptReportImpl : public SRptReportMem, public virtual ISRptReport {
public:
    using Registry = SRptReportRegistry;

    SRPT_PROPERTIES(SRptReport)

    SString GetDispName() override { return m_name; }
    // The report's Name, at most 254 characters; S_FALSE when it is that already.
    HRESULT PutDispName(const SString& value) override;
    SComWrap<ISRepObject> GetLang() override;
    HRESULT PutLang(ISRepObject* pLanguage) override;
    SString GetLangName() override;

    HRESULT ReadTemplatesFromStream(SInputStream& stream) override;
    HRESULT WriteTemplatesToStream(SOutputStream& stream) override;
    HRESULT AddAvailableItems(ISRptAvailableItems* pAvailableItems) override;
    HRESULT AddNewAvailableItems(const SString& sModuleName, ISRptAvailableItems** pAvailableItems) override;
    HRESULT GetAvailableItemsCollection(ISRepClassCol** pAvailableItemsCol) override;
    HRESULT GetAvailableItemsCount(int32_t* nCount) override;
    HRESULT GetAvailableItemsAtPos(int32_t nPos, ISRptAvailableItems** pAvailableItems) override;
    HRESULT GetAvailableItemsOfModule(const SString& sModuleName, ISRptAvailableItems** pAvailableItems) override;
    HRESULT AddTemplate(ISRptTemplate* pTemplate) override;
    HRESULT AddNewTemplate(const SString& sModuleName, int32_t bDiscardOld, ISRptTemplate** pTemplate) override;
    HRESULT SyncTemplateWithAvailableItems(ISRptTemplate* pTemplate) override;
    HRESULT SyncTemplatesWithAvailableItems() override;
    HRESULT GetTemplatesCollection(ISRepClassCol** pTemplatesCol) override;
    HRESULT GetTemplatesCount(int32_t* nCount) override;
    HRESULT GetTemplateAtPos(int32_t nPos, ISRptTemplate** pTemplate) override;
    HRESULT GetPosOfTemplate(ISRptTemplate* pTemplate, int32_t* nPos) override;
    HRESULT DeleteTemplateAtPos(int32_t nPos) override;
    HRESULT AdviseTemplate(ISRepColSink* pSink) override;
    HRESULT UnadviseTemplate(ISRepColSink* pSink) override;
    HRESULT AdviseAvailableItems(ISRepColSink* pSink) override;
    HRESULT UnadviseAvailableItems(ISRepColSink* pSink) override;
    // Writes the report as an RTF file (mode 0) or HTML pages (2) chosen in a save dialog, or prints
    // it (1), and tells the user the outcome; 1 when the dialog was cancelled, E_UNEXPECTED for a
    // mode without a device.
    HRESULT GenerateReport(ISRptGenerationClient* pGenerationClient, uint32_t nType) override;
    // Opens the print preview of the report through the preview maker; its result.
    HRESULT PreviewReport(ISRptGenerationClient* pGenerationClient, ISShellCommandTarget* pUserCommandTarget) override;
    // Shows a page of the open preview: 0, or 1 when no preview is open.
    HRESULT SetPreviewCurrentPage(uint32_t nPage);
    // One record per element of the last preview that shows one of `oids`, appended to `list` in
    // the order of the layout's items: 0, or 1 (nothing appended) when there is no preview.
    HRESULT FindInPreview(const std::set<GUID>& oids, STable<RPTFINDINFO*>& list);

    // What makes the print preview's shell view of a report: S_OK with the view, which runs the
    // preview generation, or the failure. Without one installed, the shell module opens its
    // preview view in the host. Returns the one it replaces.
    using SPreviewViewMaker = HRESULT (*)(ISRptReport* report, ISRptGenerationClient* client,
                                          ISShellCommandTarget* target, SRptPrintPreviewShell** view);
    static SPreviewViewMaker SetPreviewViewMaker(SPreviewViewMaker maker);
    SRptPrintPreviewShell* GetPreviewShellView() const { return m_previewShellView; }
    // What ended the last GenerateReport that failed, in the words of its failure (the device's
    // fault): empty after one that succeeded, or failed with a code only.
    const SString& GetGenerationFault() const { return m_generationFault; }
    // A preview that goes away is no longer the report's.
    void ForgetPreviewShellView(const SRptPrintPreviewShell* view) {
        if (m_previewShellView == view) m_previewShellView = nullptr;
    }
    HRESULT ChangeAllFonts(int32_t bChangeOtherReports) override;
    HRESULT ChangeFonts(ISRptParaContainer* pParentItem) override;
    SString GetTitleFromPath(SString sTitlePath) override;
    HRESULT SyncTemplatesWithExtendedResource() override;
    SString GetExTitle(uint32_t nItemType) override;
    HRESULT ValidateLang() override;

    SRepClassColPtr Templates() override { return GetCollection(RPTREPORT_TEMPLATES); }
    SRepClassColPtr Availables() override { return GetCollection(RPTREPORT_AVAILABLES); }
    SRepClassColPtr Language() override { return GetCollection(RPTREPORT_LANGUAGE); }
    SRepClassColPtr NotSavedSess() override { return GetCollection(RPTREPORT_NOTSAVEDSESS); }
    SRepClassColPtr LangExSess() override { return GetCollection(RPTREPORT_LANGEXSESS); }
    SRepClassColPtr ExtSess() override { return GetCollection(RPTREPORT_EXTSESS); }

    // The report's two paragraphs: "Report Title" (font kind 2) and "Optional Fields" (3).
    SString GetParaName(ISRptPara* pPara) override;
    int32_t GetParaFontID(ISRptPara* pPara) const override;

    // Reads one template from a file and appends it: the read's failure, else S_OK (a file that
    // gives no template counts as read).
    HRESULT ReadTemplate(const SString& sFile);
    // Writes the first template to a file: E_ACCESSDENIED and nothing written when the file is
    // read-only, else the write's code.
    HRESULT WriteTemplate(const SString& sFile);

    // The repository's set-up, then the two extension collection kinds of every report.
    HRESULT FinalConstruct() override;
    // A new report makes its two paragraphs and takes the library's text for its title page.
    HRESULT OnInitialize(ISRepObject* parent) override;
    // A template inserted into Templates is brought into line with its module's available items,
    // while the framework allows cascading.
    HRESULT OnCollectionInsert(int32_t id, ISRepObject* object, int32_t position) override;
    // A new Name is also a new display name.
    HRESULT OnUpdateAttribute(int32_t id) override;
    // The title page's texts and switches stay writable whatever the framework's rule says; the
    // title's switch (HasFirstPageTitle) and every other attribute follow it.
    bool IsAttrReadOnly(int32_t id, const SRepVariant& value) override;

    // The repair of a report read from an older version: each template in turn, the first
    // failure ending it. Nothing is written to `messages`.
    HRESULT InternalAutoFix(STable<SString>& messages) override;

    SREP_QUERY_CLASS_INTERFACE(ISRptReport, SRptReportMem)

protected:
    explicit SRptReportImpl(ISRepSession* session) : SRptReportMem(session) {}
    SRptReportImpl(const SRptReportImpl& source) : SRptReportMem(source) {}

    // Repairs an item and what is under it: the cell ids of an older metamodel in a table become
    // the current ones and the table's cell paragraphs (1 and 2) get a fixed box; the children of
    // another module than the item's are deleted (once, after the walk), the others repaired in
    // turn. S_OK, or the first failure of a child's repair (nothing is then deleted).
    virtual HRESULT InternalAutoFixTemplate(ISRptItem* pItem);

private:
    // Binds the language and puts the reference to its session first in LangExSess: the one
    // among the target models when there is one, else a new reference in the report's session
    // (which then is LangExSess's only entry). Nothing changes when a step before the last fails.
    HRESULT BindLanguage(ISRepObject* pLanguage);
    // The first reference among `references` to the session `target` (by object identity), or
    // empty. Throws E_POINTER for an entry that is no session reference.
    static SComWrap<ISRepSessionExtern> FindSessionReference(ISRepClassCol* references, ISRepSession* target);
    // A new reference to `target` in `session`, stamped with the login: E_OUTOFMEMORY when none
    // can be made.
    static HRESULT NewSessionReference(ISRepSession* session, ISRepSession* target,
                                       SComWrap<ISRepSessionExtern>& reference);
    static SPreviewViewMaker& PreviewViewMaker();

    // The preview's shell view; the preview editor owns it.
    SRptPrintPreviewShell* m_previewShellView = nullptr;
    SString m_generationFault;

    // Makes the two paragraphs at positions 0 and 1 of Paragraphs, then sets them up.
    HRESULT ConstructPara();
    // The stock formats of font kinds 2 and 3, the title's box and both alignments.
    HRESULT SetupParagraphs();
    // The old cell ids of a table's cells converted, and its cell paragraphs boxed when it has rows.
    static void RepairTable(ISRptTable* table);
    // A sink in or out of a collection of the report.
    HRESULT AdviseCollection(int32_t id, ISRepColSink* pSink, bool advise);
};

class SRptReportRegistry : public SRptStaticRegistry<SRptReportRegistry> {
public:
    SRptReportRegistry();
    static const SAttrEditorMap attrEditorMap;
};
