#pragma once
// A report: the root of a report document. It holds the title page's texts and switches, its
// templates (Templates, owned), a copy of the available items of each module it draws on
// (Availables), its language and the sessions of the models it reports on. The operations come in
// the order of the report class: the stored attributes, the computed ones, the methods, the
// collections.
#include <cstdint>

#include "platform/base/SString.h"
#include "platform/com/SComWrap.h"
#include "platform/repo/SRepClassColPtr.h"
#include "varod9/ISRptParaContainer.h"
#include "varod9/RptExport.h"

class SInputStream;
class SOutputStream;
struct ISRepColSink;
struct ISRepObject;
struct ISRptAvailableItems;
struct ISRptGenerationClient;
struct ISRptTemplate;
struct ISShellCommandTarget;

// Collections: the templates, owned; the copies of the modules' available items; the model
// sessions not saved with the report; the language; the language's sessions; the target models.
inline constexpr int32_t RPTREPORT_TEMPLATES = 0x02006550;
inline constexpr int32_t RPTREPORT_AVAILABLES = 0x02006551;
inline constexpr int32_t RPTREPORT_NOTSAVEDSESS = 0x02006552;
inline constexpr int32_t RPTREPORT_LANGUAGE = 0x02006553;
inline constexpr int32_t RPTREPORT_LANGEXSESS = 0x02006554;
inline constexpr int32_t RPTREPORT_EXTSESS = 0x04000199;
// The computed language attribute.
inline constexpr int32_t RPTREPORT_LANG = 0x0200650F;

struct RPT_EXPORT ISRptReport : virtual ISRptParaContainer {
    static constexpr GUID iid = MakeGUID("{E5E95703-B72F-11D1-8898-00A02455633B}");
    using BaseInterface = ISRptParaContainer;

    // Stored attributes. Name and Code hold at most 254 characters. A put of the value already
    // stored changes nothing and returns S_FALSE.
    virtual SString GetName() = 0;
    virtual HRESULT PutName(const SString& value) noexcept = 0;
    virtual SString GetCode() = 0;
    virtual HRESULT PutCode(const SString& value) noexcept = 0;
    virtual SString GetLabl() = 0;
    virtual HRESULT PutLabl(const SString& value) noexcept = 0;
    virtual bool GetSectNum() = 0;
    virtual HRESULT PutSectNum(bool value) noexcept = 0;
    virtual SString GetFirstPageTitle() = 0;
    virtual HRESULT PutFirstPageTitle(const SString& value) noexcept = 0;
    virtual SString GetFirstPageAuthor() = 0;
    virtual HRESULT PutFirstPageAuthor(const SString& value) noexcept = 0;
    virtual SString GetFirstPageVersion() = 0;
    virtual HRESULT PutFirstPageVersion(const SString& value) noexcept = 0;
    virtual SString GetFirstPageDate() = 0;
    virtual HRESULT PutFirstPageDate(const SString& value) noexcept = 0;
    virtual SString GetFirstPageSummary() = 0;
    virtual HRESULT PutFirstPageSummary(const SString& value) noexcept = 0;
    virtual bool GetHasFirstPage() = 0;
    virtual HRESULT PutHasFirstPage(bool value) noexcept = 0;
    virtual bool GetHasFirstPageTitle() = 0;
    virtual HRESULT PutHasFirstPageTitle(bool value) noexcept = 0;
    virtual bool GetHasFirstPageAuthor() = 0;
    virtual HRESULT PutHasFirstPageAuthor(bool value) noexcept = 0;
    virtual bool GetHasFirstPageVersion() = 0;
    virtual HRESULT PutHasFirstPageVersion(bool value) noexcept = 0;
    virtual bool GetHasFirstPageDate() = 0;
    virtual HRESULT PutHasFirstPageDate(bool value) noexcept = 0;
    virtual bool GetHasFirstPageSummary() = 0;
    virtual HRESULT PutHasFirstPageSummary(bool value) noexcept = 0;

    // The display name is the report's Name.
    virtual SString GetDispName() = 0;
    virtual HRESULT PutDispName(const SString& value) = 0;
    // The language object, or empty.
    virtual SComWrap<ISRepObject> GetLang() = 0;
    // Binds the report to a language object (null clears the binding and nothing else); the
    // language's session stands first in LangExSess. S_FALSE, with nothing changed and nothing
    // announced, for the language already bound. E_FAIL without the collections or the report's
    // session, E_OUTOFMEMORY when no session reference can be made; nothing changes then.
    virtual HRESULT PutLang(ISRepObject* pLanguage) = 0;
    // The first module client's name of the report's language; without a client, E_FAIL as
    // "%ld" text ("-2147467259").
    virtual SString GetLangName() = 0;

