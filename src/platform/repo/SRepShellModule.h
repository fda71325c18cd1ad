#pragma once
// The repository framework's shell module: a module of the host's shell whose documents are
// repository sessions. It makes the sessions, names the type library of its documents' classes,
// hands out the load/save manager of its document type, keeps the arguments of the host's last
// action, and offers the host the module's specific menus through a command class that the
// module makes on the host's first request.
#include <cstdint>

#include "platform/base/SString.h"
#include "platform/host/SShellModule.h"
#include "platform/repo/ISLoadSaveManager.h"
#include "platform/repo/ISRepSession.h"
#include "platform/repo/SActionArgsHelper.h"

class SRepSpecificMenuCmdClass;
struct ISShellCommandClass;

class SRepShellModule : public SShellModule {
public:
    // A new open session for the document at `url` (the session's name), with the caller's
    // reference; the two words are the framework's and carry nothing here. E_POINTER for a null
    // out-pointer.
    virtual HRESULT CreateSession(ISRepSession** session, const SString& url, int32_t, int32_t);
    // A new session for the document in the file at `path`, as CreateSession with its URL.
    virtual HRESULT CreateFileSession(ISRepSession** session, const SString& path, int32_t, int32_t);
    // The load/save manager of the module's document type, with the caller's reference.
    virtual HRESULT GetLoadSaveManager(ISLoadSaveManager** manager) = 0;
    // The type library of the documents' classes.
    const GUID& GetLibID() const { return m_libId; }

    // Makes the module's specific-menu command class (SetSpecificMenuCmdClass); a module without
    // specific menus makes none. S_OK.
    virtual HRESULT CreateSpecificMenuCmdClass() { return S_OK; }
    // The specific-menu command class, made on the first request and initialised with the host
    // frame, as the host's command-class face with the caller's reference; null and S_FALSE when
    // the module has none. E_POINTER for null.
    HRESULT GetSpecificMenuCmdClass(ISShellCommandClass** commandClass);
    // The entry at `*position` of the specific menu `key` (a menu group or a popup id) and the
    // position moved on: S_OK; S_FALSE past the end, for a key that is not declared, or when the
    // module has no specific menus.
    HRESULT EnumMenu(int32_t key, int32_t* position, int32_t* id, SString* text);

    SActionArgsHelper& GetActionArgs() { return m_actionArgs; }

protected:
    explicit SRepShellModule(const GUID& libId) : m_libId(libId) {}
    ~SRepShellModule() override;

    // Keeps `commandClass` (taking over the maker's reference), releasing one kept before.
    void SetSpecificMenuCmdClass(SRepSpecificMenuCmdClass* commandClass);
    SRepSpecificMenuCmdClass* GetSpecificMenuCmdClassObject() const { return m_specificMenus; }

private:
    // The command class, made and initialised when it is first needed; null when there is none.
    SRepSpecificMenuCmdClass* EnsureSpecificMenus();

    GUID m_libId;
    SActionArgsHelper m_actionArgs;
    SRepSpecificMenuCmdClass* m_specificMenus = nullptr;
    bool m_specificMenusAsked = false;
};
