#include <gtest/gtest.h>

#include <iterator>
#include <vector>

#include "platform/base/SModuleState.h"
#include "platform/repo/ISRepClassCol.h"
#include "platform/repo/SRepBrowserEx.h"
#include "platform/repo/SRepDataSrc.h"
#include "platform/repo/SRepDialog.h"
#include "platform/ui/SResourceBuilder.h"
#include "platform/ui/SResourceTypes.h"
#include "support/SRepTestFixture.h"
#include "support/ScriptedInteractionTest.h"

namespace {

// A node whose children are the nodes of its Items and that takes copies of dragged nodes into
// them.
class SItemsNode : public SRepBrowserNode {
public:
    using SRepBrowserNode::SRepBrowserNode;
    int32_t GetChildCollectionID() const override { return NODE_ITEMS; }
    ISBrowserNode* CreateChildNode(ISRepObject* child, ISBrowserNode* after, int32_t label) override {
        auto* node = new SItemsNode(GetISBrowserView());
        node->Construct(child, 0, this, after, label);
        return node;
    }
    HRESULT CanDrop(ISBrowserNode*, SOleDataObject& data, uint32_t, int32_t, uint32_t effect, uint32_t* result) override {
        *result = data.GetRepDataSrc() ? effect : 0;
        return 0;
    }
    HRESULT Drop(ISBrowserNode*, SOleDataObject& data, uint32_t, int32_t, uint32_t effect, uint32_t* result) override {
        *result = effect;
        SComWrap<ISRepClassCol> items;
        GetISRepObject()->GetCollection(NODE_ITEMS, &items);
        int32_t count = 0;
        data.GetRepDataSrc()->GetCount(&count);
        for (int32_t i = 0; i < count; ++i) {
            SComWrap<ISRepObject> dragged;
            data.GetRepDataSrc()->Item(i, &dragged);
            SComWrap<ISRepObject> copy;
            HRESULT hr = dragged->Duplicate(nullptr, SREP_DUPLICATE_DEEP, nullptr, &copy);
            if (SUCCEEDED(hr)) hr = items->Insert(-1, copy.Get());
            if (FAILED(hr)) return hr;
            OnObjColInsert(items.Get(), copy.Get(), -1);
        }
        return 0;
    }
};

class SRepBrowserTest : public SRepTestFixture {
protected:
    static void AddItem(ISTestNode* owner, ISTestNode* item) {
        SComWrap<ISRepClassCol> items;
        owner->GetCollection(NODE_ITEMS, &items);
        items->Insert(-1, item);
    }
};

const SDlgResourceControl kNodeControls[] = {
    {1001, "EDIT", "", 0, 10, 10, 100, 12},
    {1002, "BUTTON", "&Flag", 0x0003, 10, 30, 100, 12},
    {1003, "BUTTON", "&Count", 0, 10, 50, 100, 12},
    {1, "BUTTON", "OK", 0, 10, 80, 40, 14},
    {2, "BUTTON", "Cancel", 0, 60, 80, 40, 14},
};

// A dialog over a node: name and flag bound to their controls, a button that counts up through
// the dialog's context.
class SNodeDialog : public SRepDialog {
    S_DECLARE_MESSAGE_MAP()

public:
    explicit SNodeDialog(ISRepObject* node) : SRepDialog(900), m_node(node) {
        AttachEditField(1001, node, NODE_NAME);
        AttachCheckBox(1002, node, NODE_BOOL);
    }
    void OnCount() {
        SRepVariant count;
        m_node->GetAttribute(NODE_INT, &count);
        SRepVariant next;
        next.SetInt(count.GetInt() + 1);
        GetContext().SetAttribute(m_node, NODE_INT, next);
    }

private:
    ISRepObject* m_node;
};

S_BEGIN_MESSAGE_MAP(SNodeDialog, SRepDialog)
    SMsgEntry::Control(BN_CLICKED, 1003, &SNodeDialog::OnCount),
S_END_MESSAGE_MAP()

class SRepDialogTest : public SRepTestFixture {
protected:
    void SetUp() override {
        SRepTestFixture::SetUp();
        SInteraction::ClearTranscript();
        m_previousScript = SInteraction::SetScript(&script);
        m_bytes = SResourceBuilder::Dialog({"Node", 0x80000000, 0, 0, 200, 100, kNodeControls, std::size(kNodeControls)});
        module.AddResource(RT_DIALOG, 900, m_bytes.data(), m_bytes.size());
        m_previousModule = SModuleState::SetCurrent(&module);
    }
    void TearDown() override {
        SModuleState::SetCurrent(m_previousModule);
        SInteraction::SetScript(m_previousScript);
        EXPECT_TRUE(script.IsComplete());
        EXPECT_TRUE(script.GetUnexpected().empty());
        SRepTestFixture::TearDown();
    }
    static SRepVariant Read(ISRepObject* object, int32_t id) {
        SRepVariant value;
        object->GetAttribute(id, &value);
        return value;
    }

