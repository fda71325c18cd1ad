#pragma once
// The library's module for the host's shell, one for the process, made by the globals container
// at start-up and released by it at shut-down. It makes the report sessions (a new session holds
// one report with one template of a module), hands out the template load/save manager, and is
// the object behind the exported functions that open editors and read and write templates. The
// host initialises it once it has handed over its frame (the three kinds of editor views are
// then entered and the help file registered) and asks it for its actions: a new report template
// (the "Report Template Type" dialog) or the opening of a template file. Every operation the host
// calls answers a code; no exception leaves it.
#include <cstdint>

#include "platform/base/SString.h"
#include "platform/com/SComWrap.h"
#include "platform/repo/ISLoadSaveManager.h"
#include "platform/repo/ISRepClassCol.h"
#include "platform/repo/ISRepObject.h"
#include "platform/repo/ISRepSession.h"
#include "platform/repo/SRepShellModule.h"

class SInputStream;
class SOutputStream;
class SShellView;
class SProgressIndicatorEx;
class SRptShellViewClassTemplate;
class SRptShellViewClassReport;
class SRptShellViewClassPreview;
struct ISRptGenerationClient;
struct ISRptReport;
struct ISRptTemplate;
struct ISShellCommandTarget;

// The type library of the report classes, the documents' classes.
inline constexpr GUID LIBID_SRptTypeLibrary = MakeGUID("{D0E0A940-B731-11D1-8898-00A02455633B}");

class SRptShellModule : public SRepShellModule {
public:
    // Makes the three kinds of editor views and the template load/save manager; throws
    // SEOutOfMemory when one cannot be made. The count starts at 0: the maker adds the first
    // reference.
    SRptShellModule();

    // The actions on a path.
    static constexpr uint32_t kActionNew = 1;
    static constexpr uint32_t kActionOpen = 2;
    // The action flag that opens no editor.
    static constexpr uint32_t kNoEditor = 0x4;

    // Enters the template, report and preview view classes (E_UNEXPECTED when one is missing or
    // refused) and initialises each in that order (the first failure is the answer), then
    // registers the library's help file for the contexts 10000 to 10999.
    HRESULT OnInitialize(int32_t arg) override;
    // The action on an object: never implemented.
    HRESULT OnAction(uint32_t action, IUnknown* argument, uint32_t flags, SShellView** view,
                     SProgressIndicatorEx* progress, IUnknown** result) override;
    // Action 1 makes a new report template of the type chosen in the type dialog (S_FALSE when the
    // dialog is cancelled); action 2 opens the template file at `path` (its failures shown to the
    // user); any other action is E_UNEXPECTED. Unless `flags` holds kNoEditor, the template editor
    // of the new document follows. `view` receives the editor (null when none was made); `result`,
    // when given, receives the document's report with the caller's reference, so that a host that
    // asked for no editor can reach the document. A document that ends with no editor and no
    // holder, or whose action failed, is closed again.
    HRESULT OnAction(uint32_t action, const char16_t* path, uint32_t flags, SShellView** view,
                     SProgressIndicatorEx* progress, IUnknown** result) override;
    // Makes the command class of the library's specific menus (the templates command). S_OK;
    // throws SEOutOfMemory when it cannot be made.
    HRESULT CreateSpecificMenuCmdClass() override;

    // A new session holding a new report with one template of the module `moduleId`, both named
    // `name`: S_OK with the session and the report (as a repository object) handed out, each with
    // the caller's reference; a failure code, or S_FALSE when no report was made, with both null
    // and the new session closed. E_POINTER when either out-pointer is null. Throws
    // SECOMException when the repository fails (the new session is closed then too).
    HRESULT OnCreateSession(const SString& moduleId, const SString& name, ISRepSession** session, ISRepObject** report);
    // A new report among the top objects of `model`, with a new template of the module, both
    // named `name`, stamped with the user and the time; handed out with the caller's reference.
    // The failure of the report's creation or of its template's. Throws SECOMException when the
    // repository fails.
    HRESULT OnCreateReport(const SString& moduleId, const SString& name, ISRepSession* model, ISRepObject** report);
    // A new session holding the report of the template file at `path`: S_OK with the session and
    // the report handed out, each with the caller's reference. The templates of modules that are
    // not registered are dropped, each with a warning, from the last one up; S_FALSE, both null
    // and the session closed when none is left. A file of an older version is repaired. The
    // session's failures and a file that cannot be read or holds no report give a failure code,
    // with the error shown to the user, both null and the session closed. E_POINTER when either
    // out-pointer is null.
    HRESULT OnOpenSession(const SString& path, ISRepSession** session, ISRepObject** report, uint32_t flags,
                          SProgressIndicatorEx* progress);
    // Repairs the report of a session read from a file of an older `version`. S_OK.
    virtual HRESULT OnAutoFixOldSession(ISRepSession* session, const SString& version);
    // Brings the templates of the session's report (its first top object, when that is a report)
    // into line with their modules' available items; S_OK.
    HRESULT SyncSessionReport(ISRepSession* session);
    // The template load/save manager as ISLoadSaveManager, with the caller's reference; null (and
    // S_OK) when it does not answer that interface. E_POINTER for null; throws SECOMException for
    // another failure of the query.
    HRESULT GetLoadSaveManager(ISLoadSaveManager** manager) override;

