#pragma once
// A failed call carried as an exception with its result code.
#include "platform/base/SException.h"
#include "platform/com/HRESULT.h"

class SECOMException : public SException {
public:
    explicit SECOMException(HRESULT hr) : m_hr(hr) {}
    SECOMException(HRESULT hr, SString message) : SException(std::move(message)), m_hr(hr) {}

    HRESULT GetHResult() const { return m_hr; }
    // The message when one was given; empty otherwise, so the full text is the class name alone.
    SString GetText() const override { return GetMessage(); }
    SString GetClassNameText() const override { return "SECOMException"; }

private:
    HRESULT m_hr;
};
