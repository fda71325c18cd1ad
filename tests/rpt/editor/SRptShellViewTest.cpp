// The editors' shell views in the stand-in host: creation, captions and titles, the window and
// the report view map, the Tab key, and the closes with their sinks.
#include <gtest/gtest.h>

#include "platform/repo/SRepSession.h"
#include "rpt/editor/SRptContentsItemsBrowser.h"
#include "rpt/editor/SRptShellViewFixture.h"
#include "rpt/editor/SRptTabWnd.h"
#include "support/STestTempFolder.h"
#include "support/STestTemplateFiles.h"
#include "varod9/ISRptSink.h"

namespace {

class SRptShellViewTest : public SRptShellViewFixture {};

// A host module's sink: counts the closes it hears of.
class SCountingSink final : public ISRptSink {
public:
    HRESULT QueryInterface(const GUID&, void**) override { return E_NOINTERFACE; }
    uint32_t AddRef() override { return 2; }
    uint32_t Release() override { return 1; }
    HRESULT OnViewClosing(SShellView* view) override {
        closing.push_back(view);
        return S_OK;
    }
    std::vector<SShellView*> closing;
};

}  // namespace

TEST_F(SRptShellViewTest, EditorsOpenUnderTheirCaptionsWithTheirTitlesAndEnterTheMapOnlyWithTheirWindow) {
    SRptShellViewBase* first = Open(Template, false);
    SRptShellViewBase* second = Open(Template, false);
    ASSERT_TRUE(first && second);
    EXPECT_NE(first, second);
    EXPECT_EQ(Captions(), (std::vector<std::string>{"Report Template", "Report Template"}));
    EXPECT_EQ(Titles(), (std::vector<std::string>{"Report Template, Quarterly", "Report Template, Quarterly"}));
    EXPECT_EQ(Entered(), nullptr);
    HWND handle = 1;
    EXPECT_EQ(first->GetWindowHandle(&handle), S_OK);
    EXPECT_EQ(handle, HWND(0));

    ASSERT_EQ(FrameOf(first)->OpenWindow(), S_OK);
    EXPECT_EQ(Entered(), first);
    ASSERT_TRUE(first->GetWindow());
    EXPECT_EQ(first->GetWindow()->GetIsTemplateEditor(), 1);
    EXPECT_EQ(first->GetWindowHandle(&handle), S_OK);
    EXPECT_NE(handle, HWND(0));

    host->ClearCalls();
    Open(OneModel, false);
    Open(MultiModel, false);
    EXPECT_EQ(Captions(), (std::vector<std::string>{"Report", "Multi-Model Report Editor"}));
    // The session's root object is the report itself: the model's name is the report's.
    EXPECT_EQ(Titles(), (std::vector<std::string>{"Quarterly, Report - Quarterly", "Multi-Model Report, Quarterly"}));
}

TEST_F(SRptShellViewTest, TitlesShowTheDocumentPathOnlyWhenAskedAndOnlyWhenThereIsOne) {
    SRptShellViewBase* editor = Open(Template, false);
    ASSERT_TRUE(editor);
    SRepOption::m_bShowWinFilePath = true;
    EXPECT_EQ(editor->GetTitle(), "Report Template, Quarterly");
    ASSERT_EQ(session->SetPathName("/reports/quarterly.rtp"), S_OK);
    EXPECT_EQ(editor->GetTitle(), "Report Template, Quarterly - /reports/quarterly.rtp");
    SRepOption::m_bShowWinFilePath = false;
    EXPECT_EQ(editor->GetTitle(), "Report Template, Quarterly");

    SRepOption::m_bShowWinFilePath = true;
    SRptShellViewBase* multi = Open(MultiModel, false);
    EXPECT_EQ(multi->GetTitle(), "Multi-Model Report, Quarterly - /reports/quarterly.rtp");
    // The one-model editor's title never shows a path.
    SRptShellViewBase* single = Open(OneModel, false);
    EXPECT_EQ(single->GetTitle(), "Quarterly, Report - Quarterly");
}

