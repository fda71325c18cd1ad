#pragma once
// How the generated attribute tables read and write a report class's attributes: the row makers
// that the generated SRptAttributeTables.cpp calls inside each class's own definitions (so that
// pointers to its protected members may be named), and the typed steps behind them.
//     SRptAttributeAccess::Stored<&SRptTitleMem::m_level, SREP_VT_SHORT>(
//         RPTTITLE_LEVEL, 0x8, [](SRepVariant& v) { return SRptAttributeAccess::Default<SREP_VT_SHORT>(v, 0); })
//     SRptAttributeAccess::Computed<SREP_VT_TEXT, &SRptCustomMem::GetResPath, &SRptCustomMem::StoreResPath>(
//         RPTCUSTOM_RESPATH, 0x420)
// A stored attribute is read from its member and written with the repository's typed setter
// (VSet_SHORT ...: converted, announced unless unchanged); a computed one is read through the
// class's getter and, when it can be written, through its setter with a text. The member's type
// and the getter's must be those of the attribute's type word: a table that disagrees with its
// class does not compile.
#include <cstdint>
#include <type_traits>

#include "platform/base/POINT.h"
#include "platform/base/RECT.h"
#include "platform/base/SString.h"
#include "platform/com/SComWrap.h"
#include "platform/repo/SRepVariant.h"
#include "rpt/objs/SRptAttributeRow.h"
#include "rpt/objs/SRptBaseMem.h"

class SRptAttributeAccess {
    // The C++ type of a type word's values, by the type code in bits 16-31.
    template <uint32_t Type>
    static constexpr auto ValueTag() {
        constexpr uint32_t code = Type & 0xFFFF0000u;
        if constexpr (code == SREP_VT_OID) return std::type_identity<GUID>{};
        else if constexpr (code == SREP_VT_SHORT) return std::type_identity<int16_t>{};
        else if constexpr (code == SREP_VT_INT || code == SREP_VT_DATE) return std::type_identity<int32_t>{};
        else if constexpr (code == SREP_VT_BOOL) return std::type_identity<bool>{};
        else if constexpr (code == SREP_VT_CHAR || code == SREP_VT_TEXT) return std::type_identity<SString>{};
        else if constexpr (code == SREP_VT_POINT) return std::type_identity<POINT>{};
        else if constexpr (code == SREP_VT_RECT) return std::type_identity<RECT>{};
    }

public:
    template <uint32_t Type>
    using ValueOf = typename decltype(ValueTag<Type>())::type;
    using DefaultMaker = HRESULT (*)(SRepVariant& value);
    using Writer = HRESULT (*)(SRptBaseMem& object, int32_t id, const SRepVariant& value);

    template <auto Member, uint32_t Type>
    static constexpr SRptAttributeRow Stored(int32_t id, uint32_t flags, DefaultMaker makeDefault) {
        static_assert(std::is_same_v<typename MemberOf<decltype(Member)>::Value, ValueOf<Type>>,
                      "the member's type is not the attribute's");
        return {id, Type, flags, &GetStored<Member, Type>, &SetStored<Member, Type>, makeDefault};
    }
    // Without a setter the attribute is read-only; without a default maker it has no default.
    template <uint32_t Type, auto Getter, auto Setter = nullptr>
    static constexpr SRptAttributeRow Computed(int32_t id, uint32_t flags, DefaultMaker makeDefault = &NoDefault<Type>) {
        static_assert(std::is_same_v<typename MemberOf<decltype(Getter)>::Value, ValueOf<Type>>,
                      "the getter's type is not the attribute's");
        return {id, Type, flags, &GetComputed<Getter, Type>, SetterOf<Setter>(), makeDefault};
    }
    // A computed attribute whose value is a reference to an object, whatever its type word.
    template <auto Getter>
    static constexpr SRptAttributeRow ComputedObject(int32_t id, uint32_t type, uint32_t flags) {
        return {id, type, flags, &GetReference<Getter>, nullptr, &NoObject};
    }
    static constexpr SRptAttributeRow Collection(int32_t id) { return {id, 0, 0, &GetCollection, nullptr, nullptr}; }
    static constexpr SRptAttributeRow End() { return {}; }

    // A default of the attribute's type.
    template <uint32_t Type>
    static HRESULT Default(SRepVariant& value, const ValueOf<Type>& x) {
        Put<Type>(value, x);
        return S_OK;
    }

