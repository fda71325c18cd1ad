#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <vector>

#include "platform/base/SRegistry.h"
#include "platform/base/SSettingsStore.h"
#include "platform/base/SUserRegistry.h"
#include "platform/repo/SRepOption.h"
#include "platform/ui/SHelp.h"
#include "platform/ui/SWinDefs.h"
#include "rpt/dialogs/RptWarnRange.h"
#include "rpt/dialogs/SRptDlgMultiFormatEx.h"
#include "rpt/dialogs/SRptDlgMultiLevelForm.h"
#include "rpt/module/SRptGlobalsContainer.h"
#include "rpt/objs/items/SRptTblCtsMem.h"
#include "rpt/objs/items/SRptTextMem.h"
#include "platform/ui/SScriptedInteraction.h"
#include "rpt/module/SRptFont.h"
#include "support/SRptItemTestFixture.h"
#include "varod9/RptItemDef.h"
#include "varod9/ISRptTblCts.h"

namespace {

// A page that counts the protocol's calls, keeps the paragraphs it was shown and answers
// `accept` when it is to be left.
class STestPage : public SPropertyPage {
public:
    int32_t OnSetActive() override {
        ++setActive;
        shown.clear();
        if (auto* sheet = dynamic_cast<SRptDlgMultiPages*>(GetParent()))
            for (int32_t i = 0; i < sheet->GetSelectedParas().GetSize(); ++i) shown.push_back(sheet->GetSelectedParas()[i]);
        return 1;
    }
    int32_t OnKillActive() override {
        ++killActive;
        return accept;
    }

    int32_t accept = 1;
    int32_t setActive = 0;
    int32_t killActive = 0;
    std::vector<ISRptPara*> shown;
};

// A format sheet whose first tab is the test page in place of the font page.
template <class Sheet>
class SWithTestPage : public Sheet {
public:
    template <class... Args>
    explicit SWithTestPage(const Args&... args) : Sheet(args...) {
        this->RemovePage(&this->GetFontPage());
        this->RemovePage(&this->GetParagraphPage());
        this->AddPage(&page);
        this->m_psh.nStartPage = static_cast<uint32_t>(this->GetPageIndex(&page));
    }
    STestPage page;
};

// A user who acts on the open sheet, then answers its prompt.
class SSheetUser : public SInteractionScript {
public:
    explicit SSheetUser(std::function<int32_t()> act) : m_act(std::move(act)) {}
    SAnswer Answer(const SPrompt&) override {
        SAnswer answer;
        answer.button = m_act();
        return answer;
    }

private:
    std::function<int32_t()> m_act;
};

// Items of the report kinds over a clean settings store and fresh report fonts, with a scripted
// interaction that fails the test on a prompt it did not expect.
class SRptDlgMultiPagesTest : public SRptItemTestFixture {
protected:
    void SetUp() override {
        m_settings = SSettingsStore::Get().GetKeys();
        SSettingsStore::Get().Clear();
        SRptFont::DestroyTables();
        SRptFont::ConstructTables();
        SRptItemTestFixture::SetUp();
        SInteraction::ClearTranscript();
        SHelp::ClearCalls();
        m_scope.emplace(&script);
    }
    void TearDown() override {
        m_scope.reset();
        for (const SString& unexpected : script.GetUnexpected()) ADD_FAILURE() << unexpected.c_str();
        EXPECT_TRUE(script.IsComplete()) << "scripted prompts were not all met";
        SRepOption::m_bKeepTab = true;
        SRepOption::m_bOpenSingleMode = false;
        SHelp::ClearCalls();
        SInteraction::ClearTranscript();
        SRptItemTestFixture::TearDown();
        SRptFont::DestroyTables();
        SRptFont::ConstructTables();
        SSettingsStore::Get().GetKeys() = m_settings;
    }
    // A free item of a kind, built as the modules' descriptions build them.
    template <class I = ISRptItem>
    SComWrap<I> Build(const GUID& clsid, const char* label = "Label") {
        SComWrap<I> item = Make<I>(clsid);
        RPTUSRITEMDEF def;
        def.ItemID = "ITEM";
        def.ModuleID = "MODULE";
        def.Label = label;
        EXPECT_EQ(item->ConstructWithItemDef(&def), S_OK);
        return item;
    }
    static const std::vector<SPrompt>& Transcript() { return SInteraction::GetTranscript(); }
    static SComTable<ISRepObject> Objects(std::initializer_list<IUnknown*> items) {
        SComTable<ISRepObject> objects;
        for (IUnknown* item : items) {
            SComWrap<ISRepObject> object;
            object.Assign(item);
            objects.Add(object.Get());
        }
        return objects;
    }
    static ISRptPara* Para(ISRptItem* item, int32_t position) {
        SComWrap<ISRptPara> para;
        item->GetParaAtPos(position, &para);
        return para.Get();  // the item keeps it alive
    }
    static std::vector<ISRptPara*> Selected(const SRptDlgMultiPages& sheet) {
        std::vector<ISRptPara*> paras;
        for (int32_t i = 0; i < sheet.GetSelectedParas().GetSize(); ++i) paras.push_back(sheet.GetSelectedParas()[i]);
        return paras;
    }
    static std::vector<SString> Entries(SListBoxCtrl& list) {
        std::vector<SString> texts;
        for (int32_t i = 0; i < list.GetCount(); ++i) texts.push_back(list.GetText(i));
        return texts;
    }
    static SString PrefKey() { return SString(SUserRegistry::sApplicationRoot) + "DialogPreferences\\PropertiesOfRptFormat"; }
    SScriptedInteraction script;

private:
    std::optional<SInteractionScope> m_scope;
    SSettingsStore::Keys m_settings;

protected:
    static SString StoredActivePage() {
        SString value;
        SRegistry(HKEY_CURRENT_USER, PrefKey(), 0).GetProfile("ActivePage", &value, SString("none"));
        return value;
    }
};

}  // namespace

