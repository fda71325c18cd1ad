#include "platform/repo/SRepOption.h"

#include <cstdlib>

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

const SString& SRepOption::GetLogin() {
    return Login();
}

void SRepOption::SetLogin(const SString& login) {
    Login() = login;
}