TEST_F(SRptShellViewTest, OneModelTitleIsEmptyWithoutAModel) {
    // A report outside the model of its session: the session has no root object.
    SComWrap<ISRepSession> empty;
    ASSERT_EQ(SRepSession::Create("empty", &empty), S_OK);
    SComWrap<ISRptReport> loose;
    ASSERT_EQ(empty->CreateObject(CLSID_SRptReport, reinterpret_cast<void**>(&loose), ISRptReport::iid), S_OK);
    loose->PutName("Loose");
    SShellView* view = nullptr;
    ASSERT_EQ(CreateViewIntraModelReportEditor(loose.Get(), &view, nullptr), S_OK);
    EXPECT_EQ(dynamic_cast<SRptShellViewBase*>(view)->GetTitle(), "");
    EXPECT_EQ(Titles(), (std::vector<std::string>{""}));
    host->CloseAllFrames();
    loose->Delete();
    loose.Clear();
    empty->Close();
}

TEST_F(SRptShellViewTest, CreationRefusesAMissingReportOrOutPointer) {
    SShellView* untouched = reinterpret_cast<SShellView*>(this);
    SShellView* view = untouched;
    EXPECT_EQ(CreateViewReportTemplateEditor(nullptr, &view), E_INVALIDARG);
    EXPECT_EQ(view, untouched);
    EXPECT_EQ(CreateViewIntraModelReportEditor(nullptr, &view, nullptr), E_INVALIDARG);
    EXPECT_EQ(CreateViewMultiModelReportEditor(nullptr, &view, nullptr), E_INVALIDARG);
    EXPECT_EQ(CreateViewIntraModelReportEditor(report.Get(), nullptr, nullptr), E_POINTER);
    EXPECT_EQ(CreateViewMultiModelReportEditor(report.Get(), nullptr, nullptr), E_POINTER);
    // Nothing was opened for the refusals.
    EXPECT_TRUE(Captions().empty());
    // The template editor without an out-pointer is still opened in the host.
    EXPECT_EQ(CreateViewReportTemplateEditor(report.Get(), nullptr), S_OK);
    EXPECT_EQ(Captions(), (std::vector<std::string>{"Report Template"}));
}

TEST_F(SRptShellViewTest, BeforeItsWindowAViewAnswersWithoutOne) {
    SRptShellViewBase* editor = Open(OneModel, false);
    ASSERT_TRUE(editor);
    EXPECT_EQ(editor->OnViewActivate(1), S_OK);
    ISRptTemplate* active = reinterpret_cast<ISRptTemplate*>(this);
    EXPECT_EQ(editor->GetActiveTemplate(&active), S_FALSE);
    EXPECT_EQ(active, nullptr);
    EXPECT_EQ(editor->UpdateTabs(), S_FALSE);
    // The Tab key and the host's commands do nothing without a window, and nothing fails.
    EXPECT_EQ(editor->OnCommand(6101, nullptr), S_OK);
    EXPECT_EQ(editor->CreateViewWindow(nullptr), E_INVALIDARG);
}

TEST_F(SRptShellViewTest, WindowGivesTheActiveTemplateAndTheTabKeyTogglesTheSide) {
    SRptShellViewBase* editor = Open(Template);
    ASSERT_TRUE(editor && editor->GetWindow());
    SComWrap<ISRptTemplate> active;
    EXPECT_EQ(editor->GetActiveTemplate(&active), S_OK);
    EXPECT_EQ(static_cast<IUnknown*>(active.Get()), static_cast<IUnknown*>(templ.Get()));
    EXPECT_EQ(editor->OnViewActivate(0), S_OK);

    SHostCommandDispatcher dispatcher(*host);
    const SRptViewBase* window = editor->GetWindow();
    EXPECT_EQ(window->GetLeftPaneActive(), 1);
    bool tabFound = false;
    for (const SHostAccelerators& table : host->GetAccelerators())
        for (const SHELLACCEL& entry : table.entries)
            if (entry.key == VK_TAB && entry.commandId == 6101 && !tabFound) {
                tabFound = true;
                EXPECT_EQ(dispatcher.FireAccelerator(entry.flags, entry.key), S_OK);
                EXPECT_EQ(window->GetLeftPaneActive(), 0);
                EXPECT_EQ(dispatcher.FireAccelerator(entry.flags, entry.key), S_OK);
                EXPECT_EQ(window->GetLeftPaneActive(), 1);
            }
    EXPECT_TRUE(tabFound) << "the host has no Tab accelerator for 6101";
}

