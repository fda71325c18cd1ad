#pragma once
// QueryInterface of a class interface and the interfaces it extends. Each class interface names
// the interface it extends as `BaseInterface`, down to ISRepObject:
//     struct ISRptPara : virtual ISRptBase { static constexpr GUID iid = ...; using BaseInterface = ISRptBase; };
// and each class answers its class interface (and so every interface below it) before passing the
// query to its base class:
//     SREP_QUERY_CLASS_INTERFACE(ISRptPara, SRptParaMem)
#include <type_traits>

#include "platform/repo/ISRepObject.h"

// The face of `self` for `riid` when it is `I` or an interface that `I` extends (ISRepObject
// excluded: the object itself answers it); null otherwise.
template <class I, class Object>
void* SRepQueryClassInterface(Object* self, const GUID& riid) {
    if (riid == I::iid) return static_cast<I*>(self);
    using Base = typename I::BaseInterface;
    if constexpr (std::is_same_v<Base, ISRepObject>) {
        return nullptr;
    } else {
        return SRepQueryClassInterface<Base>(self, riid);
    }
}

// In a class's declaration: answers `Interface` and its bases, then passes the query on to `Base`.
#define SREP_QUERY_CLASS_INTERFACE(Interface, Base)                            \
protected:                                                                     \
    void* InternalQueryInterface(const GUID& riid) override {                  \
        if (void* face = SRepQueryClassInterface<Interface>(this, riid)) return face; \
        return Base::InternalQueryInterface(riid);                             \
    }                                                                          \
                                                                               \
public:
