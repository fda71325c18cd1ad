#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/repo/SRepObjectBaseMem.h"
#include "platform/repo/SRepVariant.h"
#include "rpt/module/SRptGlobalsContainer.h"
#include "rpt/module/SRptModuleTestFixture.h"
#include "rpt/objs/reports/SRptAvailableItemsMem.h"
#include "support/RptMetaclassCheck.h"
#include "support/SRptItemKindTestFixture.h"

namespace {

constexpr GUID kTitleClass = MakeGUID("{A6BAC8F9-B730-11D1-8898-00A02455633B}");

// A container in the test's session, holding [first, folder [inner], last] of test items, each
// with the item id "ID" (the folder "FOLDER") and the module id "M" unless a test says otherwise.
class SRptAvailableItemsTest : public SRptItemTestFixture {
protected:
    void SetUp() override {
        SRptItemTestFixture::SetUp();
        container = Make<ISRptAvailableItems>(CLSID_SRptAvailableItems);
        first = Child("first", false, container.Get());
        folder = Child("folder", true, container.Get());
        folder->PutItemID("FOLDER");
        inner = Child("inner", false, folder.Get());
        last = Child("last", false, container.Get());
    }
    void TearDown() override {
        first.Clear();
        folder.Clear();
        inner.Clear();
        last.Clear();
        container->Delete();
        container.Clear();
        SRptItemTestFixture::TearDown();
    }
    SComWrap<ISRptItem> Child(const char* label, bool isContainer, ISRptItem* parent) {
        SComWrap<ISRptItem> item = Item(label, isContainer, parent);
        item->PutItemID("ID");
        item->PutModuleID("M");
        return item;
    }
    // The label of what FindItem finds ("none" for nothing), checking its result.
    std::string Find(const GUID& clsid, const char* itemId, const char* moduleId, ISRptItem* from = nullptr,
                     ISRptItem* to = nullptr) {
        SComWrap<ISRptItem> found;
        EXPECT_EQ(container->FindItem(clsid, itemId, moduleId, from, to, &found), S_OK);
        return found ? found->GetLabel().str() : std::string("none");
    }
    static std::vector<std::string> Labels(ISRptItem* parent) { return SRptChildTexts(parent, &ISRptItem::GetLabel); }

    SComWrap<ISRptAvailableItems> container;
    SComWrap<ISRptItem> first, folder, inner, last;
};

}  // namespace

TEST_F(SRptAvailableItemsTest, ANewContainerIsNamedAndLabelledAsAvailableItems) {
    SComWrap<ISRptAvailableItems> fresh = Make<ISRptAvailableItems>(CLSID_SRptAvailableItems);
    EXPECT_EQ(fresh->GetName(), "Available Items");
    EXPECT_EQ(fresh->GetCode(), "");
    EXPECT_EQ(fresh->GetLabel(), "Available items");
    SRepVariant value;
    EXPECT_EQ(fresh->GetAttributeDefault(SREP_DISPID_NAME, &value), S_OK);
    EXPECT_EQ(value.GetText(), "Available Items");
    EXPECT_EQ(fresh->GetAttributeType(SREP_DISPID_NAME), 0x900FEu);
    EXPECT_EQ(fresh->GetAttributeFlags(SREP_DISPID_CODE), 0u);
    EXPECT_EQ(fresh->GetAttribute(-1, &value), E_FAIL);
    int32_t checked = 0;
    EXPECT_TRUE(RptAnswersAsItsMetaclass(fresh.Get(), &checked));

    // A copy keeps the name and the code.
    fresh->PutName("Orders");
    fresh->PutCode("ORD");
    SComWrap<ISRepObject> copyObject;
    ASSERT_EQ(fresh->Duplicate(nullptr, SREP_DUPLICATE_DEEP, nullptr, &copyObject), S_OK);
    SComWrap<ISRptAvailableItems> copy;
    copy = copyObject;
    EXPECT_EQ(copy->GetName(), "Orders");
    EXPECT_EQ(copy->GetCode(), "ORD");
}