    SScriptedInteraction script;
    SModuleState module;

private:
    std::vector<uint8_t> m_bytes;
    SModuleState* m_previousModule = nullptr;
    SInteractionScript* m_previousScript = nullptr;
};

}  // namespace

TEST_F(SRepBrowserTest, NodesShowTheItemsUnderTheirLabelsAndTheSelectionReachesTheView) {
    auto root = Node("Report");
    auto first = Node("Title");
    auto second = Node("Contents");
    AddItem(root.Get(), first.Get());
    AddItem(root.Get(), second.Get());
    {
        SRepBrowserEx browser;
        ASSERT_EQ(browser.Create(nullptr, 1, WS_POPUP), 1);
        auto* rootNode = new SItemsNode(&browser);
        ASSERT_EQ(rootNode->Construct(root.Get(), 1, nullptr, nullptr, NODE_NAME), 1);
        ASSERT_EQ(browser.GetRootCount(), 1);
        ASSERT_EQ(rootNode->GetChildCount(), 2);
        EXPECT_EQ(rootNode->GetNodeLabel(), "Report");
        EXPECT_EQ(rootNode->GetChild(1)->GetNodeLabel(), "Contents");
        EXPECT_EQ(browser.LookupNode(second.Get()), rootNode->GetChild(1));

        browser.Select(rootNode->GetChild(0));
        browser.Select(rootNode->GetChild(1), true);
        EXPECT_EQ(browser.GetSelectedCount(), 2);
        EXPECT_EQ(browser.GetSelectedNode(1)->GetNodeObject(), static_cast<ISRepObject*>(second.Get()));

        // A label edited in place renames the object; a cancelled edit changes nothing.
        ASSERT_EQ(rootNode->GetChild(0)->EditLabel(), 1);
        EXPECT_EQ(browser.EndLabelEdit("Cover"), 1);
        EXPECT_EQ(first->GetName(), "Cover");
        rootNode->GetChild(1)->EditLabel();
        EXPECT_EQ(browser.EndLabelEdit("Ignored", true), 0);
        EXPECT_EQ(second->GetName(), "Contents");
        browser.DestroyWindow();
        EXPECT_EQ(browser.GetRootCount(), 0);
    }
}

TEST_F(SRepBrowserTest, NodesAreFoundByTheirObjectsUntilTheyGoAndANodeLooksInItsOwnSubtreeFirst) {
    auto root = Node("Template");
    auto folder = Node("Folder");
    auto chart = Node("Chart");
    AddItem(root.Get(), chart.Get());
    AddItem(root.Get(), folder.Get());
    // The folder gathers the chart too: the chart has a node in both places.
    AddItem(folder.Get(), chart.Get());
    SRepBrowserEx browser;
    auto* rootNode = new SItemsNode(&browser);
    rootNode->Construct(root.Get(), 1, nullptr, nullptr, NODE_NAME);
    SRepBrowserNode* topChart = rootNode->GetChild(0);
    SRepBrowserNode* folderNode = rootNode->GetChild(1);
    ASSERT_EQ(folderNode->GetChildCount(), 1);
    SRepBrowserNode* innerChart = folderNode->GetChild(0);

    EXPECT_EQ(browser.LookupNode(folder.Get()), folderNode);
    EXPECT_EQ(browser.LookupNode(chart.Get()), topChart);
    EXPECT_EQ(folderNode->LookupNode(chart.Get()), innerChart);
    EXPECT_EQ(innerChart->LookupNode(folder.Get()), folderNode);
    EXPECT_EQ(browser.LookupNode(nullptr), nullptr);

    // Made again, the folder's subtree has new nodes, and only they are found.
    folderNode->Refresh(0);
    ASSERT_EQ(folderNode->GetChildCount(), 1);
    EXPECT_EQ(folderNode->LookupNode(chart.Get()), folderNode->GetChild(0));
    EXPECT_EQ(browser.LookupNode(chart.Get()), topChart);
    browser.ReleaseRoot();
    EXPECT_EQ(browser.LookupNode(chart.Get()), nullptr);
    EXPECT_EQ(browser.LookupNode(root.Get()), nullptr);
}

