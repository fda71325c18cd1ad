#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/repo/ISRepSession.h"
#include "rpt/module/SRptModule.h"
#include "rpt/module/SRptModuleList.h"
#include "rpt/module/SRptModuleTestFixture.h"
#include "rpt/objs/reports/SRptAvailableItemsMem.h"
#include "varod9/ISRptField.h"
#include "varod9/RptFieldDef.h"

namespace {

using SRptModuleRegistry = SRptModuleTestFixture;

// A module of its own, outside the library's list, with its session and container.
SComWrap<ISRptModule> MakeModule(const char* id) {
    SComWrap<ISRptModule> module;
    module.Attach(new SRptModule);
    EXPECT_EQ(module->CreateAvailableItems(id), S_OK);
    return module;
}

std::vector<std::string> IdsOf(const SRptModuleList& list) {
    std::vector<std::string> ids;
    for (int32_t i = 0; i < list.GetCount(); ++i) {
        SComWrap<ISRptModule> module;
        list.Retrieve(i, &module);
        SString id;
        module->GetID(id);
        ids.push_back(id.str());
    }
    return ids;
}

int32_t RefsOf(IUnknown* object) {
    object->AddRef();
    return static_cast<int32_t>(object->Release());
}

}  // namespace

TEST_F(SRptModuleRegistry, AModuleKeepsItsLabelFlagAndClientAndTakesItsIdFromItsContainer) {
    SComWrap<ISRptModule> module;
    module.Attach(new SRptModule);
    SString id;
    EXPECT_EQ(module->GetID(id), E_POINTER);  // no container yet
    EXPECT_EQ(module->InitAvailableItems(), S_FALSE);
    EXPECT_EQ(module->AddAvailableItem(nullptr), E_POINTER);
    SComWrap<ISRptAvailableItems> none;
    EXPECT_EQ(module->GetAvailableItems(&none), S_OK);
    EXPECT_FALSE(none);

    EXPECT_EQ(module->CreateAvailableItems("Orders"), S_OK);
    EXPECT_EQ(module->GetID(id), S_OK);
    EXPECT_EQ(id, "Orders");
    SComWrap<ISRepSession> session;
    ASSERT_EQ(module->GetSession(&session), S_OK);
    SString name;
    session->GetName(&name);
    EXPECT_EQ(name, "file:///AvailableItemsSession.Orders");
    // The container is the root of the module's own session.
    SComWrap<ISRptAvailableItems> root;
    EXPECT_EQ(session->GetRootObject(ISRptAvailableItems::iid, reinterpret_cast<void**>(&root)), S_OK);
    EXPECT_EQ(root->GetModuleID(), "Orders");

    const uint8_t flag = 1;
    EXPECT_EQ(module->SetFlag(&flag), S_OK);
    EXPECT_EQ(module->GetFlag(), 1);
    SComWrap<STestModuleClient> client(new STestModuleClient);
    EXPECT_EQ(module->SetClient(client.Get()), S_OK);
    EXPECT_EQ(client->RefCount(), 1);  // not referenced by the module
    SComWrap<ISRptModuleClient> got;
    EXPECT_EQ(module->GetClient(&got), S_OK);
    EXPECT_EQ(got.Get(), client.Get());
    EXPECT_EQ(module->GetClient(nullptr), E_POINTER);
    EXPECT_EQ(module->GetSession(nullptr), E_POINTER);
    module->SetClient(nullptr);
}