    // No default: an empty value of the attribute's type, and E_NOTIMPL. Public, because it is
    // the default argument of Computed, which some compilers check where Computed is called.
    template <uint32_t Type>
    static HRESULT NoDefault(SRepVariant& value) {
        Put<Type>(value, ValueOf<Type>{});
        return E_NOTIMPL;
    }

private:
    // The class and the value type of a pointer to a data member or to a getter.
    template <class P>
    struct MemberOf;
    template <class C, class T>
    struct MemberOf<T C::*> {
        using Class = C;
        using Value = T;
    };
    template <class C, class R>
    struct MemberOf<R (C::*)()> {
        using Class = C;
        using Value = R;
    };
    template <class C, class R>
    struct MemberOf<R (C::*)() const> {
        using Class = C;
        using Value = R;
    };
    template <class C>
    struct MemberOf<HRESULT (C::*)(const SString&)> {
        using Class = C;
    };

    template <auto P>
    static typename MemberOf<decltype(P)>::Class& Of(SRptBaseMem& object) {
        return static_cast<typename MemberOf<decltype(P)>::Class&>(object);
    }

    template <auto Member, uint32_t Type>
    static HRESULT GetStored(SRptBaseMem& object, int32_t, SRepVariant& value) {
        Put<Type>(value, Of<Member>(object).*Member);
        return S_OK;
    }
    template <auto Member, uint32_t Type>
    static HRESULT SetStored(SRptBaseMem& object, int32_t id, const SRepVariant& value) {
        return Store<Type>(object, id, value, Of<Member>(object).*Member);
    }
    template <auto Getter, uint32_t Type>
    static HRESULT GetComputed(SRptBaseMem& object, int32_t, SRepVariant& value) {
        Put<Type>(value, (Of<Getter>(object).*Getter)());
        return S_OK;
    }
    // Computed attributes are written as texts: the variant must hold one.
    template <auto Setter>
    static HRESULT SetComputed(SRptBaseMem& object, int32_t, const SRepVariant& value) {
        if (!value.IsText()) return DISP_E_TYPEMISMATCH;
        return (Of<Setter>(object).*Setter)(value.GetText());
    }
    template <auto Setter>
    static constexpr Writer SetterOf() {
        // Told by its type: not every compiler compares a member function pointer at compile time.
        if constexpr (std::is_null_pointer_v<decltype(Setter)>)
            return nullptr;
        else
            return &SetComputed<Setter>;
    }
    template <auto Getter>
    static HRESULT GetReference(SRptBaseMem& object, int32_t, SRepVariant& value) {
        value.SetIOBJECT((Of<Getter>(object).*Getter)().Get());
        return S_OK;
    }
    static HRESULT GetCollection(SRptBaseMem& object, int32_t id, SRepVariant& value);
    static HRESULT NoObject(SRepVariant& value);

    template <uint32_t Type>
    static void Put(SRepVariant& value, const ValueOf<Type>& x);
    template <uint32_t Type>
    static HRESULT Store(SRptBaseMem& object, int32_t id, const SRepVariant& value, ValueOf<Type>& member);
};

template <uint32_t Type>
void SRptAttributeAccess::Put(SRepVariant& value, const ValueOf<Type>& x) {
    constexpr uint32_t code = Type & 0xFFFF0000u;
    if constexpr (code == SREP_VT_OID) value.SetOID(x);
    else if constexpr (code == SREP_VT_SHORT) value.SetShort(x);
    else if constexpr (code == SREP_VT_INT) value.SetInt(x);
    else if constexpr (code == SREP_VT_BOOL) value.SetBool(x);
    else if constexpr (code == SREP_VT_DATE) value.SetDATE(x);
    else if constexpr (code == SREP_VT_CHAR) value.SetChar(x, static_cast<int32_t>(Type & 0xFFFFu));
    else if constexpr (code == SREP_VT_TEXT) value.SetText(x);
    else if constexpr (code == SREP_VT_POINT) value.SetPOINT(x);
    else value.SetRECT(x);
}

template <uint32_t Type>
HRESULT SRptAttributeAccess::Store(SRptBaseMem& object, int32_t id, const SRepVariant& value, ValueOf<Type>& member) {
    constexpr uint32_t code = Type & 0xFFFF0000u;
    if constexpr (code == SREP_VT_OID) return object.VSet_OID(id, value, member);
    else if constexpr (code == SREP_VT_SHORT) return object.VSet_SHORT(id, value, member);
    else if constexpr (code == SREP_VT_INT) return object.VSet_INT(id, value, member);
    else if constexpr (code == SREP_VT_BOOL) return object.VSet_BOOL(id, value, member);
    else if constexpr (code == SREP_VT_DATE) return object.VSet_DATE(id, value, member);
    else if constexpr (code == SREP_VT_CHAR) return object.VSet_CHAR(id, value, member, static_cast<int32_t>(Type & 0xFFFFu));
    else if constexpr (code == SREP_VT_TEXT) return object.VSet_TEXT(id, value, member);
    else if constexpr (code == SREP_VT_POINT) return object.VSet_POINT(id, value, member);
    else return object.VSet_RECT(id, value, member);
}
