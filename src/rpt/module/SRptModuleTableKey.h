#pragma once
// The key of a row of the library's module tables: a module id and a name within the module (an
// item id, a field name). Keys order by the module id first and the name second, each compared
// byte-wise as multibyte text; equal keys are the same row.
#include "platform/base/SString.h"

class SRptModuleTableKey {
public:
    SRptModuleTableKey() = default;
    SRptModuleTableKey(const SString& moduleId, const SString& name) : m_moduleId(moduleId), m_name(name) {}

    const SString& GetModuleID() const { return m_moduleId; }

    // The tables' order: below zero, zero or above zero.
    struct Compare {
        int operator()(const SRptModuleTableKey& a, const SRptModuleTableKey& b) const;
    };

protected:
    const SString& GetName() const { return m_name; }

private:
    SString m_moduleId;
    SString m_name;
};