TEST_F(SRptModuleRegistry, TheListAttachesOneModuleAnIdAndDetachesClosingTheGap) {
    SRptModuleList list;
    SComWrap<ISRptModule> first = MakeModule("First");
    SComWrap<ISRptModule> second = MakeModule("Second");
    SComWrap<ISRptModule> third = MakeModule("Third");
    SComWrap<ISRptModule> again = MakeModule("Second");
    list.Attach(first.Get());
    list.Attach(second.Get());
    list.Attach(third.Get());
    list.Attach(again.Get());
    list.Attach(nullptr);
    EXPECT_EQ(IdsOf(list), (std::vector<std::string>{"First", "Second", "Third"}));
    EXPECT_EQ(RefsOf(again.Get()), 1);  // the second module of an id is not referenced
    EXPECT_EQ(RefsOf(second.Get()), 2);
    EXPECT_TRUE(list.Contains("Third"));
    EXPECT_FALSE(list.Contains("third"));  // case-sensitive
    EXPECT_EQ(list.GetIndexOf("Third"), 2);
    EXPECT_EQ(list.GetIndexOf("Fourth"), -1);

    list.Detach("First");
    EXPECT_EQ(IdsOf(list), (std::vector<std::string>{"Second", "Third"}));
    EXPECT_EQ(RefsOf(first.Get()), 1);
    list.Detach("Fourth");
    EXPECT_EQ(list.GetCount(), 2);
}

TEST_F(SRptModuleRegistry, RetrievingByIdIndexAndLabel) {
    SRptModuleList list;
    SComWrap<ISRptModule> first = MakeModule("First");
    first->SetLabel("The first");
    list.Attach(first.Get());

    ISRptModule* const untouched = reinterpret_cast<ISRptModule*>(0x10);
    ISRptModule* found = untouched;
    EXPECT_EQ(list.Retrieve(SString("Absent"), &found), S_OK);
    EXPECT_EQ(found, untouched);  // an absent id leaves the out-pointer as it was
    EXPECT_EQ(list.Retrieve(SString("First"), &found), S_OK);
    EXPECT_EQ(found, first.Get());
    found->Release();

    found = untouched;
    EXPECT_EQ(list.Retrieve(1, &found), S_FALSE);  // outside the list
    EXPECT_EQ(found, nullptr);
    EXPECT_EQ(list.Retrieve(-1, &found), S_FALSE);
    EXPECT_EQ(list.Retrieve(0, &found), S_OK);
    EXPECT_EQ(found, first.Get());
    found->Release();

    EXPECT_EQ(list.RetrieveFromLabel("The First", &found), S_FALSE);
    EXPECT_EQ(found, nullptr);
    EXPECT_EQ(list.RetrieveFromLabel("The first", &found), S_OK);
    EXPECT_EQ(found, first.Get());
    found->Release();

    EXPECT_EQ(list.Retrieve(SString("First"), nullptr), E_POINTER);
    EXPECT_EQ(list.Retrieve(0, nullptr), E_POINTER);
    EXPECT_EQ(list.RetrieveFromLabel("The first", nullptr), E_POINTER);
}

TEST_F(SRptModuleRegistry, TheSixthModuleGrowsTheListFromFiveToTen) {
    SRptModuleList list;
    EXPECT_EQ(list.GetCapacity(), 0);
    std::vector<SComWrap<ISRptModule>> modules;
    for (const char* id : {"M1", "M2", "M3", "M4", "M5", "M6"}) {
        modules.push_back(MakeModule(id));
        list.Attach(modules.back().Get());
        EXPECT_EQ(list.GetCapacity(), list.GetCount() <= 5 ? 5 : 10) << id;
    }
    EXPECT_EQ(IdsOf(list), (std::vector<std::string>{"M1", "M2", "M3", "M4", "M5", "M6"}));
}

TEST_F(SRptModuleRegistry, TheEleventhFieldGrowsTheFieldsFromTenToTwenty) {
    SComWrap<ISRptModule> module = Register("Orders", "Orders");
    auto* fields = static_cast<SRptModule*>(module.Get());
    EXPECT_EQ(fields->GetFieldCapacity(), 0);
    for (int32_t i = 1; i <= 11; ++i) {
        RPTFIELDDEF def;
        def.ModuleID = "Orders";
        def.FieldName = SString("F") + SString::FromInt(i);
        SComWrap<ISRptField> field;
        ASSERT_EQ(RptRegisterField(module.Get(), &def, &field), S_OK);
        // The module, the table's row and this test hold the field.
        EXPECT_EQ(RefsOf(field.Get()), 3);
        EXPECT_EQ(fields->GetFieldCapacity(), i <= 10 ? 10 : 20);
    }
    EXPECT_EQ(fields->GetFieldCount(), 11);
}

