#pragma once
// The base of a plain command class: a command target with one host face, ISShellCommandClass,
// counted from 1 (its maker's reference). A subclass gives the class id and the command texts and
// may keep two interfaces of the host, which the base gives back when it goes.
#include <cstdint>

#include "platform/com/SComWrap.h"
#include "platform/host/ISShellCommandClass.h"
#include "platform/ui/SCmdTarget.h"

class SShellCommandClass : public SCmdTarget, public ISShellCommandClass {
public:
    SShellCommandClass() = default;

    // IUnknown and ISShellCommandClass give the face with a reference; E_POINTER for a null
    // out-pointer, E_NOINTERFACE (out-pointer cleared) for anything else.
    HRESULT QueryInterface(const GUID& riid, void** out) override;
    uint32_t AddRef() override { return static_cast<uint32_t>(++m_refCount); }
    uint32_t Release() override;

    HRESULT GetCommandClassID(GUID*) override { return E_NOTIMPL; }
    HRESULT OnCommandHelp(uint32_t, uint32_t, char16_t*, uint32_t) override { return E_NOTIMPL; }

    int32_t GetRefCount() const { return m_refCount; }

protected:
    ~SShellCommandClass() override = default;

private:
    int32_t m_refCount = 1;
};
