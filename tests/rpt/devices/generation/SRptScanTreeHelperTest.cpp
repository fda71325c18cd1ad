#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/base/SWaitCursor.h"
#include "rpt/devices/generation/SRptScanTreeHelper.h"
#include "support/SRptItemTestFixture.h"

namespace {

// A scanner that records each call as "label level/position" and answers with what `steer`
// decides (the action it leaves and the result it returns).
struct SRecordingScanner final : SRptScanTreeHelper::SScanner {
    HRESULT Dispatch(uint32_t kind, ISRptItem* object, RPTSCANINFO* info) override {
        kinds.push_back(kind);
        const std::string label = object ? object->GetLabel().str() : std::string("null");
        calls.push_back(label + " " + std::to_string(info->level) + "/" + std::to_string(info->position));
        inherited.push_back(info->inherited);
        waitCursorShown = waitCursorShown && SWaitCursor::IsShown();
        // The record's action is the one the walk handed in; by default the children are walked.
        if (info->action == RPTSCAN_STOP) info->action = RPTSCAN_DESCEND;
        return steer ? steer(label, *info) : S_OK;
    }

    std::function<HRESULT(const std::string&, RPTSCANINFO&)> steer;
    std::vector<std::string> calls;
    std::vector<uint32_t> kinds;
    std::vector<intptr_t> inherited;
    bool waitCursorShown = true;
};

// root [a [a1, a2], b, c [c1]]
class SRptScanTreeHelperTest : public SRptItemTestFixture {
protected:
    void SetUp() override {
        SRptItemTestFixture::SetUp();
        root = Item("root", true);
        a = Item("a", true, root.Get());
        Item("a1", false, a.Get());
        Item("a2", false, a.Get());
        Item("b", false, root.Get());
        c = Item("c", true, root.Get());
        Item("c1", false, c.Get());
    }
    void TearDown() override {
        a.Clear();
        c.Clear();
        root->Delete();
        root.Clear();
        SRptItemTestFixture::TearDown();
    }
    HRESULT Walk(ISRepObject* from, intptr_t value = 7, uint32_t kind = 5) {
        SRptScanTreeHelper walk(kind, from, value);
        return walk.ScanTree(&scanner);
    }

    SComWrap<ISRptItem> root, a, c;
    SRecordingScanner scanner;
};

}  // namespace

TEST_F(SRptScanTreeHelperTest, VisitsDepthFirstWithLevelsAndPositionsAndTheWalksValue) {
    EXPECT_EQ(Walk(root.Get()), S_OK);
    EXPECT_EQ(scanner.calls,
              (std::vector<std::string>{"root 0/1", "a 1/1", "a1 2/1", "a2 2/2", "b 1/2", "c 1/3", "c1 2/1"}));
    EXPECT_EQ(scanner.kinds, std::vector<uint32_t>(7, 5u));
    EXPECT_EQ(scanner.inherited, std::vector<intptr_t>(7, 7));
    EXPECT_TRUE(scanner.waitCursorShown);
    EXPECT_FALSE(SWaitCursor::IsShown());
}

TEST_F(SRptScanTreeHelperTest, ARootWithoutChildrenIsCalledOnceOrTwiceByItsAction) {
    SComWrap<ISRptItem> alone = Item("alone");
    for (int32_t action : {RPTSCAN_DESCEND, RPTSCAN_SKIP_CHILDREN}) {
        scanner.calls.clear();
        scanner.steer = [action](const std::string&, RPTSCANINFO& info) {
            info.action = action;
            return S_OK;
        };
        EXPECT_EQ(Walk(alone.Get()), S_OK);
        EXPECT_EQ(scanner.calls, std::vector<std::string>{"alone 0/1"});
    }
    // Called again after the children: the second call leaves 3 and the object is done.
    scanner.calls.clear();
    int32_t calls = 0;
    scanner.steer = [&calls](const std::string&, RPTSCANINFO& info) {
        info.action = ++calls == 1 ? RPTSCAN_DESCEND_RECALL : RPTSCAN_SKIP_CHILDREN;
        return S_OK;
    };
    EXPECT_EQ(Walk(alone.Get()), S_OK);
    EXPECT_EQ(scanner.calls, (std::vector<std::string>{"alone 0/1", "alone 0/1"}));
    // Action 0 stops the walk: 1.
    scanner.steer = [](const std::string&, RPTSCANINFO& info) {
        info.action = RPTSCAN_STOP;
        return S_OK;
    };
    EXPECT_EQ(Walk(alone.Get()), S_FALSE);
}

TEST_F(SRptScanTreeHelperTest, ActionsSkipChildrenRecallAfterThemOrStopTheWholeWalk) {
    bool recalled = false;
    scanner.steer = [&recalled](const std::string& label, RPTSCANINFO& info) {
        info.action = RPTSCAN_DESCEND;
        if (label == "a") info.action = RPTSCAN_SKIP_CHILDREN;
        if (label == "c" && !recalled) info.action = RPTSCAN_DESCEND_RECALL;
        if (label == "c1") recalled = true;
        return S_OK;
    };
    EXPECT_EQ(Walk(root.Get()), S_OK);
    // c is called again after its children; its second call leaves 1, which walks them once more.
    EXPECT_EQ(scanner.calls,
              (std::vector<std::string>{"root 0/1", "a 1/1", "b 1/2", "c 1/3", "c1 2/1", "c 1/3", "c1 2/1"}));

    scanner.calls.clear();
    scanner.steer = [](const std::string& label, RPTSCANINFO& info) {
        info.action = label == "a1" ? RPTSCAN_STOP : RPTSCAN_DESCEND;
        return S_OK;
    };
    EXPECT_EQ(Walk(root.Get()), S_FALSE);
    EXPECT_EQ(scanner.calls, (std::vector<std::string>{"root 0/1", "a 1/1", "a1 2/1"}));
}

TEST_F(SRptScanTreeHelperTest, AResultOtherThanZeroEndsTheWalkAtOnceAndIsItsResult) {
    scanner.steer = [](const std::string& label, RPTSCANINFO&) { return label == "a1" ? HRESULT{5} : S_OK; };
    EXPECT_EQ(Walk(root.Get()), 5);
    EXPECT_EQ(scanner.calls, (std::vector<std::string>{"root 0/1", "a 1/1", "a1 2/1"}));
    EXPECT_FALSE(SWaitCursor::IsShown());
}

TEST_F(SRptScanTreeHelperTest, TheChildrenInheritTheWordAsItStoodBeforeTheirParentsCall) {
    // What an object writes reaches its later siblings, not its own children.
    scanner.steer = [](const std::string& label, RPTSCANINFO& info) {
        if (label == "a") info.inherited = 42;
        return S_OK;
    };
    EXPECT_EQ(Walk(root.Get(), 1), S_OK);
    EXPECT_EQ(scanner.inherited, (std::vector<intptr_t>{1, 1, 1, 1, 42, 42, 42}));
}

TEST_F(SRptScanTreeHelperTest, AnObjectThatIsNoItemIsVisitedAsNullWithoutChildren) {
    SComWrap<ISRepObject> para;
    ASSERT_EQ(session->CreateObject(MakeGUID("{A6BAC8E9-B730-11D1-8898-00A02455633B}"), reinterpret_cast<void**>(&para),
                                    ISRepObject::iid),
              S_OK);
    EXPECT_EQ(Walk(para.Get()), S_OK);
    EXPECT_EQ(scanner.calls, std::vector<std::string>{"null 0/1"});
}
