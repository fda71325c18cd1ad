// The page break: no paragraph, none of the shared commands, and its HTML switch.
#include <gtest/gtest.h>

#include <vector>

#include "platform/repo/ISRepObjSink.h"
#include "rpt/objs/SRptItemEditor.h"
#include "rpt/objs/SRptPageBreakMem.h"
#include "support/SRptItemKindTestFixture.h"
#include "support/STestRptProcs.h"
#include "varod9/ISRptPageBreak.h"

namespace {

using SRptPageBreak = SRptItemKindTestFixture;

// Records which attributes an object announces as changed.
class STestChangeSink final : public STestRefCounted<ISRepObjSink> {
public:
    HRESULT OnDelete(ISRepObject*, int32_t) override { return S_OK; }
    HRESULT OnFlush(ISRepObject*) override { return S_OK; }
    HRESULT OnChange(ISRepObject*, int32_t id) override {
        changes.push_back(id);
        return S_OK;
    }
    std::vector<int32_t> changes;
};

}  // namespace

TEST_F(SRptPageBreak, IsBuiltWithoutAParagraph) {
    SComWrap<ISRptPageBreak> pageBreak = Make<ISRptPageBreak>(CLSID_SRptPageBreak);
    EXPECT_EQ(pageBreak->ConstructWithItemDef(nullptr), E_POINTER);
    RPTUSRITEMDEF def = Describe("Page break");
    ASSERT_EQ(pageBreak->ConstructWithItemDef(&def), S_OK);
    EXPECT_EQ(pageBreak->Paragraphs().GetCount(), 0);
    EXPECT_EQ(pageBreak->GetLabel(), "Page break");
    EXPECT_EQ(pageBreak->GetLabelInTemplate(), "Page break");
    EXPECT_FALSE(pageBreak->GetHtmlGen());
    EXPECT_FALSE(pageBreak->GetContainer());
    RPTTBLCTSENTRY entry;
    EXPECT_EQ(pageBreak->GetTblCtsEntry(&entry), S_OK);
    EXPECT_EQ(entry.HasEntry, 0);
}

TEST_F(SRptPageBreak, SupportsNoneOfTheSharedCommands) {
    SComWrap<ISRptPageBreak> pageBreak = Build<ISRptPageBreak>(CLSID_SRptPageBreak);
    for (uint32_t id : {ID_RPT_ITEM_FORMAT, ID_RPT_ITEM_LAYOUT, ID_RPT_ITEM_EDIT, ID_RPT_PAGEBREAK_HTMLGEN,
                        ID_RPT_PAGEBREAK_HTMLGEN_AV})
        EXPECT_EQ(pageBreak->IsItemSupportCommand(id), S_FALSE) << id;
    // Format opens nothing (the script fails the test on any prompt) and changes nothing.
    EXPECT_EQ(pageBreak->HandlePopupCommand(ID_RPT_ITEM_FORMAT, Selection(pageBreak.Get()), nullptr), S_FALSE);
    EXPECT_EQ(pageBreak->HandlePopupCommand(ID_RPT_ITEM_EDIT, Selection(pageBreak.Get()), nullptr), S_FALSE);
    EXPECT_FALSE(pageBreak->GetHtmlGen());
}

TEST_F(SRptPageBreak, GenerateInHtmlSwitchesHtmlGenFromEitherMenuAndAnnouncesIt) {
    SComWrap<ISRptPageBreak> pageBreak = Build<ISRptPageBreak>(CLSID_SRptPageBreak);
    SComWrap<STestChangeSink> sink(new STestChangeSink);
    ASSERT_EQ(pageBreak->Advise(SREP_NOTIFY_CHANGE, sink.Get()), S_OK);

    // No selection and no window are needed.
    const SComTable<ISRepObject> none;
    EXPECT_EQ(pageBreak->HandlePopupCommand(ID_RPT_PAGEBREAK_HTMLGEN, none, nullptr), S_OK);
    EXPECT_TRUE(pageBreak->GetHtmlGen());
    EXPECT_EQ(pageBreak->HandlePopupCommand(ID_RPT_PAGEBREAK_HTMLGEN, none, nullptr), S_OK);
    EXPECT_FALSE(pageBreak->GetHtmlGen());
    EXPECT_EQ(pageBreak->HandlePopupCommand(ID_RPT_PAGEBREAK_HTMLGEN_AV, none, nullptr), S_OK);
    EXPECT_TRUE(pageBreak->GetHtmlGen());
    EXPECT_EQ(sink->changes, (std::vector<int32_t>{RPTPAGEBREAK_HTMLGEN, RPTPAGEBREAK_HTMLGEN, RPTPAGEBREAK_HTMLGEN}));
    EXPECT_EQ(pageBreak->Unadvise(sink.Get()), S_OK);
}
