#include <gtest/gtest.h>

#include "platform/repo/SRepTypeLibManager.h"
#include "rpt/module/SRptGlobalsContainer.h"
#include "rpt/module/SRptStartup.h"
#include "varod9/RptApi.h"
#include "varod9/SAnyDIDHelper.h"

#include <type_traits>

namespace {
std::vector<std::string> TraceOf(const char* verb) {
    std::vector<std::string> objects;
    SString prefix = SString(verb) + " ";
    for (const SString& line : SRptStartup::GetTrace())
        if (line.Left(prefix.GetLength()) == prefix) objects.push_back(line.Mid(prefix.GetLength()).str());
    return objects;
}
}  // namespace

TEST(SRptStartup, BuildsEveryObjectOnceInOrderAndTearsDownInReverse) {
    SRptStartup::ProcessDetach();
    SRptStartup::ClearTrace();
    SRptStartup::ProcessAttach(nullptr);
    const std::vector<std::string> built = TraceOf("construct");
    const std::vector<std::string> expected = {"module state",          "version",
                                               "screen device context", "paragraph page texts",
                                               "report font tables",    "globals container",     "header/footer field table",
                                               "report view map",       "symbol library module state", "static string",
                                               "registries"};
    EXPECT_EQ(built, expected);
    EXPECT_TRUE(TraceOf("destroy").empty());

    SRptStartup::ClearTrace();
    SRptStartup::ProcessDetach();
    // Objects without an exit handler (the version, the cached module state) are not destroyed.
    const std::vector<std::string> destroyed = TraceOf("destroy");
    const std::vector<std::string> reverse = {"registries",         "static string",
                                              "report view map",    "header/footer field table", "globals container",
                                              "report font tables", "paragraph page texts",
                                              "screen device context", "module state"};
    EXPECT_EQ(destroyed, reverse);
    EXPECT_EQ(SRptStartup::GetVersion(), nullptr);
    EXPECT_EQ(SRptStartup::GetScreenDC(), nullptr);
    EXPECT_EQ(GetRptGlobalsContainer(), nullptr);

    SRptStartup::ProcessAttach(nullptr);  // the library can be started again
    EXPECT_NE(SRptStartup::GetScreenDC(), nullptr);
}

TEST(SRptStartup, StaticObjectsHoldTheirValues) {
    const SVersionNumber* version = RptGetVersionNumber();
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(version->GetText(), "9.0.0.438");
    EXPECT_EQ(version->GetPatchNumber(), 0u);
    EXPECT_EQ(version->GetBuildNumber(), 438u);
    EXPECT_EQ(SVersionNumber().GetBuildNumber(), 0u);
    ASSERT_NE(SRptStartup::GetStaticString(), nullptr);
    EXPECT_EQ(*SRptStartup::GetStaticString(), "Scripting,DlgAbort");
    EXPECT_NE(SRptStartup::GetSymModuleState(), nullptr);
    EXPECT_EQ(SRptGetModuleState()->GetModuleGuid(), MakeGUID("{A552E368-E3AD-452B-A703-9A2199B008D9}"));
}

TEST(SRptStartup, TheGlobalsContainerHoldsThePrinterCacheBuiltFromTheDefaultPageSetUp) {
    SRptGlobalsContainer* globals = GetRptGlobalsContainer();
    ASSERT_NE(globals, nullptr);
    SPrinterCache* printer = globals->GetPrinterCache();
    ASSERT_NE(printer, nullptr);
    EXPECT_EQ(printer->GetCacheSize(), 8);
    const SPAGESETUPDLG& defaults = printer->GetDefaults();
    EXPECT_EQ(defaults.ptPaperSize.x, SPAGESETUPDLG::m_Default.ptPaperSize.x);
    EXPECT_EQ(defaults.ptPaperSize.y, SPAGESETUPDLG::m_Default.ptPaperSize.y);
    EXPECT_EQ(defaults.rtMargin.left, SPAGESETUPDLG::m_Default.rtMargin.left);
    // One container for the life of the library: a second construction keeps it.
    SRptGlobalsContainer::Construct();
    EXPECT_EQ(GetRptGlobalsContainer(), globals);
}

TEST(SRptStartup, ModuleStateIsTheSameObjectBeforeAndAfterTheEntryFunction) {
    SRptStartup::ProcessDetach();
    SModuleState* before = SRptGetModuleState();
    ASSERT_NE(before, nullptr);
    RawDllMainHook(nullptr, DLL_PROCESS_ATTACH, nullptr);
    SRptStartup::StaticInit();
    EXPECT_EQ(SRptGetModuleState(), before);
    EXPECT_EQ(DllMain(nullptr, DLL_PROCESS_ATTACH, nullptr), 1);
    EXPECT_EQ(SRptGetModuleState(), before);
    EXPECT_TRUE(SRptStartup::GetModuleState().IsInitialised());
}

TEST(SRptStartup, EntryFunctionSucceedsForEveryReason) {
    EXPECT_EQ(DllMain(nullptr, DLL_THREAD_ATTACH, nullptr), 1);
    EXPECT_EQ(DllMain(nullptr, DLL_THREAD_DETACH, nullptr), 1);
    EXPECT_TRUE(SRptStartup::GetModuleState().IsInitialised());
    EXPECT_EQ(DllMain(nullptr, DLL_PROCESS_DETACH, nullptr), 1);
    EXPECT_FALSE(SRptStartup::GetModuleState().IsInitialised());
    EXPECT_EQ(DllMain(nullptr, DLL_PROCESS_ATTACH, nullptr), 1);
    EXPECT_EQ(RawDllMainHook(nullptr, DLL_PROCESS_DETACH, nullptr), 1);
}

TEST(SRptStartup, AttachRegistersTheMetamodelResource) {
    SRepTypeLibManager* manager = GetTypeLibManager();
    manager->ClearRegistrations();
    DllMain(nullptr, DLL_PROCESS_ATTACH, nullptr);
    ASSERT_EQ(manager->GetRegistrations().size(), 1u);
    const SRepTypeLibRegistration& registration = manager->GetRegistrations()[0];
    EXPECT_EQ(registration.moduleState, SRptGetModuleState());
    EXPECT_EQ(registration.resourceId, 1000u);
    EXPECT_EQ(registration.language, 0);
    EXPECT_EQ(registration.resourceType, "METADATA");
    // Start-up registered the library already; registering again adds nothing.
    EXPECT_EQ(registration.result, S_FALSE);
}

TEST(SAnyDIDHelper, IsAnAbstractHelperWithoutData) {
    static_assert(std::is_abstract_v<SAnyDIDHelper>);
    static_assert(std::has_virtual_destructor_v<SAnyDIDHelper>);
    static_assert(!std::is_default_constructible_v<SAnyDIDHelper>);  // only derived classes make one
    struct Helper : SAnyDIDHelper {
        void First() override { ++calls; }
        void Second() override {}
        void Third() override {}
        int calls = 0;
    };
    Helper a;
    a.First();
    Helper b(a);  // the helper part copies nothing; the derived part copies its own
    EXPECT_EQ(b.calls, 1);
    EXPECT_EQ(sizeof(SAnyDIDHelper), sizeof(void*));  // nothing but the table of operations
}
