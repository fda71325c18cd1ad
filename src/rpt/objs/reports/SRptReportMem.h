#pragma once
// SRptReport: the root of a report document, the first top object of its session. It holds the
// title page's texts and switches, its templates (Templates, owned), a copy of the available
// items of each module it draws on (Availables), its language and the sessions of its models.
// Its display name is its Name. A new template is brought into line with its module's available
// items, which are copied into the report the first time a template of the module needs them.
// The report's paragraphs, generation and preview, fonts, language binding, template files and
// repair come with their parts; until then generating and previewing answer E_NOTIMPL.
#include <cstdint>

#include "platform/base/SString.h"
#include "platform/repo/SRepComObject.h"
#include "rpt/objs/paras/SRptParaContainerMem.h"
#include "varod9/ISRptAvailableItems.h"
#include "varod9/ISRptReport.h"
#include "varod9/ISRptTemplate.h"

inline constexpr GUID CLSID_SRptReport = MakeGUID("{A6BAC8D1-B730-11D1-8898-00A02455633B}");

// Attributes and collections the report's own operations use.
inline constexpr int32_t RPTREPORT_FIRSTPAGETITLE = 0x02006503;
inline constexpr int32_t RPTREPORT_LANGUAGE = 0x02006553;
// The first-page title a new report takes, the label of a new template, and the default title of
// a table of contents (the label of the built-in one).
inline constexpr uint32_t IDS_RPT_REPORT_TITLE = 5026;
inline constexpr uint32_t IDS_RPT_TEMPLATE_ITEMS = 5278;
inline constexpr uint32_t IDS_RPT_TBLCTS_LABEL = 5030;
// The application's name, which a report's default footer begins with.
inline constexpr uint32_t IDS_RPT_APPLICATION_NAME = 200;
// The item id of every template.
inline constexpr const char* RPT_TEMPLATE_ITEMID = "TEMPLATE";

class SRptReportRegistry;

class SRptReportMem : public SRptParaContainerImpl {
public:
    SRPT_ATTRIBUTE_TABLE

    // The computed attributes: the display name (the report's Name), the language object (the
    // one of the Language collection) and the language's name, which the host gives.
    virtual SString GetDispName() = 0;
    virtual HRESULT PutDispName(const SString& value) = 0;
    virtual SComWrap<ISRepObject> GetLang() = 0;
    virtual SString GetLangName() = 0;

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
};

class SRptReportImpl : public SRptReportMem, public virtual ISRptReport {
public:
    using Registry = SRptReportRegistry;

    SString GetDispName() override { return m_name; }
    // The report's Name, at most 254 characters; S_FALSE when it is that already.
    HRESULT PutDispName(const SString& value) override;
    SComWrap<ISRepObject> GetLang() override;
    // The first module client's name of the report's language; without a client, E_FAIL as
    // "%ld" text ("-2147467259").
    SString GetLangName() override;

    SString GetTitleFromPath(SString sTitlePath) override;
    SString GetExTitle(uint32_t nItemType) override;
    HRESULT AddAvailableItems(ISRptAvailableItems* pAvailableItems) override;
    HRESULT AddNewAvailableItems(const SString& sModuleName, ISRptAvailableItems** pAvailableItems) override;
    HRESULT GetAvailableItemsOfModule(const SString& sModuleName, ISRptAvailableItems** pAvailableItems) override;
    HRESULT AddTemplate(ISRptTemplate* pTemplate) override;
    HRESULT AddNewTemplate(const SString& sModuleName, int32_t bDiscardOld, ISRptTemplate** pTemplate) override;
    HRESULT SyncTemplateWithAvailableItems(ISRptTemplate* pTemplate) override;
    HRESULT SyncTemplatesWithAvailableItems() override;
    HRESULT GetTemplatesCount(int32_t* nCount) override;
    HRESULT GetTemplateAtPos(int32_t nPos, ISRptTemplate** pTemplate) override;
    HRESULT GenerateReport(ISRptGenerationClient*, uint32_t) override { return E_NOTIMPL; }
    HRESULT PreviewReport(ISRptGenerationClient*, ISShellCommandTarget*) override { return E_NOTIMPL; }

    // A new report's first-page title is the library's text for a report.
    HRESULT OnInitialize(ISRepObject* parent) override;

    SREP_QUERY_CLASS_INTERFACE(ISRptReport, SRptReportMem)

protected:
    explicit SRptReportImpl(ISRepSession* session) : SRptReportMem(session) {}
    SRptReportImpl(const SRptReportImpl& source) : SRptReportMem(source) {}
};

class SRptReportRegistry : public SRptStaticRegistry<SRptReportRegistry> {
public:
    SRptReportRegistry();
    static const SAttrEditorMap attrEditorMap;
};
