#pragma once
// The one registry of a class, as a static of the class that the library's start-up builds and
// its shut-down destroys (a once-only flag guards both, so that a second destruction does
// nothing and a new start-up builds it afresh). `R` is the class's registry, default-constructible:
//     class SRptParaRegistry : public SRepStaticRegistry<SRptParaRegistry> { ... };
#include <cstdint>
#include <optional>

#include "platform/repo/SRepRegistry.h"

template <class R>
class SRepStaticRegistry : public SRepRegistry {
public:
    using SRepRegistry::SRepRegistry;

    static void Construct() {
        if (Flags() & kBuilt) return;
        Slot().emplace();
        Flags() |= kBuilt;
    }
    static void Destroy() {
        if (!(Flags() & kBuilt)) return;
        Flags() &= ~kBuilt;
        Slot().reset();
    }
    // The class's initialised flag, set by the first object that completes its construction
    // (a class's FinalConstruct ends with it); reset with the registry by a new start-up.
    static void MarkClassInitialised() {
        if (R* registry = Get()) registry->SetClassInitialised();
    }
    static bool IsClassInitialisedNow() {
        R* registry = Get();
        return registry && registry->IsClassInitialised();
    }
    // The registry; null before start-up and after shut-down.
    static R* Get() {
        auto& slot = Slot();
        return slot ? &*slot : nullptr;
    }

private:
    static constexpr uint32_t kBuilt = 1;
    static std::optional<R>& Slot() {
        static std::optional<R> slot;
        return slot;
    }
    static uint32_t& Flags() {
        static uint32_t flags = 0;
        return flags;
    }
};