TEST_F(SRptAvailableItemsTest, ItsKindsCollectionsAndCommands) {
    for (int32_t id : {0x02000151, 0x02800151, 0x02006090, 0x02806551, 0x04000199, 0x0480019F})
        EXPECT_TRUE(container->HasCollection(id)) << std::hex << id;
    for (int32_t id : {0x02006550, 0x02006551, 0x02806550, -1}) EXPECT_FALSE(container->HasCollection(id)) << id;
    for (const GUID& clsid :
         {MakeGUID("{A6BAC8CF-B730-11D1-8898-00A02455633B}"), MakeGUID("{A6BAC8E3-B730-11D1-8898-00A02455633B}"),
          MakeGUID("{A6BAC8D3-B730-11D1-8898-00A02455633B}"), MakeGUID("{A6BAC8D0-B730-11D1-8898-00A02455633B}"),
          MakeGUID("{362D41E0-9D82-11D1-8E5D-444553540000}"), MakeGUID("{362D41EA-9D82-11D1-8E5D-444553540000}")})
        EXPECT_TRUE(container->IsKindOf(clsid)) << GUIDToString(clsid);
    EXPECT_FALSE(container->IsKindOf(MakeGUID("{A6BAC8F6-B730-11D1-8898-00A02455633B}")));  // no template
    // A container of items that offers no command and is no entry of a table of contents.
    EXPECT_TRUE(container->GetContainer());
    for (uint32_t command : {45006u, 45007u, 45008u, 45009u})
        EXPECT_EQ(container->IsItemSupportCommand(command), S_FALSE);
    EXPECT_EQ(container->HandlePopupCommand(45006, SComTable<ISRepObject>(), nullptr), S_OK);
    RPTTBLCTSENTRY entry{};
    EXPECT_EQ(container->GetTblCtsEntry(&entry), S_OK);
    EXPECT_EQ(entry.HasEntry, 0);
}

TEST_F(SRptAvailableItemsTest, ADescriptionBuildsTheItemPartWithoutParagraphs) {
    EXPECT_EQ(container->ConstructWithItemDef(nullptr), E_POINTER);
    RPTUSRITEMDEF def;
    def.ItemID = "ALLITEMS";
    def.ModuleID = "Orders";
    def.Label = "Everything";
    EXPECT_EQ(container->ConstructWithItemDef(&def), S_OK);
    EXPECT_EQ(container->GetItemID(), "ALLITEMS");
    EXPECT_EQ(container->GetModuleID(), "Orders");
    EXPECT_EQ(container->GetLabel(), "Everything");
    EXPECT_EQ(container->Paragraphs().GetCount(), 0);
}

TEST_F(SRptAvailableItemsTest, ItemsAndSubItemsAreAppendedWhereTheyBelong) {
    EXPECT_EQ(container->AddItem(nullptr), S_OK);
    EXPECT_EQ(Labels(container.Get()), (std::vector<std::string>{"first", "folder", "last"}));
    SComWrap<ISRptItem> added = Item("added");
    EXPECT_EQ(container->AddSubItem(added.Get(), nullptr), S_OK);
    EXPECT_EQ(container->AddSubItem(nullptr, folder.Get()), S_OK);
    EXPECT_EQ(Labels(container.Get()), (std::vector<std::string>{"first", "folder", "last"}));
    EXPECT_EQ(Labels(folder.Get()), std::vector<std::string>{"inner"});

    EXPECT_EQ(container->AddSubItem(added.Get(), folder.Get()), S_OK);
    EXPECT_EQ(Labels(folder.Get()), (std::vector<std::string>{"inner", "added"}));
    EXPECT_EQ(Labels(container.Get()), (std::vector<std::string>{"first", "folder", "last"}));
    SComWrap<ISRptItem> appended = Item("appended");
    EXPECT_EQ(container->AddItem(appended.Get()), S_OK);
    EXPECT_EQ(Labels(container.Get()), (std::vector<std::string>{"first", "folder", "last", "appended"}));
}

