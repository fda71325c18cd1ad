// The table of contents: its ten paragraphs, its titles and its commands.
#include <gtest/gtest.h>

#include "platform/gdi/SPrinterCache.h"
#include "rpt/dialogs/SRptDlgMultiLevelForm.h"
#include "rpt/dialogs/SRptDlgTxtEdit.h"
#include "rpt/module/SRptFont.h"
#include "rpt/module/SRptGlobalsContainer.h"
#include "platform/base/SECOMException.h"
#include "rpt/objs/items/SRptItemEditor.h"
#include "rpt/objs/paras/SRptParaItemMem.h"
#include "rpt/objs/paras/SRptParaTitleMem.h"
#include "rpt/objs/items/SRptTblCtsMem.h"
#include "rpt/objs/items/SRptTextMem.h"
#include "support/SRptItemKindTestFixture.h"
#include "varod9/ISRptTabulation.h"
#include "varod9/ISRptTblCts.h"

namespace {

class SRptTblCts : public SRptItemKindTestFixture {
protected:
    void SetUp() override {
        SRptItemKindTestFixture::SetUp();
        // A page 200 mm wide with margins of 12 mm and 18 mm leaves 170 mm for the text.
        SPrinterCache* printer = GetRptGlobalsContainer()->GetPrinterCache();
        printer->SetPageSize(POINT{20000, 28000});
        printer->SetMargins(RECT{1200, 1000, 1800, 1000});
    }
    void TearDown() override {
        GetRptGlobalsContainer()->GetPrinterCache()->ResetToDefaults();
        SRptItemKindTestFixture::TearDown();
    }
    static SComWrap<ISRptPara> ParaAt(ISRptItem* item, int32_t position) {
        SComWrap<ISRptPara> para;
        EXPECT_EQ(item->GetParaAtPos(position, &para), S_OK);
        return para;
    }
};

}  // namespace

TEST_F(SRptTblCts, TheTitleShownIsTheReportsUnlessTheUserWroteOne) {
    SComWrap<ISRptTblCts> free = Make<ISRptTblCts>(CLSID_SRptTblCts);
    EXPECT_EQ(free->GetTitle(), "Table of contents");
    EXPECT_EQ(free->GetNbParagraphs(), 3);
    EXPECT_FALSE(free->GetUserDefined());
    EXPECT_FALSE(free->GetContainer());
    // Outside a template of a report there is no report's title.
    EXPECT_EQ(free->GetDispTitle(), "");

    SComWrap<ISRptTblCts> contents = BuildInTemplate<ISRptTblCts>(CLSID_SRptTblCts);
    Report()->exTitles[0] = "Contents of the model";
    Report()->exTitles[1] = "Not the contents'";
    EXPECT_EQ(contents->GetExDefTitle(), "Contents of the model");
    SRepVariant value;
    ASSERT_EQ(contents->GetAttribute(RPTTBLCTS_DISPTITLE, &value), S_OK);
    EXPECT_EQ(value.GetText(), "Contents of the model");
    contents->PutUserDefined(true);
    EXPECT_EQ(contents->GetDispTitle(), "Table of contents");
    contents->PutTitle("");
    EXPECT_EQ(contents->GetDispTitle(), "") << "the user's title, even an empty one";

    // It never lists itself.
    RPTTBLCTSENTRY entry;
    EXPECT_EQ(contents->GetTblCtsEntry(&entry), S_OK);
    EXPECT_EQ(entry.HasEntry, 0);
}

