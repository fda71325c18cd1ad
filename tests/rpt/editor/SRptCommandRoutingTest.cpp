// Which commands the editors' shell views offer the host, their states, and the order in which a
// command travels: the view, its kind, the window, then the creator's command target.
#include <gtest/gtest.h>

#include "platform/repo/SRepBrowserEx.h"
#include "platform/repo/SRepBrowserNode.h"
#include "rpt/editor/SRptContentsPane.h"
#include "rpt/editor/SRptShellViewFixture.h"
#include "rpt/editor/SRptShellViewIntraModelReport.h"

namespace {

class SRptCommandRoutingTest : public SRptShellViewFixture {
protected:
    // A command class that belongs to no kind of the library's views.
    ISShellCommandClass* Foreign() { return SRptShellModule::GetPreviewViewClass()->GetCommandClassFace(); }
};

}  // namespace

TEST_F(SRptCommandRoutingTest, TemplateEditorOffersTheHostsCommandsButThoseOfReports) {
    SRptShellViewBase* editor = Open(Template, false);
    ASSERT_TRUE(editor);
    ISShellCommandClass* own = SRptShellModule::GetTemplateViewClass()->GetCommandClassFace();
    for (uint32_t id : {100u, 110u, 122u}) EXPECT_EQ(editor->QueryCommandSupport(id, nullptr), S_OK) << id;
    for (uint32_t id : {99u, 123u}) EXPECT_EQ(editor->QueryCommandSupport(id, nullptr), S_FALSE) << id;
    for (uint32_t id : {104u, 105u, 106u, 107u, 108u, 112u, 113u, 118u}) {
        EXPECT_EQ(editor->QueryCommandSupport(id, nullptr), S_FALSE) << id;
        EXPECT_EQ(editor->QueryCommandSupport(id, own), S_FALSE) << id;
    }
    EXPECT_EQ(editor->QueryCommandSupport(45006, own), S_OK);
    EXPECT_EQ(editor->QueryCommandSupport(45006, Foreign()), S_FALSE);
}

TEST_F(SRptCommandRoutingTest, ReportEditorsRefuseTheirIdsAndAskTheirInnerTargetLast) {
    SRecordingCommandTarget inner;
    inner.answer = S_FALSE;
    for (Kind kind : {OneModel, MultiModel}) {
        SRptShellViewBase* editor = Open(kind, false, &inner);
        ASSERT_TRUE(editor);
        ISShellCommandClass* own = SRptShellModule::GetReportViewClass()->GetCommandClassFace();
        EXPECT_EQ(editor->QueryCommandSupport(110, nullptr), S_OK);
        EXPECT_EQ(editor->QueryCommandSupport(105, nullptr), S_OK);
        EXPECT_EQ(editor->QueryCommandSupport(104, nullptr), S_OK);
        EXPECT_EQ(editor->QueryCommandSupport(118, nullptr), S_OK);
        for (uint32_t id : {106u, 107u, 108u, 112u, 113u}) {
            EXPECT_EQ(editor->QueryCommandSupport(id, nullptr), S_FALSE) << id;
            EXPECT_EQ(editor->QueryCommandSupport(id, own), S_FALSE) << id;
        }
        EXPECT_TRUE(inner.asked.empty()) << "refused and supported ids never reach the inner target";
        EXPECT_EQ(editor->QueryCommandSupport(45006, own), S_OK);
        EXPECT_EQ(editor->QueryCommandSupport(99, nullptr), S_FALSE);
        EXPECT_EQ(editor->QueryCommandSupport(7000, Foreign()), S_FALSE);
        EXPECT_EQ(inner.asked, (std::vector<uint32_t>{99, 7000}));
        inner.answer = S_OK;
        EXPECT_EQ(editor->QueryCommandSupport(7000, Foreign()), S_OK);
        inner.answer = S_FALSE;
        inner.asked.clear();
    }
}

