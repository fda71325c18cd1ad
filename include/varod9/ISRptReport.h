#pragma once
// A report: its templates, its available items and its generation. Declared here as far as the
// items, the exported functions and the shell module use it: a custom item asks the report for
// the title that a title path stands for, a table of contents for the report's title of its kind;
// a new report gets its template and the available items of the template's module; the host
// generates and previews it. The rest of the report's operations come with the report class.
#include <cstdint>

#include "platform/base/SString.h"
#include "varod9/ISRptParaContainer.h"
#include "varod9/RptExport.h"

struct ISRptAvailableItems;
struct ISRptGenerationClient;
struct ISRptTemplate;
struct ISShellCommandTarget;

// Collections: the templates, owned, and the copies of the modules' available items.
inline constexpr int32_t RPTREPORT_TEMPLATES = 0x02006550;
inline constexpr int32_t RPTREPORT_AVAILABLES = 0x02006551;

struct RPT_EXPORT ISRptReport : virtual ISRptParaContainer {
    static constexpr GUID iid = MakeGUID("{E5E95703-B72F-11D1-8898-00A02455633B}");
    using BaseInterface = ISRptParaContainer;

    // The title text that the host gives for a title path; empty for none.
    virtual SString GetTitleFromPath(SString sTitlePath) = 0;
    // The report's title for a kind of item (0: the table of contents); empty for none.
    virtual SString GetExTitle(uint32_t nItemType) = 0;

    // Appends a copy of a module's container (made in the report's session) to Availables:
    // S_FALSE for null, else the insertion's code. Throws SECOMException when the container is
    // no repository object or the report has no session.
    virtual HRESULT AddAvailableItems(ISRptAvailableItems* pAvailableItems) = 0;
    // Adds a copy of the registered module's container and hands out the module's own, with the
    // caller's reference; E_FAIL (and null) for a module that is not registered, E_INVALIDARG for
    // a null out-pointer.
    virtual HRESULT AddNewAvailableItems(const SString& sModuleName, ISRptAvailableItems** pAvailableItems) = 0;
    // The first of Availables whose ModuleID is the module's (byte-wise, case-sensitive), with the
    // caller's reference: S_OK, or S_FALSE when there is none; E_INVALIDARG for a null out-pointer.
    virtual HRESULT GetAvailableItemsOfModule(const SString& sModuleName, ISRptAvailableItems** pAvailableItems) = 0;
    // Appends a template to Templates: S_FALSE for null, else the insertion's code.
    virtual HRESULT AddTemplate(ISRptTemplate* pTemplate) = 0;
    // With bDiscardOld non-zero, makes a new template for a module (item id "TEMPLATE", label
    // "Template items"), appends it and hands it out with the caller's reference; S_FALSE and
    // nothing made when bDiscardOld is 0; E_POINTER for a null out-pointer.
    virtual HRESULT AddNewTemplate(const SString& sModuleName, int32_t bDiscardOld, ISRptTemplate** pTemplate) = 0;
    // Brings a template into line with its module's available items (adding them to the report
    // when it has none yet): S_FALSE for a template without a module id, else the first failure.
    virtual HRESULT SyncTemplateWithAvailableItems(ISRptTemplate* pTemplate) = 0;
    // The same for every template, in order; the first failure ends the walk.
    virtual HRESULT SyncTemplatesWithAvailableItems() = 0;
    // The number of templates; E_POINTER for null.
    virtual HRESULT GetTemplatesCount(int32_t* nCount) = 0;
    // The template at a position (from 0) with the caller's reference; S_FALSE and null outside.
    virtual HRESULT GetTemplateAtPos(int32_t nPos, ISRptTemplate** pTemplate) = 0;
    // Generates the report through the device that the low byte of nType names (0 RTF file,
    // 1 printer, 2 HTML), or opens its print preview.
    virtual HRESULT GenerateReport(ISRptGenerationClient* pGenerationClient, uint32_t nType) = 0;
    virtual HRESULT PreviewReport(ISRptGenerationClient* pGenerationClient,
                                  ISShellCommandTarget* pUserCommandTarget) = 0;

protected:
    ~ISRptReport() = default;
};

inline constexpr IID IID_ISRptReport = ISRptReport::iid;