TEST_F(SRptModuleRegistry, AllGathersTheModulesItemsWithoutTakingThemFromTheirModules) {
    SComWrap<ISRptModule> orders = Register("Orders", "Orders");
    SComWrap<ISRptModule> clients = Register("Clients", "Clients");
    SRptModuleList* list = globals->GetModuleList();

    SComWrap<ISRptAvailableItems> all;
    ASSERT_EQ(list->GetAvailableItems("ALL", &all), S_OK);
    EXPECT_TRUE(list->Contains("ALL"));
    SString label;
    SComWrap<ISRptModule> combined;
    ASSERT_EQ(list->Retrieve(SString("ALL"), &combined), S_OK);
    combined->GetLabel(label);
    EXPECT_EQ(label, "All Report Templates");
    // Each module's six built-in items, in the order of the modules, and none of its own.
    EXPECT_EQ(all->Items().GetCount(), 12);
    SComWrap<ISRptAvailableItems> ordersItems = ContainerOf(orders.Get());
    SComWrap<ISRptItem> first;
    first = static_cast<IUnknown*>(all->Items().Item(0).Get());
    EXPECT_EQ(first->GetModuleID(), "Orders");
    SComWrap<ISRptItem> owner;
    ASSERT_EQ(first->GetParentItem(&owner), S_OK);
    EXPECT_TRUE(owner.IsEqualObject(ordersItems.Get()));  // still its module's
    EXPECT_EQ(ordersItems->Items().GetCount(), 6);

    // A second call finds the combined module and builds nothing.
    const int32_t count = list->GetCount();
    SComWrap<ISRptAvailableItems> again;
    ASSERT_EQ(list->GetAvailableItems("ALL", &again), S_OK);
    EXPECT_TRUE(again.IsEqualObject(all.Get()));
    EXPECT_EQ(list->GetCount(), count);

    // Unregistering the combined module leaves every module its items.
    combined.Clear();
    all.Clear();
    again.Clear();
    SComWrap<ISRptModule> allModule;
    list->Retrieve(SString("ALL"), &allModule);
    EXPECT_EQ(RptUnregisterModule(allModule.Get()), S_OK);
    allModule.Clear();
    EXPECT_EQ(ordersItems->Items().GetCount(), 6);
}

TEST_F(SRptModuleRegistry, AllWithoutModulesIsAnEmptyContainerAndAnUnknownIdFails) {
    SRptModuleList* list = globals->GetModuleList();
    SComWrap<ISRptAvailableItems> all;
    ASSERT_EQ(list->GetAvailableItems("ALL", &all), S_OK);
    EXPECT_EQ(all->Items().GetCount(), 0);
    EXPECT_EQ(all->GetModuleID(), "ALL");

    ISRptAvailableItems* none = reinterpret_cast<ISRptAvailableItems*>(0x10);
    EXPECT_EQ(list->GetAvailableItems("Nobody", &none), E_FAIL);
    EXPECT_EQ(none, nullptr);
    EXPECT_EQ(list->GetAvailableItems("ALL", nullptr), E_INVALIDARG);
}

TEST_F(SRptModuleRegistry, AModuleClosesItsSessionWhenItGoes) {
    SComWrap<ISRptModule> module = MakeModule("Orders");
    SComWrap<ISRepSession> session;
    module->GetSession(&session);
    SComWrap<ISRptAvailableItems> container = ContainerOf(module.Get());
    module.Clear();
    EXPECT_EQ(session->IsOpen(), S_FALSE);
    EXPECT_EQ(container->Items().GetCount(), 0);  // its items were deleted with the session
    container.Clear();
    session.Clear();
    // The built-in items were entered in the library's table; their rows go with the module id.
    globals->GetModuleItemTable()->DropModule("Orders");
}
