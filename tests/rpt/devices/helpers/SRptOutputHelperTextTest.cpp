// The helpers of the kinds whose output is text: what each reads of its item or of the module,
// and the texts the writers take from it.
#include <gtest/gtest.h>

#include "platform/base/SECOMException.h"
#include "rpt/devices/generation/SRptGenerationNodeFolder.h"
#include "rpt/devices/generation/SRptGenerationNodeGrpText.h"
#include "rpt/devices/generation/SRptGenerationNodeGrpTitle.h"
#include "rpt/devices/generation/SRptGenerationNodePageBreak.h"
#include "rpt/devices/generation/SRptGenerationNodeTblCts.h"
#include "rpt/devices/generation/SRptGenerationNodeTemplate.h"
#include "rpt/devices/generation/SRptGenerationNodeText.h"
#include "rpt/devices/generation/SRptGenerationNodeTextFile.h"
#include "rpt/devices/generation/SRptGenerationNodeTitle.h"
#include "rpt/devices/helpers/SRptOutputHelperFolder.h"
#include "rpt/devices/helpers/SRptOutputHelperGrpText.h"
#include "rpt/devices/helpers/SRptOutputHelperGrpTitle.h"
#include "rpt/devices/helpers/SRptOutputHelperPageBreak.h"
#include "rpt/devices/helpers/SRptOutputHelperTblCts.h"
#include "rpt/devices/helpers/SRptOutputHelperTemplate.h"
#include "rpt/devices/helpers/SRptOutputHelperTestFixture.h"
#include "rpt/devices/helpers/SRptOutputHelperText.h"
#include "rpt/devices/helpers/SRptOutputHelperTextFile.h"
#include "rpt/devices/helpers/SRptOutputHelperTitle.h"
#include "rpt/objs/items/SRptFolderMem.h"
#include "rpt/objs/items/SRptGrpTextMem.h"
#include "rpt/objs/items/SRptGrpTitleMem.h"
#include "rpt/objs/items/SRptPageBreakMem.h"
#include "rpt/objs/items/SRptTblCtsMem.h"
#include "rpt/objs/items/SRptTextFileMem.h"
#include "rpt/objs/items/SRptTextMem.h"
#include "rpt/objs/items/SRptTitleMem.h"
#include "rpt/objs/reports/SRptReportMem.h"
#include "rpt/objs/reports/SRptTemplateMem.h"
#include "varod9/ISRptFolder.h"
#include "varod9/ISRptGrpText.h"
#include "varod9/ISRptGrpTitle.h"
#include "varod9/ISRptText.h"
#include "varod9/ISRptTextFile.h"
#include "varod9/ISRptTitle.h"

