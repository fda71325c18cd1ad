#include "platform/repo/SRepShellModule.h"

#include "platform/repo/SRepSession.h"

HRESULT SRepShellModule::CreateSession(ISRepSession** session, const SString& url, int32_t, int32_t) {
    return SRepSession::Create(url, session);
}
