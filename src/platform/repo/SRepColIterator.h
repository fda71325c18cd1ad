#pragma once
// Walks a collection in order while it may change under the walk: the iterator is advised of
// the collection's changes, so that removing the element it stands on (or any other) neither
// skips the next element nor repeats one, and elements inserted after its position are met.
#include <cstdint>

#include "platform/com/SComWrap.h"
#include "platform/repo/ISRepClassCol.h"
#include "platform/repo/ISRepColSink.h"
#include "platform/repo/ISRepObject.h"

class SRepColIterator : private ISRepColSink {
public:
    // Over the collection `id` of an object; throws SECOMException when the object has none.
    SRepColIterator(ISRepObject* object, int32_t id);
    explicit SRepColIterator(ISRepClassCol* collection);
    ~SRepColIterator();
    SRepColIterator(const SRepColIterator&) = delete;
    SRepColIterator& operator=(const SRepColIterator&) = delete;

    // The next object with a reference for the caller: S_OK, or S_FALSE and null at the end.
    HRESULT GetNext(ISRepObject** object);
    // Back to the first element.
    void Reset() { m_next = 0; }
    ISRepClassCol* GetCollection() const { return m_collection.Get(); }

private:
    void Start();
    HRESULT QueryInterface(const GUID& riid, void** out) override;
    // The iterator lives on its caller's stack: the collection's references on it count nothing.
    uint32_t AddRef() override { return 1; }
    uint32_t Release() override { return 1; }
    HRESULT OnInsert(ISRepClassCol* collection, int32_t position, ISRepObject* object) override;
    HRESULT OnRemove(ISRepClassCol* collection, int32_t position, ISRepObject* object) override;

    SComWrap<ISRepClassCol> m_collection;
    int32_t m_next = 0;  // position of the next element to hand out
    bool m_advised = false;
};