TEST_F(SRptDlgMultiPagesTest, TheListNamesTheFirstObjectsParagraphsAndAnEntryStandsForItInEveryObject) {
    SComWrap<ISRptItem> first = Build(CLSID_SRptTblCts, "First");
    SComWrap<ISRptItem> second = Build(CLSID_SRptTblCts, "Second");
    SRptDlgMultiFormat sheet(Objects({first.Get(), second.Get()}), 0, SRptDlgMultiPages::IDD_FORMAT_ITEMS);
    std::vector<SString> names;
    script.ExpectDialog(213, IDOK, {{1082, Para(first.Get(), 0)->GetParaName() + "\n" + Para(first.Get(), 2)->GetParaName()}});
    EXPECT_EQ(sheet.DoModal(), IDOK);
    EXPECT_EQ(Transcript().back().caption, "Format");
    // A table of contents' title and nine levels, of each object.
    EXPECT_EQ(sheet.GetAllParas().GetSize(), 20);
    EXPECT_EQ(Selected(sheet), (std::vector<ISRptPara*>{Para(first.Get(), 0), Para(second.Get(), 0), Para(first.Get(), 2),
                                                         Para(second.Get(), 2)}));
}

TEST_F(SRptDlgMultiPagesTest, ASheetOverOneObjectSelectsTheInitialEntryAndListsOnlyItsParagraphs) {
    SComWrap<ISRptItem> list = Build(CLSID_SRptTblCts);
    std::vector<SString> names;
    for (int32_t i = 0; i < 10; ++i) names.push_back(Para(list.Get(), i)->GetParaName());
    EXPECT_EQ(names[0], "TOC Title");
    EXPECT_EQ(names[1], "Level 1");
    SWithTestPage<SRptDlgMultiFormat> sheet(Objects({list.Get()}), 1, SRptDlgMultiPages::IDD_FORMAT_ITEMS);
    SSheetUser user([&] {
        EXPECT_EQ(Entries(sheet.GetListBox()), names);
        EXPECT_EQ(sheet.page.shown, std::vector<ISRptPara*>{Para(list.Get(), 1)});
        EXPECT_EQ(sheet.GetCaption(), "Format");
        return IDCANCEL;
    });
    SInteractionScope scope(&user);
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
}

TEST_F(SRptDlgMultiPagesTest, AnEntryAddressesEachObjectsOwnParagraphAndSkipsAnObjectWithoutOne) {
    SComWrap<ISRptItem> list = Build(CLSID_SRptTblCts);
    SComWrap<ISRptItem> text = Build(CLSID_SRptText);
    SRptDlgMultiFormat sheet(Objects({list.Get(), text.Get()}), 2, SRptDlgMultiPages::IDD_FORMAT);
    script.ExpectDialog(229, IDCANCEL);
    sheet.DoModal();
    EXPECT_EQ(Selected(sheet), std::vector<ISRptPara*>{Para(list.Get(), 2)});
}

