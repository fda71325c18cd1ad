#pragma once
// The collection object behind ISRepClassCol. A forward collection belongs to one object and
// keeps its elements in order, owning those that were free when they came in; an inverse end
// shows the owner of its object and is read-only; a session's model keeps the session's top
// objects. Advised sinks (iterators among them) hear of every element that comes in or goes out.
#include <cstdint>
#include <vector>

#include "platform/com/SComWrap.h"
#include "platform/repo/ISRepClassCol.h"
#include "platform/repo/ISRepColSink.h"
#include "platform/repo/ISRepObject.h"

class SRepObjectMem;

class SRepClassCol final : public ISRepClassCol {
public:
    enum class Kind { Forward, Inverse, Model };

    // A new collection of `owner` (null for a session's model), with the caller's reference.
    static SComWrap<SRepClassCol> Create(SRepObjectMem* owner, int32_t id, Kind kind);

    HRESULT QueryInterface(const GUID& riid, void** out) override;
    uint32_t AddRef() override;
    uint32_t Release() override;

    HRESULT GetCount(int32_t* count) noexcept override;
    HRESULT Item(int32_t position, ISRepObject** object) noexcept override;
    HRESULT GetPos(ISRepObject* object, int32_t* position) noexcept override;
    HRESULT Insert(int32_t position, ISRepObject* object) noexcept override;
    HRESULT Remove(int32_t position) noexcept override;
    HRESULT DeleteAll() noexcept override;
    HRESULT ClearAll() noexcept override;
    HRESULT Advise(ISRepColSink* sink) noexcept override;
    HRESULT Unadvise(ISRepColSink* sink) noexcept override;
    HRESULT GetOwner(ISRepObject** owner) noexcept override;
    int32_t GetCollectionID() override { return m_id; }

    // Framework side.
    Kind GetKind() const { return m_kind; }
    int32_t Count() const;
    SRepObjectMem* At(int32_t position) const;
    int32_t Find(const SRepObjectMem* object) const;
    // True when deleting the collection's content deletes this element: a forward collection
    // owns what it took in free, a model the top objects that nothing else owns.
    bool Owns(const SRepObjectMem* element) const;
    // Inserts with the rules of Insert; with `mayOwn` false the collection never takes ownership.
    HRESULT InsertObject(int32_t position, SRepObjectMem* object, bool mayOwn);
    // Takes an element out, telling the owner. The element may be destroyed on return.
    void RemoveMember(SRepObjectMem* object);
    // The owner is going away: every element is let go without calling back into the owner, and
    // the collection stays empty and refuses new elements from then on.
    void Detach();

private:
    struct Entry {
        SComWrap<ISRepObject> object;
        SRepObjectMem* mem = nullptr;
    };

    SRepClassCol(SRepObjectMem* owner, int32_t id, Kind kind) : m_owner(owner), m_id(id), m_kind(kind) {}
    ~SRepClassCol();

    // The object the inverse end shows, or null.
    SRepObjectMem* InverseTarget() const;
    HRESULT CheckChangeable() const;
    void RemoveAt(int32_t position, bool tellOwner);
    void NotifyInsert(int32_t position, ISRepObject* object);
    void NotifyRemove(int32_t position, ISRepObject* object);

    int32_t m_refCount = 0;
    SRepObjectMem* m_owner;
    int32_t m_id;
    Kind m_kind;
    bool m_detached = false;
    std::vector<Entry> m_entries;
    std::vector<SComWrap<ISRepColSink>> m_sinks;
};
