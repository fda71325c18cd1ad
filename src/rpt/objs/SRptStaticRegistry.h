#pragma once
// The registry of a report class (SRepStaticRegistry) with what the class keeps for the life of
// its registry: the attribute defaults it has reported, each made at its first request, so that
// every object reports the same one until the registry is made anew (by a new start-up).
//     class SRptParaRegistry : public SRptStaticRegistry<SRptParaRegistry> { ... };
#include "platform/repo/SRepStaticRegistry.h"
#include "rpt/objs/SRptAttributeTable.h"

template <class R>
class SRptStaticRegistry : public SRepStaticRegistry<R> {
public:
    using SRepStaticRegistry<R>::SRepStaticRegistry;

    // The defaults the class keeps; null while it has no registry.
    static SRptAttributeTable::KeptDefaults* GetKeptDefaults() {
        R* registry = SRepStaticRegistry<R>::Get();
        return registry ? &registry->m_keptDefaults : nullptr;
    }

private:
    SRptAttributeTable::KeptDefaults m_keptDefaults;
};
