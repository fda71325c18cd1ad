#pragma once
// The reference count of a library object that is no repository object (a module, the template
// load/save manager, a shell view class), with the QueryInterface that answers IUnknown and its
// one interface `I`. Counts are plain; the object destroys itself when its count falls to 0.
//     class SRptModule final : public SRptRefCounted<ISRptModule> { ... };
#include <cstdint>

#include "platform/com/IUnknown.h"

template <class I>
class SRptRefCounted : public I {
public:
    SRptRefCounted(const SRptRefCounted&) = delete;
    SRptRefCounted& operator=(const SRptRefCounted&) = delete;

    HRESULT QueryInterface(const GUID& riid, void** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (riid != IUnknown::iid && riid != I::iid) return E_NOINTERFACE;
        *out = static_cast<I*>(this);
        AddRef();
        return S_OK;
    }
    uint32_t AddRef() override { return static_cast<uint32_t>(++m_refCount); }
    uint32_t Release() override {
        const int32_t count = --m_refCount;
        if (count == 0) delete this;
        return static_cast<uint32_t>(count);
    }
    int32_t GetRefCount() const { return m_refCount; }

protected:
    // The count the object starts with: 0 when its creator adds the first reference, 1 when the
    // creation itself is the first.
    explicit SRptRefCounted(int32_t initialCount) : m_refCount(initialCount) {}
    virtual ~SRptRefCounted() = default;

private:
    int32_t m_refCount;
};
