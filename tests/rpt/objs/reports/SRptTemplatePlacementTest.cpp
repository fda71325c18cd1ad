// Placing items in a template: the copy and its refusals, the nearest droppable container with
// only the branch that leads to the item, deleting placed items, and the report following its
// templates' module and name.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "platform/repo/SRepSession.h"
#include "platform/repo/SRepVariant.h"
#include "platform/ui/SScriptedInteraction.h"
#include "rpt/module/SRptModuleTestFixture.h"
#include "rpt/objs/items/SRptGraphicFileMem.h"
#include "rpt/objs/reports/SRptReportMem.h"
#include "rpt/objs/reports/SRptTemplateMem.h"
#include "support/SRptTestPlacementItemMem.h"
#include "support/STestTempFolder.h"
#include "varod9/ISRptCustom.h"
#include "varod9/ISRptFile.h"
#include "varod9/ISRptTemplate.h"

using testing::Contains;
using testing::ElementsAre;
using testing::IsEmpty;
using testing::Not;

namespace {

// A report of its own session with one template for module "Sales", the test item classes, and a
// scripted interaction that fails the test on a prompt it did not expect.
class SRptTemplatePlacement : public SRptModuleTestFixture {
protected:
    void SetUp() override {
        SRptModuleTestFixture::SetUp();
        classes.emplace();
        SRptTestPlacementItemRegistry::Construct();
        SInteraction::ClearTranscript();
        scope.emplace(&script);
        ASSERT_EQ(SRepSession::Create("report", &session), S_OK);
        ASSERT_EQ(session->CreateModelObject(CLSID_SRptReport, reinterpret_cast<void**>(&report), ISRptReport::iid),
                  S_OK);
        ASSERT_EQ(report->AddNewTemplate("Sales", 1, &templ), S_OK);
    }
    void TearDown() override {
        scope.reset();
        for (const SString& unexpected : script.GetUnexpected()) ADD_FAILURE() << unexpected.c_str();
        EXPECT_TRUE(script.IsComplete()) << "scripted prompts were not all met";
        log.hooked.clear();
        templ.Clear();
        report.Clear();
        session->Close();
        session.Clear();
        SRptTestPlacementItemRegistry::Destroy();
        classes.reset();
        SRptModuleTestFixture::TearDown();
    }

    // A placement item with a label and an item id, free or under a parent, writing to the log.
    SComWrap<ISRptItem> Item(const char* label, const char* itemId, ISRptItem* parent = nullptr) {
        SComWrap<ISRptItem> item;
        if (parent)
            EXPECT_EQ(parent->CreateObject(CLSID_SRptTestPlacementItem, reinterpret_cast<void**>(&item),
                                           ISRptItem::iid, RPTITEM_ITEMS, -1, false),
                      S_OK);
        else
            EXPECT_EQ(session->CreateObject(CLSID_SRptTestPlacementItem, reinterpret_cast<void**>(&item),
                                            ISRptItem::iid),
                      S_OK);
        item->PutLabel(label);
        item->PutItemID(itemId);
        Switches(item.Get())->log = &log;
        return item;
    }
    SComWrap<ISRptItem> Container(const char* label, const char* itemId, ISRptItem* parent = nullptr) {
        SComWrap<ISRptItem> item = Item(label, itemId, parent);
        Switches(item.Get())->container = true;
        return item;
    }
    // An item that may be dropped nowhere: only a container above it can be placed.
    SComWrap<ISRptItem> Fixed(SComWrap<ISRptItem> item) {
        Switches(item.Get())->droppable = false;
        return item;
    }
    static SRptTestPlacementItemImpl* Switches(IUnknown* item) { return SRptTestPlacementItemImpl::From(item); }
    static bool IsDeleted(IUnknown* item) {
        SComWrap<ISRepObject> object;
        object.Assign(item);
        return SRepObjectMem::FromObject(object.Get())->IsDeleted();
    }
    static std::vector<std::string> Labels(ISRptItem* parent) { return SRptChildTexts(parent, &ISRptItem::GetLabel); }
    static SComWrap<ISRptItem> Child(ISRptItem* parent, int32_t position) {
        SComWrap<ISRepObject> object;
        EXPECT_EQ(parent->GetChildItemAtPos(position, &object), S_OK);
        SComWrap<ISRptItem> child;
        child = static_cast<IUnknown*>(object.Get());
        return child;
    }
    // The deletions the log saw, by label.
    std::vector<std::string> Deletions() const {
        std::vector<std::string> deleted;
        for (const std::string& event : log.events)
            if (event.rfind("delete ", 0) == 0) deleted.push_back(event.substr(7));
        return deleted;
    }
    SComWrap<ISRptItem> GraphicFile() {
        SComWrap<ISRptItem> item;
        EXPECT_EQ(session->CreateObject(CLSID_SRptGraphicFile, reinterpret_cast<void**>(&item), ISRptItem::iid), S_OK);
        RPTUSRITEMDEF def = Describe("Sales", "GRAPHICFILE", 0, "Picture");
        EXPECT_EQ(item->ConstructWithItemDef(&def), S_OK);
        return item;
    }
    static SString AbsPath(ISRptItem* item) {
        SComWrap<ISRptFile> file;
        file = static_cast<IUnknown*>(item);
        return file ? file->GetAbsPath() : SString("(no file item)");
    }
    static SString NameOf(ISRepObject* object) {
        SRepVariant name;
        EXPECT_EQ(object->GetAttribute(SREP_DISPID_NAME, &name), S_OK);
        return name.GetText();
    }

