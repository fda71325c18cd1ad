#include "platform/repo/SRepObjectAllocator.h"

#include <cstddef>
#include <new>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/asan_interface.h>
// Free slots are poisoned, so that a use after release is still caught although the memory stays
// with the allocator; the first word of a free slot (the link of the free list) stays readable.
#define SREP_POISON(p, n) ASAN_POISON_MEMORY_REGION((p), (n))
#define SREP_UNPOISON(p, n) ASAN_UNPOISON_MEMORY_REGION((p), (n))
#else
#define SREP_POISON(p, n) ((void)(p), (void)(n))
#define SREP_UNPOISON(p, n) ((void)(p), (void)(n))
#endif

namespace {
constexpr size_t kAlign = alignof(std::max_align_t);
size_t RoundUp(size_t n) {
    if (n < sizeof(void*)) n = sizeof(void*);
    return (n + kAlign - 1) / kAlign * kAlign;
}
}  // namespace

SRepObjectAllocator::SRepObjectAllocator(size_t objectSize, int32_t objectsPerBlock, const char* className)
    : m_objectSize(objectSize),
      m_slotSize(RoundUp(objectSize)),
      m_objectsPerBlock(objectsPerBlock > 0 ? objectsPerBlock : 1),
      m_className(className) {}

SRepObjectAllocator::~SRepObjectAllocator() {
    for (auto& block : m_blocks) SREP_UNPOISON(block.get(), m_slotSize * static_cast<size_t>(m_objectsPerBlock));
}

bool SRepObjectAllocator::AddBlock() noexcept {
    const size_t bytes = m_slotSize * static_cast<size_t>(m_objectsPerBlock);
    std::unique_ptr<std::byte[]> block(new (std::nothrow) std::byte[bytes]);
    if (!block) return false;
    try {
        m_blocks.push_back(std::move(block));
    } catch (...) {
        return false;
    }
    std::byte* base = m_blocks.back().get();
    // Slots go on the free list in address order, so that objects are handed out in that order.
    for (int32_t i = m_objectsPerBlock; i-- > 0;) {
        std::byte* slot = base + static_cast<size_t>(i) * m_slotSize;
        *reinterpret_cast<void**>(slot) = m_freeList;
        m_freeList = slot;
        SREP_POISON(slot + sizeof(void*), m_slotSize - sizeof(void*));
    }
    return true;
}

void* SRepObjectAllocator::Allocate(size_t size) noexcept {
    if (size > m_objectSize) return nullptr;
    if (!m_freeList && !AddBlock()) return nullptr;
    void* slot = m_freeList;
    m_freeList = *static_cast<void**>(slot);
    SREP_UNPOISON(slot, m_slotSize);
    ++m_liveCount;
    return slot;
}

void SRepObjectAllocator::Free(void* memory) noexcept {
    if (!memory) return;
    *static_cast<void**>(memory) = m_freeList;
    m_freeList = memory;
    SREP_POISON(static_cast<std::byte*>(memory) + sizeof(void*), m_slotSize - sizeof(void*));
    if (--m_liveCount == 0 && m_abandoned) delete this;
}

void SRepObjectAllocator::Abandon(std::unique_ptr<SRepObjectAllocator> allocator) noexcept {
    if (!allocator || allocator->m_liveCount == 0) return;
    allocator->m_abandoned = true;
    allocator.release();
}
