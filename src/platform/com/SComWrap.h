#pragma once
// Smart interface pointer: holds one reference, assigns by QueryInterface, releases on
// destruction. Using an empty one throws E_POINTER.
#include <memory>
#include <utility>

#include "platform/com/IUnknown.h"
#include "platform/com/SComThrow.h"

template <class I, const GUID* piid = &I::iid>
class SComWrap {
public:
    SComWrap() = default;
    // Takes a reference of its own on the pointer.
    explicit SComWrap(I* p) : m_p(p) {
        if (m_p) m_p->AddRef();
    }
    SComWrap(const SComWrap& other) : m_p(other.m_p) {
        if (m_p) m_p->AddRef();
    }
    SComWrap(SComWrap&& other) noexcept : m_p(std::exchange(other.m_p, nullptr)) {}
    ~SComWrap() {
        if (m_p) m_p->Release();
    }

    SComWrap& operator=(const SComWrap& other) {
        if (this != std::addressof(other)) Reset(other.m_p);
        return *this;
    }
    SComWrap& operator=(SComWrap&& other) noexcept {
        if (this != std::addressof(other)) {
            I* old = std::exchange(m_p, std::exchange(other.m_p, nullptr));
            if (old) old->Release();
        }
        return *this;
    }

    // Query-assignment: asks the source for this wrapper's interface. A null source or a failed
    // query releases what was held and leaves the wrapper empty; the query's code is returned.
    HRESULT Assign(IUnknown* source) {
        if (!source) {
            Clear();
            return E_NOINTERFACE;
        }
        void* fresh = nullptr;
        HRESULT hr = source->QueryInterface(*piid, &fresh);
        Clear();
        if (SUCCEEDED(hr)) m_p = static_cast<I*>(fresh);
        return hr;
    }
    template <class J, const GUID* pj>
    HRESULT Assign(const SComWrap<J, pj>& source) {
        return Assign(static_cast<IUnknown*>(source.Get()));
    }

    // Query-assignment by the callers' rule: E_NOINTERFACE leaves the wrapper empty, any other
    // failure is thrown as SECOMException with its code.
    SComWrap& operator=(IUnknown* source) {
        HRESULT hr = Assign(source);
        if (FAILED(hr) && hr != E_NOINTERFACE) SComThrow(hr);
        return *this;
    }
    template <class J, const GUID* pj>
    SComWrap& operator=(const SComWrap<J, pj>& source) {
        return *this = static_cast<IUnknown*>(source.Get());
    }

    // Stores a pointer that already carries a reference for this wrapper.
    void Attach(I* p) {
        I* old = std::exchange(m_p, p);
        if (old) old->Release();
    }
    // Stores a pointer, taking a reference of its own.
    void Reset(I* p = nullptr) {
        if (p) p->AddRef();
        Attach(p);
    }
    I* Detach() { return std::exchange(m_p, nullptr); }
    void Clear() { Attach(nullptr); }

    // Hands the pointer out with a reference for the receiver.
    HRESULT CopyTo(I** out) const {
        if (!out) return E_POINTER;
        *out = m_p;
        if (m_p) m_p->AddRef();
        return S_OK;
    }

    I* operator->() const { return Deref(); }
    I& operator*() const { return *Deref(); }
    I* Get() const { return m_p; }
    explicit operator bool() const { return m_p != nullptr; }
    bool IsEmpty() const { return m_p == nullptr; }
    // Address of the slot for calls that return a fresh reference; releases what was held first.
    I** operator&() {
        Clear();
        return &m_p;
    }
    static const GUID& GetIID() { return *piid; }

    // Object identity: two interface pointers of one object need not be equal, their IUnknown
    // faces are. Both empty counts as equal.
    bool IsEqualObject(IUnknown* other) const {
        if (!m_p || !other) return !m_p && !other;
        return Identity(static_cast<IUnknown*>(m_p)) == Identity(other);
    }

private:
    static const void* Identity(IUnknown* p) {
        void* face = nullptr;
        if (FAILED(p->QueryInterface(IUnknown::iid, &face)) || !face) return p;
        static_cast<IUnknown*>(face)->Release();
        return face;
    }
    I* Deref() const {
        if (!m_p) SComThrow(E_POINTER);
        return m_p;
    }
    I* m_p = nullptr;
};

template <class I, const GUID* pi, class J, const GUID* pj>
bool operator==(const SComWrap<I, pi>& a, const SComWrap<J, pj>& b) {
    return static_cast<const void*>(a.Get()) == static_cast<const void*>(b.Get());
}
