// A report made in a session: its title page, its two paragraphs, its attribute protocol and its
// extension collections.
#include <gtest/gtest.h>

#include "platform/repo/SRepObjectBaseMem.h"
#include "platform/repo/SRepVariant.h"
#include "rpt/module/SRptFont.h"
#include "rpt/objs/paras/SRptParaItemMem.h"
#include "rpt/objs/reports/SRptReportTestFixture.h"
#include "support/RptMetaclassCheck.h"
#include "varod9/ISRptPara.h"

namespace {

class SRptReportMemTest : public SRptReportTestFixture {
protected:
    SComWrap<ISRptPara> Para(int32_t position) {
        SComWrap<ISRptPara> para;
        EXPECT_EQ(report->GetParaAtPos(position, &para), S_OK);
        return para;
    }
};

}  // namespace

TEST_F(SRptReportMemTest, ANewReportHasItsDocumentedTitlePage) {
    EXPECT_EQ(report->GetFirstPageTitle(), "Report");
    EXPECT_TRUE(report->GetHasFirstPage());
    EXPECT_TRUE(report->GetHasFirstPageTitle());
    EXPECT_TRUE(report->GetHasFirstPageAuthor());
    EXPECT_TRUE(report->GetHasFirstPageVersion());
    EXPECT_TRUE(report->GetHasFirstPageDate());
    EXPECT_TRUE(report->GetHasFirstPageSummary());
    EXPECT_FALSE(report->GetSectNum());
    for (const SString& empty : {report->GetName(), report->GetCode(), report->GetLabl(), report->GetFirstPageAuthor(),
                                 report->GetFirstPageVersion(), report->GetFirstPageDate(),
                                 report->GetFirstPageSummary()})
        EXPECT_EQ(empty, "");
    SRepVariant value;
    ASSERT_EQ(report->GetAttributeDefault(RPTREPORT_FIRSTPAGETITLE, &value), S_OK);
    EXPECT_EQ(value.GetText(), "Report");
    ASSERT_EQ(report->GetAttributeDefault(0x0200650E, &value), S_OK);
    EXPECT_FALSE(value.GetBool());
    // Name and Code keep at most 254 characters.
    EXPECT_EQ(report->PutName(SString(std::string(300, 'n'))), S_OK);
    EXPECT_EQ(report->GetName().GetLength(), 254);
    EXPECT_EQ(report->GetDispName(), report->GetName());
}

TEST_F(SRptReportMemTest, ANewReportOwnsTheTitleAndTheOptionalFieldsParagraphs) {
    EXPECT_EQ(report->Paragraphs().GetCount(), 2);
    SComWrap<ISRptPara> title = Para(0);
    SComWrap<ISRptPara> fields = Para(1);
    ASSERT_TRUE(title);
    ASSERT_TRUE(fields);
    EXPECT_EQ(title->GetClassID(), MakeGUID("{A6BAC8ED-B730-11D1-8898-00A02455633B}"));
    EXPECT_EQ(fields->GetClassID(), MakeGUID("{A6BAC8EC-B730-11D1-8898-00A02455633B}"));
    EXPECT_EQ(report->GetParaName(title.Get()), "Report Title");
    EXPECT_EQ(report->GetParaName(fields.Get()), "Optional Fields");
    EXPECT_EQ(report->GetParaFontID(title.Get()), 2);
    EXPECT_EQ(report->GetParaFontID(fields.Get()), 3);
    // Set up with the stock formats of their kinds, the title boxed, both aligned 4.
    EXPECT_EQ(title->GetBorder(), 15);
    EXPECT_EQ(title->GetAlignment(), 4);
    EXPECT_EQ(fields->GetAlignment(), 4);
    EXPECT_EQ(title->GetFontName(), SRptFont::GetDefaultFontName(2));
    EXPECT_EQ(title->GetFontHeight(), SRptFont::GetDefaultFontHeight(2));
    EXPECT_EQ(fields->GetFontHeight(), SRptFont::GetDefaultFontHeight(3));

    // A paragraph the report did not make has no font kind and the container's name.
    SComWrap<ISRepObject> third;
    ASSERT_EQ(report->CreateObject(CLSID_SRptParaItem, reinterpret_cast<void**>(&third), ISRepObject::iid,
                                   RPTPARACONTAINER_PARAGRAPHS, 2, true),
              S_OK);
    SComWrap<ISRptPara> extra = Para(2);
    EXPECT_EQ(report->GetParaFontID(extra.Get()), -1);
    EXPECT_EQ(report->GetParaName(extra.Get()), "Text Paragraph 2");
}

