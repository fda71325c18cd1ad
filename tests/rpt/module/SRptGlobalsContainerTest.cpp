#include <gtest/gtest.h>

#include <map>
#include <utility>
#include <vector>

#include "platform/host/ISShellModule.h"
#include "platform/repo/SRepSession.h"
#include "rpt/editor/SRptShellModule.h"
#include "rpt/module/SRptModuleTestFixture.h"
#include "rpt/module/SRptStartup.h"
#include "varod9/ISRptTemplate.h"
#include "varod9/RptFieldDef.h"

namespace {

using SRptGlobals = SRptModuleTestFixture;

// Starts the library afresh for a test and leaves it started afresh.
class SFreshLibrary {
public:
    SFreshLibrary() {
        SRptStartup::ProcessDetach();
        SRptStartup::ProcessAttach(nullptr);
    }
};

}  // namespace

TEST(SRptGlobalsContainer, AFreshContainerHoldsTheLanguagesTheConversionsAndEmptyTables) {
    SFreshLibrary fresh;
    SRptGlobalsContainer* globals = GetRptGlobalsContainer();
    ASSERT_NE(globals, nullptr);
    ASSERT_NE(globals->GetRptShellModule(), nullptr);
    EXPECT_EQ(globals->GetRptShellModule()->GetRefCount(), 1);  // the container's
    EXPECT_EQ(globals->GetModuleList()->GetCount(), 0);
    EXPECT_EQ(globals->GetModuleItemTable()->GetCount(), 0);
    EXPECT_EQ(globals->GetModuleFieldTable()->GetCount(), 0);
    EXPECT_EQ(globals->GetSinkMap()->GetCount(), 0);
    EXPECT_EQ(globals->GetTemplatesSessionMap()->GetCount(), 0);

    std::vector<uint16_t> languages;
    for (SRptGlobalsContainer::LanguageMap::Iterator it(*globals->GetLanguageMap()); !it.IsEnd(); it.Next()) {
        languages.push_back(it.GetKey());
        EXPECT_FALSE(it.GetValue().IsEmpty()) << it.GetKey();
    }
    EXPECT_EQ(languages, (std::vector<uint16_t>{0x409, 0x40C}));

    std::map<int32_t, int32_t> conversions;
    for (SRptGlobalsContainer::ConversionMap::Iterator it(*globals->GetConversionTableCellIDMap()); !it.IsEnd();
         it.Next())
        conversions[it.GetKey()] = it.GetValue();
    const std::map<int32_t, int32_t> documented = {
        {0x02001541, 0x0200000A}, {0x02001216, 0x0200000A}, {0x0201104B, 0x0200000A}, {0x02001A00, 0x0100008C},
        {0x02001A50, 0x0100008D}, {0x02010001, 0x0100008C}, {0x02015110, 0x0100008D}, {0x020110B2, 0x020110A6},
    };
    EXPECT_EQ(conversions, documented);
    EXPECT_FALSE(globals->GetIntl()->GetShortDate().IsEmpty());
}

TEST(SRptGlobalsContainer, TheHeaderFooterFieldsEndWithFieldZero) {
    const HEADERFOOTERFIELD* fields = SRptGlobalsContainer::GetHeaderFooterFields();
    ASSERT_NE(fields, nullptr);
    const std::vector<std::pair<const char*, const char*>> expected = {
        {"%DATE%", "Date"}, {"%TIME%", "Time"}, {"%PAGE%", "Page"}};
    for (int32_t i = 0; i < 3; ++i) {
        EXPECT_EQ(fields[i].nField, i + 1);
        EXPECT_EQ(fields[i].nNameID, static_cast<uint32_t>(5129 + i));
        EXPECT_EQ(fields[i].sToken, expected[i].first);
        const SString* name = SRptGetModuleState()->FindString(fields[i].nNameID);
        ASSERT_NE(name, nullptr);
        EXPECT_EQ(*name, expected[i].second);
    }
    EXPECT_EQ(fields[3].nField, 0);
    EXPECT_EQ(fields[3].nNameID, 0u);
    EXPECT_TRUE(fields[3].sToken.IsEmpty());
}

