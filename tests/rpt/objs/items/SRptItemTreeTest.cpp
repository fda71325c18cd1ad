#include <gtest/gtest.h>

#include "platform/base/SECOMException.h"
#include "support/SRptItemTestFixture.h"
#include "varod9/ISRptTemplate.h"

namespace {

// A report's template holding [text, folder, last]; the folder holds [inner, innerLast].
class SRptItemTree : public SRptItemTestFixture {
protected:
    void SetUp() override {
        SRptItemTestFixture::SetUp();
        report = Make<ISRptReport>(CLSID_SRptTestReport);
        root = MakeIn<ISRptTemplate>(report.Get(), CLSID_SRptTestTemplate, TESTREPORT_TEMPLATES);
        root->PutLabel("template");
        text = Item("text", false, root.Get());
        folder = Item("folder", true, root.Get());
        last = Item("last", false, root.Get());
        inner = Item("inner", false, folder.Get());
        innerLast = Item("innerLast", true, folder.Get());
    }
    void TearDown() override {
        text.Clear();
        folder.Clear();
        last.Clear();
        inner.Clear();
        innerLast.Clear();
        root.Clear();
        report.Clear();
        SRptItemTestFixture::TearDown();
    }
    static int32_t Pos(ISRptItem* item) {
        int32_t pos = -2;
        item->GetPosInParentCollection(&pos);
        return pos;
    }
    // Where a drop onto `target` puts an item, as "label@position" ("none@0" without a parent).
    static std::string Drop(ISRptItem* mover, ISRptItem* target, bool insertAfterFolder, HRESULT expected = S_OK) {
        SComWrap<ISRptItem> parent;
        int32_t pos = -2;
        EXPECT_EQ(mover->ComputeParentTargetAndPos(target, insertAfterFolder, &parent, &pos), expected);
        return (parent ? parent->GetLabel().str() : std::string("none")) + "@" + std::to_string(pos);
    }

    SComWrap<ISRptReport> report;
    SComWrap<ISRptTemplate> root;
    SComWrap<ISRptItem> text, folder, last, inner, innerLast;
};

}  // namespace

TEST_F(SRptItemTree, ParentsPositionsAndChildren) {
    SComWrap<ISRptItem> parent;
    ASSERT_EQ(inner->GetParentItem(&parent), S_OK);
    EXPECT_TRUE(Same(parent.Get(), folder.Get()));
    EXPECT_EQ(root->GetParentItem(&parent), S_FALSE);  // owned by the report, not by an item
    EXPECT_FALSE(parent);
    EXPECT_EQ(inner->GetParentItem(nullptr), E_INVALIDARG);

    EXPECT_EQ(Pos(text.Get()), 0);
    EXPECT_EQ(Pos(last.Get()), 2);
    EXPECT_EQ(Pos(innerLast.Get()), 1);
    int32_t pos = 5;
    EXPECT_EQ(root->GetPosInParentCollection(&pos), S_FALSE);  // the report has no Items
    EXPECT_EQ(pos, -1);
    SComWrap<ISRptItem> loose = Item("loose");
    EXPECT_EQ(loose->GetPosInParentCollection(&pos), S_FALSE);
    EXPECT_EQ(pos, -1);
    EXPECT_EQ(loose->GetPosInParentCollection(nullptr), E_INVALIDARG);

    int32_t count = 0;
    ASSERT_EQ(root->GetChildCount(&count), S_OK);
    EXPECT_EQ(count, 3);
    EXPECT_EQ(root->GetChildCount(nullptr), E_POINTER);
    SComWrap<ISRepObject> child;
    ASSERT_EQ(root->GetChildItemAtPos(1, &child), S_OK);
    EXPECT_TRUE(Same(child.Get(), folder.Get()));
    EXPECT_EQ(root->GetChildItemAtPos(0, nullptr), E_POINTER);
}

