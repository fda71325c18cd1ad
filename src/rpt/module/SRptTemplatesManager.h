#pragma once
// The editor's service for report templates, embedded in the globals container. For now it
// creates a new template session for a module (RptCreateTemplate); the templates folder and its
// files come with the template files.
#include "platform/base/SString.h"
#include "platform/com/HRESULT.h"

struct ISRepSession;
struct ISRepObject;

class SRptTemplatesManager {
public:
    SRptTemplatesManager() = default;
    virtual ~SRptTemplatesManager() = default;
    SRptTemplatesManager(const SRptTemplatesManager&) = delete;
    SRptTemplatesManager& operator=(const SRptTemplatesManager&) = delete;

    // A new session holding a new report with one template of the module `moduleId`, named
    // `name`, through the shell module (SRptShellModule::OnCreateSession): its failure code, or
    // S_OK for any other answer, with both handed out (each with the caller's reference) when a
    // report was made and both null when not. S_FALSE without a shell module; E_POINTER when
    // either out-pointer is null. Throws SECOMException when the repository fails.
    HRESULT CreateTemplate(const SString& moduleId, const SString& name, ISRepSession** session, ISRepObject** report);
};
