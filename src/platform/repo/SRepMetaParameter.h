#pragma once
// A parameter of a metamodel method: its name, its C type as source text and its direction.
#include "platform/base/SString.h"

class SRepMetaParameter {
public:
    SRepMetaParameter(SString name, SString typeText, bool in, bool out)
        : m_name(std::move(name)), m_typeText(std::move(typeText)), m_in(in), m_out(out) {}

    const SString& GetName() const { return m_name; }
    const SString& GetTypeText() const { return m_typeText; }
    bool IsIn() const { return m_in; }
    bool IsOut() const { return m_out; }

private:
    SString m_name;
    SString m_typeText;
    bool m_in;
    bool m_out;
};