TEST_F(SRptItemTree, UpDownAndLowerDependOnThePlaceAmongTheSiblings) {
    EXPECT_EQ(text->CanMoveItemUp(), S_FALSE);
    EXPECT_EQ(text->CanMoveItemDown(), S_OK);
    EXPECT_EQ(folder->CanMoveItemUp(), S_OK);
    EXPECT_EQ(folder->CanMoveItemDown(), S_OK);
    EXPECT_EQ(last->CanMoveItemUp(), S_OK);
    EXPECT_EQ(last->CanMoveItemDown(), S_FALSE);

    EXPECT_EQ(text->CanMoveItemLower(), S_OK);    // into the folder that follows it
    EXPECT_EQ(folder->CanMoveItemLower(), S_FALSE);  // the next one is no container
    EXPECT_EQ(last->CanMoveItemLower(), S_FALSE);    // nothing follows

    // An item without parent cannot move up; down it has no parent to ask.
    SComWrap<ISRptItem> loose = Item("loose");
    EXPECT_EQ(loose->CanMoveItemUp(), S_FALSE);
    EXPECT_THROW(loose->CanMoveItemDown(), SECOMException);
}

TEST_F(SRptItemTree, RaisingLeavesAFolderButNeverATemplate) {
    EXPECT_EQ(text->CanMoveItemRaise(), S_FALSE);
    EXPECT_EQ(folder->CanMoveItemRaise(), S_FALSE);
    EXPECT_EQ(inner->CanMoveItemRaise(), S_OK);
    EXPECT_EQ(innerLast->CanMoveItemRaise(), S_OK);
    // A folder whose parent is no container cannot take its children back.
    SComWrap<ISRptItem> plain = Item("plain", false);
    SComWrap<ISRptItem> box = Item("box", true, plain.Get());
    SComWrap<ISRptItem> content = Item("content", false, box.Get());
    EXPECT_EQ(content->CanMoveItemRaise(), S_FALSE);
    SComWrap<ISRptItem> loose = Item("loose");
    EXPECT_THROW(loose->CanMoveItemRaise(), SECOMException);

    // Nothing leaves a template, even for a container above it that would take the item.
    SComWrap<ISRptItem> holder = Item("holder", true);
    SComWrap<ISRptTemplate> held = MakeIn<ISRptTemplate>(holder.Get(), CLSID_SRptTestTemplate);
    SComWrap<ISRptItem> member = Item("member", false, held.Get());
    ASSERT_EQ(member->CanDropItemIntoParentAtPos(holder.Get(), 0), S_OK);
    EXPECT_EQ(member->CanMoveItemRaise(), S_FALSE);
}

TEST_F(SRptItemTree, AnItemDropsIntoAnyContainerThatIsNotItselfOrBelowIt) {
    EXPECT_EQ(folder->CanDropItemIntoParentAtPos(folder.Get(), 0), S_FALSE);
    EXPECT_EQ(folder->CanDropItemIntoParentAtPos(innerLast.Get(), 0), S_FALSE);  // its own descendant
    EXPECT_EQ(folder->CanDropItemIntoParentAtPos(root.Get(), 0), S_OK);           // its own parent
    EXPECT_EQ(inner->CanDropItemIntoParentAtPos(innerLast.Get(), 0), S_OK);
    EXPECT_EQ(inner->CanDropItemIntoParentAtPos(text.Get(), 0), S_FALSE);  // no container
    EXPECT_EQ(inner->CanDropItemIntoParentAtPos(nullptr, 0), S_FALSE);
}