    // The editor views of a report: a new view, its frame opened in the host under the kind's
    // caption, handed out (the module keeps no reference; the host's frame holds the view). The
    // view makes its window only when the host asks for it. E_INVALIDARG for a null report; the
    // report editors give E_POINTER for a null out-pointer, the template editor then makes the
    // view without handing it out. A host that opens no frame still gets the view, with S_OK.
    HRESULT CreateViewReportTemplateEditor(ISRptReport* report, SShellView** view);
    HRESULT CreateViewIntraModelReportEditor(ISRptReport* report, SShellView** view, ISShellCommandTarget* target);
    HRESULT CreateViewMultiModelReportEditor(ISRptReport* report, SShellView** view, ISShellCommandTarget* target);
    // The print preview of a report in the host: the new view handed out (the module keeps no
    // reference); 1 and a null view when the host has no preview or refuses one.
    HRESULT CreateViewReportPreview(ISRptReport* report, ISRptGenerationClient* client, SShellView** view,
                                    ISShellCommandTarget* target);
    // Templates on streams and files. Each template goes as a 76-byte header ("RTP" and a zero
    // byte, a reserved word, its module id as 32 UTF-16 units of which at most 31 are text, a
    // reserved word) and its object record; a collection as its count (32 bits) and its
    // templates in order. Files are read and written through 8192-byte buffers.
    // Readers: E_POINTER for a null out-pointer, collection or session; S_FALSE for a record
    // that is refused (another header, a module that is not registered while modules are) or
    // that holds no template, which gives no template (the stream reader leaves its out-pointer
    // as it was, the file reader nulls it); the collection reader stops at the first such record,
    // keeping what it read before. The file readers answer STG_E_FILENOTFOUND when there is no
    // such file. A record that does not read gives its failure, and so does a stream that fails
    // (an input/output failure 0x80030019), wherever it fails.
    // Writers: S_FALSE and nothing written for a null template, E_INVALIDARG for a null
    // collection or one that holds anything but templates; each record is put together before
    // any byte is written, and the first failure of the stream is the answer. The file writers
    // check their arguments before they make the file, and the file takes the target's place
    // only once written whole.
    HRESULT ReadTemplateFromFile(const SString& path, ISRptTemplate** result, ISRepSession* session);
    HRESULT ReadTemplateFromStream(SInputStream& stream, ISRptTemplate** result, ISRepSession* session);
    HRESULT ReadTemplatesFromFile(const SString& path, ISRepClassCol* collection, ISRepSession* session);
    HRESULT ReadTemplatesFromStream(SInputStream& stream, ISRepClassCol* collection, ISRepSession* session);
    HRESULT WriteTemplateToFile(const SString& path, ISRptTemplate* source);
    HRESULT WriteTemplateToStream(SOutputStream& stream, ISRptTemplate* source);
    HRESULT WriteTemplatesToFile(const SString& path, ISRepClassCol* collection);
    HRESULT WriteTemplatesToStream(SOutputStream& stream, ISRepClassCol* collection);

    // The process's kinds of editor views, made by the module; null while there is no module.
    static SRptShellViewClassTemplate* GetTemplateViewClass();
    static SRptShellViewClassReport* GetReportViewClass();
    static SRptShellViewClassPreview* GetPreviewViewClass();

protected:
    ~SRptShellModule() override;

private:
    // The view classes entered in the module's list, then each initialised.
    HRESULT EnterViewClasses(int32_t arg);
    // The steps of OnAction; they may throw.
    HRESULT RunAction(uint32_t action, uint32_t flags, SShellView** view, IUnknown** result);
    HRESULT NewReportTemplate(SComWrap<ISRepSession>& session, SComWrap<ISRepObject>& report,
                              SComWrap<ISRepObject>& language);
    HRESULT OpenSession(const SString& path, SComWrap<ISRepSession>& session, SComWrap<ISRepObject>& report,
                        uint32_t flags, SProgressIndicatorEx* progress);
    // Drops the report's templates of modules that are not registered, from the last one up.
    static void DropUnregisteredTemplates(ISRptReport* report);
    // Repairs the session's report when the file it was read from is older than this version.
    HRESULT RepairIfOlder(ISRepSession* session);

    SComWrap<ISLoadSaveManager> m_loadSaveManager;
};
