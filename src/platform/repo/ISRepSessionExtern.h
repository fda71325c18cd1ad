#pragma once
// A session reference: a repository object that stands for another session (a model the
// document reports on, the session of a language). Documents gather such references in their
// collections; the referenced session is held with a reference until it is replaced or the
// object goes.
#include "platform/repo/ISRepObject.h"

struct ISRepSession;

struct ISRepSessionExtern : virtual ISRepObject {
    static constexpr GUID iid = IID_ISRepSessionExtern;
    using BaseInterface = ISRepObject;

    // The referenced session with the caller's reference; null (and S_OK) when none is set.
    // E_POINTER for a null out-pointer.
    virtual HRESULT GetExternSession(ISRepSession** session) noexcept = 0;
    // Refers to `session` (null clears the reference).
    virtual HRESULT SetExternSession(ISRepSession* session) noexcept = 0;

protected:
    ~ISRepSessionExtern() = default;
};
