// The list of report templates: the templates of the folder filtered by the type chosen, a
// template whose editor is open marked and its editor kept, the toolbar's commands, and the
// change of folder.
#include <gtest/gtest.h>

#include "platform/base/SModuleState.h"
#include "platform/host/SShellView.h"
#include "rpt/dialogs/SRptDialogUser.h"
#include "rpt/dialogs/SRptDlgTemplatesList.h"
#include "rpt/editor/SRptReportViewMap.h"
#include "rpt/editor/SRptShellModule.h"
#include "support/STestTemplateFiles.h"
#include "varod9/ISRptReport.h"

namespace {

constexpr int32_t kPath = 1005;
constexpr int32_t kType = 1023;
constexpr int32_t kTemplates = 1135;
constexpr int32_t kFileName = 1136;
constexpr int32_t kNew = 6001;
constexpr int32_t kChangePath = 6002;
constexpr int32_t kProperties = 6003;

using SRptDlgTemplatesListTest = STestTemplatesFolderFixture;

// A template file whose (first) template is "Second template" of module OTHER.
void SaveOtherFile(const SString& path) {
    stest_template_report::SaveReportFile(path, [](ISRepObject* report) {
        SComWrap<ISRptReport> typed;
        typed = static_cast<IUnknown*>(report);
        typed->DeleteTemplateAtPos(0);
    });
}

void Choose(SDlg& dialog, int32_t id, const char* text) {
    dialog.FindControl(id)->SendMessage(SWM_USERVALUE, 0, reinterpret_cast<LPARAM>(text));
}

}  // namespace

TEST_F(SRptDlgTemplatesListTest, TheTypeChosenFiltersTheListAndPropertiesAsksForTheChosenFile) {
    Register("MOD", "Module");
    Register("OTHER", "Other module");
    SComWrap<ISRptModule> combined;
    ASSERT_EQ(RptRegisterModule(nullptr, "ALL", "Every model", 0, &combined), S_OK);
    stest_template_report::SaveReportFile(folder.PathOf("first.rtp"));
    const SString other = folder.PathOf("other.rtp");
    SaveOtherFile(other);

    SModuleStateGuard library(SRptGetModuleState());
    SRptDlgTemplatesList dialog;
    SRptDialogUser user([&] {
        EXPECT_EQ(dialog.GetCaption(), "List of Report Templates");
        // The module registered as "ALL" has no entry of its own.
        EXPECT_EQ(SRptDialogUser::Entries(dialog, kType),
                  (std::vector<std::string>{"All Report Templates", "Module", "Other module"}));
        EXPECT_EQ(dialog.GetTypeIds(), (std::vector<SString>{"ALL", "MOD", "OTHER"}));
        EXPECT_EQ(SRptDialogUser::Entries(dialog, kTemplates),
                  (std::vector<std::string>{"First template", "Second template"}));
        EXPECT_EQ(SRptDialogUser::Shown(dialog, kFileName), "first.rtp");
        EXPECT_GT(dialog.GetHorizontalExtent(), 0);

        Choose(dialog, kType, "Other module");
        EXPECT_EQ(SRptDialogUser::Entries(dialog, kTemplates), (std::vector<std::string>{"Second template"}));
        EXPECT_EQ(SRptDialogUser::Shown(dialog, kFileName), "other.rtp");
        Choose(dialog, kType, "Module");
        EXPECT_EQ(SRptDialogUser::Entries(dialog, kTemplates), (std::vector<std::string>{"First template"}));
        Choose(dialog, kType, "Other module");
        return SRptDialogUser::Press(kProperties);
    });
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.GetAction(), SRptDlgTemplatesList::kOpen);
    EXPECT_EQ(dialog.GetFileName(), other);
}

