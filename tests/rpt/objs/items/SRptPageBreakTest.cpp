// The page break: no paragraph, none of the shared commands, and its HTML switch.
#include <gtest/gtest.h>

#include "rpt/objs/items/SRptPageBreakMem.h"
#include "support/SRptItemKindTestFixture.h"

namespace {
using SRptPageBreak = SRptItemKindTestFixture;
}  // namespace

TEST_F(SRptPageBreak, IsBuiltWithoutAParagraphAndOffersNoSharedCommand) {
    SComWrap<ISRptPageBreak> pageBreak = Make<ISRptPageBreak>(CLSID_SRptPageBreak);
    EXPECT_EQ(pageBreak->ConstructWithItemDef(nullptr), E_POINTER);
    const RPTUSRITEMDEF def = Describe("Page break");
    ASSERT_EQ(pageBreak->ConstructWithItemDef(&def), S_OK);
    EXPECT_EQ(pageBreak->Paragraphs().GetCount(), 0);
    EXPECT_EQ(pageBreak->GetLabelInTemplate(), "Page break");
    EXPECT_FALSE(pageBreak->GetContainer());

    for (uint32_t id : {ID_RPT_ITEM_FORMAT, ID_RPT_ITEM_LAYOUT, ID_RPT_ITEM_EDIT, ID_RPT_PAGEBREAK_HTMLGEN,
                        ID_RPT_PAGEBREAK_HTMLGEN_AV})
        EXPECT_EQ(pageBreak->IsItemSupportCommand(id), S_FALSE) << id;
    // Format opens nothing (the script fails the test on any prompt) and changes nothing.
    EXPECT_EQ(pageBreak->HandlePopupCommand(ID_RPT_ITEM_FORMAT, Selection(pageBreak.Get()), nullptr), S_FALSE);
    EXPECT_FALSE(pageBreak->GetHtmlGen());
}

TEST_F(SRptPageBreak, GenerateInHtmlSwitchesHtmlGenFromEitherMenu) {
    SComWrap<ISRptPageBreak> pageBreak = Build<ISRptPageBreak>(CLSID_SRptPageBreak);
    // No selection and no window are needed.
    const SComTable<ISRepObject> none;
    EXPECT_EQ(pageBreak->HandlePopupCommand(ID_RPT_PAGEBREAK_HTMLGEN, none, nullptr), S_OK);
    EXPECT_TRUE(pageBreak->GetHtmlGen());
    EXPECT_EQ(pageBreak->HandlePopupCommand(ID_RPT_PAGEBREAK_HTMLGEN, none, nullptr), S_OK);
    EXPECT_FALSE(pageBreak->GetHtmlGen());
    EXPECT_EQ(pageBreak->HandlePopupCommand(ID_RPT_PAGEBREAK_HTMLGEN_AV, none, nullptr), S_OK);
    EXPECT_TRUE(pageBreak->GetHtmlGen());
}