TEST_F(SRptAvailableItemsTest, FindItemReturnsTheLastMatchWalked) {
    EXPECT_EQ(Find(kTitleClass, "ID", "M"), "none");  // no item of that class
    // first, inner and last match; the walk goes first, folder, inner, last.
    EXPECT_EQ(Find(CLSID_SRptTestItem, "ID", "M"), "last");
    last->PutItemID("OTHER");
    EXPECT_EQ(Find(CLSID_SRptTestItem, "ID", "M"), "inner");
    EXPECT_EQ(Find(CLSID_SRptTestItem, "id", "M"), "none");  // case-sensitive
    EXPECT_EQ(Find(CLSID_SRptTestItem, "ID", "m"), "none");
    SComWrap<ISRptItem> found;
    EXPECT_EQ(container->FindItem(CLSID_SRptTestItem, "ID", "M", nullptr, nullptr, nullptr), E_POINTER);
}

TEST_F(SRptAvailableItemsTest, FindItemStartsAtItsFirstItemAndSkipsTheChildrenOfItsLastOne) {
    // Nothing before the first item is tested, the first item itself is.
    inner->PutItemID("OTHER");
    EXPECT_EQ(Find(CLSID_SRptTestItem, "ID", "M", last.Get()), "last");
    last->PutItemID("OTHER");
    EXPECT_EQ(Find(CLSID_SRptTestItem, "ID", "M", folder.Get()), "none");
    EXPECT_EQ(Find(CLSID_SRptTestItem, "ID", "M", first.Get()), "first");
    // The children of the last item are not looked into; the item itself and those after it are.
    inner->PutItemID("ID");
    EXPECT_EQ(Find(CLSID_SRptTestItem, "ID", "M"), "inner");
    EXPECT_EQ(Find(CLSID_SRptTestItem, "ID", "M", nullptr, folder.Get()), "first");
    last->PutItemID("ID");
    EXPECT_EQ(Find(CLSID_SRptTestItem, "ID", "M", nullptr, folder.Get()), "last");
    last->PutItemID("OTHER");
    folder->PutItemID("ID");
    EXPECT_EQ(Find(CLSID_SRptTestItem, "ID", "M", nullptr, folder.Get()), "folder");
    EXPECT_EQ(Find(CLSID_SRptTestItem, "ID", "M", folder.Get(), folder.Get()), "folder");
}

TEST_F(SRptAvailableItemsTest, TheSearchCallBackTakesOnlyItsOwnKind) {
    SRptAvailableItemsImpl* impl = dynamic_cast<SRptAvailableItemsImpl*>(static_cast<ISRepObject*>(container.Get()));
    ASSERT_NE(impl, nullptr);
    RPTSCANINFO info;
    EXPECT_EQ(impl->Dispatch(4, first.Get(), &info), E_INVALIDARG);
    EXPECT_EQ(impl->Dispatch(1, first.Get(), &info), E_INVALIDARG);
}

TEST_F(SRptAvailableItemsTest, ItsBrowserNodeIsTheEditorsNodeOfAnAvailableItemsContainer) {
    SRptBrowserNodeItem* node = reinterpret_cast<SRptBrowserNodeItem*>(0x10);
    EXPECT_EQ(container->CreateBrowserNode(nullptr, 1, nullptr, nullptr, 7, false, &node), E_FAIL);  // nowhere to go
    EXPECT_EQ(node, nullptr);
    STestItemEditor editor;
    STestItemEditorScope scope(&editor);
    EXPECT_EQ(container->CreateBrowserNode(nullptr, 1, nullptr, nullptr, 7, true, &node), S_OK);
    EXPECT_EQ(editor.nodeKind, SRptBrowserNodeKind::Available);
    EXPECT_TRUE(editor.nodeInTemplateEditor);
    EXPECT_TRUE(Same(editor.bound.item, container.Get()));
    EXPECT_EQ(editor.bound.draggable, 2u);
    EXPECT_EQ(editor.bound.dispid, 7);
}

