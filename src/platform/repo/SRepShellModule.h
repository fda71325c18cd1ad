#pragma once
// The repository framework's shell module: a module of the host's shell whose documents are
// repository sessions. It makes the sessions, names the type library of its documents' classes
// and hands out the load/save manager of its document type.
#include <cstdint>

#include "platform/base/SString.h"
#include "platform/host/SShellModule.h"
#include "platform/repo/ISLoadSaveManager.h"
#include "platform/repo/ISRepSession.h"

class SRepShellModule : public SShellModule {
public:
    // A new open session for the document at `url` (the session's name), with the caller's
    // reference; the two words are the framework's and carry nothing here. E_POINTER for a null
    // out-pointer.
    virtual HRESULT CreateSession(ISRepSession** session, const SString& url, int32_t, int32_t);
    // The load/save manager of the module's document type, with the caller's reference.
    virtual HRESULT GetLoadSaveManager(ISLoadSaveManager** manager) = 0;
    // The type library of the documents' classes.
    const GUID& GetLibID() const { return m_libId; }

protected:
    explicit SRepShellModule(const GUID& libId) : m_libId(libId) {}

private:
    GUID m_libId;
};