TEST_F(SRptShellViewTest, AnEditorAnswersItsFacesByTheirPublishedIds) {
    SRptShellViewBase* editor = Open(OneModel, false);
    ASSERT_TRUE(editor);
    void* face = nullptr;
    ASSERT_EQ(editor->QueryInterface(MakeGUID("{96381B63-1253-11D1-83D9-444553540000}"), &face), S_OK);
    EXPECT_EQ(face, static_cast<ISRepObjSink*>(editor));
    editor->Release();
    ASSERT_EQ(editor->QueryInterface(MakeGUID("{C69CBB86-6A51-11D0-90A3-444553540000}"), &face), S_OK);
    EXPECT_EQ(face, editor->GetShellViewFace());
    editor->Release();
    ASSERT_EQ(editor->QueryInterface(MakeGUID("{C69CBB93-6A51-11D0-90A3-444553540000}"), &face), S_OK);
    EXPECT_NE(face, nullptr);
    editor->Release();
}

TEST_F(SRptShellViewTest, ReportChangesRenewTheTitleUntilTheReportIsDeleted) {
    SRptShellViewBase* editor = Open(Template, false);
    ASSERT_TRUE(editor && editor->IsReportAdvised());
    host->ClearCalls();
    ASSERT_EQ(report->PutName("Yearly"), S_OK);
    ASSERT_FALSE(Titles().empty());
    EXPECT_EQ(Titles().back(), "Report Template, Yearly");
    const size_t pushed = Titles().size();
    EXPECT_EQ(editor->GetSinkFace()->OnFlush(static_cast<ISRepObject*>(report.Get())), S_OK);
    EXPECT_EQ(Titles().size(), pushed);

    // A deleted report is no longer listened to; the editor stays open.
    EXPECT_EQ(editor->GetSinkFace()->OnDelete(static_cast<ISRepObject*>(report.Get()), 0), S_OK);
    ASSERT_EQ(report->PutName("Monthly"), S_OK);
    EXPECT_EQ(Titles().size(), pushed) << testing::PrintToString(Titles());
    EXPECT_TRUE(FrameOf(editor));
    EXPECT_EQ(editor->GetSinkFace()->OnChange(static_cast<ISRepObject*>(report.Get()), 0), S_OK);
    EXPECT_EQ(Titles().back(), "Report Template, Monthly");
}

TEST_F(SRptShellViewTest, RefusedCloseKeepsTheMapEntryAndTheSinkAndAnAcceptedOneRemovesBoth) {
    SRefusingSessionView other;
    ASSERT_EQ(session->AdviseSessionSink(&other), S_OK);
    SRptShellViewBase* editor = Open(Template);
    ASSERT_TRUE(editor);
    editor->AddRef();
    SStandInViewFrame* frame = FrameOf(editor);

    EXPECT_EQ(frame->Close(), S_FALSE);
    EXPECT_EQ(other.closes, 0);
    EXPECT_EQ(Entered(), editor);
    EXPECT_TRUE(editor->IsReportAdvised());
    EXPECT_EQ(session->GetOpenState(), 1);
    host->ClearCalls();
    report->PutName("Still open");
    ASSERT_FALSE(Titles().empty());
    EXPECT_EQ(Titles().back(), "Report Template, Still open");

    other.answer = S_OK;
    EXPECT_EQ(frame->Close(), S_OK);
    EXPECT_EQ(other.closes, 1);
    EXPECT_EQ(Entered(), nullptr);
    EXPECT_FALSE(editor->IsReportAdvised());
    EXPECT_EQ(other.refs, 0u);
    // The template editor owned the document: it is closed and discarded.
    EXPECT_EQ(session->IsOpen(), S_FALSE);
    EXPECT_EQ(editor->GetShellViewClass(), nullptr);
    editor->Release();
}

