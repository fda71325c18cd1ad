#pragma once
// Memory for the objects of one class, taken from the system a block of several objects at a
// time and reused as objects come and go. Blocks are given back when the allocator goes; an
// allocator let go by its owner while objects of the class still live (shut-down destroys the
// registries before the globals container releases what it holds) stays until the last of them
// has given its memory back.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/base/SString.h"

class SRepObjectAllocator {
public:
    SRepObjectAllocator(size_t objectSize, int32_t objectsPerBlock, const char* className);
    ~SRepObjectAllocator();
    SRepObjectAllocator(const SRepObjectAllocator&) = delete;
    SRepObjectAllocator& operator=(const SRepObjectAllocator&) = delete;

    // Room for one object of at most the object size; null when the size is larger or memory
    // runs out.
    void* Allocate(size_t size) noexcept;
    // Gives back memory from Allocate (null does nothing).
    void Free(void* memory) noexcept;
    // The owner's end of an allocator: destroyed now when no object uses its memory, otherwise
    // when the last one is freed.
    static void Abandon(std::unique_ptr<SRepObjectAllocator> allocator) noexcept;

    size_t GetObjectSize() const { return m_objectSize; }
    int32_t GetObjectsPerBlock() const { return m_objectsPerBlock; }
    const SString& GetClassName() const { return m_className; }
    int32_t GetLiveCount() const { return m_liveCount; }
    int32_t GetBlockCount() const { return static_cast<int32_t>(m_blocks.size()); }

private:
    bool AddBlock() noexcept;

    size_t m_objectSize;
    size_t m_slotSize;
    int32_t m_objectsPerBlock;
    SString m_className;
    std::vector<std::unique_ptr<std::byte[]>> m_blocks;
    void* m_freeList = nullptr;
    int32_t m_liveCount = 0;
    bool m_abandoned = false;
};
