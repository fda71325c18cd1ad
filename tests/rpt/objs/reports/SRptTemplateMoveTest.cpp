// Moving the items selected in a template's contents: up, down, out of their parent and into
// their next sibling, planned on the tree as it was; what each item answers about the moves it
// can make; and a move whose new place refuses the item, which leaves the item where it was.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rpt/objs/reports/SRptTemplateMem.h"
#include "rpt/objs/reports/SRptTemplateWithTestItemsFixture.h"
#include "varod9/ISRptTemplate.h"

namespace {

constexpr HRESULT kInvalidArg = static_cast<HRESULT>(0x80070057);

// A template of a report, with test items placed under it by label.
class SRptTemplateMove : public SRptTemplateWithTestItemsFixture {
protected:
    // A test item appended under `parent` (the template when null), found by its label.
    ISRptItem* Add(const char* label, ISRptItem* parent = nullptr, bool container = false) {
        ISRptItem* item = AddTestItem(parent, container);
        item->PutLabel(label);
        return item;
    }
    ISRptItem* Group(const char* label, ISRptItem* parent = nullptr) { return Add(label, parent, true); }
    // Top-level items "a" to "e".
    void FiveInARow() {
        for (const char* label : {"a", "b", "c", "d", "e"}) Add(label);
    }
    ISRptItem* Named(const char* label) {
        for (const auto& item : testItems)
            if (item->GetLabel() == label) return item.Get();
        ADD_FAILURE() << "no item " << label;
        return nullptr;
    }
    HRESULT Move(std::vector<const char*> labels, uint32_t direction) {
        SComTable<ISRepObject> selection;
        for (const char* label : labels) selection.Add(Named(label));
        return templ->MoveContentsItemDirctn(selection, direction);
    }
    static std::vector<std::string> Labels(ISRptItem* parent) { return SRptChildTexts(parent, &ISRptItem::GetLabel); }
    std::vector<std::string> Top() { return Labels(templ.Get()); }
    // Every item under the template, depth first.
    int32_t CountAll(ISRptItem* parent) {
        int32_t count = 0;
        SRepClassColPtr children = parent->Items();
        for (int32_t i = 0; i < children.GetCount(); ++i) {
            SComWrap<ISRptItem> child;
            child = static_cast<IUnknown*>(children.Item(i).Get());
            count += 1 + CountAll(child.Get());
        }
        return count;
    }
};

using Strings = std::vector<std::string>;

}  // namespace

// ---- up and down ----

TEST_F(SRptTemplateMove, UpMovesEachSelectedItemOnePlaceFromTheTopDown) {
    FiveInARow();
    // Selected bottom first: the plans still run from the top, so the two keep their order.
    EXPECT_EQ(Move({"d", "c"}, RPT_MOVE_UP), S_OK);
    EXPECT_EQ(Top(), (Strings{"a", "c", "d", "b", "e"}));
    // The first of a block already at the top stays; the one after it still moves up.
    EXPECT_EQ(Move({"a", "c"}, RPT_MOVE_UP), S_OK);
    EXPECT_EQ(Top(), (Strings{"c", "a", "d", "b", "e"}));
}

TEST_F(SRptTemplateMove, DownMovesTheLowestSelectedItemFirst) {
    FiveInARow();
    EXPECT_EQ(Move({"c", "d"}, RPT_MOVE_DOWN), S_OK);
    EXPECT_EQ(Top(), (Strings{"a", "b", "e", "c", "d"}));
    // The last item has nowhere to go down to.
    EXPECT_EQ(Move({"d"}, RPT_MOVE_DOWN), S_OK);
    EXPECT_EQ(Top(), (Strings{"a", "b", "e", "c", "d"}));
}

TEST_F(SRptTemplateMove, UpAndDownStayAmongTheSiblingsOfAGroup) {
    ISRptItem* group = Group("g");
    Add("x", group);
    Add("y", group);
    Add("after");
    EXPECT_EQ(Move({"y"}, RPT_MOVE_UP), S_OK);
    EXPECT_EQ(Labels(group), (Strings{"y", "x"}));
    EXPECT_EQ(Move({"x"}, RPT_MOVE_DOWN), S_OK);
    EXPECT_EQ(Labels(group), (Strings{"y", "x"}));
    EXPECT_EQ(Top(), (Strings{"g", "after"}));
}

// ---- raise and lower ----

TEST_F(SRptTemplateMove, RaiseTakesAnItemOutOfItsGroupToJustBeforeTheGroup) {
    Add("first");
    ISRptItem* outer = Group("outer");
    ISRptItem* inner = Group("inner", outer);
    Add("deep", inner);
    Add("x", outer);
    EXPECT_EQ(Move({"deep"}, RPT_MOVE_RAISE), S_OK);
    EXPECT_EQ(Labels(outer), (Strings{"deep", "inner", "x"}));
    EXPECT_TRUE(Labels(inner).empty());
    EXPECT_EQ(Move({"x"}, RPT_MOVE_RAISE), S_OK);
    EXPECT_EQ(Top(), (Strings{"first", "x", "outer"}));
    // Nothing leaves its template.
    EXPECT_EQ(Move({"first", "x"}, RPT_MOVE_RAISE), S_OK);
    EXPECT_EQ(Top(), (Strings{"first", "x", "outer"}));
}

