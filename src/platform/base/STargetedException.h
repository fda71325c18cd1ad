#pragma once
// An exception addressed to a target higher up; attribute access passes it on when it has one.
// Deliberately not an SException, so that handlers of SException do not swallow it.
#include "platform/base/SString.h"

class STargetedException {
public:
    STargetedException() = default;
    explicit STargetedException(const void* target, SString message = SString())
        : m_target(target), m_message(std::move(message)) {}
    virtual ~STargetedException() = default;

    bool HasTarget() const { return m_target != nullptr; }
    const void* GetTarget() const { return m_target; }
    virtual SString GetText() const { return m_message; }
    virtual SString GetClassNameText() const { return "STargetedException"; }
    SString GetFullText() const {
        SString text = GetText();
        return text.IsEmpty() ? GetClassNameText() : GetClassNameText() + ": " + text;
    }

private:
    const void* m_target = nullptr;
    SString m_message;
};