TEST_F(SRepBrowserTest, ADropGoesToTheTargetNodeThatAcceptsIt) {
    auto root = Node("Template");
    auto folder = Node("Folder");
    auto picture = Node("Picture");
    auto chart = Node("Chart");
    AddItem(root.Get(), folder.Get());
    AddItem(root.Get(), picture.Get());
    AddItem(root.Get(), chart.Get());
    SRepBrowserEx browser;
    browser.Create(nullptr, 1, WS_POPUP);
    auto* rootNode = new SItemsNode(&browser);
    rootNode->Construct(root.Get(), 1, nullptr, nullptr, NODE_NAME);

    // Moved: the node's copy is in the folder, and the original left its place.
    SOleDataObject moved(SRepDataSrc::Create({picture.Get()}).Get());
    EXPECT_EQ(browser.DragDrop(moved, rootNode->GetChild(0)), DROPEFFECT_MOVE);
    EXPECT_EQ(Names(folder.Get(), NODE_ITEMS), (std::vector<std::string>{"Picture"}));
    EXPECT_EQ(Names(root.Get(), NODE_ITEMS), (std::vector<std::string>{"Folder", "Chart"}));
    // The tree shows the objects as they are now.
    ASSERT_EQ(rootNode->GetChildCount(), 2);
    SRepBrowserNode* folderNode = rootNode->GetChild(0);
    ASSERT_EQ(folderNode->GetChildCount(), 1);
    EXPECT_EQ(folderNode->GetChild(0)->GetNodeLabel(), "Picture");
    EXPECT_EQ(browser.LookupNode(picture.Get()), nullptr);

    // Copied (Ctrl): both stay.
    SOleDataObject data(SRepDataSrc::Create({chart.Get()}).Get());
    EXPECT_EQ(browser.DragDrop(data, folderNode, MK_CONTROL), DROPEFFECT_COPY);
    EXPECT_EQ(Names(folder.Get(), NODE_ITEMS), (std::vector<std::string>{"Picture", "Chart"}));
    EXPECT_EQ(Names(root.Get(), NODE_ITEMS), (std::vector<std::string>{"Folder", "Chart"}));

    // A plain node refuses every drop; a drag without repository objects is refused too.
    auto* plain = new SRepBrowserNode(&browser);
    plain->Construct(chart.Get(), 0, nullptr, nullptr, NODE_NAME);
    EXPECT_EQ(browser.DragDrop(data, plain), DROPEFFECT_NONE);
    SOleDataObject empty;
    EXPECT_EQ(browser.DragDrop(empty, folderNode), DROPEFFECT_NONE);
    browser.DestroyWindow();
}

TEST_F(SRepDialogTest, CancelLeavesEveryAttributeAsItWas) {
    auto node = Node("Sales");
    SRepVariant flag;
    flag.SetBool(false);
    node->SetAttribute(NODE_BOOL, flag);
    node->PutInt(7);
    // The user renames the node, ticks the flag, counts up, then cancels.
    script.ExpectDialog(900, IDCANCEL, {{1001, "Revenue"}, {1002, "1"}, {1003, "1"}});
    SNodeDialog dialog(node.Get());
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(node->GetName(), "Sales");
    EXPECT_FALSE(Read(node.Get(), NODE_BOOL).GetBool());
    EXPECT_EQ(node->GetInt(), 7);
}

TEST_F(SRepDialogTest, OkCommitsTheControlsAndTheHandlersChanges) {
    auto node = Node("Sales");
    node->PutInt(7);
    script.ExpectDialog(900, IDOK, {{1001, "Revenue"}, {1002, "1"}, {1003, "1"}});
    {
        SNodeDialog dialog(node.Get());
        EXPECT_EQ(dialog.DoModal(), IDOK);
    }
    EXPECT_EQ(node->GetName(), "Revenue");
    EXPECT_TRUE(Read(node.Get(), NODE_BOOL).GetBool());
    EXPECT_EQ(node->GetInt(), 8) << "the dialog's destruction after OK rolls nothing back";
}