TEST_F(SRptTblCts, ItIsBuiltWithATitleAndNineLevelParagraphs) {
    SComWrap<ISRptTblCts> contents = Make<ISRptTblCts>(CLSID_SRptTblCts);
    EXPECT_EQ(contents->ConstructWithItemDef(nullptr), E_POINTER);
    contents->PutTitle("changed");
    const RPTUSRITEMDEF def = Describe("Table of contents");
    ASSERT_EQ(contents->ConstructWithItemDef(&def), S_OK);
    EXPECT_EQ(contents->GetTitle(), "Table of contents");
    EXPECT_EQ(contents->GetLabel(), "Table of contents");
    ASSERT_EQ(contents->Paragraphs().GetCount(), 10);

    const char* names[] = {"TOC Title", "Level 1", "Level 2", "Level 3", "Level 4",
                           "Level 5",   "Level 6", "Level 7", "Level 8", "Level 9"};
    for (int32_t position = 0; position < 10; ++position) {
        SCOPED_TRACE(position);
        SComWrap<ISRptPara> para = ParaAt(contents.Get(), position);
        ASSERT_TRUE(para);
        EXPECT_EQ(para->GetClassID(), position == 0 ? CLSID_SRptParaTitle : CLSID_SRptParaItem);
        EXPECT_EQ(contents->GetParaName(para.Get()), names[position]);
        const int32_t fontKind = SRptFont::RPT_FONT_TOC_TITLE + position;
        EXPECT_EQ(contents->GetParaFontID(para.Get()), fontKind);
        EXPECT_EQ(para->GetParaName(), names[position]);
        // Each in the stock paragraph of its own font.
        EXPECT_EQ(para->GetFontName(), SRptFont::GetDefaultFontName(fontKind));
        EXPECT_EQ(para->GetFontHeight(), SRptFont::GetDefaultFontHeight(fontKind));
        EXPECT_EQ(para->GetFontStyle(), SRptFont::GetDefaultFontStyle(fontKind));
    }

    // An eleventh paragraph added later is the container's.
    SComWrap<ISRptPara> added;
    ASSERT_EQ(contents->CreateObject(CLSID_SRptParaItem, reinterpret_cast<void**>(&added), ISRptPara::iid,
                                     RPTPARACONTAINER_PARAGRAPHS, -1, true),
              S_OK);
    EXPECT_EQ(contents->GetParaName(added.Get()), "Text Paragraph 10");
    EXPECT_EQ(contents->GetParaFontID(added.Get()), -1);
}

TEST_F(SRptTblCts, LevelsStepInwardWithAFilledRightTabAtThePrintersRightMargin) {
    SComWrap<ISRptTblCts> contents = Build<ISRptTblCts>(CLSID_SRptTblCts);
    // The title keeps what its stock paragraph gives.
    SComWrap<ISRptPara> title = ParaAt(contents.Get(), 0);
    EXPECT_EQ(title->GetLeft(), 0);
    EXPECT_FALSE(title->GetFillTabs());
    EXPECT_EQ(title->GetNbTabs(), 0);

    for (int32_t level = 1; level <= 9; ++level) {
        SCOPED_TRACE(level);
        SComWrap<ISRptPara> para = ParaAt(contents.Get(), level);
        EXPECT_EQ(para->GetLeft(), 350 * (level - 1));
        EXPECT_TRUE(para->GetFillTabs());
        ASSERT_EQ(para->GetNbTabs(), 1);
        SComWrap<ISRptTabulation> tab;
        ASSERT_EQ(para->GetTabPosAtIndex(0, &tab), S_OK);
        EXPECT_EQ(tab->GetPosition(), 20000 - 1200 - 1800);
        EXPECT_EQ(tab->GetAlignment(), RPT_TABPOS_ALIGN_RIGHT);
    }

    // The printer at construction time counts: a later change moves no tab.
    SPrinterCache* printer = GetRptGlobalsContainer()->GetPrinterCache();
    printer->SetOrientation(DMORIENT_LANDSCAPE);
    SComWrap<ISRptTblCts> landscape = Build<ISRptTblCts>(CLSID_SRptTblCts);
    SComWrap<ISRptTabulation> wide, narrow;
    ASSERT_EQ(ParaAt(landscape.Get(), 9)->GetTabPosAtIndex(0, &wide), S_OK);
    ASSERT_EQ(ParaAt(contents.Get(), 9)->GetTabPosAtIndex(0, &narrow), S_OK);
    EXPECT_EQ(wide->GetPosition(), printer->GetPageSize().x - 1200 - 1800);
    EXPECT_EQ(narrow->GetPosition(), 17000);

    // Without the library's printer the levels have no tab, and all the rest.
    SRptGlobalsContainer::Destroy();
    SComWrap<ISRptTblCts> unprinted = Build<ISRptTblCts>(CLSID_SRptTblCts);
    SRptGlobalsContainer::Construct();
    SComWrap<ISRptPara> level = ParaAt(unprinted.Get(), 4);
    EXPECT_EQ(level->GetNbTabs(), 0);
    EXPECT_EQ(level->GetLeft(), 1050);
    EXPECT_TRUE(level->GetFillTabs());
}