namespace {

constexpr GUID kCustomer = MakeGUID("{0C0FFEE0-0000-4000-8000-000000000001}");
constexpr GUID kOrder = MakeGUID("{0C0FFEE0-0000-4000-8000-000000000002}");

class SRptOutputHelperTextKinds : public SRptOutputHelperTestFixture {};

TEST_F(SRptOutputHelperTextKinds, TextsAndTitlesShowTheirTextAndATextFileOnlyItsPath) {
    SComWrap<ISRptText> text = Build<ISRptText>(CLSID_SRptText);
    text->PutText("Opening words");
    SComWrap<ISRptTitle> title = Build<ISRptTitle>(CLSID_SRptTitle);
    title->PutText("Chapter");
    SComWrap<ISRptTextFile> file = Build<ISRptTextFile>(CLSID_SRptTextFile);
    file->PutAbsPath("/data/notes.txt");

    auto* textHelper = Enter<SRptOutputHelperText>(Insert<SRptGenerationNodeText>(text.Get(), 0));
    auto* titleHelper = Enter<SRptOutputHelperTitle>(Insert<SRptGenerationNodeTitle>(title.Get(), 0));
    auto* fileHelper = Enter<SRptOutputHelperTextFile>(Insert<SRptGenerationNodeTextFile>(file.Get(), 0));
    ASSERT_TRUE(textHelper && titleHelper && fileHelper);
    EXPECT_EQ(textHelper->GetText(), "Opening words");
    EXPECT_EQ(textHelper->GetFirstText(), "Opening words");
    EXPECT_EQ(titleHelper->GetText(), "Chapter");
    EXPECT_EQ(titleHelper->GetFirstText(), "Chapter");
    // A contents entry of a text file shows no path; the writers read it as the first text.
    EXPECT_EQ(fileHelper->GetText(), "");
    EXPECT_EQ(fileHelper->GetFirstText(), "/data/notes.txt");
    // The texts were read once: the item's later changes do not reach the helper.
    text->PutText("Changed");
    EXPECT_EQ(textHelper->GetText(), "Opening words");
    EXPECT_EQ(*textHelper->GetObjectID(), GUID_NULL);
}

TEST_F(SRptOutputHelperTextKinds, PageBreaksAndTheContentsShowNothing) {
    SComWrap<ISRptItem> pageBreak = Build(CLSID_SRptPageBreak);
    SComWrap<ISRptItem> contents = Build(CLSID_SRptTblCts);
    auto* breakHelper = Enter<SRptOutputHelperPageBreak>(Insert<SRptGenerationNodePageBreak>(pageBreak.Get(), 0));
    auto* contentsHelper = Enter<SRptOutputHelperTblCts>(Insert<SRptGenerationNodeTblCts>(contents.Get(), 0));
    ASSERT_TRUE(breakHelper && contentsHelper);
    EXPECT_EQ(breakHelper->GetText(), "");
    EXPECT_EQ(contentsHelper->GetText(), "");
    EXPECT_EQ(contentsHelper->Init(nullptr), S_OK);
    // The contents are the tree's entries.
    EXPECT_EQ(contentsHelper->GetContentsTable(), &tree->GetContentsEntries());
    SRptOutputHelperTblCts detached(nullptr);
    EXPECT_EQ(detached.GetContentsTable(), nullptr);
    EXPECT_EQ(detached.GetNumberText(), "");
}

TEST_F(SRptOutputHelperTextKinds, AnItemWithoutTheKindsInterfaceFailsWithEPointer) {
    // A plain test item is no free text.
    SComWrap<ISRptItem> item = Item("not a text");
    SRptGenerationNode* node = Insert<SRptGenerationNodeText>(item.Get(), 0);
    try {
        node->Enter(nullptr);
        ADD_FAILURE() << "no exception";
    } catch (const SECOMException& e) {
        EXPECT_EQ(e.GetHResult(), static_cast<HRESULT>(0x80004003));
    }
    EXPECT_EQ(node->GetOutputHelper(), nullptr);
    tree.reset();
    item->Delete();
}

TEST_F(SRptOutputHelperTextKinds, NumberedTextIsTheNumberAndItsBlankOnlyWhenTheReportNumbers) {
    SComWrap<ISRptTitle> title = Build<ISRptTitle>(CLSID_SRptTitle);
    title->PutText("Results");
    title->PutTOCEntry(true);
    auto* numbered = Enter<SRptOutputHelperTitle>(Insert<SRptGenerationNodeTitle>(title.Get(), 0));
    ASSERT_TRUE(numbered);
    EXPECT_EQ(numbered->GetNumberedText(), "1 Results");

    // A report with section numbering switched on tells the tree not to number.
    SComWrap<ISRptReport> numberedReport = Make<ISRptReport>(CLSID_SRptReport);
    numberedReport->PutSectNum(true);
    NewTree(numberedReport.Get());
    auto* plain = Enter<SRptOutputHelperTitle>(Insert<SRptGenerationNodeTitle>(title.Get(), 0));
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->GetNumberedText(), "Results");
    tree.reset();
    numberedReport->Delete();
}

class SRptOutputHelperTemplateTest : public SRptOutputHelperTestFixture {
protected:
    void SetUp() override {
        SRptOutputHelperTestFixture::SetUp();
        realReport = Make<ISRptReport>(CLSID_SRptReport);
        realTemplate = MakeIn<ISRptTemplate>(realReport.Get(), CLSID_SRptTemplate, RPTREPORT_TEMPLATES);
        realReport->PutFirstPageTitle("Annual report");
        realReport->PutFirstPageAuthor("A. Writer");
        realReport->PutFirstPageVersion("2.1");
        realReport->PutFirstPageDate("2024-03-31");
        realReport->PutFirstPageSummary("Figures of the year");
        realTemplate->PutExpHeader("Page 1");
        realTemplate->PutExpFooter("Confidential");
    }
    void TearDown() override {
        tree.reset();
        realTemplate.Clear();
        if (realReport) realReport->Delete();
        realReport.Clear();
        SRptOutputHelperTestFixture::TearDown();
    }
    SRptOutputHelperTemplate* EnterTemplate() {
        return Enter<SRptOutputHelperTemplate>(Insert<SRptGenerationNodeTemplate>(realTemplate.Get(), 0));
    }

