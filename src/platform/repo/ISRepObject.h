#pragma once
// The repository object protocol: every repository object answers it, and every report interface
// is IUnknown, then this protocol, then the class's own operations. Attributes are read and
// written by a 32-bit id as SRepVariant values; collections are reached by id.
//
// Failures, here and in every interface that extends this one: an operation declared noexcept
// answers every failure with a result code; one that is not says what it throws (most often
// SECOMException carrying the repository's code), and the library's own callers at its boundary
// catch it.
#include <cstdint>

#include "platform/base/SString.h"
#include "platform/com/IUnknown.h"
#include "platform/com/SInterfaceIds.h"

class SRepVariant;
class SRepObjectMap;
struct ISRepSession;
struct ISRepClassCol;
struct ISRepObjSink;

// The protocol's own failures: an id that no class in the chain knows, a value of the wrong type.
inline constexpr HRESULT DISP_E_MEMBERNOTFOUND = static_cast<HRESULT>(0x80020003u);
inline constexpr HRESULT DISP_E_TYPEMISMATCH = static_cast<HRESULT>(0x80020005u);
// An attribute whose value is produced by the object (its owner, its class's name) is not set
// from outside: access denied.
inline constexpr HRESULT SREP_E_READONLY = E_ACCESSDENIED;

// Attribute ids: 0x0100NNNN the framework's attributes, 0x0400NNNN its collections, 0x0200CCNN the
// report classes'. The inverse end of a collection is its id with this bit set (Items 0x02000151,
// Parent 0x02800151).
inline constexpr int32_t SREP_INVERSE_BIT = 0x00800000;
// Every object's owner end: the object that owns it, whatever the collection.
inline constexpr int32_t SREP_COL_OWNER = 0x0480019F;

// Duplicate flags: copy the owned collections too, object by object.
inline constexpr uint32_t SREP_DUPLICATE_DEEP = 0x00000001;

struct ISRepObject : IUnknown {
    static constexpr GUID iid = IID_ISRepObject;

    // Attribute protocol. Every class answers its own ids and passes the others to its base class.
    // Get, Set and Default turn every failure into a code, except an STargetedException with a
    // target: addressed to a frame further up, it goes on to the caller.
    virtual HRESULT GetAttribute(int32_t id, SRepVariant* value) = 0;
    virtual HRESULT SetAttribute(int32_t id, const SRepVariant& value) = 0;
    virtual bool IsKindOf(const GUID& clsid) const = 0;
    virtual bool HasAttribute(int32_t id) const = 0;
    virtual bool HasCollection(int32_t id) const = 0;
    virtual uint32_t GetAttributeFlags(int32_t id) const = 0;
    virtual uint32_t GetAttributeType(int32_t id) const = 0;
    virtual HRESULT GetAttributeDefault(int32_t id, SRepVariant* value) = 0;

    // Identity and session.
    virtual GUID GetClassID() const = 0;
    virtual HRESULT GetSession(ISRepSession** session) noexcept = 0;

    // Collections and object references. GetObjectA gives element 0 of a collection (or the object
    // of an object-valued attribute); SetObject makes `object` its only element. GetCollection
    // answers its failures with codes too (E_INVALIDARG for an id the class has no collection of).
    virtual HRESULT GetCollection(int32_t id, ISRepClassCol** collection) noexcept = 0;
    virtual HRESULT GetObjectA(int32_t id, ISRepObject** object) noexcept = 0;
    virtual HRESULT SetObject(int32_t id, ISRepObject* object) noexcept = 0;

    // Creates an object of a registered class in this object's session, answering `riid`; with a
    // collection id it is inserted there at `position` (-1 appends); with `initialise` its
    // OnInitialize runs once, with this object as the parent.
    virtual HRESULT CreateObject(const GUID& clsid, void** out, const GUID& riid, int32_t collectionId = 0,
                                 int32_t position = -1, bool initialise = true) noexcept = 0;
    // An independent copy in `session` (this object's when null); SREP_DUPLICATE_DEEP copies the
    // owned collections through the factories as well. No OnInitialize runs. `map` (optional)
    // receives every source and its copy.
    virtual HRESULT Duplicate(ISRepSession* session, uint32_t flags, SRepObjectMap* map,
                              ISRepObject** copy) noexcept = 0;
    // Removes the object from every collection and deletes what it owns.
    virtual HRESULT Delete() noexcept = 0;

    // Notifications: the sink hears of the kinds in `mask` (ISRepObjSink.h) until it is withdrawn.
    virtual HRESULT Advise(uint32_t mask, ISRepObjSink* sink) noexcept = 0;
    virtual HRESULT Unadvise(ISRepObjSink* sink) noexcept = 0;

    // Who made the object and when (seconds since 1970).
    virtual HRESULT SetSysCreationInfo(const SString& user, int32_t time) noexcept = 0;

protected:
    ~ISRepObject() = default;
};
