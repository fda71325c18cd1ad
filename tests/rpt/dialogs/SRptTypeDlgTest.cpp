// The "Report Template Type" dialog: the types are the registered modules' labels (sorted, the
// hidden ones and the combined "ALL" left out), the languages are the first module's, and OK
// needs a name.
#include <gtest/gtest.h>

#include "platform/base/SModuleState.h"
#include "platform/repo/SRepSession.h"
#include "rpt/dialogs/SRptDialogUser.h"
#include "rpt/dialogs/SRptTypeDlg.h"
#include "rpt/module/SRptModuleTestFixture.h"
#include "rpt/objs/reports/SRptReportMem.h"

namespace {

constexpr int32_t kName = 1005;
constexpr int32_t kType = 1079;
constexpr int32_t kLanguage = 1080;

class SRptTypeDlgTest : public SRptModuleTestFixture {
protected:
    void SetUp() override {
        SRptModuleTestFixture::SetUp();
        SInteraction::ClearTranscript();
        ASSERT_EQ(SRepSession::Create("languages", &languages), S_OK);
        ASSERT_EQ(languages->CreateModelObject(CLSID_SRptReport, reinterpret_cast<void**>(&french), ISRepObject::iid),
                  S_OK);
        client = SComWrap<STestModuleClient>(new STestModuleClient);
        client->languages.emplace_back("French", french);
        client->languages.emplace_back("English", SComWrap<ISRepObject>());
    }
    void TearDown() override {
        client->languages.clear();
        french.Clear();
        languages->Close();
        languages.Clear();
        SRptModuleTestFixture::TearDown();
    }
    // A module the dialog may offer (not hidden).
    static SComWrap<ISRptModule> Offer(const char* id, const char* label, ISRptModuleClient* moduleClient = nullptr) {
        SComWrap<ISRptModule> module;
        EXPECT_EQ(RptRegisterModule(moduleClient, id, label, 0, &module), S_OK) << id;
        return module;
    }

    SComWrap<ISRepSession> languages;
    SComWrap<ISRepObject> french;
    SComWrap<STestModuleClient> client;
};

}  // namespace

TEST_F(SRptTypeDlgTest, TheChoicesAreTheOfferedModulesAndTheFirstModulesLanguages) {
    // The first module's client gives the languages; registered out of label order.
    Offer("ZZZ", "Zeta model", client.Get());
    Offer("AAA", "Alpha model");
    SComWrap<ISRptModule> hidden, combined;
    ASSERT_EQ(RptRegisterModule(nullptr, "HID", "Hidden model", 1, &hidden), S_OK);
    ASSERT_EQ(RptRegisterModule(nullptr, "ALL", "Every model", 0, &combined), S_OK);

    SModuleStateGuard library(SRptGetModuleState());
    SRptTypeDlg dialog(SRptTypeDlg::IDD, nullptr);
    SRptDialogUser user([&] {
        EXPECT_EQ(dialog.GetCaption(), "Report Template Type");
        EXPECT_EQ(SRptDialogUser::Entries(dialog, kType), (std::vector<std::string>{"Alpha model", "Zeta model"}));
        EXPECT_EQ(SRptDialogUser::Selection(dialog, kType), 0);
        EXPECT_EQ(SRptDialogUser::Entries(dialog, kLanguage), (std::vector<std::string>{"English", "French"}));
        return SRptDialogUser::Press(IDOK, {{kName, "Monthly"}, {kType, "Zeta model"}, {kLanguage, "French"}});
    });
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(user.dialogs, 1);
    EXPECT_EQ(dialog.GetName(), "Monthly");
    // The id follows its label to where the sorted list put it.
    EXPECT_EQ(dialog.GetType(), "ZZZ");
    EXPECT_EQ(dialog.GetLanguageName(), "French");
    SComWrap<ISRepObject> language;
    language.Attach(dialog.GetLanguage());
    EXPECT_EQ(language.Get(), french.Get());
}

TEST_F(SRptTypeDlgTest, TheFirstTypeIsTakenUnlessAnotherIsChosenAndAnUnknownLanguageGivesNoObject) {
    Offer("ZZZ", "Zeta model", client.Get());
    Offer("AAA", "Alpha model");
    SModuleStateGuard library(SRptGetModuleState());
    SRptTypeDlg dialog(SRptTypeDlg::IDD, nullptr);
    SRptDialogUser user([] { return SRptDialogUser::Press(IDOK, {{kName, "Yearly"}, {kLanguage, "English"}}); });
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.GetType(), "AAA");
    EXPECT_EQ(dialog.GetLanguageName(), "English");
    EXPECT_EQ(dialog.GetLanguage(), nullptr) << "the module has no object for that language";
}

TEST_F(SRptTypeDlgTest, WithoutModulesTheListIsEmptyAndANameAloneClosesTheDialog) {
    SModuleStateGuard library(SRptGetModuleState());
    SRptTypeDlg dialog(SRptTypeDlg::IDD, nullptr);
    SRptDialogUser user([&] {
        EXPECT_TRUE(SRptDialogUser::Entries(dialog, kType).empty());
        EXPECT_TRUE(SRptDialogUser::Entries(dialog, kLanguage).empty());
        return SRptDialogUser::Press(IDOK, {{kName, "Monthly"}});
    });
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.GetName(), "Monthly");
    EXPECT_EQ(dialog.GetType(), "");
    EXPECT_EQ(dialog.GetLanguage(), nullptr) << "no module, no client to ask";
}

TEST_F(SRptTypeDlgTest, OkWithoutANameLeavesTheDialogOpenAndKeepsNothing) {
    Offer("AAA", "Alpha model", client.Get());
    SModuleStateGuard library(SRptGetModuleState());
    SRptTypeDlg dialog(SRptTypeDlg::IDD, nullptr);
    bool openAfterOk = false;
    SRptDialogUser user([&] {
        dialog.PressButton(IDOK);
        openAfterOk = !dialog.IsEnded();
        return SRptDialogUser::Press(IDCANCEL);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_TRUE(openAfterOk);
    EXPECT_EQ(dialog.GetType(), "");
    // No message tells the user why.
    for (const SPrompt& prompt : SInteraction::GetTranscript()) EXPECT_NE(prompt.kind, SPrompt::MessageBox);
}