TEST_F(SRptCommandRoutingTest, CommandsTakenOnTheWayNeverReachTheInnerTarget) {
    SRecordingCommandTarget inner;
    SRptShellViewBase* editor = Open(OneModel, true, &inner);
    ASSERT_TRUE(editor && editor->GetWindow());
    // The view's own map: the Tab key.
    EXPECT_EQ(editor->OnCommand(6101, nullptr), S_OK);
    EXPECT_EQ(editor->GetWindow()->GetLeftPaneActive(), 0);
    // The base's map: the host's "&Hide" state.
    uint32_t state = 0x80;
    EXPECT_EQ(editor->OnCommandUI(122, nullptr, &state, nullptr, 0), S_OK);
    EXPECT_NE(state, 0x80u);
    EXPECT_TRUE(inner.commands.empty());
    EXPECT_TRUE(inner.updates.empty());

    // Nobody in the editor takes 7000: the inner target gets it, and its answer is the view's.
    EXPECT_EQ(editor->OnCommand(7000, Foreign()), S_OK);
    state = 0;
    EXPECT_EQ(editor->OnCommandUI(7000, Foreign(), &state, nullptr, 0), S_OK);
    EXPECT_EQ(state, 1u);
    EXPECT_EQ(inner.commands, (std::vector<uint32_t>{7000}));
    EXPECT_EQ(inner.updates, (std::vector<uint32_t>{7000}));
    inner.answer = S_FALSE;
    EXPECT_EQ(editor->OnCommand(7001, Foreign()), S_FALSE);
}

TEST_F(SRptCommandRoutingTest, WithoutASessionCommandTargetUnhandledCommandsAreNotHandled) {
    // The session answers no command target: what nobody takes is "not handled", not a failure.
    for (Kind kind : {Template, OneModel}) {
        SRptShellViewBase* editor = Open(kind);
        ASSERT_TRUE(editor && editor->GetWindow());
        EXPECT_EQ(editor->OnCommand(7000, nullptr), S_FALSE);
        uint32_t state = 0x80;
        EXPECT_EQ(editor->OnCommandUI(7000, nullptr, &state, nullptr, 0), S_FALSE);
        EXPECT_EQ(state, 0x80u) << "an unanswered update leaves the state word";
        EXPECT_EQ(SHostCommandDispatcher(*host).QueryCommandUI(7000).result, S_FALSE);
        EXPECT_EQ(FrameOf(editor)->Close(), S_OK);
    }
}

TEST_F(SRptCommandRoutingTest, CommandsReachTheSelectedItemThroughTheWindow) {
    SComWrap<ISRptItem> title;
    {
        SComWrap<ISRptAvailableItems> container = ContainerOf(module.Get());
        SComWrap<ISRptItem> items;
        items = container.Get();
        SRepClassColPtr available = items->Items();
        for (int32_t i = 0; i < available.GetCount() && !title; ++i) {
            SComWrap<ISRptItem> each;
            each = static_cast<IUnknown*>(available.Item(i).Get());
            if (each && each->GetItemID() == "TITLE") title = each;
        }
    }
    ASSERT_TRUE(title);
    SRptShellViewBase* editor = Open(Template);
    ASSERT_TRUE(editor && editor->GetWindow());
    SComWrap<ISRptItem> placed;
    ASSERT_EQ(editor->GetWindow()->AddItemToActiveTemplate(title.Get(), &placed), S_OK);
    ASSERT_TRUE(placed);
    auto* browser = dynamic_cast<SRepBrowserEx*>(editor->GetWindow()->GetContentsPane()->GetPaneWindow());
    ASSERT_TRUE(browser);
    browser->ClearSelection();
    browser->Select(dynamic_cast<SRepBrowserNode*>(browser->LookupNode(placed.Get())));
    editor->GetWindow()->SetFocusOnLeftPane(0, 1);
    // The item's "Format" command opens its property sheet, which the test cancels.
    script.Expect(SPrompt::Dialog, "", SAnswer{});
    EXPECT_EQ(SHostCommandDispatcher(*host).Fire(45006), S_OK);
}
