#pragma once
// The collection object behind ISRepClassCol. A forward collection belongs to one object and
// keeps its elements in order, owning those that were free when they came in; an inverse end
// shows the owner of its object and is read-only; a session's model keeps the session's top
// objects. Advised sinks (iterators among them) hear of every element that comes in or goes out.
//
// A large collection keeps an index beside its ordered list, so that finding an element,
// appending one and taking the first or the last out cost the same however many it holds: a
// document of many objects loads, and a collection empties from the front, in time linear in
// its size.
#include <cstdint>
#include <unordered_map>
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
    bool Contains(const SRepObjectMem* object) const;
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
    // From this many elements on, the index is kept; below, a search goes through the list.
    static constexpr size_t kIndexFrom = 16;

    SRepClassCol(SRepObjectMem* owner, int32_t id, Kind kind) : m_owner(owner), m_id(id), m_kind(kind) {}
    ~SRepClassCol();

    // The object the inverse end shows, or null.
    SRepObjectMem* InverseTarget() const;
    HRESULT CheckChangeable() const;
    // Puts the entry at the position of the list and into the index: all or nothing.
    void AddEntry(int32_t position, Entry entry);
    // Takes the entry at the position out of the list and the index.
    Entry TakeEntry(int32_t position);
    // Every element's key from its position, once the index is behind the list.
    void Reindex() const;
    void RemoveAt(int32_t position, bool tellOwner);
    void NotifyInsert(int32_t position, ISRepObject* object);
    void NotifyRemove(int32_t position, ISRepObject* object);

    int32_t m_refCount = 0;
    SRepObjectMem* m_owner;
    int32_t m_id;
    Kind m_kind;
    bool m_detached = false;
    // The elements in order from m_entries[m_head]: the places before it are left by elements
    // taken from the front, and are given back once they are half of the list.
    std::vector<Entry> m_entries;
    size_t m_head = 0;
    // The index: each element's key, which less m_firstKey is its position. Taking the first
    // element out or putting one in front moves m_firstKey, so that no key changes; a change
    // inside the list leaves the keys behind it off by one, and the first look-up that finds a
    // key off makes them all again.
    mutable std::unordered_map<const SRepObjectMem*, int64_t> m_keys;
    mutable bool m_indexed = false;
    int64_t m_firstKey = 0;
    std::vector<SComWrap<ISRepColSink>> m_sinks;
};