    std::optional<SRptTestItemClasses> classes;
    SRptTestPlacementItemImpl::Log log;
    SScriptedInteraction script;
    std::optional<SInteractionScope> scope;
    SComWrap<ISRepSession> session;
    SComWrap<ISRptReport> report;
    SComWrap<ISRptTemplate> templ;
};

constexpr HRESULT kFail = static_cast<HRESULT>(0x80004005);
constexpr HRESULT kPointer = static_cast<HRESULT>(0x80004003);
constexpr HRESULT kInvalidArg = static_cast<HRESULT>(0x80070057);
constexpr HRESULT kFileNotFound = static_cast<HRESULT>(0x80030002);

}  // namespace

// ---- the copy ----

TEST_F(SRptTemplatePlacement, ACopyStepThatGivesNoCopyIsAFailureWithNoItem) {
    SComWrap<ISRptItem> source = Item("Lonely", "LONELY");
    Switches(source.Get())->givesNoCopy = true;
    ISRptItem* out = source.Get();
    EXPECT_EQ(templ->AddTemplateItem(source.Get(), templ.Get(), -1, &out), kFail);
    EXPECT_EQ(out, nullptr);
    out = source.Get();
    EXPECT_EQ(templ->AddTemplateItemWithParent(source.Get(), templ.Get(), -1, &out), kFail);
    EXPECT_EQ(out, nullptr);
    EXPECT_THAT(ChildIds(templ.Get()), IsEmpty());
    EXPECT_THAT(log.events, IsEmpty());
}

TEST_F(SRptTemplatePlacement, TheCopyHearsBothHooksAroundItsInsertionAtTheGivenPosition) {
    SComWrap<ISRptItem> first = Item("First", "FIRST");
    SComWrap<ISRptItem> box = Container("Box", "BOX");
    Item("Inner", "INNER", box.Get());
    SComWrap<ISRptItem> placedFirst;
    ASSERT_EQ(templ->AddTemplateItem(first.Get(), templ.Get(), -1, &placedFirst), S_OK);
    log.events.clear();
    log.hooked.clear();

    SComWrap<ISRptItem> placed;
    ASSERT_EQ(templ->AddTemplateItem(box.Get(), templ.Get(), 0, &placed), S_OK);
    // Before: neither in the parent nor marked; after: both.
    EXPECT_THAT(log.events, ElementsAre("pre Box parent=0 inTemplate=0", "post Box parent=1 inTemplate=1"));
    ASSERT_EQ(log.hooked.size(), 2u);
    EXPECT_TRUE(log.hooked[0].IsEqualObject(placed.Get()));
    EXPECT_EQ(Labels(templ.Get()), (std::vector<std::string>{"Box", "First"}));
    // The whole copy is marked and told it was added, the source is not.
    EXPECT_TRUE(Child(placed.Get(), 0)->GetInTemplate());
    EXPECT_EQ(Switches(placed.Get())->postAddCount, 1);
    EXPECT_EQ(Switches(Child(placed.Get(), 0).Get())->postAddCount, 1);
    EXPECT_FALSE(box->GetInTemplate());
    EXPECT_EQ(Switches(box.Get())->postAddCount, 0);
}

