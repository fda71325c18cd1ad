// The library's command in the host's menus: "Report &Templates..." in the repository popup of
// group 4, which runs the list of report templates and opens the template chosen there.
#include <gtest/gtest.h>

#include "rpt/editor/SRptShellModule.h"
#include "rpt/editor/SRptSpecificMenuCmdClass.h"
#include "support/STestTemplateFiles.h"

namespace {

using SRptSpecificMenuCmdClassTest = SRptModuleTestFixture;

class SRptTemplatesCommand : public STestTemplatesFolderFixture {
protected:
    void SetUp() override {
        STestTemplatesFolderFixture::SetUp();
        shell = globals->GetRptShellModule();
    }
    // The command as the host fires it: through the module's specific-menu command class.
    HRESULT Fire(uint32_t id) {
        SComWrap<ISShellCommandClass> commandClass;
        EXPECT_EQ(shell->GetSpecificMenuCmdClass(&commandClass), S_OK);
        SComWrap<ISShellCommandTarget> target;
        target = commandClass;
        if (target->QueryCommandSupport(id, commandClass.Get()) != S_OK) return S_FALSE;
        return target->OnCommand(id, commandClass.Get());
    }

    SRptShellModule* shell = nullptr;
};

}  // namespace

TEST_F(SRptSpecificMenuCmdClassTest, TheCommandIsDeclaredInTheRepositoryPopupOfGroupFour) {
    auto* commands = new SRptSpecificMenuCmdClass();
    GUID id{};
    EXPECT_EQ(commands->GetCommandClassID(&id), S_OK);
    EXPECT_EQ(id, MakeGUID("{9D5BD2C5-E853-11D2-B696-0008C7EA924D}"));
    ASSERT_EQ(commands->OnInitialize(nullptr), S_OK);
    const SRepSpecificMenuCmdClass::SMenuTable expected = {
        {4, {{2811, "&Repository"}}},
        {2811, {{6100, "Manage Report Templates\nReport &Templates..."}}},
    };
    EXPECT_EQ(commands->GetMenuTable(), expected);
    // The command's texts for the host's status bar and menu.
    char16_t text[64] = {};
    EXPECT_EQ(commands->OnCommandHelp(6100, 0, text, 64), S_OK);
    EXPECT_EQ(std::u16string(text), u"Manage Report Templates");
    EXPECT_EQ(commands->OnCommandHelp(6100, 1, text, 64), S_OK);
    EXPECT_EQ(std::u16string(text), u"Report &Templates...");
    commands->Release();
}

TEST_F(SRptTemplatesCommand, TheHostFindsTheCommandAndTheChosenTemplateIsOpened) {
    SComWrap<ISRptModule> mod = Register("MOD", "Module");
    ContainerOf(mod.Get());
    const int32_t modules = SRptGetModuleState()->LockCount();
    // A template file of MOD whose second template belongs to a module that is not registered:
    // opening it says so.
    const SString file = folder.PathOf("first.rtp");
    stest_template_report::SaveReportFile(file);

    int32_t position = 0, id = 0;
    SString text;
    ASSERT_EQ(shell->EnumMenu(4, &position, &id, &text), S_OK);
    EXPECT_EQ(id, 2811);
    position = 0;
    ASSERT_EQ(shell->EnumMenu(2811, &position, &id, &text), S_OK);
    EXPECT_EQ(id, 6100);
    EXPECT_EQ(text, "Manage Report Templates\nReport &Templates...");

    // Closing the list does nothing.
    shell->GetActionArgs().SetPath(SString("untouched"));
    script.ExpectDialog(234, IDCANCEL);
    EXPECT_EQ(Fire(6100), S_OK);
    EXPECT_EQ(shell->GetActionArgs().GetPath(), "untouched");

    // Properties on the chosen template opens its file.
    script.ExpectDialog(234, 6003, {{1135, "First template"}});
    script.ExpectMessage("Unexpected model type for template \"Second template\".", IDOK);
    EXPECT_EQ(Fire(6100), S_OK);
    EXPECT_EQ(shell->GetActionArgs().GetPath(), file);
    ASSERT_GE(SInteraction::GetTranscript().size(), 3u);
    EXPECT_EQ(SInteraction::GetTranscript()[1].kind, SPrompt::Dialog);
    // Without an editor to hold it, the opened document is closed again.
    EXPECT_EQ(SRptGetModuleState()->LockCount(), modules);
}
