// The text editor: the default text against the user's own, the Insert menu with the date, the
// time and the fields of the item's module, and the menu's end at its last command.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "platform/base/SECOMException.h"
#include "platform/ui/SWinDefs.h"
#include "rpt/dialogs/SRptDlgTxtEdit.h"
#include "rpt/module/SRptGlobalsContainer.h"
#include "rpt/module/SRptModuleFieldTableEntry.h"
#include "rpt/objs/items/SRptFieldMem.h"
#include "rpt/objs/items/SRptGrpTitleMem.h"
#include "rpt/objs/items/SRptTextMem.h"
#include "support/SRptItemTestFixture.h"
#include "support/STestRptProcs.h"
#include "rpt/dialogs/SRptDlgUserScript.h"
#include "varod9/RptFieldDef.h"
#include "varod9/RptItemDef.h"

namespace {

using namespace stest_dlg_user;

constexpr const char* kModule = "MODULE";
constexpr const char* kOtherModule = "OTHER";

class SRptDlgTxtEditTest : public SRptItemTestFixture {
protected:
    void SetUp() override {
        SRptItemTestFixture::SetUp();
        item = Make(CLSID_SRptText);
        RPTUSRITEMDEF def;
        def.ItemID = "ITEM";
        def.ModuleID = kModule;
        def.Label = "Label";
        ASSERT_EQ(item->ConstructWithItemDef(&def), S_OK);
    }
    void TearDown() override {
        Fields()->DropModule(kModule);
        Fields()->DropModule(kOtherModule);
        item.Clear();
        SRptItemTestFixture::TearDown();
    }
    static SRptModuleFieldTable* Fields() { return GetRptGlobalsContainer()->GetModuleFieldTable(); }

    // A field that a module registered.
    void Register(const char* module, const std::string& name, const std::string& descr, int32_t presence = 0) {
        SComWrap<ISRptField> field = Make<ISRptField>(CLSID_SRptField);
        RPTFIELDDEF def;
        def.ModuleID = module;
        def.FieldName = name.c_str();
        def.Descr = descr.c_str();
        def.PresenceFlag = presence;
        ASSERT_EQ(field->ConstructWithFieldDef(&def), S_OK);
        Fields()->Enter(SRptModuleFieldTableEntry(module, name.c_str()), field.Get());
    }


