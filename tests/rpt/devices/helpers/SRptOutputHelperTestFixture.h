#pragma once
// A test of the output helpers: report items of the real kinds, a generation tree of the run,
// nodes of the items' kinds inserted into it, and one host module whose procedures every module
// item of the test uses. The tree goes first at the end, so that the nodes still entered close
// the module's cursor while the items still know the module.
#include <memory>
#include <utility>
#include <vector>

#include "rpt/devices/generation/SRptGenerationTree.h"
#include "support/SRptItemKindTestFixture.h"
#include "support/STestModuleProcs.h"
#include "varod9/ISRptCustom.h"

class SRptOutputHelperTestFixture : public SRptItemKindTestFixture {
protected:
    void TearDown() override {
        tree.reset();
        for (SComWrap<ISRptCustom>& item : moduleItems) item->SetUserProcs(nullptr);
        moduleItems.clear();
        SRptItemKindTestFixture::TearDown();
    }

    // A new tree for a run whose client is `client` (may be null), replacing the fixture's.
    void NewTree(IUnknown* client, int32_t deviceKind = 0) {
        tree.reset();
        tree = std::make_unique<SRptGenerationTree>(client, deviceKind);
    }
    // Gives a module item the test's module.
    void UseModule(IUnknown* item) {
        SComWrap<ISRptCustom> custom;
        custom = item;
        custom->SetUserProcs(module->AsUnknown());
        moduleItems.push_back(custom);
    }
    // A node of kind Node for the item, appended `depth` levels below the tree's root.
    template <class Node, class... Occurrence>
    Node* Insert(IUnknown* item, int32_t depth, Occurrence... occurrence) {
        auto node = std::make_unique<Node>(tree.get(), item, occurrence...);
        Node* raw = node.get();
        EXPECT_EQ(tree->Insert(std::move(node), depth), S_OK);
        return raw;
    }
    // Enters the node as a writer does and answers its helper as the kind's class.
    template <class Helper>
    Helper* Enter(SRptGenerationNode* node) {
        auto* helper = dynamic_cast<Helper*>(tree->MoveCursorTo(node));
        EXPECT_NE(helper, nullptr) << "no helper of the expected kind";
        return helper;
    }

    std::unique_ptr<SRptGenerationTree> tree = std::make_unique<SRptGenerationTree>(nullptr, 0);
    SComWrap<STestModuleProcs> module{new STestModuleProcs};
    std::vector<SComWrap<ISRptCustom>> moduleItems;
};
