#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "rpt/devices/generation/SRptGenerationTree.h"
#include "support/SRptItemTestFixture.h"

namespace {

constexpr GUID kObject = MakeGUID("{11111111-2222-3333-4444-555555555555}");

// A helper that reports its item's label and the object id it was given.
class SLabelHelper : public SRptOutputHelper {
public:
    SLabelHelper(SRptGenerationNode* node, std::vector<std::string>* log) : SRptOutputHelper(node), m_log(log) {}
    HRESULT Init(IUnknown*) override {
        SComWrap<ISRptItem> item;
        item = GetNode()->GetItem();
        m_text = item ? item->GetLabel() : SString("");
        m_log->push_back("init " + m_text.str());
        m_objectID = kObject;
        return S_OK;
    }
    SString GetText() override { return m_text; }
    HRESULT ResolveLinks() override {
        m_log->push_back("links " + m_text.str());
        return S_OK;
    }

private:
    std::vector<std::string>* m_log;
    SString m_text;
};

// A node kind that logs its steps.
class SLoggingNode : public SRptGenerationNode {
public:
    SLoggingNode(SRptGenerationTree* tree, ISRptItem* item, std::vector<std::string>* log)
        : SRptGenerationNode(tree, item), m_log(log) {}
    HRESULT Leave(IUnknown* client) override {
        m_log->push_back("leave " + Label());
        return SRptGenerationNode::Leave(client);
    }
    HRESULT Reselect(IUnknown*) override {
        m_log->push_back("reselect " + Label());
        return S_OK;
    }

protected:
    std::unique_ptr<SRptOutputHelper> NewOutputHelper() override { return std::make_unique<SLabelHelper>(this, m_log); }

private:
    std::string Label() {
        SComWrap<ISRptItem> item;
        item = GetItem();
        return item ? item->GetLabel().str() : "-";
    }
    std::vector<std::string>* m_log;
};

class SRptGenerationTreeTest : public SRptItemTestFixture {
protected:
    void TearDown() override {
        tree.reset();
        for (auto& item : items) item->Delete();
        items.clear();
        SRptItemTestFixture::TearDown();
    }
    ISRptItem* NewItem(const char* label, bool contents) {
        items.push_back(Item(label));
        items.back()->PutTOCEntry(contents);
        items.back()->PutModuleID("M");
        items.back()->PutItemID(label);
        return items.back().Get();
    }
    SRptGenerationNode* Add(ISRptItem* item, int32_t depth) {
        auto node = std::make_unique<SLoggingNode>(tree.get(), item, &log);
        SRptGenerationNode* raw = node.get();
        EXPECT_EQ(S_OK, tree->Insert(std::move(node), depth));
        return raw;
    }
    SRptGenerationNode* Add(const char* label, int32_t depth, bool contents = false) {
        return Add(NewItem(label, contents), depth);
    }
    static std::vector<int32_t> Indexes(const SRptGenerationNode* node) {
        return {node->GetIndexTable().begin(), node->GetIndexTable().end()};
    }