TEST_F(SRptShellViewTest, TheReportEditorsTabsFollowTheReportsTemplatesAndKeepTheOneInView) {
    SRptShellViewBase* editor = Open(OneModel);
    ASSERT_TRUE(editor && editor->GetWindow());
    auto* tabs = dynamic_cast<SRptTabWnd*>(editor->GetWindow()->GetPane(1, 1));
    ASSERT_NE(tabs, nullptr);
    auto shown = [&] {
        std::vector<ISRptTemplate*> templates;
        for (int32_t i = 0; i < tabs->GetTabCount(); ++i) templates.push_back(tabs->GetTabBrowser(i)->GetTemplatePtr());
        return templates;
    };
    auto active = [&] { return tabs->GetActiveBrowser() ? tabs->GetActiveBrowser()->GetTemplatePtr() : nullptr; };
    ASSERT_EQ(shown(), (std::vector<ISRptTemplate*>{templ.Get()}));

    SComWrap<ISRptTemplate> second, third;
    ASSERT_EQ(report->AddNewTemplate("Sales", 1, &second), S_OK);
    EXPECT_EQ(shown(), (std::vector<ISRptTemplate*>{templ.Get(), second.Get()}));
    EXPECT_EQ(active(), templ.Get());
    tabs->ClickTab(1);
    ASSERT_EQ(report->AddNewTemplate("Sales", 1, &third), S_OK);
    EXPECT_EQ(shown(), (std::vector<ISRptTemplate*>{templ.Get(), second.Get(), third.Get()}));
    EXPECT_EQ(active(), second.Get());

    // The first template goes: the one in view stays in view, now at the first place.
    ASSERT_EQ(report->DeleteTemplateAtPos(0), S_OK);
    EXPECT_EQ(shown(), (std::vector<ISRptTemplate*>{second.Get(), third.Get()}));
    EXPECT_EQ(active(), second.Get());
    // The one in view goes: the tab at its place takes over.
    ASSERT_EQ(report->DeleteTemplateAtPos(0), S_OK);
    EXPECT_EQ(shown(), (std::vector<ISRptTemplate*>{third.Get()}));
    EXPECT_EQ(active(), third.Get());
}

TEST_F(SRptShellViewTest, EveryReportEditorOfTheReportFollowsItsTemplatesUntilItIsClosed) {
    SRptShellViewBase* single = Open(OneModel);
    SRptShellViewBase* multi = Open(MultiModel);
    ASSERT_TRUE(single && multi && single->GetWindow() && multi->GetWindow());
    auto tabCount = [](SRptShellViewBase* editor) {
        auto* tabs = dynamic_cast<SRptTabWnd*>(editor->GetWindow()->GetPane(1, 1));
        return tabs ? tabs->GetTabCount() : -1;
    };
    ASSERT_EQ(tabCount(single), 1);
    ASSERT_EQ(tabCount(multi), 1);
    SComWrap<ISRptTemplate> second, third;
    ASSERT_EQ(report->AddNewTemplate("Sales", 1, &second), S_OK);
    EXPECT_EQ(tabCount(single), 2);
    EXPECT_EQ(tabCount(multi), 2);

    // The one-model editor closes and leaves the document open: it hears of no further change.
    const SComWrap<ISShellView> kept(single->GetShellViewFace());
    EXPECT_EQ(FrameOf(single)->Close(), S_OK);
    EXPECT_FALSE(single->IsReportAdvised());
    ASSERT_EQ(report->AddNewTemplate("Sales", 1, &third), S_OK);
    EXPECT_EQ(tabCount(multi), 3);
}

TEST_F(SRptShellViewTest, ClosingTheDocumentClosesTheOtherEditorsOfIt) {
    SRptShellViewBase* first = Open(Template);
    SRptShellViewBase* second = Open(MultiModel);
    ASSERT_TRUE(first && second);
    // The second editor's view and window are looked at after the host may have let them go.
    const SComWrap<ISShellView> kept(second->GetShellViewFace());
    ASSERT_TRUE(second->GetWindow() && second->GetWindow()->GetSafeHwnd() != 0);

    EXPECT_EQ(FrameOf(first)->Close(), S_OK);
    EXPECT_EQ(session->GetOpenState(), 0);
    // Told that its document closed, the second editor closed its window with it.
    EXPECT_EQ(second->GetWindow()->GetSafeHwnd(), 0u);
}