TEST_F(SRptTemplatePlacement, ACopyRefusedBeforeInsertionIsDeletedBeforeItReachesTheParent) {
    SComWrap<ISRptItem> source = Item("Refused", "REFUSED");
    Switches(source.Get())->preResult = E_ABORT;
    SComWrap<ISRptItem> out;
    EXPECT_EQ(templ->AddTemplateItem(source.Get(), templ.Get(), -1, &out), E_ABORT);
    EXPECT_FALSE(out);
    EXPECT_THAT(log.events, ElementsAre("pre Refused parent=0 inTemplate=0", "delete Refused"));
    ASSERT_EQ(log.hooked.size(), 1u);
    EXPECT_TRUE(IsDeleted(log.hooked[0].Get()));
    EXPECT_FALSE(IsDeleted(source.Get()));
    EXPECT_THAT(ChildIds(templ.Get()), IsEmpty());
}

TEST_F(SRptTemplatePlacement, ACopyRefusedAfterInsertionIsTakenOutAndDeleted) {
    SComWrap<ISRptItem> source = Item("Late", "LATE");
    // Any result but S_OK refuses, a success code included.
    Switches(source.Get())->postResult = S_FALSE;
    SComWrap<ISRptItem> out;
    EXPECT_EQ(templ->AddTemplateItem(source.Get(), templ.Get(), -1, &out), S_FALSE);
    EXPECT_FALSE(out);
    EXPECT_THAT(log.events, ElementsAre("pre Late parent=0 inTemplate=0", "post Late parent=1 inTemplate=1",
                                        "delete Late"));
    ASSERT_EQ(log.hooked.size(), 2u);
    EXPECT_TRUE(IsDeleted(log.hooked[1].Get()));
    EXPECT_EQ(Switches(log.hooked[1].Get())->postAddCount, 0);
    EXPECT_THAT(ChildIds(templ.Get()), IsEmpty());
}

TEST_F(SRptTemplatePlacement, AFileItemsCopyAsksForItsFileAndIsNotAddedWithoutOne) {
    STestTempFolder temp;
    const SString picture = temp.GetPath() + "/picture.bmp";
    std::ofstream(picture.c_str()) << "content";
    const SString missing = temp.GetPath() + "/gone.bmp";
    SComWrap<ISRptItem> source = GraphicFile();

    script.ExpectFileDialog("");
    SComWrap<ISRptItem> out;
    EXPECT_EQ(templ->AddTemplateItem(source.Get(), templ.Get(), -1, &out), S_FALSE);
    EXPECT_FALSE(out);
    script.ExpectFileDialog(missing).ExpectMessage("File not found.");
    EXPECT_EQ(templ->AddTemplateItem(source.Get(), templ.Get(), -1, &out), kFileNotFound);
    EXPECT_FALSE(out);
    EXPECT_THAT(ChildIds(templ.Get()), IsEmpty());

    script.ExpectFileDialog(picture);
    ASSERT_EQ(templ->AddTemplateItem(source.Get(), templ.Get(), -1, &out), S_OK);
    EXPECT_EQ(ChildIds(templ.Get()), (std::vector<std::string>{"GRAPHICFILE"}));
    EXPECT_EQ(AbsPath(out.Get()), picture);
    EXPECT_TRUE(out->GetInTemplate());
    // The copy asked, not the available item.
    EXPECT_TRUE(AbsPath(source.Get()).IsEmpty());

    // A copy that has its file already goes in without a question.
    SComWrap<ISRptItem> again;
    ASSERT_EQ(templ->AddTemplateItem(out.Get(), templ.Get(), -1, &again), S_OK);
    EXPECT_EQ(AbsPath(again.Get()), picture);
    EXPECT_EQ(SInteraction::GetTranscript().size(), 4u);
}

// ---- the nearest droppable container ----

TEST_F(SRptTemplatePlacement, TheNearestDroppableContainerIsPlacedWithOnlyTheBranchToTheItem) {
    // Group > [Path > [Item, Beside], Other > [Under], Last]; Item and Path may not be dropped.
    SComWrap<ISRptItem> group = Container("Group", "GROUP");
    SComWrap<ISRptItem> path = Fixed(Container("Path", "PATH", group.Get()));
    SComWrap<ISRptItem> item = Fixed(Item("Item", "ITEM", path.Get()));
    Item("Beside", "BESIDE", path.Get());
    SComWrap<ISRptItem> other = Container("Other", "OTHER", group.Get());
    Item("Under", "UNDER", other.Get());
    Item("Last", "LAST", group.Get());

    SComWrap<ISRptItem> placed;
    ASSERT_EQ(templ->AddTemplateItemWithParent(item.Get(), templ.Get(), -1, &placed), S_OK);
    EXPECT_EQ(placed->GetLabel(), "Group");
    EXPECT_EQ(Labels(templ.Get()), (std::vector<std::string>{"Group"}));
    EXPECT_EQ(Labels(placed.Get()), (std::vector<std::string>{"Path"}));
    // Below the kept child the copy stays whole.
    SComWrap<ISRptItem> keptPath = Child(placed.Get(), 0);
    EXPECT_EQ(Labels(keptPath.Get()), (std::vector<std::string>{"Item", "Beside"}));
    EXPECT_TRUE(Child(keptPath.Get(), 1)->GetInTemplate());
    EXPECT_THAT(Deletions(), Contains("Other"));
    EXPECT_THAT(Deletions(), Contains("Last"));
    EXPECT_THAT(Deletions(), Not(Contains("Path")));
    // The source is untouched.
    EXPECT_EQ(Labels(group.Get()), (std::vector<std::string>{"Path", "Other", "Last"}));
}

