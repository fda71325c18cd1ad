#include <gtest/gtest.h>

#include "platform/repo/SRepKindTests.h"
#include "platform/ui/SWnd.h"
#include "platform/repo/SRepVariant.h"
#include "support/SRptItemTestFixture.h"
#include "support/STestRptProcs.h"
#include "varod9/ISRptTemplate.h"

namespace {

constexpr HRESULT kAccessDenied = static_cast<HRESULT>(0x80070005u);

class SRptItem : public SRptItemTestFixture {
protected:
    void TearDown() override {
        report.Clear();
        SRptItemTestFixture::TearDown();
    }
    // A report owning a template: the root of an item tree in a template.
    SComWrap<ISRptTemplate> ReportTemplate() {
        report = Make<ISRptReport>(CLSID_SRptTestReport);
        SComWrap<ISRptTemplate> reportTemplate =
            MakeIn<ISRptTemplate>(report.Get(), CLSID_SRptTestTemplate, TESTREPORT_TEMPLATES);
        reportTemplate->PutInTemplate(true);
        return reportTemplate;
    }
    SComWrap<ISRptReport> report;
};

RPTUSRITEMDEF Describe(const char* itemID, const char* label) {
    RPTUSRITEMDEF def;
    def.ItemID = itemID;
    def.ModuleID = "MODEL";
    def.Label = label;
    return def;
}

}  // namespace

TEST_F(SRptItem, AnItemBuiltFromADescriptionCarriesItsIdentityLabelAndFlags) {
    SComWrap<ISRptItem> item = Item("old");
    item->PutInTemplate(true);
    item->PutModified(true);
    RPTUSRITEMDEF def = Describe("ENTITY", "Entities");
    def.Size = 0xDEADBEEF;  // the first two words are never read
    def.Reserved = 0xFFFFFFFF;
    def.TOCEntry = 2;
    def.LangSectn = 3;
    def.Image = 7;
    ASSERT_EQ(item->ConstructWithItemDef(&def), S_OK);
    EXPECT_EQ(item->GetItemID(), "ENTITY");
    EXPECT_EQ(item->GetModuleID(), "MODEL");
    EXPECT_EQ(item->GetLabel(), "Entities");
    EXPECT_TRUE(item->GetTOCEntry());
    EXPECT_FALSE(item->GetInTemplate());
    EXPECT_FALSE(item->GetModified());
    EXPECT_EQ(item->GetLangSectn(), 3);
    EXPECT_EQ(item->GetImage(), 7);
    EXPECT_EQ(item->GetExpImage(), 7);
    EXPECT_EQ(item->ConstructWithItemDef(nullptr), E_POINTER);

    def.TOCEntry = 0;
    ASSERT_EQ(item->ConstructWithItemDef(&def), S_OK);
    EXPECT_FALSE(item->GetTOCEntry());
}

TEST_F(SRptItem, ADescriptionIsPutFieldByFieldInItsOrder) {
    // Each field goes through the item's own put, so that a sink (or a derived class) sees them
    // one by one: TOCEntry, InTemplate, Modified, LangSectn, Label, Image, ExpImage, ItemID,
    // ModuleID.
    SComWrap<ISRptItem> item = Item("old");
    item->PutInTemplate(true);
    item->PutModified(true);
    SComWrap<STestChangeSink> sink(new STestChangeSink);
    ASSERT_EQ(item->Advise(SREP_NOTIFY_CHANGE, sink.Get()), S_OK);
    RPTUSRITEMDEF def = Describe("ENTITY", "Entities");
    def.TOCEntry = 1;
    def.LangSectn = 3;
    def.Image = 7;
    ASSERT_EQ(item->ConstructWithItemDef(&def), S_OK);
    const std::vector<int32_t> expected = {0x02006104, 0x02006105, 0x02006106, 0x02006100, 0x0200610C,
                                           0x02006101, 0x02006102, 0x02006108, 0x02006109};
    EXPECT_EQ(sink->changes, expected);
    item->Unadvise(sink.Get());
}