    // Reads a count and that many templates from the stream into Templates: the read's failure,
    // S_FALSE when it gave no template, else S_OK.
    virtual HRESULT ReadTemplatesFromStream(SInputStream& stream) = 0;
    // Writes Templates in the form that ReadTemplatesFromStream reads: the write's code.
    virtual HRESULT WriteTemplatesToStream(SOutputStream& stream) = 0;
    // Appends a copy of a module's container (made in the report's session) to Availables:
    // S_FALSE for null, else the insertion's code. Throws SECOMException when the container is
    // no repository object or the report has no session.
    virtual HRESULT AddAvailableItems(ISRptAvailableItems* pAvailableItems) = 0;
    // Adds a copy of the registered module's container and hands out the module's own, with the
    // caller's reference; E_FAIL (and null) for a module that is not registered, E_INVALIDARG for
    // a null out-pointer.
    virtual HRESULT AddNewAvailableItems(const SString& sModuleName, ISRptAvailableItems** pAvailableItems) = 0;
    // Availables with the caller's reference; E_POINTER for null.
    virtual HRESULT GetAvailableItemsCollection(ISRepClassCol** pAvailableItemsCol) = 0;
    // The number of containers in Availables; E_POINTER for null.
    virtual HRESULT GetAvailableItemsCount(int32_t* nCount) = 0;
    // The container at a position (from 0) with the caller's reference; S_FALSE and null outside,
    // E_POINTER for a null out-pointer.
    virtual HRESULT GetAvailableItemsAtPos(int32_t nPos, ISRptAvailableItems** pAvailableItems) = 0;
    // The first of Availables whose ModuleID is the module's (byte-wise, case-sensitive), with the
    // caller's reference: S_OK, or S_FALSE when there is none; E_INVALIDARG for a null out-pointer.
    virtual HRESULT GetAvailableItemsOfModule(const SString& sModuleName, ISRptAvailableItems** pAvailableItems) = 0;
    // Appends a template to Templates: S_FALSE for null, else the insertion's code.
    virtual HRESULT AddTemplate(ISRptTemplate* pTemplate) = 0;
    // With bDiscardOld non-zero, makes a new template for a module (item id "TEMPLATE", label
    // "Template items"), appends it and hands it out with the caller's reference; S_FALSE and
    // nothing made when bDiscardOld is 0; E_POINTER for a null out-pointer. When the template
    // cannot be appended it is deleted, the out-pointer stays null and the failure is returned.
    virtual HRESULT AddNewTemplate(const SString& sModuleName, int32_t bDiscardOld, ISRptTemplate** pTemplate) = 0;
    // Brings a template into line with its module's available items (adding them to the report
    // when it has none yet): S_FALSE for a template without a module id, else the first failure.
    virtual HRESULT SyncTemplateWithAvailableItems(ISRptTemplate* pTemplate) = 0;
    // The same for every template, in order; the first failure ends the walk.
    virtual HRESULT SyncTemplatesWithAvailableItems() = 0;
    // Templates with the caller's reference; E_POINTER for null.
    virtual HRESULT GetTemplatesCollection(ISRepClassCol** pTemplatesCol) = 0;
    // The number of templates; E_POINTER for null.
    virtual HRESULT GetTemplatesCount(int32_t* nCount) = 0;
    // The template at a position (from 0) with the caller's reference; S_FALSE and null outside,
    // E_POINTER for a null out-pointer.
    virtual HRESULT GetTemplateAtPos(int32_t nPos, ISRptTemplate** pTemplate) = 0;
    // The position of a template among Templates: S_OK, or S_FALSE and -1 when it is not there;
    // E_INVALIDARG for a null out-pointer.
    virtual HRESULT GetPosOfTemplate(ISRptTemplate* pTemplate, int32_t* nPos) = 0;
    // Removes the template at a position and deletes it: S_OK, or the failure of the look-up
    // (S_FALSE outside) or of the removal.
    virtual HRESULT DeleteTemplateAtPos(int32_t nPos) = 0;
    // A sink of Templates or of Availables: S_FALSE for null, else the collection's code.
    virtual HRESULT AdviseTemplate(ISRepColSink* pSink) = 0;
    virtual HRESULT UnadviseTemplate(ISRepColSink* pSink) = 0;
    virtual HRESULT AdviseAvailableItems(ISRepColSink* pSink) = 0;
    virtual HRESULT UnadviseAvailableItems(ISRepColSink* pSink) = 0;
    // Generates the report through the device that the low byte of nType names (0 RTF file,
    // 1 printer, 2 HTML), or opens its print preview.
    virtual HRESULT GenerateReport(ISRptGenerationClient* pGenerationClient, uint32_t nType) = 0;
    virtual HRESULT PreviewReport(ISRptGenerationClient* pGenerationClient,
                                  ISShellCommandTarget* pUserCommandTarget) = 0;
    // Gives every paragraph of the report, of its available items and of its templates (with
    // everything under them) the user's default font of the paragraph's font kind: name, height
    // and style; family, pitch and character set stay. Other reports are not touched, whatever
    // bChangeOtherReports says. S_OK.
    virtual HRESULT ChangeAllFonts(int32_t bChangeOtherReports) = 0;
    // The same for one paragraph container and, when it is an item, every item under it. A
    // paragraph without a report font kind keeps its font. E_POINTER for null, else S_OK.
    virtual HRESULT ChangeFonts(ISRptParaContainer* pParentItem) = 0;
    // The title text that the host gives for a title path; E_FAIL as "%ld" text without a host.
    virtual SString GetTitleFromPath(SString sTitlePath) = 0;
    // Brings the user-defined items of every template in line with the module's; S_OK.
    virtual HRESULT SyncTemplatesWithExtendedResource() = 0;
    // The report's title for a kind of item (0 table of contents, 1 header, 2 footer); empty for
    // any other kind.
    virtual SString GetExTitle(uint32_t nItemType) = 0;
    // The first module client's verdict on the report's language; E_FAIL without a client.
    virtual HRESULT ValidateLang() = 0;

    virtual SRepClassColPtr Templates() = 0;
    virtual SRepClassColPtr Availables() = 0;
    virtual SRepClassColPtr Language() = 0;
    virtual SRepClassColPtr NotSavedSess() = 0;
    virtual SRepClassColPtr LangExSess() = 0;
    virtual SRepClassColPtr ExtSess() = 0;

protected:
    ~ISRptReport() = default;
};

inline constexpr IID IID_ISRptReport = ISRptReport::iid;