TEST_F(SRptTemplateMove, LowerPutsAnItemFirstIntoItsNextSiblingWhenThatIsAContainer) {
    Add("a");
    Add("text");
    ISRptItem* group = Group("g");
    Add("inside", group);
    // The next sibling of "a" is no container: nothing moves.
    EXPECT_EQ(Move({"a"}, RPT_MOVE_LOWER), S_OK);
    EXPECT_EQ(Top(), (Strings{"a", "text", "g"}));
    EXPECT_EQ(Move({"text"}, RPT_MOVE_LOWER), S_OK);
    EXPECT_EQ(Top(), (Strings{"a", "g"}));
    EXPECT_EQ(Labels(group), (Strings{"text", "inside"}));
    // The last item has no next sibling.
    EXPECT_EQ(Move({"g"}, RPT_MOVE_LOWER), S_OK);
    EXPECT_EQ(Top(), (Strings{"a", "g"}));
}

TEST_F(SRptTemplateMove, TheTemplateOtherObjectsAndUnknownDirectionsAreSkipped) {
    FiveInARow();
    SComTable<ISRepObject> selection;
    selection.Add(templ.Get());
    selection.Add(report.Get());
    selection.Add(Named("c"));
    EXPECT_EQ(templ->MoveContentsItemDirctn(selection, RPT_MOVE_UP), S_OK);
    EXPECT_EQ(Top(), (Strings{"a", "c", "b", "d", "e"}));
    for (uint32_t direction : {0u, 5u}) {
        EXPECT_EQ(Move({"a", "b", "c"}, direction), S_OK);
        EXPECT_EQ(Top(), (Strings{"a", "c", "b", "d", "e"}));
    }
}

// ---- a move whose new place refuses the item ----

TEST_F(SRptTemplateMove, AMoveThatFailsLeavesItsItemWhereItWasAndTheRestStillMove) {
    // Raising "g" and "b" first empties "f" below the place planned for "i", which then cannot
    // be inserted there; "k" is raised after it all the same.
    ISRptItem* f = Group("f");
    ISRptItem* h = Group("h");
    Add("a", f);
    Add("b", f);
    ISRptItem* g = Group("g", f);
    Add("i", g);
    Add("k", h);
    const int32_t before = CountAll(templ.Get());
    EXPECT_EQ(Move({"g", "b", "i", "k"}, RPT_MOVE_RAISE), kInvalidArg);
    EXPECT_EQ(Top(), (Strings{"b", "k", "g", "f", "h"}));
    EXPECT_EQ(Labels(f), (Strings{"a"}));
    EXPECT_EQ(Labels(g), (Strings{"i"}));
    EXPECT_TRUE(Labels(h).empty());
    // No item was lost on the way.
    EXPECT_EQ(CountAll(templ.Get()), before);
    SComWrap<ISRptItem> parent;
    ASSERT_EQ(Named("i")->GetParentItem(&parent), S_OK);
    EXPECT_TRUE(parent.IsEqualObject(g));
}

// ---- which moves an item offers ----

TEST_F(SRptTemplateMove, EachItemAnswersTheMovesItCanMake) {
    ISRptItem* a = Add("a");
    ISRptItem* group = Group("g");
    ISRptItem* x = Add("x", group);
    ISRptItem* y = Add("y", group);
    ISRptItem* last = Add("last");
    struct {
        ISRptItem* item;
        HRESULT up, down, lower, raise;
    } cases[] = {
        {a, S_FALSE, S_OK, S_OK, S_FALSE},        // into the group after it; not out of the template
        {group, S_OK, S_OK, S_FALSE, S_FALSE},    // the next one is no container
        {x, S_FALSE, S_OK, S_FALSE, S_OK},        // out of the group
        {y, S_OK, S_FALSE, S_FALSE, S_OK},        // the last of the group
        {last, S_OK, S_FALSE, S_FALSE, S_FALSE},  // nothing follows it
    };
    for (const auto& c : cases) {
        const std::string label = c.item->GetLabel().str();
        EXPECT_EQ(c.item->CanMoveItemUp(), c.up) << label;
        EXPECT_EQ(c.item->CanMoveItemDown(), c.down) << label;
        EXPECT_EQ(c.item->CanMoveItemLower(), c.lower) << label;
        EXPECT_EQ(c.item->CanMoveItemRaise(), c.raise) << label;
    }
    // A template never moves.
    EXPECT_EQ(templ->CanMoveItemUp(), S_FALSE);
    EXPECT_EQ(templ->CanMoveItemDown(), S_FALSE);
    EXPECT_EQ(templ->CanMoveItemLower(), S_FALSE);
    EXPECT_EQ(templ->CanMoveItemRaise(), S_FALSE);
}
