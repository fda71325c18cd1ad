#pragma once
// The concrete object of a class: its in-memory and interface halves (`T`, e.g. SRptParaImpl)
// completed with the factory, the deleting destruction and the live-object count. `T` names its
// registry as `T::Registry` (an SRepStaticRegistry) and has a constructor from a session and a
// copy constructor. Its registry is built with SRepComObject<T>::Factory.
#include <new>
#include <utility>

#include "platform/base/SExceptionResult.h"
#include "platform/com/SComWrap.h"
#include "platform/repo/ISRepSession.h"
#include "platform/repo/SRepObjectAllocator.h"
#include "platform/repo/SRepRegistry.h"

template <class T>
class SRepComObject final : public T {
public:
    // The factory: memory from the class's allocator (or the system), construction from the
    // session or as a copy of `source`, the live-object counter raised, a temporary reference,
    // the session attached (a copy without one keeps its source's), FinalConstruct; a failure
    // deletes the object and returns its code with a null `out`; success hands it out with one
    // reference.
    static HRESULT Factory(SRepObjectMem** out, ISRepSession* session, const SRepObjectMem* source) {
        if (!out) return E_POINTER;
        *out = nullptr;
        const SRepRegistry* registry = T::Registry::Get();
        if (!registry) return E_UNEXPECTED;
        const T* original = nullptr;
        if (source) {
            original = dynamic_cast<const T*>(source);
            if (!original) return E_INVALIDARG;
        }
        void* memory = registry->AllocateObject(sizeof(SRepComObject));
        if (!memory) return E_OUTOFMEMORY;
        SRepComObject* object = nullptr;
        HRESULT hr = SExceptionResult::Guard([&]() -> HRESULT {
            object = original ? new (memory) SRepComObject(*original) : new (memory) SRepComObject(session);
            return S_OK;
        });
        if (FAILED(hr)) {
            Free(registry->GetAllocator(), memory);
            return hr;
        }
        object->SetCreationInfo(registry->GetClassID(), registry->GetAllocator(), registry->GetModuleState());
        if (SModuleState* counter = registry->GetModuleState()) counter->IncrementLock();

        object->InternalAddRef();
        hr = SExceptionResult::Guard([&]() -> HRESULT {
            if (session) return object->SetSession(session);
            SComWrap<ISRepSession> own;
            object->GetSession(&own);
            return object->SetSession(own.Get());
        });
        if (SUCCEEDED(hr)) hr = SExceptionResult::Guard([&] { return object->FinalConstruct(); });
        object->InternalRelease();

        if (FAILED(hr)) {
            object->FinalDelete();
            return hr;
        }
        object->AddRef();
        *out = object;
        return S_OK;
    }

    ~SRepComObject() override {
        this->MarkDestroying();
        if (SModuleState* counter = this->GetLiveCounter()) counter->DecrementLock();
    }

protected:
    void FinalDelete() override {
        SRepObjectAllocator* allocator = this->GetAllocator();
        void* memory = this;
        this->~SRepComObject();
        Free(allocator, memory);
    }

private:
    explicit SRepComObject(ISRepSession* session) : T(session) {}
    explicit SRepComObject(const T& source) : T(source) {}

    static void Free(SRepObjectAllocator* allocator, void* memory) {
        if (allocator)
            allocator->Free(memory);
        else
            ::operator delete(memory);
    }
};