TEST_F(SRptDlgTemplatesListTest, AnEmptyFolderDisablesPropertiesAndNewStillAsksForANewTemplate) {
    Register("MOD", "Module");
    SModuleStateGuard library(SRptGetModuleState());
    SRptDlgTemplatesList dialog;
    bool openAfterProperties = false;
    SRptDialogUser user([&] {
        SRptDlgTemplatesListToolBar& bar = dialog.GetToolBar();
        // Properties, New and Path, with a separator between each two.
        EXPECT_EQ(bar.GetButtonCount(), 5);
        if (bar.GetButtonCount() != 5 || !bar.GetToolTips()) return SRptDialogUser::Press(IDCANCEL);
        EXPECT_EQ(bar.GetButton(0).command, 6003u);
        EXPECT_EQ(bar.GetButton(2).command, 6001u);
        EXPECT_EQ(bar.GetButton(4).command, 6002u);
        EXPECT_EQ(bar.GetButton(4).image, 10);
        EXPECT_EQ(bar.GetImageCount(), 5);
        EXPECT_EQ(bar.GetButtonStructSize(), 20u);
        EXPECT_EQ(bar.GetToolTips()->GetToolText(&bar, 6003), "Properties");
        EXPECT_EQ(bar.GetToolTips()->GetToolText(&bar, 6001), "New");
        EXPECT_EQ(bar.GetToolTips()->GetToolText(&bar, 6002), "Path");

        EXPECT_TRUE(SRptDialogUser::Entries(dialog, kTemplates).empty());
        EXPECT_FALSE(bar.IsButtonEnabled(6003));
        EXPECT_TRUE(bar.IsButtonEnabled(6001));
        EXPECT_EQ(SRptDialogUser::Shown(dialog, kPath), folder.GetPath() + "/");
        // Nothing to open: the list stays.
        dialog.PressButton(kProperties);
        openAfterProperties = !dialog.IsEnded();
        return SRptDialogUser::Press(kNew);
    });
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(openAfterProperties);
    EXPECT_EQ(dialog.GetAction(), SRptDlgTemplatesList::kCreate);
    EXPECT_EQ(dialog.GetFileName(), "");
    EXPECT_TRUE(Messages().empty());
}

TEST_F(SRptDlgTemplatesListTest, AnotherFolderChosenIsShownWithItsTemplates) {
    Register("MOD", "Module");
    Register("OTHER", "Other module");
    STestTempFolder second;
    const SString other = second.PathOf("other.rtp");
    SaveOtherFile(other);

    SModuleStateGuard library(SRptGetModuleState());
    SRptDlgTemplatesList dialog;
    SRptDialogUser user([&] {
        EXPECT_FALSE(dialog.GetToolBar().IsButtonEnabled(6003));
        // The folder dialog that Path opens is answered within this scope by the fixture's script.
        SInteractionScope fixtureScript(&script);
        dialog.PressButton(kChangePath);
        EXPECT_EQ(SRptDialogUser::Entries(dialog, kTemplates), (std::vector<std::string>{"Second template"}));
        EXPECT_TRUE(dialog.GetToolBar().IsButtonEnabled(6003));
        EXPECT_EQ(SRptDialogUser::Shown(dialog, kPath), second.GetPath() + "/");
        EXPECT_EQ(SRptDialogUser::Shown(dialog, kFileName), "other.rtp");
        return SRptDialogUser::Press(kProperties);
    });
    SAnswer chosen;
    chosen.button = IDOK;
    chosen.path = second.GetPath();
    script.Expect(SPrompt::FolderDialog, "", chosen);
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.GetFileName(), other);
}

TEST_F(SRptDlgTemplatesListTest, ATemplateWhoseEditorIsOpenIsMarkedAndItsEditorIsKept) {
    Register("MOD", "Module");
    Register("OTHER", "Other module");
    const SString file = folder.PathOf("first.rtp");
    stest_template_report::SaveReportFile(file);

    // The dialog's template is the library's, as for its one caller.
    SModuleStateGuard library(SRptGetModuleState());
    // Not open: Properties asks for the file.
    script.ExpectDialog(234, 6003, {{1135, "First template"}});
    SRptDlgTemplatesList closedOne;
    ASSERT_EQ(closedOne.DoModal(), IDOK);
    EXPECT_EQ(closedOne.GetAction(), SRptDlgTemplatesList::kOpen);
    EXPECT_EQ(closedOne.GetFileName(), file);

    // Open in an editor: the list marks it, and choosing it asks for nothing more.
    SComWrap<ISRepSession> session;
    SComWrap<ISRepObject> opened;
    ASSERT_EQ(globals->GetRptShellModule()->OnOpenSession(file, &session, &opened, 0, nullptr), S_OK);
    SComWrap<ISShellView> editor;
    editor.Attach(new SShellView(nullptr, nullptr));
    editor->AddRef();
    SRptReportViewMap().Add(opened.Get(), static_cast<SShellView*>(editor.Get()));
    SRptDlgTemplatesList openOne;
    {
        SRptDialogUser user([&] {
            EXPECT_EQ(SRptDialogUser::Entries(openOne, kTemplates), (std::vector<std::string>{"First template *"}));
            EXPECT_EQ(SRptDialogUser::Shown(openOne, kFileName), "first.rtp");
            openOne.FindControl(kTemplates)->SendMessage(WM_LBUTTONDBLCLK);
            return SRptDialogUser::Press(IDCANCEL);
        });
        ASSERT_EQ(openOne.DoModal(), IDOK);
    }
    EXPECT_EQ(openOne.GetAction(), SRptDlgTemplatesList::kNothing);
    EXPECT_EQ(openOne.GetFileName(), "");

    SRptReportViewMap().Remove(opened.Get());
    opened.Clear();
    session->Close();
}