TEST_F(SRptItem, TheAttributeProtocolAnswersTheItemsIds) {
    SComWrap<ISRptItem> item = Item("Label");
    Test(item.Get())->container = true;
    SRepVariant value;
    value.SetText("Entities");
    ASSERT_EQ(item->SetAttribute(RPTITEM_LABEL, value), S_OK);
    EXPECT_EQ(item->GetLabel(), "Entities");
    value.SetShort(4);
    ASSERT_EQ(item->SetAttribute(RPTITEM_LANGSECTN, value), S_OK);
    value.SetBool(true);
    ASSERT_EQ(item->SetAttribute(RPTITEM_TOCENTRY, value), S_OK);
    EXPECT_EQ(item->SetAttribute(RPTITEM_IMAGE, value), S_OK);  // a bool reads as an int
    value.SetText("x");
    EXPECT_EQ(item->SetAttribute(RPTITEM_IMAGE, value), DISP_E_TYPEMISMATCH);

    ASSERT_EQ(item->GetAttribute(RPTITEM_LANGSECTN, &value), S_OK);
    EXPECT_EQ(value.GetType(), SREP_VT_SHORT);
    EXPECT_EQ(value.GetShort(), 4);
    ASSERT_EQ(item->GetAttribute(RPTITEM_CONTAINER, &value), S_OK);
    EXPECT_EQ(value.GetType(), SREP_VT_BOOL);
    EXPECT_TRUE(value.GetBool());
    // The label in the template is the repository's display name.
    ASSERT_EQ(item->GetAttribute(0x0100000B, &value), S_OK);
    EXPECT_EQ(value.GetType(), SREP_VT_TEXT);
    EXPECT_EQ(value.GetText(), "Entities");
    Test(item.Get())->availablePrefix = "Available ";
    ASSERT_EQ(item->GetAttribute(RPTITEM_LABELINAVAILABLE, &value), S_OK);
    EXPECT_EQ(value.GetText(), "Available Entities");
    ASSERT_EQ(item->GetAttribute(RPTITEM_ITEMS, &value), S_OK);
    EXPECT_EQ(value.GetType(), SREP_VT_COLLECTION);
    ASSERT_NE(value.GetCollection(), nullptr);
    EXPECT_EQ(value.GetCollection()->GetCollectionID(), RPTITEM_ITEMS);

    // 0x02006107 and 0x0200610B are no attributes: they go on and fail further down.
    EXPECT_EQ(item->GetAttribute(0x02006107, &value), DISP_E_MEMBERNOTFOUND);
    EXPECT_FALSE(item->HasAttribute(0x02006107));
    EXPECT_FALSE(item->HasAttribute(0x0200610B));
    // The computed ones cannot be written.
    value.SetBool(true);
    EXPECT_EQ(item->SetAttribute(RPTITEM_CONTAINER, value), DISP_E_MEMBERNOTFOUND);

    ASSERT_EQ(item->GetAttributeDefault(RPTITEM_IMAGE, &value), S_OK);
    EXPECT_EQ(value.GetType(), SREP_VT_INT);
    // The computed ones have defaults of their own, whatever the item answers at the moment.
    ASSERT_EQ(item->GetAttributeDefault(RPTITEM_CONTAINER, &value), S_OK);
    EXPECT_EQ(value.GetType(), SREP_VT_BOOL);
    EXPECT_FALSE(value.GetBool());
    for (int32_t id : {RPTITEM_LABELINAVAILABLE, RPTITEM_LABELINTEMPLATE}) {
        value.SetText("stale");
        ASSERT_EQ(item->GetAttributeDefault(id, &value), S_OK) << std::hex << id;
        EXPECT_EQ(value.GetType(), SREP_VT_TEXT);
        EXPECT_TRUE(value.GetText().IsEmpty());
    }
    EXPECT_EQ(item->GetAttribute(-1, &value), E_FAIL);
    EXPECT_TRUE(SExceptionDialog::GetReports().empty());

    for (const GUID& clsid : {CLSID_SRptItem, CLSID_SRptGrpMember, CLSID_SRptParaContainer, CLSID_SRptBase})
        EXPECT_TRUE(SRepIsKindOf(item.Get(), clsid));
    EXPECT_FALSE(SRepIsKindOf(item.Get(), CLSID_SRptCustom));
    EXPECT_TRUE(item->HasCollection(RPTITEM_PARENT));
}

TEST_F(SRptItem, LabelsAppendAFirstLineCutWithoutSplittingCharacters) {
    EXPECT_EQ(SRptItemImpl::LabelWithFirstLine("Label", ""), "Label");
    EXPECT_EQ(SRptItemImpl::LabelWithFirstLine("Label", "Title\nsecond"), "Label - Title");
    EXPECT_EQ(SRptItemImpl::LabelWithFirstLine("Label", "\nsecond"), "Label - ");
    const SString exact(35, 'a');
    EXPECT_EQ(SRptItemImpl::LabelWithFirstLine("L", exact, 35), "L - " + exact);
    EXPECT_EQ(SRptItemImpl::LabelWithFirstLine("L", exact + "b", 35), "L - " + exact + "...");
    SString accents;
    for (int i = 0; i < 40; ++i) accents += "\xC3\xA9";  // é, two bytes each
    const SString cut = SRptItemImpl::LabelWithFirstLine("L", accents, 35);
    EXPECT_EQ(cut, "L - " + accents.Left(70) + "...");
    EXPECT_EQ(SRptItemImpl::LabelWithFirstLine("L", accents.Left(70), 35), "L - " + accents.Left(70));
}