TEST_F(SRptShellViewTest, ClosingEveryFrameClosesEachEditorOfTheDocumentOnce) {
    SCountingSink sink;
    ASSERT_EQ(RptAdvise(&sink), S_OK);
    SRptShellViewBase* templateEditor = Open(Template);
    SRptShellViewBase* reportEditor = Open(OneModel);
    ASSERT_TRUE(templateEditor && reportEditor);
    // The views are looked at once the host has let go of them; their frames are the host's alone.
    const SComWrap<ISShellView> keptTemplate(templateEditor->GetShellViewFace());
    const SComWrap<ISShellView> keptReport(reportEditor->GetShellViewFace());

    // The template editor closes its document first, and the report editor's frame with it.
    EXPECT_EQ(host->CloseAllFrames(), 0);
    std::vector<std::string> closed;
    for (const SHostCall& call : host->GetCalls())
        if (call.operation == "Close") closed.push_back(call.detail.str());
    EXPECT_EQ(closed, (std::vector<std::string>{"Report Template", "Report"}));
    EXPECT_EQ(sink.closing, (std::vector<SShellView*>{reportEditor}));
    EXPECT_EQ(templateEditor->GetShellViewClass(), nullptr);
    EXPECT_EQ(reportEditor->GetShellViewClass(), nullptr);
    EXPECT_EQ(Entered(), nullptr);
    EXPECT_EQ(session->IsOpen(), S_FALSE);
    RptUnadvise(&sink);
}

TEST_F(SRptShellViewTest, ClosingAReportEditorTellsEverySinkOnceAndATemplateEditorNone) {
    SCountingSink first, second;
    ASSERT_EQ(RptAdvise(&first), S_OK);
    ASSERT_EQ(RptAdvise(&second), S_OK);

    SRptShellViewBase* single = Open(OneModel);
    ASSERT_TRUE(single);
    EXPECT_EQ(FrameOf(single)->Close(), S_OK);
    EXPECT_EQ(first.closing, (std::vector<SShellView*>{single}));
    EXPECT_EQ(second.closing, (std::vector<SShellView*>{single}));
    // The one-model editor leaves the model's document open.
    EXPECT_EQ(session->GetOpenState(), 1);
    EXPECT_EQ(Entered(), nullptr);

    first.closing.clear();
    second.closing.clear();
    SRptShellViewBase* editor = Open(Template);
    ASSERT_TRUE(editor);
    EXPECT_EQ(FrameOf(editor)->Close(), S_OK);
    EXPECT_TRUE(first.closing.empty());
    EXPECT_TRUE(second.closing.empty());

    RptUnadvise(&first);
    RptUnadvise(&second);
}

TEST_F(SRptShellViewTest, ViewsLeaveTheMapWhenTheyGoAndOutliveTheirCloseCommand) {
    // The editor of a deleted report, torn down by the host without a final close: the view's
    // end takes its entry out.
    SRptShellViewBase* dropped = Open(OneModel);
    ASSERT_TRUE(dropped);
    EXPECT_EQ(Entered(), dropped);
    SStandInViewFrame* frame = FrameOf(dropped);
    dropped->GetSinkFace()->OnDelete(static_cast<ISRepObject*>(report.Get()), 0);
    EXPECT_EQ(dropped->CloseView(0), S_OK);
    EXPECT_EQ(Entered(), dropped);
    frame->DropView();
    host->FrameClosed(frame);
    EXPECT_EQ(Entered(), nullptr);

    // "Close" closes the frame from inside the view's own command; the view and its window go
    // only once the command is done.
    SRptShellViewBase* editor = Open(MultiModel);
    ASSERT_TRUE(editor);
    EXPECT_EQ(SHostCommandDispatcher(*host).Fire(102), S_OK);
    EXPECT_TRUE(host->GetFrames().empty());
    EXPECT_EQ(Entered(), nullptr);
}