TEST_F(SRptTemplatePlacement, SiblingsSharingAnItemIdOnThePathAreBothKept) {
    SComWrap<ISRptItem> group = Container("Group", "GROUP");
    SComWrap<ISRptItem> path = Fixed(Container("Path 1", "PATH", group.Get()));
    Fixed(Container("Path 2", "PATH", group.Get()));
    Item("Other", "OTHER", group.Get());
    SComWrap<ISRptItem> item = Fixed(Item("Item", "ITEM", path.Get()));

    SComWrap<ISRptItem> placed;
    ASSERT_EQ(templ->AddTemplateItemWithParent(item.Get(), templ.Get(), -1, &placed), S_OK);
    EXPECT_EQ(Labels(placed.Get()), (std::vector<std::string>{"Path 1", "Path 2"}));
}

TEST_F(SRptTemplatePlacement, ADroppableItemIsPlacedItselfWithOnlyTheChildrenOfItsOwnId) {
    // The ids on the way are the item's own only: children of other ids are not on it.
    SComWrap<ISRptItem> item = Container("Item", "ITEM");
    Item("Same id", "ITEM", item.Get());
    Item("Another", "ANOTHER", item.Get());

    SComWrap<ISRptItem> placed;
    ASSERT_EQ(templ->AddTemplateItemWithParent(item.Get(), templ.Get(), 0, &placed), S_OK);
    EXPECT_EQ(Labels(templ.Get()), (std::vector<std::string>{"Item"}));
    EXPECT_EQ(Labels(placed.Get()), (std::vector<std::string>{"Same id"}));
}

TEST_F(SRptTemplatePlacement, NothingIsPlacedWhenNoContainerOfTheItemMayBeDropped) {
    SComWrap<ISRptItem> group = Fixed(Container("Group", "GROUP"));
    SComWrap<ISRptItem> item = Fixed(Item("Item", "ITEM", group.Get()));
    SComWrap<ISRptItem> out;
    EXPECT_EQ(templ->AddTemplateItemWithParent(item.Get(), templ.Get(), -1, &out), kPointer);
    EXPECT_FALSE(out);
    EXPECT_THAT(ChildIds(templ.Get()), IsEmpty());
    EXPECT_THAT(log.events, IsEmpty());

    EXPECT_EQ(templ->AddTemplateItemWithParent(nullptr, templ.Get(), -1, &out), kPointer);
    EXPECT_EQ(templ->AddTemplateItemWithParent(item.Get(), nullptr, -1, &out), kPointer);
    EXPECT_EQ(templ->AddTemplateItemWithParent(item.Get(), templ.Get(), -1, nullptr), kPointer);
}

TEST_F(SRptTemplatePlacement, PruningStopsAtTheFirstChildThatWillNotBeDeleted) {
    SComWrap<ISRptItem> group = Container("Group", "GROUP");
    SComWrap<ISRptItem> item = Fixed(Item("Item", "ITEM", group.Get()));
    SComWrap<ISRptItem> stubborn = Item("Stubborn", "STUBBORN", group.Get());
    Item("After", "AFTER", group.Get());
    Switches(stubborn.Get())->refusedDelete = S_FALSE;

    SComWrap<ISRptItem> placed;
    EXPECT_EQ(templ->AddTemplateItemWithParent(item.Get(), templ.Get(), -1, &placed), S_FALSE);
    Switches(stubborn.Get())->refusedDelete = S_OK;
    ASSERT_TRUE(placed);
    EXPECT_EQ(Labels(placed.Get()), (std::vector<std::string>{"Item", "Stubborn", "After"}));
    EXPECT_EQ(Deletions(), (std::vector<std::string>{"Stubborn"}));
}

// ---- deleting ----

