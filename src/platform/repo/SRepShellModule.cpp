#include "platform/repo/SRepShellModule.h"

#include "platform/base/SFile.h"
#include "platform/repo/SRepSession.h"
#include "platform/repo/SRepSpecificMenuCmdClass.h"

SRepShellModule::~SRepShellModule() {
    SetSpecificMenuCmdClass(nullptr);
}

HRESULT SRepShellModule::CreateSession(ISRepSession** session, const SString& url, int32_t, int32_t) {
    return SRepSession::Create(url, session);
}

HRESULT SRepShellModule::CreateFileSession(ISRepSession** session, const SString& path, int32_t a, int32_t b) {
    return CreateSession(session, SFile::PathToURL(path), a, b);
}

void SRepShellModule::SetSpecificMenuCmdClass(SRepSpecificMenuCmdClass* commandClass) {
    SRepSpecificMenuCmdClass* previous = m_specificMenus;
    m_specificMenus = commandClass;
    if (previous && previous != commandClass) previous->Release();
}

SRepSpecificMenuCmdClass* SRepShellModule::EnsureSpecificMenus() {
    if (!m_specificMenusAsked) {
        m_specificMenusAsked = true;
        CreateSpecificMenuCmdClass();
        if (m_specificMenus) m_specificMenus->OnInitialize(GetHostFrame());
    }
    return m_specificMenus;
}

HRESULT SRepShellModule::GetSpecificMenuCmdClass(ISShellCommandClass** commandClass) {
    if (!commandClass) return E_POINTER;
    *commandClass = nullptr;
    SRepSpecificMenuCmdClass* made = EnsureSpecificMenus();
    if (!made) return S_FALSE;
    *commandClass = made;
    made->AddRef();
    return S_OK;
}

HRESULT SRepShellModule::EnumMenu(int32_t key, int32_t* position, int32_t* id, SString* text) {
    if (!position || !id || !text) return E_POINTER;
    SRepSpecificMenuCmdClass* made = EnsureSpecificMenus();
    return made ? made->EnumMenu(key, position, id, text) : S_FALSE;
}
