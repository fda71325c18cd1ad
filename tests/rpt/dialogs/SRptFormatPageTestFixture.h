#pragma once
// Tests of the format pages through the Format sheet: text items whose paragraphs the sheet
// formats, a user who turns to a page, looks at it and sets its controls before pressing a button,
// and the warnings shown meanwhile (answered OK). Settings, report fonts, the measurement system
// and the interaction script are restored after each test.
#include <functional>
#include <optional>
#include <vector>

#include "platform/base/SSettingsStore.h"
#include "platform/ui/SWinDefs.h"
#include "rpt/dialogs/SRptDlgMultiFormat.h"
#include "rpt/module/SRptFont.h"
#include "rpt/module/SRptGlobalsContainer.h"
#include "rpt/objs/items/SRptTextMem.h"
#include "support/SRptItemTestFixture.h"
#include "varod9/RptItemDef.h"
#include "varod9/SInteraction.h"

class SRptFormatPageTest : public SRptItemTestFixture {
protected:
    // Pages of the sheet, in their order.
    static constexpr int32_t kFontPage = 0;
    static constexpr int32_t kParagraphPage = 1;
    static constexpr int32_t kBorderPage = 2;

    void SetUp() override {
        m_settings = SSettingsStore::Get().GetKeys();
        SSettingsStore::Get().Clear();
        SRptFont::DestroyTables();
        SRptFont::ConstructTables();
        SRptItemTestFixture::SetUp();
        m_metric = Intl()->IsMetricSystem();
        Intl()->SetMetricSystem(true);
        SInteraction::ClearTranscript();
    }
    void TearDown() override {
        Intl()->SetMetricSystem(m_metric);
        paras.clear();
        items.clear();
        SInteraction::ClearTranscript();
        SRptItemTestFixture::TearDown();
        SRptFont::DestroyTables();
        SRptFont::ConstructTables();
        SSettingsStore::Get().GetKeys() = m_settings;
    }
    static SIntl* Intl() { return GetRptGlobalsContainer()->GetIntl(); }

    // A text item, as a module's description builds it; its paragraph is `paras.back()`.
    ISRptPara* NewPara() {
        SComWrap<ISRptItem> item = Make(CLSID_SRptText);
        RPTUSRITEMDEF def;
        def.ItemID = "ITEM";
        def.ModuleID = "MODULE";
        def.Label = "Label";
        EXPECT_EQ(item->ConstructWithItemDef(&def), S_OK);
        SComWrap<ISRptPara> para;
        item->GetParaAtPos(0, &para);
        items.push_back(item);
        paras.push_back(para);
        return para.Get();
    }

    // Runs the Format sheet over every item made, turned to `page`: `act` looks at the page and
    // sets its controls, and answers the button to press. Returns the button that ended the sheet.
    int32_t Run(int32_t page, std::function<int32_t(SDlg& page)> act) {
        SComTable<ISRepObject> objects;
        for (const SComWrap<ISRptItem>& item : items) {
            SComWrap<ISRepObject> object;
            object.Assign(item.Get());
            objects.Add(object.Get());
        }
        SRptDlgMultiFormat sheet(objects, 0, SRptDlgMultiPages::IDD_FORMAT_ITEMS);
        SUser user([&]() {
            EXPECT_EQ(sheet.SetActivePage(page), 1);
            return act(*sheet.GetActivePage());
        }, warnings);
        SInteractionScope scope(&user);
        return sheet.DoModal();
    }
    // The same, ending with OK.
    int32_t RunOK(int32_t page, std::function<void(SDlg& page)> act) {
        return Run(page, [&](SDlg& page) {
            act(page);
            return IDOK;
        });
    }

    // What a user does to a control: sets a value (a text, a list entry, a check box state) or
    // clicks it; and what a control shows.
    static void Set(SDlg& page, int32_t id, const char* value) {
        ASSERT_NE(page.FindControl(id), nullptr) << id;
        page.FindControl(id)->SendMessage(SWM_USERVALUE, 0, reinterpret_cast<LPARAM>(value));
    }
    static void Click(SDlg& page, int32_t id) { page.FindControl(id)->SendMessage(BM_CLICK); }
    static SString Shown(SDlg& page, int32_t id) { return page.FindControl(id)->GetWindowText(); }
    static int32_t Check(SDlg& page, int32_t id) { return static_cast<int32_t>(page.FindControl(id)->SendMessage(BM_GETCHECK)); }
    static int32_t Selection(SDlg& page, int32_t id) { return static_cast<int32_t>(page.FindControl(id)->SendMessage(CB_GETCURSEL)); }

    std::vector<SComWrap<ISRptItem>> items;
    std::vector<SComWrap<ISRptPara>> paras;
    // The texts of the warnings shown, in order.
    std::vector<SString> warnings;

private:
    // The user: acts on the sheet when it opens; answers a warning OK and keeps its text.
    class SUser : public SInteractionScript {
    public:
        SUser(std::function<int32_t()> act, std::vector<SString>& warnings) : m_act(std::move(act)), m_warnings(warnings) {}
        SAnswer Answer(const SPrompt& prompt) override {
            SAnswer answer;
            if (prompt.kind == SPrompt::Dialog) {
                answer.button = m_act();
            } else {
                EXPECT_EQ(prompt.kind, SPrompt::MessageBox);
                EXPECT_EQ(prompt.caption, " - ");
                m_warnings.push_back(prompt.text);
                answer.button = IDOK;
            }
            return answer;
        }

    private:
        std::function<int32_t()> m_act;
        std::vector<SString>& m_warnings;
    };

    SSettingsStore::Keys m_settings;
    bool m_metric = true;
};
