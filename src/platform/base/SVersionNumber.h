#pragma once
// A four-part version number: major, minor, patch, build.
#include <cstdint>

#include "platform/base/SString.h"

class SVersionNumber {
public:
    SVersionNumber() = default;
    SVersionNumber(uint32_t major, uint32_t minor, uint32_t patch, uint32_t build)
        : m_major(major), m_minor(minor), m_patch(patch), m_build(build) {}

    uint32_t GetMajorNumber() const { return m_major; }
    uint32_t GetMinorNumber() const { return m_minor; }
    uint32_t GetPatchNumber() const { return m_patch; }
    uint32_t GetBuildNumber() const { return m_build; }
    SString GetText() const {
        SString text;
        text.Format("%u.%u.%u.%u", m_major, m_minor, m_patch, m_build);
        return text;
    }

private:
    uint32_t m_major = 0;
    uint32_t m_minor = 0;
    uint32_t m_patch = 0;
    uint32_t m_build = 0;
};