TEST_F(SRptItemTree, ADropOnAnItemMeansAParentAndAPosition) {
    EXPECT_EQ(Drop(inner.Get(), text.Get(), false), "template@1");  // after the text, in the template
    EXPECT_EQ(Drop(inner.Get(), folder.Get(), false), "folder@-1");
    EXPECT_EQ(Drop(inner.Get(), folder.Get(), true), "template@2");
    EXPECT_EQ(Drop(inner.Get(), root.Get(), false), "template@3");  // after the template's last child
    EXPECT_EQ(Drop(inner.Get(), inner.Get(), false), "folder@1");

    // A root whose last child is a folder takes the drop after the folder, not into it.
    SComWrap<ISRptTemplate> other = MakeIn<ISRptTemplate>(report.Get(), CLSID_SRptTestTemplate, TESTREPORT_TEMPLATES);
    other->PutLabel("other");
    Item("first", false, other.Get());
    Item("lastFolder", true, other.Get());
    EXPECT_EQ(Drop(inner.Get(), other.Get(), false), "other@2");

    SComWrap<ISRptTemplate> empty = Make<ISRptTemplate>(CLSID_SRptTestTemplate);
    empty->PutLabel("empty");
    EXPECT_EQ(Drop(inner.Get(), empty.Get(), false), "empty@0");
    // Under a parent that is no container there is nowhere to go.
    SComWrap<ISRptItem> plain = Item("plain", false);
    SComWrap<ISRptItem> under = Item("under", false, plain.Get());
    EXPECT_EQ(Drop(inner.Get(), under.Get(), false, S_FALSE), "none@0");

    SComWrap<ISRptItem> parent;
    int32_t pos = 0;
    EXPECT_EQ(inner->ComputeParentTargetAndPos(nullptr, false, &parent, &pos), E_POINTER);
    EXPECT_EQ(inner->ComputeParentTargetAndPos(text.Get(), false, nullptr, &pos), E_POINTER);
    EXPECT_EQ(inner->ComputeParentTargetAndPos(text.Get(), false, &parent, nullptr), E_POINTER);
}

TEST_F(SRptItemTree, AGroupMemberDropsOnlyIntoACopyOfItsGroup) {
    SComWrap<ISRptGroup> group = Make<ISRptGroup>(CLSID_SRptTestCustom);
    SComWrap<ISRptGroup> otherGroup = Make<ISRptGroup>(CLSID_SRptTestCustom);
    RPTUSRITEMDEF def;
    def.ParentGroup = group.Get();
    ASSERT_EQ(inner->ConstructWithItemDef(&def), S_OK);

    // Containers without a registered item, or made from another group, refuse it.
    EXPECT_EQ(inner->CanDropItemIntoParentAtPos(innerLast.Get(), 0), S_FALSE);
    EXPECT_EQ(inner->CanDropItemIntoParentAtPos(root.Get(), 0), S_FALSE);
    innerLast->SetRegisteredItem(otherGroup.Get());
    EXPECT_EQ(inner->CanDropItemIntoParentAtPos(innerLast.Get(), 0), S_FALSE);
    // A copy of its own group takes it.
    innerLast->SetRegisteredItem(group.Get());
    EXPECT_EQ(inner->CanDropItemIntoParentAtPos(innerLast.Get(), 0), S_OK);

    // The base rule comes first: not into its own descendants, whatever their group.
    Test(inner.Get())->container = true;
    SComWrap<ISRptItem> below = Item("below", true, inner.Get());
    below->SetRegisteredItem(group.Get());
    EXPECT_EQ(inner->CanDropItemIntoParentAtPos(below.Get(), 0), S_FALSE);

    // Lowering asks the member's own rule: the text may not go into a folder of no group.
    text->ConstructWithItemDef(&def);
    EXPECT_EQ(text->CanMoveItemLower(), S_FALSE);
    folder->SetRegisteredItem(group.Get());
    EXPECT_EQ(text->CanMoveItemLower(), S_OK);

    // Without a group the base rule alone decides.
    def.ParentGroup = nullptr;
    ASSERT_EQ(inner->ConstructWithItemDef(&def), S_OK);
    EXPECT_EQ(inner->CanDropItemIntoParentAtPos(root.Get(), 0), S_OK);
}

