#include "rpt/module/SRptStartup.h"

#include <memory>
#include <optional>

#include "platform/host/SSymModuleState.h"
#include "platform/repo/SRepTypeLibManager.h"
#include "rpt/dialogs/SRptDlgParagraphPage.h"
#include "rpt/editor/SRptReportViewMap.h"
#include "rpt/module/SRptFont.h"
#include "rpt/module/SRptGlobalsContainer.h"
#include "rpt/module/SRptHeaderFooterFields.h"
#include "rpt/objs/SRptRegistries.h"
#include "rpt/resources/SRptResources.h"
#include "varod9/RptApi.h"

namespace {

// The library's static objects, one instance each for the life of the library.
struct Statics {
    void* pendingInstance = nullptr;
    bool initialised = false;
    std::optional<SVersionNumber> version;
    std::unique_ptr<SScreenDC> screenDC;
    SModuleState* symModuleState = nullptr;
    std::optional<SString> staticString;
    std::vector<SString> trace;
    // Exit handlers in order of registration; run in reverse.
    std::vector<std::pair<const char*, void (*)()>> exitHandlers;
};

// Never destroyed: the unload hook may run after the process's exit handlers.
Statics& TheStatics() {
    static Statics* statics = new Statics;
    return *statics;
}

// The module state exists from the process's start, so that it is the same object whatever
// phase a caller sees; step 1 of the start-up constructs its contents.
SLibModuleState& TheModuleState() {
    static SLibModuleState* state = new SLibModuleState(RPT_MODULE_GUID);
    return *state;
}

void Record(const char* verb, const char* object) {
    TheStatics().trace.push_back(SString(verb) + " " + object);
}

void RegisterExit(const char* object, void (*handler)()) {
    TheStatics().exitHandlers.emplace_back(object, handler);
}

// One static initialiser: builds its object, records it and registers its exit handler.
struct Initialiser {
    const char* object;
    void (*construct)();
    void (*destroy)();  // null: no exit handler
};

void ConstructModuleState() {
    SLibModuleState& state = TheModuleState();
    state.SetInstance(TheStatics().pendingInstance);
    state.SetHeldInterface(nullptr);
    SRptResources::Install(state);
    state.Init(TheStatics().pendingInstance, nullptr);
}
void DestroyModuleState() {
    TheModuleState().SetHeldInterface(nullptr);
}

void ConstructVersion() {
    TheStatics().version.emplace(9, 0, 0, 438);
}

void ConstructScreenDC() {
    TheStatics().screenDC = std::make_unique<SScreenDC>();
}
void DestroyScreenDC() {
    TheStatics().screenDC.reset();
}

void ConstructSymModuleState() {
    TheStatics().symModuleState = SSymGetModuleState();
}

void ConstructStaticString() {
    TheStatics().staticString.emplace("Scripting,DlgAbort");
}
void DestroyStaticString() {
    TheStatics().staticString.reset();
}

// The table of initialisers, first to last.
const Initialiser kInitialisers[] = {
    {"module state", ConstructModuleState, DestroyModuleState},
    {"version", ConstructVersion, nullptr},
    {"screen device context", ConstructScreenDC, DestroyScreenDC},
    {"paragraph page texts", SRptDlgParagraphPage::LoadChoiceTexts, SRptDlgParagraphPage::FreeChoiceTexts},
    {"report font tables", SRptFont::ConstructTables, SRptFont::DestroyTables},
    {"globals container", SRptGlobalsContainer::Construct, SRptGlobalsContainer::Destroy},
    {"header/footer field table", SRptHeaderFooterFields::Construct, SRptHeaderFooterFields::Destroy},
    {"report view map", SRptReportViewMapData::Construct, SRptReportViewMapData::Destroy},
    {"symbol library module state", ConstructSymModuleState, nullptr},
    {"static string", ConstructStaticString, DestroyStaticString},
    {"registries", SRptRegistries::Construct, SRptRegistries::Destroy},
};

}  // namespace

void SRptStartup::StaticInit() {
    Statics& statics = TheStatics();
    if (statics.initialised) return;
    for (const Initialiser& step : kInitialisers) {
        step.construct();
        Record("construct", step.object);
        if (step.destroy) RegisterExit(step.object, step.destroy);
    }
    statics.initialised = true;
}

void SRptStartup::StaticTerm() {
    Statics& statics = TheStatics();
    while (!statics.exitHandlers.empty()) {
        auto [object, handler] = statics.exitHandlers.back();
        statics.exitHandlers.pop_back();
        handler();
        Record("destroy", object);
    }
    statics.version.reset();
    statics.symModuleState = nullptr;
    statics.initialised = false;
}

bool SRptStartup::IsStaticallyInitialised() {
    return TheStatics().initialised;
}

void SRptStartup::ProcessAttach(void* instance) {
    RawDllMainHook(instance, DLL_PROCESS_ATTACH, nullptr);
    StaticInit();
    DllMain(instance, DLL_PROCESS_ATTACH, nullptr);
}

void SRptStartup::ProcessDetach() {
    void* instance = TheModuleState().GetInstance();
    DllMain(instance, DLL_PROCESS_DETACH, nullptr);
    StaticTerm();
    RawDllMainHook(instance, DLL_PROCESS_DETACH, nullptr);
}

const std::vector<SString>& SRptStartup::GetTrace() {
    return TheStatics().trace;
}

void SRptStartup::ClearTrace() {
    TheStatics().trace.clear();
}

SLibModuleState& SRptStartup::GetModuleState() {
    return TheModuleState();
}

const SVersionNumber* SRptStartup::GetVersion() {
    auto& version = TheStatics().version;
    return version ? &*version : nullptr;
}

SScreenDC* SRptStartup::GetScreenDC() {
    return TheStatics().screenDC.get();
}

const SString* SRptStartup::GetStaticString() {
    auto& text = TheStatics().staticString;
    return text ? &*text : nullptr;
}

SModuleState* SRptStartup::GetSymModuleState() {
    return TheStatics().symModuleState;
}

void SRptStartup::SetPendingInstance(void* instance) {
    TheStatics().pendingInstance = instance;
}

void* SRptStartup::GetPendingInstance() {
    return TheStatics().pendingInstance;
}

int32_t RawDllMainHook(void* instance, uint32_t reason, void*) {
    if (reason == DLL_PROCESS_ATTACH) SRptStartup::SetPendingInstance(instance);
    return 1;
}

int32_t DllMain(void* instance, uint32_t reason, void*) {
    SLibModuleState& state = TheModuleState();
    if (reason == DLL_PROCESS_ATTACH) {
        static const SObjectMapEntry kObjectMap[] = {{nullptr}};
        state.Init(instance, kObjectMap);
        // The metamodel's registration result is not examined: start-up never fails here.
        if (SRepTypeLibManager* manager = GetTypeLibManager())
            manager->RegisterTypeLibResource(&state, 1000, 0, "METADATA");
    } else if (reason == DLL_PROCESS_DETACH) {
        state.Term();
    }
    return 1;
}

SModuleState* SRptGetModuleState() {
    return &TheModuleState();
}

const SVersionNumber* RptGetVersionNumber() {
    return SRptStartup::GetVersion();
}