    SComWrap<ISRptReport> realReport;
    SComWrap<ISRptTemplate> realTemplate;
};

TEST_F(SRptOutputHelperTemplateTest, ATitlePageTextIsTakenOnlyWhenItsOwnSwitchIsOn) {
    realReport->PutHasFirstPageTitle(true);
    realReport->PutHasFirstPageAuthor(false);
    realReport->PutHasFirstPageVersion(true);
    realReport->PutHasFirstPageDate(false);
    realReport->PutHasFirstPageSummary(true);
    // The report's overall switch is not consulted.
    realReport->PutHasFirstPage(false);
    SRptOutputHelperTemplate* helper = EnterTemplate();
    ASSERT_TRUE(helper);
    EXPECT_EQ(helper->GetFirstText(), "Annual report");
    EXPECT_EQ(helper->GetFirstPageAuthor(), "");
    EXPECT_EQ(helper->GetFirstPageVersion(), "2.1");
    // The date is there, its switch is not.
    EXPECT_EQ(helper->GetFirstPageDate(), "");
    EXPECT_EQ(helper->GetFirstPageSummary(), "Figures of the year");
    EXPECT_EQ(helper->GetText(), "");
}

TEST_F(SRptOutputHelperTemplateTest, HeaderAndFooterAreTheTemplatesExpandedOnes) {
    realReport->PutHasFirstPageTitle(false);
    realReport->PutHasFirstPageAuthor(true);
    realReport->PutHasFirstPageDate(true);
    SRptOutputHelperTemplate* helper = EnterTemplate();
    ASSERT_TRUE(helper);
    EXPECT_EQ(helper->GetFirstText(), "");
    EXPECT_EQ(helper->GetFirstPageAuthor(), "A. Writer");
    EXPECT_EQ(helper->GetFirstPageDate(), "2024-03-31");
    EXPECT_EQ(helper->GetExpHeader(), "Page 1");
    EXPECT_EQ(helper->GetExpFooter(), "Confidential");
}

class SRptOutputHelperModuleText : public SRptOutputHelperTestFixture {
protected:
    // The module's Process: the title and object of the item, answered as `result`.
    void AnswerTitle(const char* title, const GUID& object, HRESULT result) {
        module->process = [=](RPTPROCCONTEXT& record) {
            record.Text2 = title;
            record.ObjectID = object;
            return result;
        };
    }
};

TEST_F(SRptOutputHelperModuleText, AGroupTextTakesTheModulesTitleAndBody) {
    SComWrap<ISRptGrpText> grpText = Build<ISRptGrpText>(CLSID_SRptGrpText);
    grpText->PutUserDefined(true);
    grpText->PutTitle("Customer");
    grpText->PutItemParam(17);
    grpText->PutDisplayIfEmpty(true);
    UseModule(grpText.Get());
    AnswerTitle("Customers", kCustomer, 1);
    module->getValue = [](RPTPROCCONTEXT& record) {
        record.Text2 = "{\\rtf1 body}";
        return 1;
    };

    auto* helper = Enter<SRptOutputHelperGrpText>(Insert<SRptGenerationNodeGrpText>(grpText.Get(), 0, 4));
    ASSERT_TRUE(helper);
    EXPECT_EQ(helper->GetText(), "Customers");
    EXPECT_EQ(helper->GetFirstText(), "Customers");
    EXPECT_EQ(helper->GetSecondText(), "{\\rtf1 body}");
    EXPECT_EQ(*helper->GetObjectID(), kCustomer);

    // The node positions the module, then the helper asks for the title and the body.
    EXPECT_EQ(module->Operations(), (std::vector<std::string>{"begin", "process", "process", "getvalue"}));
    // The title is asked for with a record of the item alone...
    const RPTPROCCONTEXT titleRecord = module->Records("process")[1];
    EXPECT_EQ(titleRecord.ItemParam, 17);
    EXPECT_EQ(titleRecord.Text1, "Customer");
    EXPECT_EQ(titleRecord.Occurrence, 0);
    // ... the body with the node's record of the occurrence.
    const RPTPROCCONTEXT bodyRecord = module->Records("getvalue")[0];
    EXPECT_EQ(bodyRecord.Occurrence, 4);
    EXPECT_EQ(bodyRecord.ItemParam, 17);
    EXPECT_EQ(bodyRecord.DisplayIfEmpty, 1);
}

