#pragma once
// The client of a host module: the module hands it in when it registers, and the library calls it
// back to fill the module's available items and, for the first registered module, to name, check
// and title a report's language and to offer the languages of a new report template.
#include "platform/base/SString.h"
#include "platform/com/IUnknown.h"
#include "platform/ui/SComboBoxCtrl.h"
#include "varod9/RptExport.h"

struct ISRepObject;
struct ISRptModule;
struct ISRptReport;

struct RPT_EXPORT ISRptModuleClient : IUnknown {
    // Handed in directly with the module's registration, never asked for by this id.
    static constexpr GUID iid = MakeGUID("{3C9A54E1-7B2D-4F6E-A1C8-5D0E92B7F314}");

    // Called once, the first time the module's available items are needed, after the built-in
    // items were made: the client adds the module's own items (RptRegisterItem and the like).
    // The result is not looked at. The module's code, so not noexcept.
    virtual HRESULT InitAvailableItems(ISRptModule* pModule) = 0;
    // The name of the report's language into sLangName.
    virtual HRESULT GetReportLangName(SString& sLangName, ISRptReport* pReport) = 0;
    // Checks the report's language; the result is handed on.
    virtual HRESULT ValidateReportLang(ISRptReport* pReport) = 0;
    // The text that a title path stands for in the report, into sTitle. Asked of the first
    // registered module's client for the title paths of the items and cells in the report's
    // templates (RptItemDef.h, RptTableDef.h: an empty text lets them show their defaults) and,
    // when the report has a language, for its default header, footer and contents title
    // ("\Report Titles\General\Header", "...\Footer", "...\TOC").
    virtual HRESULT GetReportTitleText(SString& sTitle, ISRptReport* pReport, SString sTitlePath) = 0;
    // Adds to the combo box the names of the languages a new report template can be written in.
    virtual HRESULT FillLanguageCombo(SComboBoxCtrl* pCombo) = 0;
    // The language object of the language named sLangName, with the caller's reference, into
    // *ppLanguage; null when the module knows no such language.
    virtual HRESULT GetLanguageObject(ISRepObject** ppLanguage, const SString& sLangName) = 0;

protected:
    ~ISRptModuleClient() = default;
};

inline constexpr IID IID_ISRptModuleClient = ISRptModuleClient::iid;
