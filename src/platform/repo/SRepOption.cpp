#include "platform/repo/SRepOption.h"

#include <cstdlib>

#include "platform/base/STime.h"
#include "platform/repo/ISRepObject.h"

namespace {
SString& Login() {
    // Never destroyed: read by objects that may outlive the process's exit handlers.
    static SString* login = [] {
        const char* user = std::getenv("USER");
        return new SString(user ? user : "");
    }();
    return *login;
}
}  // namespace

bool SRepOption::m_bKeepTab = true;
bool SRepOption::m_bShowWinFilePath = false;
bool SRepOption::m_bOpenSingleMode = false;
int32_t SRepOption::m_nDragDropDefAction = 0;

const SString& SRepOption::GetLogin() {
    return Login();
}

void SRepOption::SetLogin(const SString& login) {
    Login() = login;
}

HRESULT SRepOption::StampCreation(ISRepObject* object) {
    if (!object) return E_POINTER;
    return object->SetSysCreationInfo(GetLogin(), static_cast<int32_t>(STime::GetTickCount().GetTotalSeconds()));
}