TEST_F(SRptAvailableItemsTest, TheBuiltInItemsAreMadeInOrderAndEnteredInTheModuleItemTable) {
    SRptModuleItemTable* table = GetRptGlobalsContainer()->GetModuleItemTable();
    const int32_t rows = table->GetCount();
    SComWrap<ISRptAvailableItems> made = Make<ISRptAvailableItems>(CLSID_SRptAvailableItems);
    made->PutModuleID("Built-in");
    ASSERT_EQ(made->CreateCommonItems(), S_OK);

    struct Expected {
        const char* itemId;
        GUID clsid;
        const char* label;
        bool tocEntry;
    };
    const Expected expected[] = {
        {"TBLCTS", MakeGUID("{A6BAC8F5-B730-11D1-8898-00A02455633B}"), "Table of contents", false},
        {"TITLE", MakeGUID("{A6BAC8F9-B730-11D1-8898-00A02455633B}"), "Title", true},
        {"TEXT", MakeGUID("{A6BAC8F7-B730-11D1-8898-00A02455633B}"), "Text paragraph", false},
        {"TEXTFILE", MakeGUID("{A6BAC8F8-B730-11D1-8898-00A02455633B}"), "Text file", true},
        {"GRAPHICFILE", MakeGUID("{A6BAC8DF-B730-11D1-8898-00A02455633B}"), "Graphic file", true},
        {"PAGEBREAK", MakeGUID("{A6BAC8EE-B730-11D1-8898-00A02455633B}"), "Page break", false},
    };
    SRepClassColPtr items = made->Items();
    ASSERT_EQ(items.GetCount(), 6);
    for (int32_t i = 0; i < 6; ++i) {
        SCOPED_TRACE(expected[i].itemId);
        SComWrap<ISRptItem> item;
        item = static_cast<IUnknown*>(items.Item(i).Get());
        EXPECT_EQ(item->GetClassID(), expected[i].clsid);
        EXPECT_EQ(item->GetItemID(), expected[i].itemId);
        EXPECT_EQ(item->GetModuleID(), "Built-in");
        EXPECT_EQ(item->GetLabel(), expected[i].label);
        EXPECT_EQ(item->GetTOCEntry(), expected[i].tocEntry);
        EXPECT_FALSE(item->GetInTemplate());
        EXPECT_FALSE(item->GetModified());
        const SRptModuleItemTable::Node row = table->GetEntry(SRptModuleItemTableEntry("Built-in", expected[i].itemId));
        ASSERT_TRUE(row);
        EXPECT_TRUE(Same(row.GetValue().Get(), item.Get()));
    }
    EXPECT_EQ(table->GetCount(), rows + 6);
    // The built-in title is found like any registered item.
    SComWrap<ISRptItem> title;
    ASSERT_EQ(made->FindItem(kTitleClass, "TITLE", "Built-in", nullptr, nullptr, &title), S_OK);
    ASSERT_TRUE(title);
    EXPECT_EQ(title->GetLabel(), "Title");

    table->DropModule("Built-in");
    title.Clear();
    made->Delete();
}

TEST_F(SRptAvailableItemsTest, AContainerWithoutModuleIdGivesItemsAndKeysWithoutOne) {
    SRptModuleItemTable* table = GetRptGlobalsContainer()->GetModuleItemTable();
    const int32_t rows = table->GetCount();
    SComWrap<ISRptAvailableItems> made = Make<ISRptAvailableItems>(CLSID_SRptAvailableItems);
    ASSERT_EQ(made->CreateCommonItems(), S_OK);
    SComWrap<ISRptItem> first;
    first = static_cast<IUnknown*>(made->Items().Item(0).Get());
    EXPECT_EQ(first->GetModuleID(), "");
    EXPECT_TRUE(table->GetEntry(SRptModuleItemTableEntry("", "PAGEBREAK")));
    EXPECT_EQ(table->GetCount(), rows + 6);
    table->DropModule("");
    EXPECT_EQ(table->GetCount(), rows);
    first.Clear();
    made->Delete();
}
