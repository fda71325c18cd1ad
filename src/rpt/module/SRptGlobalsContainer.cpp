#include "rpt/module/SRptGlobalsContainer.h"

#include <optional>

#include "varod9/RptApi.h"

namespace {

std::optional<SRptGlobalsContainer>& TheContainer() {
    // Never destroyed: the library's unload may run after the process's exit handlers.
    static std::optional<SRptGlobalsContainer>* container = new std::optional<SRptGlobalsContainer>();
    return *container;
}

}  // namespace

// The printer cache starts from the default page set-up, then takes what the settings store holds.
SRptGlobalsContainer::SRptGlobalsContainer() : m_printerCache(kPrinterCacheSize, SPAGESETUPDLG::m_Default) {}

SRptGlobalsContainer::~SRptGlobalsContainer() = default;

void SRptGlobalsContainer::Construct() {
    if (!TheContainer()) TheContainer().emplace();
}

void SRptGlobalsContainer::Destroy() {
    TheContainer().reset();
}

SRptGlobalsContainer* GetRptGlobalsContainer() {
    auto& container = TheContainer();
    return container ? &*container : nullptr;
}
