#include <gtest/gtest.h>

#include "platform/ui/SFileDlg.h"
#include "platform/ui/SLibMsgBox.h"
#include "platform/ui/SNonInteractiveScript.h"
#include "platform/ui/SShellExecute.h"
#include "support/ScriptedInteractionTest.h"

using InteractionTest = ScriptedInteractionTest;

TEST_F(InteractionTest, MessageBoxesAreScriptedAndTranscribed) {
    script.ExpectMessage("went wrong").ExpectMessage("open it", IDYES).ExpectMessage("open it", IDNO);
    SLibMsgBox box(SGetMainWnd(), " - ");
    box.Error("It went wrong.");
    EXPECT_EQ(box.ConfirmYesNo("Do you want to open it?"), 1);
    EXPECT_EQ(box.ConfirmYesNo("Do you want to open it?", 1), 0);
    ASSERT_EQ(Transcript().size(), 3u);
    EXPECT_EQ(Transcript()[0].caption, " - ");
    EXPECT_EQ(Transcript()[0].style, SPrompt::Error);
    EXPECT_EQ(Transcript()[1].style, SPrompt::YesNo);
    EXPECT_EQ(Transcript()[2].defaultButton, IDNO);
}

TEST_F(InteractionTest, FileDialogAnswersAPathOrCancels) {
    script.ExpectFileDialog("/tmp/out/report").ExpectFileDialog("");
    SFileDlg save(false, "rtf", "My report", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                  "Rtf files (*.rtf)|*.rtf|All files (*.*)|*.*|");
    ASSERT_EQ(save.DoModal(), IDOK);
    EXPECT_EQ(save.GetPathName(), "/tmp/out/report.rtf");  // default extension added
    EXPECT_EQ(save.GetFileName(), "report.rtf");
    EXPECT_EQ(save.GetFileExt(), "rtf");
    const SPrompt& prompt = Transcript()[0];
    EXPECT_FALSE(prompt.openMode);
    EXPECT_EQ(prompt.text, "My report");
    EXPECT_EQ(prompt.flags, 6u);
    EXPECT_EQ(prompt.filter, "Rtf files (*.rtf)|*.rtf|All files (*.*)|*.*|");

    SFileDlg open(true, "txt", "*.txt", OFN_HIDEREADONLY);
    EXPECT_EQ(open.DoModal(), IDCANCEL);
    EXPECT_EQ(open.GetPathName(), "");
}

TEST_F(InteractionTest, OpeningAFileReportsTheShellsAnswer) {
    script.ExpectOpen("/tmp/a b.rtf", true).ExpectOpen("/tmp/x.htm", false).ExpectOpen("editor", true);
    EXPECT_GT(ShellExecuteA(nullptr, "open", "/tmp/a b.rtf", nullptr, nullptr, SW_SHOWNORMAL), 32);
    EXPECT_LE(ShellExecuteA(nullptr, "open", "/tmp/x.htm", nullptr, nullptr, SW_SHOWNORMAL), 32);
    EXPECT_GT(ShellExecuteA(nullptr, "open", "editor", "/tmp/a b; c.txt", nullptr, SW_SHOWNORMAL), 32);
    EXPECT_EQ(Transcript()[0].caption, "open");
    EXPECT_EQ(Transcript()[0].text, "/tmp/a b.rtf");
    EXPECT_TRUE(Transcript()[0].parameters.IsEmpty());
    // A program's parameters reach the script whole, as the one argument they are.
    EXPECT_EQ(Transcript()[2].text, "editor");
    EXPECT_EQ(Transcript()[2].parameters, "/tmp/a b; c.txt");
}

TEST(SScriptedInteraction, UnscriptedOrMismatchedPromptsAreRecordedAndCancelled) {
    SScriptedInteraction scripted;
    scripted.ExpectMessage("expected text");
    SInteractionScope scope(&scripted);
    SLibMsgBox box(nullptr, " - ");
    EXPECT_EQ(box.ConfirmYesNo("another question"), 0);
    ASSERT_EQ(scripted.GetUnexpected().size(), 1u);
    EXPECT_FALSE(scripted.IsComplete());
    SFileDlg dialog(true);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(scripted.GetUnexpected().size(), 2u);
}

TEST(SNonInteractiveScript, AnswersFromItsOptionsWithoutBlocking) {
    SNonInteractiveScript host;
    host.AddPath("/tmp/first.rtf");
    SInteractionScope scope(&host);
    SLibMsgBox box(nullptr, " - ");
    EXPECT_EQ(box.ConfirmYesNo("Open it now?"), 0);  // questions are answered no
    SFileDlg first(false, "rtf");
    EXPECT_EQ(first.DoModal(), IDOK);
    EXPECT_EQ(first.GetPathName(), "/tmp/first.rtf");
    SFileDlg second(false, "rtf");
    EXPECT_EQ(second.DoModal(), IDCANCEL);  // no path left
    EXPECT_GT(ShellExecuteA(nullptr, "open", "/tmp/first.rtf", nullptr, nullptr, SW_SHOWNORMAL), 32);
}
