#pragma once
// The in-memory repository object: reference count, class identity, session, collections,
// ownership and notifications. Every repository object's class derives from it (through
// SRepObjectImpl, SRepObjectBaseMem and SRepObjectBaseImpl) and is made by its registry's
// factory (SRepComObject).
//
// Ownership: an object is owned by at most one collection of one other object (its owner), the
// first that takes it in while it is free; a collection that takes in an object owned elsewhere
// only holds a reference. The owner is seen from the object through the inverse end of the
// owning collection (Items 0x02000151 -> Parent 0x02800151) and through SREP_COL_OWNER.
// Collections hold their objects with a reference; the links back to owners and containers are
// not references, so a tree never keeps itself alive.
//
// Faces: the repository object face is a virtual base shared with the class interfaces, the
// dispatch face (and any face a class adds, such as the initialisation face) a base of its own,
// each with its own IUnknown part. A pointer to the object is therefore converted to IUnknown
// through one of its interfaces (static_cast<ISRepObject*>(object) first), and two interface
// pointers are compared as objects with SComWrap::IsEqualObject, not by their values.
#include <cstdint>
#include <map>
#include <utility>
#include <vector>

#include "platform/base/SModuleState.h"
#include "platform/com/SComWrap.h"
#include "platform/repo/ISRepDispatch.h"
#include "platform/repo/ISRepObjSink.h"
#include "platform/repo/ISRepObject.h"
#include "platform/repo/ISRepSession.h"
#include "platform/repo/SRepClassCol.h"

class SRepObjectAllocator;

class SRepObjectMem : public virtual ISRepObject, public ISRepDispatch {
public:
    SRepObjectMem& operator=(const SRepObjectMem&) = delete;

    // IUnknown: one count for every face of the object.
    HRESULT QueryInterface(const GUID& riid, void** out) override;
    uint32_t AddRef() override;
    uint32_t Release() override;

    // Attribute protocol: nothing is known at this level.
    HRESULT GetAttribute(int32_t id, SRepVariant* value) override;
    HRESULT SetAttribute(int32_t id, const SRepVariant& value) override;
    bool IsKindOf(const GUID& clsid) const override;
    bool HasAttribute(int32_t id) const override;
    bool HasCollection(int32_t id) const override;
    uint32_t GetAttributeFlags(int32_t id) const override;
    uint32_t GetAttributeType(int32_t id) const override;
    HRESULT GetAttributeDefault(int32_t id, SRepVariant* value) override;

    GUID GetClassID() const override { return m_clsid; }
    HRESULT GetSession(ISRepSession** session) noexcept override;
    HRESULT GetCollection(int32_t id, ISRepClassCol** collection) noexcept override;
    HRESULT GetObjectA(int32_t id, ISRepObject** object) noexcept override;
    HRESULT SetObject(int32_t id, ISRepObject* object) noexcept override;
    HRESULT CreateObject(const GUID& clsid, void** out, const GUID& riid, int32_t collectionId = 0,
                         int32_t position = -1, bool initialise = true) noexcept override;
    HRESULT Duplicate(ISRepSession* session, uint32_t flags, SRepObjectMap* map, ISRepObject** copy) noexcept override;
    HRESULT Delete() noexcept override;
    HRESULT Advise(uint32_t mask, ISRepObjSink* sink) noexcept override;
    HRESULT Unadvise(ISRepObjSink* sink) noexcept override;

    // Dispatch face: no type information; the lock is a count.
    HRESULT GetTypeInfoCount(uint32_t* count) noexcept override;
    HRESULT GetTypeInfo(uint32_t index, uint32_t locale, void** typeInfo) noexcept override;
    HRESULT GetIDsOfNames(const GUID& riid, const char16_t* const* names, uint32_t count, uint32_t locale,
                          int32_t* ids) noexcept override;
    HRESULT Invoke(int32_t id, const GUID& riid, uint32_t locale, uint16_t flags, void* params, void* result,
                   void* exceptionInfo, uint32_t* argumentError) noexcept override;
    HRESULT LockObject() noexcept override;
    HRESULT UnlockObject() noexcept override;
    HRESULT IsObjectLocked() noexcept override;

