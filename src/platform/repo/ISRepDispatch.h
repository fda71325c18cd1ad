#pragma once
// The dispatch face of a repository object (answered for IID_IDispatch): the four dispatch
// operations, then the object lock.
#include <cstdint>

#include "platform/com/IUnknown.h"

struct ISRepDispatch : IUnknown {
    static constexpr GUID iid = IID_IDispatch;
    virtual HRESULT GetTypeInfoCount(uint32_t* count) noexcept = 0;
    virtual HRESULT GetTypeInfo(uint32_t index, uint32_t locale, void** typeInfo) noexcept = 0;
    virtual HRESULT GetIDsOfNames(const GUID& riid, const char16_t* const* names, uint32_t count, uint32_t locale,
                                  int32_t* ids) noexcept = 0;
    virtual HRESULT Invoke(int32_t id, const GUID& riid, uint32_t locale, uint16_t flags, void* params, void* result,
                           void* exceptionInfo, uint32_t* argumentError) noexcept = 0;
    virtual HRESULT LockObject() noexcept = 0;
    virtual HRESULT UnlockObject() noexcept = 0;
    // S_OK while locked, S_FALSE otherwise.
    virtual HRESULT IsObjectLocked() noexcept = 0;

protected:
    ~ISRepDispatch() = default;
};