    std::unique_ptr<SRptGenerationTree> tree = std::make_unique<SRptGenerationTree>(nullptr, 0);
    std::vector<SComWrap<ISRptItem>> items;
    std::vector<std::string> log;
};

TEST_F(SRptGenerationTreeTest, InsertFollowsTheRightMostPathAndCountsSerials) {
    SRptGenerationNode* t = Add("t", 0);
    SRptGenerationNode* x = Add("x", 1);
    SRptGenerationNode* y = Add("y", 1);
    SRptGenerationNode* z = Add("z", 2);
    EXPECT_EQ(tree->GetRoot(), t->GetParent());
    EXPECT_EQ(t, x->GetParent());
    EXPECT_EQ(y, x->GetNextSibling());
    EXPECT_EQ(y, z->GetParent());
    EXPECT_EQ(1u, t->GetSerial());
    EXPECT_EQ(4u, z->GetSerial());
    EXPECT_EQ(0, tree->GetRoot()->GetLevel());
    EXPECT_EQ(1, t->GetLevel());
    EXPECT_EQ(3, z->GetLevel());
    EXPECT_EQ(E_INVALIDARG, tree->Insert(nullptr, 0));
    EXPECT_EQ(4u, tree->GetNodeCount());
}

TEST_F(SRptGenerationTreeTest, ContentsEntriesCarryLevelsAndOutlineNumbers) {
    SRptGenerationNode* a = Add("a", 0, true);
    SRptGenerationNode* a1 = Add("a1", 1, true);
    Add("plain", 1);
    SRptGenerationNode* a2 = Add("a2", 1, true);
    SRptGenerationNode* a21 = Add("a21", 2, true);
    EXPECT_EQ((std::vector<int32_t>{1}), Indexes(a));
    EXPECT_EQ((std::vector<int32_t>{1, 1}), Indexes(a1));
    EXPECT_EQ((std::vector<int32_t>{1, 2}), Indexes(a2));
    EXPECT_EQ((std::vector<int32_t>{1, 2, 1}), Indexes(a21));
    ASSERT_EQ(4, tree->GetContentsEntries().GetSize());
    EXPECT_EQ(0, tree->GetContentsEntries()[0].level);
    EXPECT_EQ(1, tree->GetContentsEntries()[1].level);
    EXPECT_EQ(a21, tree->GetContentsEntries()[3].node);
    EXPECT_EQ("1.2.1 ", a21->GetNumberText().str());
    EXPECT_EQ("1 ", a->GetNumberText().str());
}

TEST_F(SRptGenerationTreeTest, NumberTextOfNumberedChildOfUnnumberedParent) {
    Add("p", 0);
    SRptGenerationNode* unnumbered = tree->GetRoot()->GetLastChild();
    SRptGenerationNode* child = Add("c", 1, true);
    EXPECT_EQ(" ", unnumbered->GetNumberText().str());
    EXPECT_EQ("1 ", child->GetNumberText().str());
}

TEST_F(SRptGenerationTreeTest, RefreshDropsDeepEntriesAndFillsTexts) {
    Add("a", 0, true);
    Add("a1", 1, true);
    Add("a11", 2, true);
    Add("a111", 3, true);
    Add("a2", 1, true);
    tree->SetMaxContentsLevel(2);
    EXPECT_EQ(S_FALSE, tree->RefreshContents());
    std::vector<std::string> texts;
    for (const RPTCONTENTSENTRY& entry : tree->GetContentsEntries()) texts.push_back(entry.text.str());
    EXPECT_EQ((std::vector<std::string>{"a", "a1", "a11", "a2"}), texts);
}

TEST_F(SRptGenerationTreeTest, RelationsOfTwoNodes) {
    SRptGenerationNode* t1 = Add("t1", 0);
    SRptGenerationNode* x = Add("x", 1);
    SRptGenerationNode* x1 = Add("x1", 2);
    SRptGenerationNode* y = Add("y", 1);
    SRptGenerationNode* t2 = Add("t2", 0);
    SRptGenerationNode* again = Add(items[1].Get(), 1);  // x once more, under t2
    SRptGenerationNode* under = Add("u", 2);
    auto relate = [](SRptGenerationNode* a, SRptGenerationNode* b) {
        RPTNODERELATION r;
        r.a = a;
        r.b = b;
        EXPECT_EQ(S_OK, SRptGenerationTree::GetRelation(&r));
        return r;
    };
    EXPECT_EQ(RPTREL_SAME, relate(x, x).code);
    EXPECT_EQ(RPTREL_A_ANCESTOR_OF_B, relate(t1, x1).code);
    RPTNODERELATION up = relate(x1, t1);
    EXPECT_EQ(RPTREL_B_ANCESTOR_OF_A, up.code);
    EXPECT_EQ(t1, up.common);
    RPTNODERELATION cousins = relate(x1, y);
    EXPECT_EQ(RPTREL_COMMON_ANCESTOR, cousins.code);
    EXPECT_EQ(t1, cousins.common);
    RPTNODERELATION same = relate(x1, under);
    EXPECT_EQ(RPTREL_SAME_ITEM, same.code);
    EXPECT_EQ(x, same.aSide);
    EXPECT_EQ(again, same.bSide);
    EXPECT_EQ(RPTREL_COMMON_ANCESTOR, relate(y, t2).code);
    EXPECT_EQ(RPTREL_NONE, relate(nullptr, y).code);
    EXPECT_EQ(E_INVALIDARG, SRptGenerationTree::GetRelation(nullptr));
}

TEST_F(SRptGenerationTreeTest, NodesWithoutItemNeverShareAnItem) {
    SRptGenerationNode* t1 = Add("t1", 0);
    auto breakNode = std::make_unique<SLoggingNode>(tree.get(), nullptr, &log);
    SRptGenerationNode* first = breakNode.get();
    ASSERT_EQ(S_OK, tree->Insert(std::move(breakNode), 1));
    Add("t2", 0);
    auto secondBreak = std::make_unique<SLoggingNode>(tree.get(), nullptr, &log);
    SRptGenerationNode* second = secondBreak.get();
    ASSERT_EQ(S_OK, tree->Insert(std::move(secondBreak), 1));
    RPTNODERELATION r;
    r.a = first;
    r.b = second;
    SRptGenerationTree::GetRelation(&r);
    EXPECT_EQ(RPTREL_COMMON_ANCESTOR, r.code);
    EXPECT_EQ(tree->GetRoot(), r.common);
    EXPECT_NO_THROW(tree->ForEach());
    EXPECT_EQ(nullptr, tree->FindNode(SString("M"), SString("t1"), GUID_NULL));
    EXPECT_EQ(t1, tree->FindNode(SString("M"), SString("t1"), kObject));
}

TEST_F(SRptGenerationTreeTest, CursorLeavesUpToCommonAncestorAndReselectsSharedItem) {
    SRptGenerationNode* t1 = Add("t1", 0);
    SRptGenerationNode* x = Add("x", 1);
    SRptGenerationNode* x1 = Add("x1", 2);
    Add("t2", 0);
    SRptGenerationNode* other = Add("o", 1);
    SRptGenerationNode* again = Add(items[1].Get(), 1);
    tree->MoveCursorTo(t1);
    log.clear();
    EXPECT_NE(nullptr, tree->MoveCursorTo(x1));  // a child: nothing left
    EXPECT_EQ((std::vector<std::string>{"init x", "init x1"}), log);
    EXPECT_EQ(RPTNODE_ENTERED, x1->GetState());
    log.clear();
    tree->MoveCursorTo(other);
    EXPECT_EQ((std::vector<std::string>{"leave x1", "leave x", "leave t1", "init t2", "init o"}), log);
    tree->MoveCursorTo(x1);
    log.clear();
    tree->MoveCursorTo(again);
    EXPECT_EQ((std::vector<std::string>{"leave x1", "reselect x", "init x"}), log);
    EXPECT_EQ(again, tree->GetCursor());
    (void)x;
}

TEST_F(SRptGenerationTreeTest, ForEachEntersEveryNodeOnceAndFindNodeMatchesInTreeOrder) {
    Add("t", 0);
    SRptGenerationNode* a = Add("a", 1);
    SRptGenerationNode* dup = Add(items[1].Get(), 1);
    EXPECT_EQ(S_OK, tree->ForEach());
    // The second occurrence of one item is reselected on the way.
    EXPECT_EQ((std::vector<std::string>{"init t", "init a", "reselect a", "init a"}), log);
    EXPECT_EQ(a, tree->FindNode(SString("M"), SString("a"), kObject));
    EXPECT_EQ(nullptr, tree->FindNode(SString("N"), SString("a"), kObject));
    EXPECT_EQ(nullptr, tree->FindNode(SString("M"), SString("a"), MakeGUID("{11111111-2222-3333-4444-555555555556}")));
    log.clear();
    EXPECT_EQ(S_OK, tree->ForEachHelper());
    EXPECT_EQ((std::vector<std::string>{"links t", "links a", "links a"}), log);
    (void)dup;
}

TEST_F(SRptGenerationTreeTest, DestructionLeavesWhatIsStillEntered) {
    Add("t", 0);
    SRptGenerationNode* a = Add("a", 1);
    tree->MoveCursorTo(a);
    log.clear();
    tree.reset();
    EXPECT_EQ((std::vector<std::string>{"leave a", "leave t"}), log);
}

}  // namespace
