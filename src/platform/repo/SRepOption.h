#pragma once
// The repository framework's options of the session's user: the login name that stamps the
// objects the user creates. It starts as the login of the process's user (empty when the
// platform gives none).
#include "platform/base/SString.h"

class SRepOption {
public:
    static const SString& GetLogin();
    static void SetLogin(const SString& login);
};