TEST_F(SRptItem, ARegisteredItemGivesItsLabelAndIsHeldUntilReplacedOrDeleted) {
    SComWrap<ISRptItem> available = Item("Entities");
    Test(available.Get())->availablePrefix = "All ";
    SComWrap<ISRptTemplate> copy = Make<ISRptTemplate>(CLSID_SRptTestTemplate);
    copy->PutLabel("mine");
    const int32_t refs = Refs(available.Get());

    ASSERT_EQ(copy->SetRegisteredItem(available.Get()), S_OK);
    EXPECT_EQ(copy->GetLabel(), "All Entities");
    EXPECT_EQ(Refs(available.Get()), refs + 1);
    ASSERT_EQ(copy->SetRegisteredItem(available.Get()), S_OK);  // the same one again adds nothing
    EXPECT_EQ(Refs(available.Get()), refs + 1);
    SComWrap<ISRptItem> registered;
    ASSERT_EQ(copy->GetRegisteredItem(&registered), S_OK);
    EXPECT_TRUE(Same(registered.Get(), available.Get()));
    registered.Clear();
    EXPECT_EQ(copy->GetRegisteredItem(nullptr), E_POINTER);

    // A copy comes from the same registered item.
    SComWrap<ISRepObject> duplicate;
    ASSERT_EQ(copy->Duplicate(nullptr, 0, nullptr, &duplicate), S_OK);
    EXPECT_EQ(Refs(available.Get()), refs + 2);
    ASSERT_EQ(duplicate->Delete(), S_OK);
    EXPECT_EQ(Refs(available.Get()), refs + 1);
    duplicate.Clear();

    copy->PutLabel("renamed");
    ASSERT_EQ(copy->SetRegisteredItem(nullptr), S_OK);
    EXPECT_EQ(copy->GetLabel(), "renamed");
    EXPECT_EQ(Refs(available.Get()), refs);
    ASSERT_EQ(copy->GetRegisteredItem(&registered), S_OK);
    EXPECT_FALSE(registered);
}

TEST_F(SRptItem, AnItemRegisteredToItselfDoesNotKeepItselfAlive) {
    // Registration makes an item its own registered item; it must still go with its session.
    SComWrap<ISRptItem> container = Item("container", true);
    SComWrap<ISRptItem> item = Item("Entities", false, container.Get());
    Test(item.Get())->availablePrefix = "All ";
    const int32_t refs = Refs(item.Get());

    ASSERT_EQ(item->SetRegisteredItem(item.Get()), S_OK);
    EXPECT_EQ(item->GetLabel(), "All Entities");
    EXPECT_EQ(Refs(item.Get()), refs);
    SComWrap<ISRptItem> registered;
    ASSERT_EQ(item->GetRegisteredItem(&registered), S_OK);
    EXPECT_TRUE(Same(registered.Get(), item.Get()));
    EXPECT_EQ(Refs(item.Get()), refs + 1);
    registered.Clear();

    // A copy of it is registered to the item it was copied from, and holds it.
    SComWrap<ISRepObject> duplicate;
    ASSERT_EQ(item->Duplicate(nullptr, 0, nullptr, &duplicate), S_OK);
    SComWrap<ISRptItem> copy;
    copy.Assign(duplicate.Get());
    ASSERT_EQ(copy->GetRegisteredItem(&registered), S_OK);
    EXPECT_TRUE(Same(registered.Get(), item.Get()));
    EXPECT_FALSE(Same(registered.Get(), copy.Get()));
    registered.Clear();
    ASSERT_EQ(duplicate->Delete(), S_OK);
    duplicate.Clear();
    copy.Clear();
    EXPECT_EQ(Refs(item.Get()), refs);

    // Another registration replaces the self-registration; registering to itself again holds
    // nothing.
    SComWrap<ISRptItem> other = Item("Other");
    ASSERT_EQ(item->SetRegisteredItem(other.Get()), S_OK);
    ASSERT_EQ(item->GetRegisteredItem(&registered), S_OK);
    EXPECT_TRUE(Same(registered.Get(), other.Get()));
    registered.Clear();
    ASSERT_EQ(item->SetRegisteredItem(item.Get()), S_OK);
    EXPECT_EQ(Refs(item.Get()), refs);
    // The fixture's end checks that the item and its container are gone with the session.
}