TEST_F(SRptDlgMultiPagesTest, ARefusingPageKeepsTheSelectionOnClickAndKeyAndTheSheetOpenOnOK) {
    SComWrap<ISRptItem> list = Build(CLSID_SRptTblCts);
    SWithTestPage<SRptDlgMultiFormat> sheet(Objects({list.Get()}), 0, SRptDlgMultiPages::IDD_FORMAT_ITEMS);
    SSheetUser user([&] {
        SRptDlgListBoxCtrl& box = sheet.GetListBox();
        const int32_t shown = sheet.page.setActive;
        sheet.page.accept = 0;
        box.SendMessage(SWM_USERVALUE, 0, reinterpret_cast<LPARAM>(box.GetText(2).c_str()));
        box.SendMessage(WM_KEYDOWN, VK_DOWN, 1);
        EXPECT_EQ(box.GetSelItems(), std::vector<int32_t>{0});
        EXPECT_EQ(Selected(sheet), std::vector<ISRptPara*>{Para(list.Get(), 0)});
        sheet.PressButton(IDOK);
        EXPECT_FALSE(sheet.IsEnded());
        EXPECT_EQ(sheet.page.setActive, shown);

        // Accepted, the key moves the selection and the page is shown the new paragraph.
        sheet.page.accept = 1;
        box.SendMessage(WM_KEYDOWN, VK_DOWN, 1);
        EXPECT_EQ(sheet.page.shown, std::vector<ISRptPara*>{Para(list.Get(), 1)});
        return IDOK;
    });
    SInteractionScope scope(&user);
    EXPECT_EQ(sheet.DoModal(), IDOK);
}

TEST_F(SRptDlgMultiPagesTest, TheMixedSelectionListsEachClassOnce) {
    SComWrap<ISRptItem> list1 = Build(CLSID_SRptTblCts);
    SComWrap<ISRptItem> text = Build(CLSID_SRptText);
    SComWrap<ISRptItem> list2 = Build(CLSID_SRptTblCts);
    SRptDlgMultiFormatEx sheet(Objects({list1.Get(), text.Get(), list2.Get()}));
    SSheetUser user([&] {
        // A table of contents' title and its three levels shown, then the text's paragraph.
        EXPECT_EQ(sheet.GetListBox().GetCount(), 4 + 1);
        sheet.GetListBox().SendMessage(SWM_USERVALUE, 0, reinterpret_cast<LPARAM>(sheet.GetListBox().GetText(1).c_str()));
        return IDOK;
    });
    SInteractionScope scope(&user);
    EXPECT_EQ(sheet.DoModal(), IDOK);
    EXPECT_EQ(Selected(sheet), (std::vector<ISRptPara*>{Para(list1.Get(), 1), Para(list2.Get(), 1)}));
}

TEST_F(SRptDlgMultiPagesTest, ShowLevelsToTrimsTheListAndStillAddressesEachTablesParagraphs) {
    SComWrap<ISRptTblCts> first = Build<ISRptTblCts>(CLSID_SRptTblCts);
    SComWrap<ISRptTblCts> second = Build<ISRptTblCts>(CLSID_SRptTblCts);
    ASSERT_EQ(first->GetNbParagraphs(), 3);
    SRptDlgMultiLevelForm sheet(Objects({first.Get(), second.Get()}), 3);
    SSheetUser user([&] {
        SRptDlgListBoxCtrl& box = sheet.GetListBox();
        // The title and three levels; the combo on its fourth entry.
        EXPECT_EQ(box.GetCount(), 4);
        EXPECT_EQ(sheet.GetLevelBox().GetCurSel(), 3);
        EXPECT_EQ(Selected(sheet), (std::vector<ISRptPara*>{Para(first.Get(), 3), Para(second.Get(), 3)}));

        // Down to two levels: the selected third level goes, the selection moves to the last kept.
        sheet.GetLevelBox().SendMessage(SWM_USERVALUE, 0, reinterpret_cast<LPARAM>(Para(first.Get(), 2)->GetParaName().c_str()));
        EXPECT_EQ(box.GetCount(), 3);
        EXPECT_EQ(box.GetSelItems(), std::vector<int32_t>{2});
        EXPECT_EQ(Selected(sheet), (std::vector<ISRptPara*>{Para(first.Get(), 2), Para(second.Get(), 2)}));
        box.SendMessage(SWM_USERVALUE, 0, reinterpret_cast<LPARAM>(box.GetText(1).c_str()));
        EXPECT_EQ(Selected(sheet), (std::vector<ISRptPara*>{Para(first.Get(), 1), Para(second.Get(), 1)}));
        return IDOK;
    });
    SInteractionScope scope(&user);
    EXPECT_EQ(sheet.DoModal(), IDOK);
    EXPECT_EQ(first->GetNbParagraphs(), 2);
    EXPECT_EQ(second->GetNbParagraphs(), 2);
}