TEST_F(SRptTemplatePlacement, DeletingAPlacedItemDeletesItsBranchAndGivesTheItemsOwnResult) {
    SComWrap<ISRptItem> box = Container("Box", "BOX");
    Item("Inner", "INNER", box.Get());
    SComWrap<ISRptItem> stays = Item("Stays", "STAYS");
    SComWrap<ISRptItem> placedBox, placedStays;
    ASSERT_EQ(templ->AddTemplateItem(box.Get(), templ.Get(), -1, &placedBox), S_OK);
    ASSERT_EQ(templ->AddTemplateItem(stays.Get(), templ.Get(), -1, &placedStays), S_OK);
    SComWrap<ISRptItem> inner = Child(placedBox.Get(), 0);

    EXPECT_EQ(templ->DeleteTemplateItem(nullptr), kInvalidArg);
    Switches(placedStays.Get())->refusedDelete = E_ACCESSDENIED;
    EXPECT_EQ(templ->DeleteTemplateItem(placedStays.Get()), E_ACCESSDENIED);
    EXPECT_EQ(Labels(templ.Get()), (std::vector<std::string>{"Box", "Stays"}));

    EXPECT_EQ(templ->DeleteTemplateItem(placedBox.Get()), S_OK);
    EXPECT_TRUE(IsDeleted(placedBox.Get()));
    EXPECT_TRUE(IsDeleted(inner.Get()));
    EXPECT_EQ(Labels(templ.Get()), (std::vector<std::string>{"Stays"}));
    EXPECT_FALSE(IsDeleted(box.Get()));
}

// ---- the report follows its templates ----

TEST_F(SRptTemplatePlacement, ANewModuleReSyncsTheTemplateWithThatModulesItems) {
    SComWrap<ISRptModule> sales = Register("Sales", "Sales model");
    SComWrap<ISRptModule> costs = Register("Costs", "Costs model");
    RPTUSRITEMDEF def = Describe("Sales", "KEPT", RPT_ITEMKIND_GRPTEXT, "Kept");
    SComWrap<ISRptItem> registered;
    ASSERT_EQ(RptRegisterItem(sales.Get(), &def, &registered), S_OK);
    SComWrap<ISRptItem> placed;
    ASSERT_EQ(templ->AddTemplateItem(registered.Get(), templ.Get(), -1, &placed), S_OK);
    SComWrap<ISRptAvailableItems> available;
    EXPECT_EQ(report->GetAvailableItemsOfModule("Costs", &available), S_FALSE);

    // Costs does not offer KEPT: the template's copy goes, and the report takes Costs' items.
    EXPECT_EQ(templ->PutModuleID("Costs"), S_OK);
    EXPECT_THAT(ChildIds(templ.Get()), IsEmpty());
    EXPECT_TRUE(IsDeleted(placed.Get()));
    EXPECT_EQ(report->GetAvailableItemsOfModule("Costs", &available), S_OK);
}

TEST_F(SRptTemplatePlacement, TheReportCarriesTheNameOfTheTemplateRenamedLast) {
    SComWrap<ISRptTemplate> second;
    ASSERT_EQ(report->AddNewTemplate("Sales", 1, &second), S_OK);
    int32_t count = 0;
    ASSERT_EQ(report->GetTemplatesCount(&count), S_OK);
    ASSERT_EQ(count, 2);
    EXPECT_EQ(templ->PutName("Alpha"), S_OK);
    EXPECT_EQ(second->PutName("Beta"), S_OK);
    EXPECT_EQ(NameOf(report.Get()), "Beta");
    EXPECT_EQ(templ->PutName("Gamma"), S_OK);
    EXPECT_EQ(NameOf(report.Get()), "Gamma");
    EXPECT_EQ(templ->GetLabelInTemplate(), "Gamma");
}

TEST_F(SRptTemplatePlacement, ATemplateInNoReportHasNoParentAndIsRenamedAlone) {
    SComWrap<ISRptTemplate> alone;
    ASSERT_EQ(session->CreateObject(CLSID_SRptTemplate, reinterpret_cast<void**>(&alone), ISRptTemplate::iid), S_OK);
    ISRepObject* parent = reinterpret_cast<ISRepObject*>(report.Get());
    EXPECT_EQ(alone->ComputeParentReport(&parent), S_FALSE);
    EXPECT_EQ(parent, nullptr);
    EXPECT_EQ(alone->GetParentReport(), nullptr);
    const SString before = NameOf(report.Get());
    EXPECT_EQ(alone->PutName("Alone"), S_OK);
    EXPECT_EQ(alone->GetName(), "Alone");
    EXPECT_EQ(NameOf(report.Get()), before);
    EXPECT_EQ(alone->PutModuleID("Costs"), S_OK);
}
