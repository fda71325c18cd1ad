#pragma once
// The repository framework's options of the session's user: the login name that stamps the
// objects the user creates. It starts as the login of the process's user (empty when the
// platform gives none).
#include "platform/base/SString.h"
#include "platform/com/HRESULT.h"

struct ISRepObject;

class SRepOption {
public:
    static const SString& GetLogin();
    static void SetLogin(const SString& login);
    // Stamps a new object as made by the login now (the clock's seconds); the object's answer.
    static HRESULT StampCreation(ISRepObject* object);
};
