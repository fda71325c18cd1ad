// The list of report templates: a template whose editor is open is marked, and choosing it brings
// that editor forward instead of opening the file a second time.
#include <gtest/gtest.h>

#include "platform/base/SModuleState.h"
#include "platform/host/SShellView.h"
#include "rpt/dialogs/SRptDlgTemplatesList.h"
#include "rpt/editor/SRptReportViewMap.h"
#include "rpt/editor/SRptShellModule.h"
#include "support/STestTemplateFiles.h"

using SRptDlgTemplatesListTest = STestTemplatesFolderFixture;

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
    script.ExpectDialog(234, 6003, {{1135, "First template *"}});
    SRptDlgTemplatesList openOne;
    ASSERT_EQ(openOne.DoModal(), IDOK);
    EXPECT_EQ(openOne.GetAction(), SRptDlgTemplatesList::kNothing);
    EXPECT_EQ(openOne.GetFileName(), "");

    SRptReportViewMap().Remove(opened.Get());
    opened.Clear();
    session->Close();
}
