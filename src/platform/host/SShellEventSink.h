#pragma once
// The face through which a shell module hears the host's events. It lives inside its module and
// counts on the module's reference count; by itself it answers only IUnknown and ISShellEvents,
// and it accepts every event.
#include "platform/host/ISShellEvents.h"

class SShellEventSink final : public ISShellEvents {
public:
    // `owner` is the object whose count the sink's references are.
    explicit SShellEventSink(IUnknown* owner) : m_owner(owner) {}
    SShellEventSink(const SShellEventSink&) = delete;
    SShellEventSink& operator=(const SShellEventSink&) = delete;

    HRESULT QueryInterface(const GUID& riid, void** out) override;
    uint32_t AddRef() override { return m_owner->AddRef(); }
    uint32_t Release() override { return m_owner->Release(); }
    HRESULT OnShellEvent(uint32_t, IUnknown*) override { return S_FALSE; }

private:
    IUnknown* m_owner;
};