TEST_F(SRptShellViewTest, AnEditorsCloseLeavesTheEntryOfAnotherEditorOfTheReport) {
    // The one-model editor leaves the document open when it closes; the template editor,
    // entered last, stays the report's open editor.
    SRptShellViewBase* reportEditor = Open(OneModel);
    SRptShellViewBase* templateEditor = Open(Template);
    ASSERT_TRUE(reportEditor && templateEditor);
    ASSERT_EQ(Entered(), templateEditor);
    EXPECT_EQ(FrameOf(reportEditor)->Close(), S_OK);
    EXPECT_EQ(session->GetOpenState(), 1);
    EXPECT_EQ(Entered(), templateEditor);
    EXPECT_EQ(FrameOf(templateEditor)->Close(), S_OK);
    EXPECT_EQ(Entered(), nullptr);
}

TEST_F(SRptShellViewTest, HideAndEscCloseTheEditorForGood) {
    SCountingSink sink;
    ASSERT_EQ(RptAdvise(&sink), S_OK);
    SHostCommandDispatcher dispatcher(*host);
    // Esc is the host's accelerator of "&Hide" (122).
    const SHELLACCEL* escape = nullptr;
    for (const SHostAccelerators& table : host->GetAccelerators())
        for (const SHELLACCEL& entry : table.entries)
            if (entry.key == 0x1B) escape = &entry;
    ASSERT_NE(escape, nullptr);
    EXPECT_EQ(escape->commandId, 122u);
    const uint8_t escapeFlags = escape->flags;

    // The frame closes the view as its Close does: the view's final close, its sinks, its entry
    // in the view map; the host lists the frame no more.
    for (const bool byEsc : {false, true}) {
        SRptShellViewBase* editor = Open(OneModel);
        ASSERT_TRUE(editor);
        editor->AddRef();
        EXPECT_EQ(byEsc ? dispatcher.FireAccelerator(escapeFlags, 0x1B) : dispatcher.Fire(122), S_OK);
        EXPECT_TRUE(host->GetFrames().empty()) << byEsc;
        EXPECT_EQ(Entered(), nullptr) << byEsc;
        EXPECT_FALSE(editor->IsReportAdvised()) << byEsc;
        EXPECT_EQ(editor->GetShellViewClass(), nullptr) << byEsc;
        EXPECT_EQ(sink.closing, (std::vector<SShellView*>{editor})) << byEsc;
        sink.closing.clear();
        editor->Release();
    }
    // The template editor's close closes its document as well.
    ASSERT_TRUE(Open(Template));
    EXPECT_EQ(dispatcher.FireAccelerator(escapeFlags, 0x1B), S_OK);
    EXPECT_TRUE(host->GetFrames().empty());
    EXPECT_EQ(Entered(), nullptr);
    EXPECT_EQ(session->IsOpen(), S_FALSE);
    RptUnadvise(&sink);
}

namespace {

class SRptShellViewOpenFileTest : public SRptShellViewTest {
protected:
    STestTempFolder folder;
};

TEST_F(SRptShellViewOpenFileTest, OpeningATemplateFileGivesATemplateEditorInTheHost) {
    SComWrap<ISRptModule> mod = Register("MOD", "Module");
    const SString path = folder.PathOf("chosen.rtp");
    stest_template_report::SaveReportFile(path);
    host->ClearCalls();

    // The second template's module is not registered: it goes, with its warning.
    script.ExpectMessage("Unexpected model type for template \"Second template\".", IDOK);
    SShellView* view = nullptr;
    const std::u16string wide = path.ToU16();
    ASSERT_EQ(shell->OnAction(SRptShellModule::kActionOpen, wide.c_str(), 0, &view, nullptr, nullptr), S_OK);
    ASSERT_NE(view, nullptr);
    auto* editor = dynamic_cast<SRptShellViewBase*>(view);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(Captions(), (std::vector<std::string>{"Report Template"}));
    ASSERT_EQ(FrameOf(editor)->OpenWindow(), S_OK);
    ASSERT_TRUE(editor->GetWindow());
    EXPECT_EQ(editor->GetWindow()->GetIsTemplateEditor(), 1);
    SComWrap<ISRptTemplate> active;
    EXPECT_EQ(editor->GetActiveTemplate(&active), S_OK);
    ASSERT_TRUE(active);
    EXPECT_EQ(active->GetName(), "First template");
}

}  // namespace