TEST_F(SRptTblCts, FormatAndEditAreItsOnlyCommands) {
    SComWrap<ISRptTblCts> contents = BuildInTemplate<ISRptTblCts>(CLSID_SRptTblCts);
    EXPECT_EQ(contents->IsItemSupportCommand(ID_RPT_ITEM_FORMAT), S_OK);
    EXPECT_EQ(contents->IsItemSupportCommand(ID_RPT_ITEM_EDIT), S_OK);
    EXPECT_EQ(contents->IsItemSupportCommand(ID_RPT_ITEM_LAYOUT), S_FALSE);
    EXPECT_EQ(contents->IsItemSupportCommand(ID_RPT_PAGEBREAK_HTMLGEN), S_FALSE);
    EXPECT_EQ(contents->HandlePopupCommand(ID_RPT_ITEM_LAYOUT, Selection(contents.Get()), nullptr), S_FALSE);

    // Format opens the sheet with the number of levels ("Show levels to:" lists the paragraphs),
    // which it puts back on OK.
    script.Expect(SPrompt::Dialog, "237", DialogCancel())
        .Expect(SPrompt::Dialog, "237", DialogOK({{SRptDlgMultiLevelForm::IDC_SHOW_LEVELS, "Level 5"}}));
    EXPECT_EQ(contents->HandlePopupCommand(ID_RPT_ITEM_FORMAT, Selection(contents.Get()), nullptr), S_OK);
    EXPECT_EQ(contents->GetNbParagraphs(), 3);
    EXPECT_EQ(contents->HandlePopupCommand(ID_RPT_ITEM_FORMAT, Selection(contents.Get()), nullptr), S_OK);
    EXPECT_EQ(contents->GetNbParagraphs(), 5);
    EXPECT_EQ(Transcript().back().caption, "Format");
}

TEST_F(SRptTblCts, ALevelsSheetOverAnotherKindFailsWithTheMissingInterface) {
    SComWrap<ISRptItem> text = Build(CLSID_SRptText);
    try {
        SRptItemEditor::LevelFormatDialog(Selection(text.Get()), 0);
        ADD_FAILURE() << "no exception";
    } catch (const SECOMException& e) {
        EXPECT_EQ(e.GetHResult(), E_POINTER);
    }
    EXPECT_TRUE(Transcript().empty()) << "the sheet stopped before it was shown";
}

TEST_F(SRptTblCts, EditChoosesBetweenTheReportsTitleAndTheUsersOwn) {
    SComWrap<ISRptTblCts> contents = BuildInTemplate<ISRptTblCts>(CLSID_SRptTblCts);
    Report()->exTitles[0] = "Contents of the model";

    // Cancelled: nothing changes.
    script.Expect(SPrompt::Dialog, "210", DialogCancel());
    EXPECT_EQ(contents->HandlePopupCommand(ID_RPT_ITEM_EDIT, Selection(contents.Get()), nullptr), S_OK);
    EXPECT_EQ(contents->GetTitle(), "Table of contents");
    EXPECT_FALSE(contents->GetUserDefined());

    // The editor starts from the report's title while it is the one shown; OK keeps it.
    script.Expect(SPrompt::Dialog, "210", DialogOK());
    EXPECT_EQ(contents->HandlePopupCommand(ID_RPT_ITEM_EDIT, Selection(contents.Get()), nullptr), S_OK);
    EXPECT_EQ(contents->GetTitle(), "Contents of the model");
    EXPECT_FALSE(contents->GetUserDefined());

    // The user's own title.
    script.Expect(SPrompt::Dialog, "210",
                  DialogOK({{SRptDlgTxtEdit::IDC_TEXT, "Overview"}, {SRptDlgTxtEdit::IDC_USERDEF, "1"}}));
    EXPECT_EQ(contents->HandlePopupCommand(ID_RPT_ITEM_EDIT, Selection(contents.Get()), nullptr), S_OK);
    EXPECT_EQ(contents->GetTitle(), "Overview");
    EXPECT_TRUE(contents->GetUserDefined());
    EXPECT_EQ(contents->GetDispTitle(), "Overview");

    // Back to the report's: clearing the box puts the report's title into the editor, which is
    // the text stored; the report's title is shown again.
    script.Expect(SPrompt::Dialog, "210",
                  DialogOK({{SRptDlgTxtEdit::IDC_TEXT, "Summary"}, {SRptDlgTxtEdit::IDC_USERDEF, "0"}}));
    EXPECT_EQ(contents->HandlePopupCommand(ID_RPT_ITEM_EDIT, Selection(contents.Get()), nullptr), S_OK);
    EXPECT_EQ(contents->GetTitle(), "Contents of the model");
    EXPECT_FALSE(contents->GetUserDefined());
    EXPECT_EQ(contents->GetDispTitle(), "Contents of the model");
}