TEST_F(SRptItem, GetTemplateFollowsTheParentsOfAnItemMarkedInATemplate) {
    SComWrap<ISRptTemplate> reportTemplate = ReportTemplate();
    SComWrap<ISRptItem> folder = Item("folder", true, reportTemplate.Get());
    SComWrap<ISRptItem> leaf = Item("leaf", false, folder.Get());
    SComWrap<ISRptTemplate> found;
    EXPECT_EQ(leaf->GetTemplate(nullptr), E_POINTER);

    // Not marked: no template, even under one.
    ASSERT_EQ(leaf->GetTemplate(&found), S_OK);
    EXPECT_FALSE(found);

    ASSERT_EQ(reportTemplate->SetInTemplateRecursive(true), S_OK);
    EXPECT_TRUE(folder->GetInTemplate());
    EXPECT_TRUE(leaf->GetInTemplate());
    ASSERT_EQ(leaf->GetTemplate(&found), S_OK);
    EXPECT_TRUE(Same(found.Get(), reportTemplate.Get()));
    ASSERT_EQ(reportTemplate->GetTemplate(&found), S_OK);
    EXPECT_TRUE(Same(found.Get(), reportTemplate.Get()));

    // Marked, but its parents end without a template.
    SComWrap<ISRptItem> loose = Item("loose", true);
    SComWrap<ISRptItem> child = Item("child", false, loose.Get());
    child->PutInTemplate(true);
    EXPECT_EQ(child->GetTemplate(&found), S_FALSE);
    EXPECT_FALSE(found);

    ASSERT_EQ(folder->SetInTemplateRecursive(false), S_OK);
    EXPECT_FALSE(leaf->GetInTemplate());
    EXPECT_TRUE(reportTemplate->GetInTemplate());
}

TEST_F(SRptItem, PostAddTemplateItemReachesEveryChildAndStopsAtTheFirstFailure) {
    SComWrap<ISRptItem> root = Item("root", true);
    SComWrap<ISRptItem> first = Item("first", true, root.Get());
    SComWrap<ISRptItem> nested = Item("nested", false, first.Get());
    SComWrap<ISRptItem> second = Item("second", false, root.Get());
    ASSERT_EQ(root->PostAddTemplateItem(), S_OK);
    for (ISRptItem* item : {root.Get(), first.Get(), nested.Get(), second.Get()})
        EXPECT_EQ(Test(item)->postAddCount, 1) << item->GetLabel().c_str();

    Test(nested.Get())->postAddResult = kAccessDenied;
    EXPECT_EQ(root->PostAddTemplateItem(), kAccessDenied);
    EXPECT_EQ(Test(second.Get())->postAddCount, 1);  // not reached
}

TEST_F(SRptItem, TheBaseItemSuppliesNoTableOfContentsEntry) {
    SComWrap<ISRptTemplate> reportTemplate = Make<ISRptTemplate>(CLSID_SRptTestTemplate);
    RPTTBLCTSENTRY entry;
    entry.Text = "untouched";
    EXPECT_EQ(reportTemplate->GetTblCtsEntry(&entry), S_OK);
    EXPECT_EQ(entry.HasEntry, 0);
    EXPECT_EQ(entry.Text, "untouched");
    EXPECT_EQ(reportTemplate->GetTblCtsEntry(nullptr), E_INVALIDARG);
}

TEST_F(SRptItem, BrowserNodesAndCommandsAreTheKindsOwn) {
    SComWrap<ISRptItem> item = Item("item");
    auto* browser = reinterpret_cast<ISBrowserView*>(0x10);
    auto* parent = reinterpret_cast<ISBrowserNode*>(0x20);
    auto* previous = reinterpret_cast<ISBrowserNode*>(0x30);
    SRptBrowserNodeItem* node = nullptr;
    EXPECT_EQ(item->CreateBrowserNode(browser, 3, parent, previous, 0x0200610C, true, &node), TESTITEM_NODE_RESULT);
    const SRptTestItemImpl::NodeCall& call = Test(item.Get())->lastNodeCall;
    EXPECT_EQ(call.browser, browser);
    EXPECT_EQ(call.draggable, 3u);
    EXPECT_EQ(call.parent, parent);
    EXPECT_EQ(call.previous, previous);
    EXPECT_EQ(call.dispid, 0x0200610C);
    EXPECT_TRUE(call.templateEditor);
    EXPECT_EQ(call.out, &node);
    EXPECT_EQ(item->CreateBrowserNode(browser, 3, parent, previous, 0, true, nullptr), E_POINTER);
    EXPECT_EQ(Test(item.Get())->nodeCalls, 1);

    SComTable<ISRepObject> selection;
    selection.Add(item.Get());
    SWnd window("parent");
    EXPECT_EQ(item->HandlePopupCommand(TESTITEM_COMMAND, selection, &window), S_OK);
    EXPECT_EQ(Test(item.Get())->lastSelectionSize, 1);
    EXPECT_EQ(Test(item.Get())->lastCommandWindow, &window);
    EXPECT_EQ(item->HandlePopupCommand(45008, selection, nullptr), S_FALSE);
    EXPECT_EQ(Test(item.Get())->lastCommand, 45008u);
}