    // Framework hooks, overridden by classes that react (each override ends with the base's).
    // S_OK when an object of the class can be created here (into `collectionId`, 0 for none).
    virtual HRESULT CanCreateObject(const GUID& clsid, int32_t collectionId);
    // After a computed attribute was set by its own setter: announces the change.
    virtual HRESULT PostSetAttribute(int32_t id);
    // An attribute changed: the advised sinks hear of it.
    virtual HRESULT OnUpdateAttribute(int32_t id);
    // An object came into or went out of one of this object's collections.
    virtual HRESULT OnCollectionChange(int32_t id, ISRepObject* object);
    // An object came into one of this object's collections at `position` (before OnCollectionChange).
    virtual HRESULT OnCollectionInsert(int32_t id, ISRepObject* object, int32_t position);

    // Runs a new object's OnInitialize through its initialisation face (objects without one need
    // none); the face itself makes sure that it runs once only.
    static HRESULT RunInitialisation(ISRepObject* created, ISRepObject* parent);
    // The last steps of every creation: the initialisation when asked for, then the requested
    // interface into `out`; a failure deletes the new object, so nothing half-made remains.
    static HRESULT HandOutCreated(ISRepObject* created, ISRepObject* parent, bool initialise, const GUID& riid,
                                  void** out);
    // The implementation behind an interface pointer; null for objects of another kind.
    static SRepObjectMem* FromObject(ISRepObject* object);
    static const SRepObjectMem* FromObject(const ISRepObject* object);
    // The object that owns this one (null when free) and the id of the owning collection.
    SRepObjectMem* GetOwner() const { return m_owner; }
    int32_t GetOwnerCollectionID() const { return m_ownerCollection; }
    bool IsDeleted() const { return m_deleted; }
    int32_t GetRefCount() const { return static_cast<int32_t>(m_refCount); }

protected:
    SRepObjectMem();
    // A copy starts in the source's session with nothing else of it: no collections, no owner,
    // no sinks, a count of 0. The factory gives it its class.
    SRepObjectMem(const SRepObjectMem& source);
    virtual ~SRepObjectMem();

    // The face for an interface id, without a reference; null when not answered. Classes answer
    // their class interface and pass the rest on (SREP_QUERY_CLASS_INTERFACE).
    virtual void* InternalQueryInterface(const GUID& riid);
    // Destroys the object and gives its memory back; run when the count falls to 0.
    virtual void FinalDelete();

    void AttachSession(ISRepSession* session) { m_session.Reset(session); }
    ISRepSession* GetSessionPointer() const { return m_session.Get(); }

    // Used by the factory: the class, where the memory came from, whose live-object counter
    // counts the object; a count that rises and falls without deleting; the count of an object
    // under destruction, so that stray calls during teardown cannot delete it twice.
    void SetCreationInfo(const GUID& clsid, SRepObjectAllocator* allocator, SModuleState* liveCounter);
    SRepObjectAllocator* GetAllocator() const { return m_allocator; }
    SModuleState* GetLiveCounter() const { return m_liveCounter; }
    void InternalAddRef() { ++m_refCount; }
    void InternalRelease() { --m_refCount; }
    void MarkDestroying() { m_refCount = 0x7FFFFFFF; }

    // Tells the advised sinks of the kinds in `kind`.
    void NotifySinks(uint32_t kind, int32_t id);

private:
    friend class SRepClassCol;

    SRepClassCol* FindOrCreateCollection(int32_t id);
    HRESULT DuplicateInto(ISRepSession* session, uint32_t flags, SRepObjectMap& map, SComWrap<ISRepObject>& copy);

    // Wraps as the system's counter does: a stray reference taken and given back on an object
    // under destruction (0x7FFFFFFF) passes through 0x80000000 and back without deleting it.
    uint32_t m_refCount = 0;
    GUID m_clsid{};
    SRepObjectAllocator* m_allocator = nullptr;
    SModuleState* m_liveCounter = nullptr;
    SComWrap<ISRepSession> m_session;
    std::map<int32_t, SComWrap<SRepClassCol>> m_collections;
    // The collections that hold this object; each takes itself off this list when it lets go.
    std::vector<SRepClassCol*> m_containers;
    SRepObjectMem* m_owner = nullptr;
    int32_t m_ownerCollection = 0;
    std::vector<std::pair<uint32_t, SComWrap<ISRepObjSink>>> m_sinks;
    int32_t m_lockCount = 0;
    bool m_deleted = false;
};