TEST_F(SRptReportMemTest, TheReportAnswersItsAttributesAsItsMetaclassSays) {
    int32_t checked = 0;
    EXPECT_TRUE(RptAnswersAsItsMetaclass(report.Get(), &checked));
    EXPECT_GT(checked, 18);
    EXPECT_EQ(report->GetAttributeType(SREP_DISPID_NAME), 0x900FEu);
    EXPECT_EQ(report->GetAttributeType(0x02000001), 0xA0000u);
    EXPECT_EQ(report->GetAttributeType(0x0200650E), 0x40000u);
    EXPECT_EQ(report->GetAttributeFlags(SREP_DISPID_NAME), 0x18u);
    EXPECT_EQ(report->GetAttributeFlags(0x02006510), 0x429u);
    EXPECT_TRUE(report->HasCollection(RPTREPORT_LANGEXSESS));
    EXPECT_TRUE(report->HasCollection(RPTREPORT_EXTSESS));
    EXPECT_FALSE(report->HasCollection(0x02000151));
    SComWrap<ISRepClassCol> collection;
    EXPECT_EQ(report->GetCollection(RPTREPORT_TEMPLATES, nullptr), E_POINTER);
    EXPECT_EQ(report->GetCollection(-1, &collection), E_FAIL);
}

TEST_F(SRptReportMemTest, TheLanguageIsAnObjectThatCanBeSetAndCleared) {
    EXPECT_FALSE(report->GetLang());
    SComWrap<ISRepObject> language;
    ASSERT_EQ(session->CreateObject(CLSID_SRptReport, reinterpret_cast<void**>(&language), ISRepObject::iid), S_OK);
    EXPECT_EQ(report->PutLang(language.Get()), S_OK);
    EXPECT_TRUE(report->GetLang().IsEqualObject(language.Get()));
    SRepVariant value;
    ASSERT_EQ(report->GetAttribute(RPTREPORT_LANG, &value), S_OK);
    EXPECT_TRUE(SComWrap<ISRepObject>(value.GetIOBJECT()).IsEqualObject(language.Get()));
    // With a language the extended titles are the host's.
    EXPECT_EQ(report->GetExTitle(0), "-2147467259");
    value.SetIOBJECT(nullptr);
    EXPECT_EQ(report->SetAttribute(RPTREPORT_LANG, value), S_OK);
    EXPECT_FALSE(report->GetLang());
    EXPECT_EQ(report->GetExTitle(0), "Table of contents");
    language->Delete();
}

TEST_F(SRptReportMemTest, TheLanguageQuestionsGoToTheFirstModulesClient) {
    EXPECT_EQ(report->GetLangName(), "-2147467259");
    EXPECT_EQ(report->ValidateLang(), E_FAIL);
    SComWrap<STestModuleClient> client(new STestModuleClient);
    Register("Sales", "Sales model", client.Get());
    EXPECT_EQ(report->GetLangName(), "Esperanto");
    EXPECT_EQ(report->ValidateLang(), S_OK);
}

TEST_F(SRptReportMemTest, ExtensionCollectionKindsAreFixedOnceAReportExists) {
    // The first report registered NotSavedSess and LangExSess under ExtSess.
    GUID clsid = GUID_NULL;
    EXPECT_TRUE(SRptReportMem::FindExtensionCollection(RPTREPORT_NOTSAVEDSESS, &clsid));
    EXPECT_EQ(clsid, MakeGUID("{362D41ED-9D82-11D1-8E5D-444553540000}"));
    EXPECT_TRUE(SRptReportMem::FindExtensionCollection(RPTREPORT_LANGEXSESS, &clsid));
    EXPECT_EQ(clsid, GUID_NULL);
    EXPECT_FALSE(SRptReportMem::FindExtensionCollection(RPTREPORT_TEMPLATES, nullptr));
    // From then on nothing more is taken.
    EXPECT_EQ(SRptReportMem::AddCollection(RPTREPORT_EXTSESS, 0x02006555, GUID_NULL), S_FALSE);
    EXPECT_EQ(SRptReportMem::AddCollection(0x02006550, 0x02006555, GUID_NULL), S_FALSE);
    EXPECT_FALSE(SRptReportMem::FindExtensionCollection(0x02006555, nullptr));
}
