#include "rpt/module/SRptGlobalsContainer.h"

#include <new>
#include <optional>

#include "platform/base/SEOutOfMemory.h"
#include "platform/base/VerLanguageName.h"
#include "platform/com/SComWrap.h"
#include "platform/repo/ISRepSession.h"
#include "rpt/editor/SRptShellModule.h"
#include "rpt/module/SRptModuleList.h"
#include "varod9/ISRptModuleClient.h"
#include "varod9/RptApi.h"
#include "varod9/ISRptSink.h"

namespace {

std::optional<SRptGlobalsContainer>& TheContainer() {
    // Never destroyed: the library's unload may run after the process's exit handlers.
    static std::optional<SRptGlobalsContainer>* container = new std::optional<SRptGlobalsContainer>();
    return *container;
}

// A member of the container, allocated; a failed allocation throws SEOutOfMemory.
template <class T>
T* Allocate() {
    T* made = new (std::nothrow) T();
    if (!made) throw SEOutOfMemory();
    return made;
}

// The length of the buffer in which the system writes a language's name.
constexpr uint32_t kLanguageNameLength = 256;

// Old table-cell attribute ids and the ids that replace them.
constexpr std::pair<int32_t, int32_t> kCellIdConversions[] = {
    {0x02001541, 0x0200000A}, {0x02001216, 0x0200000A}, {0x0201104B, 0x0200000A}, {0x02001A00, 0x0100008C},
    {0x02001A50, 0x0100008D}, {0x02010001, 0x0100008C}, {0x02015110, 0x0100008D}, {0x020110B2, 0x020110A6},
};

}  // namespace

// In the order of the members; the shell module, the module list and the tables come last, so
// that what they need is there when they are made.
SRptGlobalsContainer::SRptGlobalsContainer() : m_printerCache(kPrinterCacheSize, SPAGESETUPDLG::m_Default) {
    SRptShellModule* shellModule = Allocate<SRptShellModule>();
    shellModule->AddRef();
    m_shellModule.reset(shellModule);
    m_moduleList.reset(Allocate<SRptModuleList>());
    m_moduleItemTable.reset(Allocate<SRptModuleItemTable>());
    m_moduleFieldTable.reset(Allocate<SRptModuleFieldTable>());
    m_intl.Init();
    FillLanguageMap();
    FillConversionMap();
}

// The fields first (their rows release them), then the items, the modules (closing their
// sessions), the shell module, and what the host left among the template sessions.
SRptGlobalsContainer::~SRptGlobalsContainer() {
    m_moduleFieldTable.reset();
    m_moduleItemTable.reset();
    m_moduleList.reset();
    m_shellModule.reset();
    CloseTemplateSessions();
}

void SRptGlobalsContainer::ReleaseShellModule::operator()(SRptShellModule* shellModule) const {
    shellModule->Release();
}

void SRptGlobalsContainer::FillLanguageMap() {
    for (uint16_t language : {RPT_LANG_ENGLISH_US, RPT_LANG_FRENCH}) {
        char name[kLanguageNameLength] = {};
        VerLanguageNameA(language, name, kLanguageNameLength);
        m_languageMap.SetAt(language, SString(name));
    }
}

void SRptGlobalsContainer::FillConversionMap() {
    for (const auto& [oldId, newId] : kCellIdConversions) m_conversionTableCellIDMap.SetAt(oldId, newId);
}

void SRptGlobalsContainer::CloseTemplateSessions() {
    // The map holds the host's sessions without references: they are closed, not released.
    for (SessionMap::Iterator it(m_templatesSessionMap); !it.IsEnd(); it.Next())
        if (ISRepSession* session = it.GetValue()) session->Close();
}

ISRptModuleClient* SRptGlobalsContainer::GetFirstModuleClient() const {
    if (!m_moduleList) return nullptr;
    SComWrap<ISRptModule> module;
    if (m_moduleList->Retrieve(0, &module) != S_OK || !module) return nullptr;
    SComWrap<ISRptModuleClient> client;
    if (FAILED(module->GetClient(&client))) return nullptr;
    // The module keeps no reference on its client either: the host keeps it alive.
    return client.Get();
}

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

void SRptGlobalsContainer::NotifyViewClosing(SShellView* view) {
    // The walk goes over a copy, so that a sink that withdraws while it is told skips no other.
    const SinkMap sinks = m_sinkMap;
    for (SinkMap::Iterator it(sinks); !it.IsEnd(); it.Next())
        if (ISRptSink* sink = it.GetValue()) sink->OnViewClosing(view);
}
