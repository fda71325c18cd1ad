#pragma once
// Sets the repository's login for a scope and puts the previous one back.
#include "platform/repo/SRepOption.h"

class STestLoginScope {
public:
    explicit STestLoginScope(const SString& login) : m_previous(SRepOption::GetLogin()) { SRepOption::SetLogin(login); }
    ~STestLoginScope() { SRepOption::SetLogin(m_previous); }
    STestLoginScope(const STestLoginScope&) = delete;
    STestLoginScope& operator=(const STestLoginScope&) = delete;

private:
    SString m_previous;
};
