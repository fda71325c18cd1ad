#pragma once
// The library's ordered start-up and its reverse. Start-up builds the library's static objects in
// a fixed order, then the entry function initialises the module state and registers the
// metamodel; shut-down terminates the module state and destroys the objects in reverse. The
// shared library runs both at load and unload; tests run them directly, and may run them again.
#include <cstdint>
#include <vector>

#include "platform/base/SString.h"
#include "platform/base/SVersionNumber.h"
#include "platform/gdi/SScreenDC.h"
#include "platform/ui/SLibModuleState.h"

inline constexpr uint32_t DLL_PROCESS_DETACH = 0;
inline constexpr uint32_t DLL_PROCESS_ATTACH = 1;
inline constexpr uint32_t DLL_THREAD_ATTACH = 2;
inline constexpr uint32_t DLL_THREAD_DETACH = 3;

inline constexpr GUID RPT_MODULE_GUID = MakeGUID("{A552E368-E3AD-452B-A703-9A2199B008D9}");

class SRptStartup {
public:
    // Load: the raw entry hook, the static initialisation, then the entry function.
    static void ProcessAttach(void* instance);
    // Unload: the entry function, the static termination, then the raw entry hook.
    static void ProcessDetach();

    // Runs the static initialisers in order; each registers its exit handler.
    static void StaticInit();
    // Runs the exit handlers in reverse order of registration.
    static void StaticTerm();
    static bool IsStaticallyInitialised();

    // Construction and destruction record, "construct <object>" and "destroy <object>" in the
    // order they happened, for the host and the tests.
    static const std::vector<SString>& GetTrace();
    static void ClearTrace();

    // The static objects (null before they are built and after they are destroyed).
    static SLibModuleState& GetModuleState();
    static const SVersionNumber* GetVersion();
    static SScreenDC* GetScreenDC();
    static const SString* GetStaticString();
    static SModuleState* GetSymModuleState();

    // Where the raw entry hook stores the module instance for the module state's constructor.
    static void SetPendingInstance(void* instance);
    static void* GetPendingInstance();
};

// The system's entry hooks of a dynamic library; each returns 1.
int32_t RawDllMainHook(void* instance, uint32_t reason, void* reserved);
int32_t DllMain(void* instance, uint32_t reason, void* reserved);