TEST(SRptGlobalsContainer, TheHostsTemplateSessionsAreClosedWhenTheContainerGoes) {
    SComWrap<ISRepSession> session;
    ASSERT_EQ(SRepSession::Create("host template", &session), S_OK);
    GetRptGlobalsContainer()->GetTemplatesSessionMap()->SetAt("host template", session.Get());
    SFreshLibrary fresh;
    EXPECT_EQ(session->IsOpen(), S_FALSE);
    EXPECT_EQ(GetRptGlobalsContainer()->GetTemplatesSessionMap()->GetCount(), 0);
}

TEST_F(SRptGlobals, TheFirstModuleClientIsTheFirstRegisteredModulesWithoutAReferenceOfItsOwn) {
    EXPECT_EQ(globals->GetFirstModuleClient(), nullptr);
    SComWrap<ISRptModule> first = Register("First", "First model");
    EXPECT_EQ(globals->GetFirstModuleClient(), nullptr);  // a module without client
    SComWrap<STestModuleClient> client(new STestModuleClient);
    first->SetClient(client.Get());
    Register("Second", "Second model", client.Get());
    EXPECT_EQ(globals->GetFirstModuleClient(), client.Get());
    EXPECT_EQ(client->RefCount(), 1);
    first->SetClient(nullptr);
}

TEST_F(SRptGlobals, ShellCreateInstanceHandsOutTheShellModulesShellInterface) {
    SComWrap<ISShellModule> shell;
    EXPECT_EQ(SShellCreateInstance(GUID{}, nullptr, 0, GUID{}, reinterpret_cast<void**>(&shell)), S_OK);
    ASSERT_TRUE(shell);
    EXPECT_EQ(shell.Get(), static_cast<ISShellModule*>(globals->GetRptShellModule()));
    EXPECT_EQ(globals->GetRptShellModule()->GetRefCount(), 2);
    shell.Clear();
    // Whatever happens the answer is S_OK.
    EXPECT_EQ(SShellCreateInstance(GUID{}, nullptr, 0, GUID{}, nullptr), S_OK);
}

TEST(SRptGlobalsContainer, NothingIsLeftAliveOnceEveryModuleIsUnregisteredAndTheLibraryDetached) {
    SFreshLibrary fresh;
    const int32_t live = SRptGetModuleState()->LockCount();
    {
        SComWrap<STestModuleClient> client(new STestModuleClient);
        client->onInit = [](ISRptModule* module) {
            RPTUSRITEMDEF def;
            def.ModuleID = "Sales";
            def.ItemID = "FOLDER";
            def.Kind = RPT_ITEMKIND_FOLDER;
            SComWrap<ISRptItem> folder;
            EXPECT_EQ(RptRegisterItem(module, &def, &folder), S_OK);
            def.ItemID = "SUB";
            def.Kind = RPT_ITEMKIND_GRPTEXT;
            SComWrap<ISRptItem> sub;
            EXPECT_EQ(RptRegisterSubItem(module, folder.Get(), &def, &sub), S_OK);
        };
        SComWrap<ISRptModule> module;
        ASSERT_EQ(RptRegisterModule(client.Get(), "Sales", "Sales model", 0, &module), S_OK);
        RPTFIELDDEF field;
        field.ModuleID = "Sales";
        field.FieldName = "Author";
        SComWrap<ISRptField> author;
        ASSERT_EQ(RptRegisterField(module.Get(), &field, &author), S_OK);
        SComWrap<ISRptAvailableItems> all;
        ASSERT_EQ(GetRptGlobalsContainer()->GetModuleList()->GetAvailableItems("ALL", &all), S_OK);
        SComWrap<ISRepSession> session;
        SComWrap<ISRepObject> report;
        ASSERT_EQ(RptCreateTemplate("Sales", "Report", &session, &report), S_OK);
        report.Clear();
        session->Close();
        EXPECT_EQ(RptUnregisterModule(module.Get()), S_OK);
        SComWrap<ISRptModule> combined;
        GetRptGlobalsContainer()->GetModuleList()->Retrieve(SString("ALL"), &combined);
        EXPECT_EQ(RptUnregisterModule(combined.Get()), S_OK);
    }
    EXPECT_EQ(SRptGetModuleState()->LockCount(), live);
    // What the library holds itself goes at its unload; leak detection sees the rest.
    SRptStartup::ProcessDetach();
    EXPECT_EQ(SRptGetModuleState()->LockCount(), 0);
    SRptStartup::ProcessAttach(nullptr);
}