TEST_F(SRptOutputHelperModuleText, AModuleThatAnswersZeroLeavesTheTextsEmpty) {
    SComWrap<ISRptGrpText> grpText = Build<ISRptGrpText>(CLSID_SRptGrpText);
    UseModule(grpText.Get());
    // The record is filled, but the answer says it carries nothing.
    AnswerTitle("ignored", kCustomer, 0);
    module->getValue = [](RPTPROCCONTEXT& record) {
        record.Text2 = "ignored too";
        return 0;
    };
    auto* helper = Enter<SRptOutputHelperGrpText>(Insert<SRptGenerationNodeGrpText>(grpText.Get(), 0, 0));
    ASSERT_TRUE(helper);
    EXPECT_EQ(helper->GetText(), "");
    EXPECT_EQ(helper->GetSecondText(), "");
    EXPECT_EQ(*helper->GetObjectID(), GUID_NULL);
}

TEST_F(SRptOutputHelperModuleText, AGroupTitleMemberTakesTitleOrderAndObjectFromTheModule) {
    SComWrap<ISRptGrpTitle> grpTitle = Build<ISRptGrpTitle>(CLSID_SRptGrpTitle);
    grpTitle->PutUserOrder(true);
    UseModule(grpTitle.Get());
    module->memberText = [](RPTPROCCONTEXT& record) {
        record.Text2 = "Order 1001";
        record.UserOrder = 0;
        record.ObjectID = kOrder;
        return 1;
    };
    auto* helper = Enter<SRptOutputHelperGrpTitle>(Insert<SRptGenerationNodeGrpTitle>(grpTitle.Get(), 0, 2));
    ASSERT_TRUE(helper);
    EXPECT_EQ(helper->GetText(), "Order 1001");
    EXPECT_EQ(helper->GetOrder(), 0);
    EXPECT_EQ(*helper->GetObjectID(), kOrder);
    // The module was asked for the node's member, with the user's order choice.
    const RPTPROCCONTEXT asked = module->Records("membertext").at(0);
    EXPECT_EQ(asked.Occurrence, 2);
    EXPECT_EQ(asked.UserOrder, 1);
}

TEST_F(SRptOutputHelperModuleText, AGroupTitleMemberWhoseFetchGivesNothingKeepsOrderOne) {
    SComWrap<ISRptGrpTitle> grpTitle = Build<ISRptGrpTitle>(CLSID_SRptGrpTitle);
    UseModule(grpTitle.Get());
    module->memberText = [](RPTPROCCONTEXT& record) {
        record.Text2 = "ignored";
        record.UserOrder = 0;
        return 0;
    };
    auto* helper = Enter<SRptOutputHelperGrpTitle>(Insert<SRptGenerationNodeGrpTitle>(grpTitle.Get(), 0, 0));
    ASSERT_TRUE(helper);
    EXPECT_EQ(helper->GetOrder(), 1);
    EXPECT_EQ(helper->GetText(), "");
    EXPECT_EQ(*helper->GetObjectID(), GUID_NULL);
}

TEST_F(SRptOutputHelperModuleText, AFolderMemberTakesTitleAndObjectAndIsNumberedLikeAnyText) {
    SComWrap<ISRptFolder> folder = Build<ISRptFolder>(CLSID_SRptFolder);
    folder->PutTOCEntry(true);
    folder->PutNbMaxLevels(3);
    UseModule(folder.Get());
    module->memberText = [](RPTPROCCONTEXT& record) {
        record.Text2 = "Region North";
        record.ObjectID = kCustomer;
        return 1;
    };
    auto* helper = Enter<SRptOutputHelperFolder>(Insert<SRptGenerationNodeFolder>(folder.Get(), 0, 1));
    ASSERT_TRUE(helper);
    EXPECT_EQ(helper->GetText(), "Region North");
    EXPECT_EQ(*helper->GetObjectID(), kCustomer);
    EXPECT_EQ(helper->GetNumberedText(), "1 Region North");
    EXPECT_EQ(module->Records("membertext").at(0).NbMaxLevels, 3);
}

}  // namespace
