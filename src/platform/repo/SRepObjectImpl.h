#pragma once
// Typed access to an object's stored attributes, for the classes' interface getters and setters
// and their SetAttribute: Get_T returns the member, Set_T stores a new value and announces the
// change (an equal value changes nothing, announces nothing and gives S_FALSE), VSet_T stores
// from an SRepVariant (DISP_E_TYPEMISMATCH for a value of another type). Set_T and VSet_T let
// what the announcement throws go on, to the attribute protocol's catch ladder; Put_T is Set_T
// for an interface's put, which lets nothing out: a failure becomes its code.
#include <cstdint>

#include "platform/base/POINT.h"
#include "platform/base/RECT.h"
#include "platform/base/SExceptionResult.h"
#include "platform/base/SString.h"
#include "platform/repo/SRepClassColPtr.h"
#include "platform/repo/SRepObjectMem.h"
#include "platform/repo/SRepVariant.h"

class SRepObjectImpl : public SRepObjectMem {
public:
    using SRepObjectMem::GetCollection;
    // The collection of an id; throws SECOMException with the failure code.
    SRepClassColPtr GetCollection(int32_t id);

protected:
    SRepObjectImpl() = default;
    SRepObjectImpl(const SRepObjectImpl& source) : SRepObjectMem(source) {}

    SString Get_TEXT(int32_t, const SString& member) const { return member; }
    SString Get_CHAR(int32_t, const SString& member) const { return member; }
    int16_t Get_SHORT(int32_t, int16_t member) const { return member; }
    int32_t Get_INT(int32_t, int32_t member) const { return member; }
    bool Get_BOOL(int32_t, bool member) const { return member; }
    RECT Get_RECT(int32_t, const RECT& member) const { return member; }
    POINT Get_POINT(int32_t, const POINT& member) const { return member; }
    int32_t Get_DATE(int32_t, int32_t member) const { return member; }
    GUID Get_OID(int32_t, const GUID& member) const { return member; }

    HRESULT Set_TEXT(int32_t id, const SString& value, SString& member) { return Store(id, value, member); }
    // At most `maxLength` characters are kept, cut without splitting a UTF-8 sequence.
    HRESULT Set_CHAR(int32_t id, const SString& value, SString& member, int32_t maxLength = SREP_CHAR_MAX) {
        return Store(id, value.LeftChars(maxLength), member);
    }
    HRESULT Set_SHORT(int32_t id, int16_t value, int16_t& member) { return Store(id, value, member); }
    HRESULT Set_INT(int32_t id, int32_t value, int32_t& member) { return Store(id, value, member); }
    HRESULT Set_BOOL(int32_t id, bool value, bool& member) { return Store(id, value, member); }
    HRESULT Set_RECT(int32_t id, const RECT& value, RECT& member) { return Store(id, value, member); }
    HRESULT Set_POINT(int32_t id, const POINT& value, POINT& member) { return Store(id, value, member); }
    HRESULT Set_DATE(int32_t id, int32_t value, int32_t& member) { return Store(id, value, member); }
    HRESULT Set_OID(int32_t id, const GUID& value, GUID& member) { return Store(id, value, member); }

    HRESULT Put_TEXT(int32_t id, const SString& value, SString& member) noexcept { return Guarded(id, value, member); }
    HRESULT Put_CHAR(int32_t id, const SString& value, SString& member, int32_t maxLength = SREP_CHAR_MAX) noexcept {
        return SExceptionResult::Guard([&] { return Set_CHAR(id, value, member, maxLength); });
    }
    HRESULT Put_SHORT(int32_t id, int16_t value, int16_t& member) noexcept { return Guarded(id, value, member); }
    HRESULT Put_INT(int32_t id, int32_t value, int32_t& member) noexcept { return Guarded(id, value, member); }
    HRESULT Put_BOOL(int32_t id, bool value, bool& member) noexcept { return Guarded(id, value, member); }
    HRESULT Put_RECT(int32_t id, const RECT& value, RECT& member) noexcept { return Guarded(id, value, member); }
    HRESULT Put_POINT(int32_t id, const POINT& value, POINT& member) noexcept { return Guarded(id, value, member); }
    HRESULT Put_DATE(int32_t id, int32_t value, int32_t& member) noexcept { return Guarded(id, value, member); }
    HRESULT Put_OID(int32_t id, const GUID& value, GUID& member) noexcept { return Guarded(id, value, member); }

    HRESULT VSet_TEXT(int32_t id, const SRepVariant& value, SString& member);
    HRESULT VSet_CHAR(int32_t id, const SRepVariant& value, SString& member, int32_t maxLength = SREP_CHAR_MAX);
    // A short takes a short, an int or a bool whose value fits 16 bits.
    HRESULT VSet_SHORT(int32_t id, const SRepVariant& value, int16_t& member);
    HRESULT VSet_INT(int32_t id, const SRepVariant& value, int32_t& member);
    HRESULT VSet_BOOL(int32_t id, const SRepVariant& value, bool& member);
    HRESULT VSet_RECT(int32_t id, const SRepVariant& value, RECT& member);
    HRESULT VSet_POINT(int32_t id, const SRepVariant& value, POINT& member);
    HRESULT VSet_DATE(int32_t id, const SRepVariant& value, int32_t& member);
    HRESULT VSet_OID(int32_t id, const SRepVariant& value, GUID& member);

private:
    template <class T>
    HRESULT Guarded(int32_t id, const T& value, T& member) noexcept {
        return SExceptionResult::Guard([&] { return Store(id, value, member); });
    }
    template <class T>
    HRESULT Store(int32_t id, const T& value, T& member) {
        if (member == value) return S_FALSE;
        member = value;
        OnUpdateAttribute(id);
        return S_OK;
    }
};
