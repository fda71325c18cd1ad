#pragma once
// The arguments of the host's last action on a shell module: the path it named.
#include "platform/base/SString.h"

class SActionArgsHelper {
public:
    const SString& GetPath() const { return m_path; }
    void SetPath(const SString& path) { m_path = path; }
    // The host's UTF-16 path; null is the empty path.
    void SetPath(const char16_t* path);

private:
    SString m_path;
};