TEST_F(SRptDlgMultiPagesTest, TheLevelCountIsWrittenOnlyAfterTheActivePageAccepted) {
    SComWrap<ISRptTblCts> contents = Build<ISRptTblCts>(CLSID_SRptTblCts);
    SWithTestPage<SRptDlgMultiLevelForm> sheet(Objects({contents.Get()}), 0);
    SSheetUser user([&] {
        sheet.GetLevelBox().SendMessage(SWM_USERVALUE, 0, reinterpret_cast<LPARAM>(Para(contents.Get(), 1)->GetParaName().c_str()));
        sheet.page.accept = 0;
        sheet.PressButton(IDOK);
        EXPECT_FALSE(sheet.IsEnded());
        EXPECT_EQ(contents->GetNbParagraphs(), 3);
        return IDCANCEL;
    });
    SInteractionScope scope(&user);
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
    EXPECT_EQ(contents->GetNbParagraphs(), 3);
    EXPECT_EQ(StoredActivePage(), "none");
}

TEST_F(SRptDlgMultiPagesTest, TheTabActiveAtOKIsReopenedWhenTheUserKeepsTabs) {
    SComWrap<ISRptItem> text = Build(CLSID_SRptText);
    {
        SRptDlgMultiFormat sheet(Objects({text.Get()}), 0, SRptDlgMultiPages::IDD_FORMAT);
        script.ExpectDialog(229, IDOK, {}, 2);
        EXPECT_EQ(sheet.DoModal(), IDOK);
    }
    EXPECT_EQ(StoredActivePage(), "2");
    int32_t opened = -1;
    auto reopen = [&] {
        SRptDlgMultiFormat sheet(Objects({text.Get()}), 0, SRptDlgMultiPages::IDD_FORMAT);
        SSheetUser user([&] {
            opened = sheet.GetActiveIndex();
            // Help goes to the page shown.
            sheet.PressButton(9);
            return IDCANCEL;
        });
        SInteractionScope scope(&user);
        sheet.DoModal();
    };
    reopen();
    EXPECT_EQ(opened, 2);
    ASSERT_EQ(SHelp::GetCalls().size(), 1u);
    EXPECT_EQ(SHelp::GetCalls()[0].context, 10003u);
    SRepOption::m_bKeepTab = false;
    reopen();
    EXPECT_EQ(opened, 0);
    EXPECT_EQ(SHelp::GetCalls().back().context, 10001u);
}

TEST_F(SRptDlgMultiPagesTest, ASheetWithNothingToFormatClosesAtOnce) {
    SComTable<ISRepObject> none;
    int32_t button = 0;
    EXPECT_EQ(SRptDlgMultiPages::RunModal<SRptDlgMultiLevelForm>(&button, none, 0), S_OK);
    EXPECT_EQ(button, IDCANCEL);
    EXPECT_EQ(SRptDlgMultiPages::RunModal<SRptDlgMultiFormat>(&button, static_cast<ISRepObject*>(nullptr), 0,
                                                               SRptDlgMultiPages::IDD_FORMAT),
              S_OK);
    EXPECT_TRUE(Transcript().empty());
    // An object that is no table of contents stops the sheet with E_POINTER.
    SComWrap<ISRptItem> text = Build(CLSID_SRptText);
    EXPECT_EQ(SRptDlgMultiPages::RunModal<SRptDlgMultiLevelForm>(&button, Objects({text.Get()}), 0), E_POINTER);
}

TEST_F(SRptDlgMultiPagesTest, RangeWarningsGiveTheLimitsInTheDisplayUnit) {
    script.ExpectMessage("The measurement must be between -30.00 cm and 30.00 cm.");
    script.ExpectMessage("The measurement must be between 0.00 in and 11.81 in.");
    script.ExpectMessage("The measurement must be between 0 pt and 850 pt.");
    script.ExpectMessage("The measurement must be between 0 li and 132 li.");
    RptWarnRangeMetric(nullptr, -30000, 30000);
    GetRptGlobalsContainer()->GetIntl()->SetMetricSystem(false);
    RptWarnRangeMetric(nullptr, 0, 30000);
    GetRptGlobalsContainer()->GetIntl()->SetMetricSystem(true);
    RptWarnRangePoints(nullptr, 0, 30000);
    RptWarnRangeLines(nullptr, 0, 132);
    for (const SPrompt& prompt : Transcript()) {
        EXPECT_EQ(prompt.caption, " - ");
        EXPECT_EQ(prompt.style, SPrompt::Warning);
    }
}
