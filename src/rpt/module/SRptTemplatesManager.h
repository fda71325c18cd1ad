#pragma once
// The editor's service for report template files kept in one templates folder, embedded in the
// globals container: it finds the folder in the settings ("ReportTemplates" under the
// application's paths, taken from the machine's settings when the user has none) and lets the
// user change it, lists the folder's templates of the registered modules, saves a report's
// templates as a template file (the XML form, without a backup), loads a template file of
// either form into a new session, and creates a new template session for a module.
#include <cstdint>

#include "platform/base/SString.h"
#include "platform/com/HRESULT.h"
#include "platform/repo/SStringMap.h"

struct ISRepSession;
struct ISRepObject;
struct ISRptReport;
class SWnd;

// The settings value that names the templates folder.
inline constexpr const char* RPT_TEMPLATES_PATH_VALUE = "ReportTemplates";

class SRptTemplatesManager {
public:
    SRptTemplatesManager() = default;
    virtual ~SRptTemplatesManager() = default;
    SRptTemplatesManager(const SRptTemplatesManager&) = delete;
    SRptTemplatesManager& operator=(const SRptTemplatesManager&) = delete;

    // The templates folder, ending with "/" unless empty; "./" when neither the user nor the
    // machine has one.
    SString GetTemplatesPath();
    // Lets the user choose the folder (a folder dialog over `parent`): 1 and the choice stored
    // as it came when chosen, 0 and nothing changed when cancelled.
    int32_t ChangeTemplatesPath(SWnd* parent);
    // Adds (Name, path) to `list` for each template file of the folder whose signature names a
    // registered module, every one when `wanted` is the "ALL" text, else only `wanted`'s; a file
    // whose signature lacks the name or the module id, or cannot be read, is left out. 0 when
    // there is no module list, else 1. Throws SECOMException (E_POINTER) without a load/save
    // manager.
    int32_t GetTemplatesList(const SString& wanted, SStringMap& list);
    // Writes the report's document to `path` in the XML form with the signature of its first
    // template: 0, the save's failure code, or 0x8000FFFF when the file cannot be written (the
    // user is told). The previous file stays whole on every failure. Throws SECOMException
    // (E_POINTER) for a null report or one without templates, before the file is touched.
    HRESULT SaveTemplate(const SString& path, ISRptReport* report);
    // A new session holding the template file's report, synchronised with its modules: S_OK
    // with the session and the report (as a repository object), each with the caller's
    // reference; E_POINTER for a missing out-pointer, E_FAIL for a file of no template form, or
    // the failure of the session, the read or the synchronisation, with both null and the new
    // session closed. Throws SECOMException (E_POINTER) when the file holds no report.
    HRESULT LoadTemplate(const SString& path, ISRepSession** session, ISRepObject** root);
    // A new session holding a new report with one template of the module `moduleId`, named
    // `name`, through the shell module (SRptShellModule::OnCreateSession): its failure code, or
    // S_OK for any other answer, with both handed out (each with the caller's reference) when a
    // report was made and both null when not. S_FALSE without a shell module; E_POINTER when
    // either out-pointer is null. Throws SECOMException when the repository fails.
    HRESULT CreateTemplate(const SString& moduleId, const SString& name, ISRepSession** session, ISRepObject** report);

private:
    // Lets the report repair its templates when the file at `path` is of an older version.
    static void RepairIfOlder(const SString& path, ISRptReport* report);
    // Reads the file's document into the session in the form the load/save manager recognised.
    static HRESULT ReadTemplateFile(const SString& path, uint32_t form, ISRepSession* session);
};
