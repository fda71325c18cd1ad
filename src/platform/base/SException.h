#pragma once
// Root of the class library's exceptions. The full text is the class-name text, followed by
// ": " and the text when there is one.
#include "platform/base/SString.h"

class SException {
public:
    SException() = default;
    explicit SException(SString message) : m_message(std::move(message)) {}
    SException(const SException&) = default;
    SException& operator=(const SException&) = default;
    virtual ~SException() = default;

    virtual SString GetText() const { return m_message; }
    virtual SString GetClassNameText() const { return "SException"; }
    virtual SString GetFullText() const;
    const SString& GetMessage() const { return m_message; }

private:
    SString m_message;
};