TEST_F(SRptItemTree, AMembersGroupComesFromItsDescriptionOrItsRegisteredItem) {
    SComWrap<ISRptGroup> group = Make<ISRptGroup>(CLSID_SRptTestCustom);
    SComWrap<ISRptGroup> otherGroup = Make<ISRptGroup>(CLSID_SRptTestCustom);
    SComWrap<ISRptGrpMember> available = Make<ISRptGrpMember>(CLSID_SRptTestItem);
    SComWrap<ISRptGrpMember> copy = Make<ISRptGrpMember>(CLSID_SRptTestItem);
    const int32_t groupRefs = Refs(group.Get());
    RPTUSRITEMDEF def;
    def.ParentGroup = group.Get();
    ASSERT_EQ(available->ConstructWithItemDef(&def), S_OK);
    EXPECT_EQ(Refs(group.Get()), groupRefs + 1);
    SComWrap<ISRptGroup> held;
    ASSERT_EQ(available->GetParentGroup(&held), S_OK);
    EXPECT_TRUE(Same(held.Get(), group.Get()));
    held.Clear();
    EXPECT_EQ(available->GetParentGroup(nullptr), E_POINTER);

    // A copy made from the sub-item belongs to the same group.
    def.ParentGroup = otherGroup.Get();
    ASSERT_EQ(copy->ConstructWithItemDef(&def), S_OK);
    ASSERT_EQ(copy->SetRegisteredItem(available.Get()), S_OK);
    ASSERT_EQ(copy->GetParentGroup(&held), S_OK);
    EXPECT_TRUE(Same(held.Get(), group.Get()));
    held.Clear();
    EXPECT_EQ(Refs(group.Get()), groupRefs + 2);

    // A copy of a member without a group has none either.
    SComWrap<ISRptGrpMember> ungrouped = Make<ISRptGrpMember>(CLSID_SRptTestItem);
    ASSERT_EQ(copy->SetRegisteredItem(ungrouped.Get()), S_OK);
    ASSERT_EQ(copy->GetParentGroup(&held), S_OK);
    EXPECT_FALSE(held);
    EXPECT_EQ(Refs(group.Get()), groupRefs + 1);
    ASSERT_EQ(copy->SetRegisteredItem(available.Get()), S_OK);

    // No registered member: E_POINTER, the registered item gone and the group kept.
    EXPECT_EQ(copy->SetRegisteredItem(nullptr), E_POINTER);
    SComWrap<ISRptItem> registered;
    copy->GetRegisteredItem(&registered);
    EXPECT_FALSE(registered);
    ASSERT_EQ(copy->GetParentGroup(&held), S_OK);
    EXPECT_TRUE(Same(held.Get(), group.Get()));
    held.Clear();
    // A registered item that is no group member: its label is taken all the same.
    SComWrap<ISRptTemplate> notMember = Make<ISRptTemplate>(CLSID_SRptTestTemplate);
    notMember->PutLabel("plain");
    EXPECT_EQ(copy->SetRegisteredItem(notMember.Get()), E_POINTER);
    EXPECT_EQ(copy->GetLabel(), "plain");
    copy->SetRegisteredItem(nullptr);

    // A description without a group clears the one held.
    def.ParentGroup = nullptr;
    ASSERT_EQ(copy->ConstructWithItemDef(&def), S_OK);
    ASSERT_EQ(copy->GetParentGroup(&held), S_OK);
    EXPECT_FALSE(held);
    EXPECT_EQ(Refs(group.Get()), groupRefs + 1);

    copy->PutDisplayFlag(3);
    SRepVariant value;
    ASSERT_EQ(copy->GetAttribute(RPTGRPMEMBER_DISPLAYFLAG, &value), S_OK);
    EXPECT_EQ(value.GetType(), SREP_VT_INT);
    EXPECT_EQ(value.GetInt(), 3);
}
