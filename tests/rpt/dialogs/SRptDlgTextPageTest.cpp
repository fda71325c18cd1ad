#include <gtest/gtest.h>

#include "SRptFormatPageTestFixture.h"
#include "rpt/dialogs/SRptDlgTextPage.h"
#include "rpt/objs/items/SRptGrpTextMem.h"
#include "rpt/objs/items/SRptTblCtsMem.h"
#include "varod9/ISRptCustom.h"
#include "varod9/ISRptTblCts.h"
#include "varod9/ISRptText.h"

namespace {

using Page = SRptDlgTextPage;

// The Format sheet with the text page among its tabs, opened on it.
class STextSheet : public SRptDlgMultiFormat {
public:
    explicit STextSheet(ISRepObject* object) : SRptDlgMultiFormat(object, 0, IDD_FORMAT) {
        AddPage(&GetTextPage());
        m_psh.nStartPage = static_cast<uint32_t>(GetPageIndex(&GetTextPage()));
    }
};

// A user who looks at the text page, may type into it, then presses OK.
class STextUser : public SInteractionScript {
public:
    explicit STextUser(std::function<void()> act) : m_act(std::move(act)) {}
    SAnswer Answer(const SPrompt& prompt) override {
        EXPECT_EQ(prompt.kind, SPrompt::Dialog);
        m_act();
        SAnswer answer;
        answer.button = IDOK;
        return answer;
    }

private:
    std::function<void()> m_act;
};

class SRptDlgTextPageTest : public SRptFormatPageTest {
protected:
    // An item of a kind, as a module's description builds it.
    template <class I>
    SComWrap<I> NewItem(const GUID& clsid) {
        SComWrap<I> item = Make<I>(clsid);
        RPTUSRITEMDEF def;
        def.Label = "Label";
        EXPECT_EQ(item->ConstructWithItemDef(&def), S_OK);
        return item;
    }
    // Runs the sheet over the item; `act` sees the text page once the sheet shows it.
    static int32_t RunText(IUnknown* item, std::function<void(Page&)> act) {
        SComWrap<ISRepObject> object;
        object.Assign(item);
        STextSheet sheet(object.Get());
        STextUser user([&] { act(sheet.GetTextPage()); });
        SInteractionScope scope(&user);
        return sheet.DoModal();
    }
};

}  // namespace

TEST_F(SRptDlgTextPageTest, AFreeTextIsShownInItsParagraphsFontAndTheEditIsStored) {
    SComWrap<ISRptText> text = NewItem<ISRptText>(CLSID_SRptText);
    ASSERT_EQ(text->PutText("Opening words"), S_OK);
    SComWrap<ISRptPara> para;
    text->GetParaAtPos(0, &para);
    para->PutFontName("Courier New");
    EXPECT_EQ(RunText(text.Get(), [](Page& page) {
                  EXPECT_EQ(page.GetCaption(), "Text");
                  EXPECT_EQ(Shown(page, Page::IDC_TEXT), "Opening words");
                  LOGFONTA shown;
                  ASSERT_NE(page.GetTextFont(), nullptr);
                  EXPECT_TRUE(page.GetTextFont()->GetLogFont(&shown));
                  EXPECT_STREQ(shown.lfFaceName, "Courier New");
                  Set(page, Page::IDC_TEXT, "Closing words");
              }),
              IDOK);
    EXPECT_EQ(text->GetText(), "Closing words");
}

TEST_F(SRptDlgTextPageTest, AComputedTitleIsShownButNotWrittenAndOtherKindsAreLeftAlone) {
    SComWrap<ISRptCustom> group = NewItem<ISRptCustom>(CLSID_SRptGrpText);
    const SString title = group->GetDispTitle();
    EXPECT_EQ(RunText(group.Get(), [&](Page& page) {
                  EXPECT_EQ(Shown(page, Page::IDC_TEXT), title);
                  Set(page, Page::IDC_TEXT, "Something else");
              }),
              IDOK);
    EXPECT_EQ(group->GetDispTitle(), title);

    SComWrap<ISRptTblCts> contents = NewItem<ISRptTblCts>(CLSID_SRptTblCts);
    const SString contentsTitle = contents->GetDispTitle();
    EXPECT_EQ(RunText(contents.Get(), [](Page& page) {
                  EXPECT_EQ(Shown(page, Page::IDC_TEXT), "");
                  Set(page, Page::IDC_TEXT, "Something else");
              }),
              IDOK);
    EXPECT_EQ(contents->GetDispTitle(), contentsTitle);
}