    SComWrap<ISRptItem> item;
};

using Dlg = SRptDlgTxtEdit;

TEST_F(SRptDlgTxtEditTest, TheDefaultTextAndTheUsersOwnFollowWhatIsTypedAndTheBox) {
    Dlg dialog(item.Get(), "Mine", 0, 1, "Default", 0);
    SRptDlgUserScript user([&]() {
        // Not user-defined: the default text with the box clear.
        EXPECT_EQ(Shown(dialog, Dlg::IDC_TEXT), "Default");
        EXPECT_EQ(Checked(dialog, Dlg::IDC_USERDEF), 0);
        EXPECT_TRUE(Visible(dialog, Dlg::IDC_USERDEF));
        EXPECT_FALSE(Visible(dialog, Dlg::IDC_INSERT));
        EXPECT_EQ(dialog.GetHelpContext(), Dlg::kHelpWithoutVariables);
        EXPECT_NE(dialog.GetTextFont(), nullptr);
        // Typing anything else ticks the box; typing the default back clears it.
        Set(dialog, Dlg::IDC_TEXT, "Typed");
        EXPECT_EQ(Checked(dialog, Dlg::IDC_USERDEF), 1);
        Set(dialog, Dlg::IDC_TEXT, "Default");
        EXPECT_EQ(Checked(dialog, Dlg::IDC_USERDEF), 0);
        // Ticking the box shows the last text of the user's own, clearing it the default.
        Set(dialog, Dlg::IDC_USERDEF, "1");
        EXPECT_EQ(Shown(dialog, Dlg::IDC_TEXT), "Typed");
        Set(dialog, Dlg::IDC_USERDEF, "0");
        EXPECT_EQ(Shown(dialog, Dlg::IDC_TEXT), "Default");
        Set(dialog, Dlg::IDC_USERDEF, "1");
        return IDOK;
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.GetText(), "Typed");
    EXPECT_EQ(dialog.GetUserDef(), 1);
}

TEST_F(SRptDlgTxtEditTest, CancelKeepsTheCallersChoiceButNotTheTextTypedAsTheUsersOwn) {
    Dlg dialog(item.Get(), "Mine", 0, 1, "Default", 1);
    SRptDlgUserScript user([&]() {
        EXPECT_EQ(Shown(dialog, Dlg::IDC_TEXT), "Mine");
        EXPECT_EQ(Checked(dialog, Dlg::IDC_USERDEF), 1);
        Set(dialog, Dlg::IDC_TEXT, "Typed");
        Set(dialog, Dlg::IDC_USERDEF, "0");
        return IDCANCEL;
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.GetText(), "Typed");
    EXPECT_EQ(dialog.GetUserDef(), 1);
}

TEST_F(SRptDlgTxtEditTest, AFreeTextHasNeitherTheBoxNorTheInsertMenu) {
    Dlg dialog(item.Get(), "Free", 0, 0, "", 0);
    SRptDlgUserScript user([&]() {
        EXPECT_EQ(Shown(dialog, Dlg::IDC_TEXT), "Free");
        EXPECT_FALSE(Visible(dialog, Dlg::IDC_USERDEF));
        // A hidden button cannot be pressed: no menu comes.
        Set(dialog, Dlg::IDC_INSERT, "1");
        Set(dialog, Dlg::IDC_TEXT, "Other");
        return IDOK;
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.GetText(), "Other");
    EXPECT_EQ(dialog.GetUserDef(), 0);
    EXPECT_TRUE(user.menus.empty());
}

TEST_F(SRptDlgTxtEditTest, TheInsertMenuOffersDateTimeAndTheFieldsOfTheItemsModule) {
    Register(kModule, "%AUTHOR%", "Author");
    Register(kOtherModule, "%VERSION%", "Version");
    Register(kModule, "%MODELNAME%", "Model name");
    Dlg dialog(item.Get(), "Text ", 1, 1, "Default", 1);
    SRptDlgUserScript user([&]() {
        EXPECT_TRUE(Visible(dialog, Dlg::IDC_INSERT));
        EXPECT_EQ(dialog.GetHelpContext(), Dlg::kHelpWithVariables);
        Set(dialog, Dlg::IDC_INSERT, "1");
        Set(dialog, Dlg::IDC_INSERT, "1");
        Set(dialog, Dlg::IDC_INSERT, "1");
        return IDOK;
    });
    // Time, then the module's first field in key order, then a command of no entry.
    user.choices = {101, 103, 102};
    EXPECT_EQ(dialog.DoModal(), IDOK);
    ASSERT_EQ(user.menus.size(), 3u);
    // The page number's command is passed over; the other module's field is not offered.
    const SRptDlgUserScript::Entries expected = {
        {100, "Date"}, {101, "Time"}, {103, "Author"}, {104, "Model name"}};
    EXPECT_EQ(user.menus[0], expected);
    EXPECT_EQ(dialog.GetText(), "Text %TIME%%AUTHOR%");
    EXPECT_EQ(dialog.GetUserDef(), 1);
    EXPECT_EQ(dialog.GetVariables().at(100), "%DATE%");
}

TEST_F(SRptDlgTxtEditTest, TheInsertMenuEndsAtItsLastCommand) {
    // More fields than commands are left after the header and footer fields (103 to 200).
    for (int32_t i = 0; i < 120; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "F%03d", i);
        Register(kModule, name, std::string("Field ") + name);
    }
    Dlg dialog(item.Get(), "", 1, 0, "", 0);
    SRptDlgUserScript user([&]() {
        Set(dialog, Dlg::IDC_INSERT, "1");
        return IDOK;
    });
    user.choices = {200};
    EXPECT_EQ(dialog.DoModal(), IDOK);
    ASSERT_EQ(user.menus.size(), 1u);
    const SRptDlgUserScript::Entries& menu = user.menus[0];
    ASSERT_EQ(menu.size(), 2u + 98u);
    EXPECT_EQ(menu.back(), (std::pair<uint32_t, std::string>{200, "Field F097"}));
    // The last entry inserts its field: every entry shown does something.
    EXPECT_EQ(dialog.GetText(), "F097");
}

// A module's procedures that say which fields are present for its item: those of one presence flag.
class SPresenceProcs final : public STestRefCounted<ISRptUserProcs> {
public:
    explicit SPresenceProcs(int32_t present) : m_present(present) {}
    HRESULT Fetch(ISRptReport*, RPTPROCCONTEXT* context) override { return context->ItemParam == m_present ? 1 : 0; }
    HRESULT Reserved1(ISRptReport*, RPTPROCCONTEXT*) override { return E_NOTIMPL; }
    HRESULT Reserved2(ISRptReport*, RPTPROCCONTEXT*) override { return E_NOTIMPL; }
    HRESULT Reserved3(ISRptReport*, RPTPROCCONTEXT*) override { return E_NOTIMPL; }
    HRESULT Begin(ISRptReport*, RPTPROCCONTEXT*) override { return E_NOTIMPL; }
    HRESULT End(ISRptReport*, RPTPROCCONTEXT*) override { return E_NOTIMPL; }
    HRESULT Next(ISRptReport*, RPTPROCCONTEXT*) override { return E_NOTIMPL; }
    HRESULT Process(ISRptReport*, RPTPROCCONTEXT*) override { return E_NOTIMPL; }
    HRESULT GetValue(ISRptReport*, RPTPROCCONTEXT*) override { return E_NOTIMPL; }
    HRESULT GetMemberText(ISRptReport*, RPTPROCCONTEXT*) override { return E_NOTIMPL; }

private:
    int32_t m_present;
};

TEST_F(SRptDlgTxtEditTest, AModulesItemOffersOnlyTheFieldsItsProceduresSayArePresent) {
    Register(kModule, "%AUTHOR%", "Author", 1);
    Register(kModule, "%MODELNAME%", "Model name", 2);
    SComWrap<SPresenceProcs> procs(new SPresenceProcs(2));
    const SRptDlgUserScript::Entries dateAndTime = {{100, "Date"}, {101, "Time"}};
    for (IUnknown* userProcs : {static_cast<IUnknown*>(procs.Get()), static_cast<IUnknown*>(nullptr)}) {
        SComWrap<ISRptItem> title = Make(CLSID_SRptGrpTitle);
        RPTUSRITEMDEF def;
        def.ItemID = "TITLE";
        def.ModuleID = kModule;
        def.Label = "Title";
        def.UserProcs = userProcs;
        ASSERT_EQ(title->ConstructWithItemDef(&def), S_OK);
        Dlg dialog(title.Get(), "", 1, 1, "Default", 0);
        SRptDlgUserScript user([&]() {
            Set(dialog, Dlg::IDC_INSERT, "1");
            return IDCANCEL;
        });
        user.choices = {0};
        EXPECT_EQ(dialog.DoModal(), IDCANCEL);
        ASSERT_EQ(user.menus.size(), 1u);
        SRptDlgUserScript::Entries expected = dateAndTime;
        // Without procedures the item offers none of its module's fields.
        if (userProcs) expected.emplace_back(103, "Model name");
        EXPECT_EQ(user.menus[0], expected);
    }
}

TEST_F(SRptDlgTxtEditTest, ANullItemIsRefused) {
    EXPECT_THROW(Dlg(nullptr, "", 0, 0, "", 0), SECOMException);
}

}  // namespace
