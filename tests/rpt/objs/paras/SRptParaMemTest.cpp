#include <gtest/gtest.h>

#include <vector>

#include "platform/repo/ISRepObjSink.h"
#include "platform/repo/SRepKindTests.h"
#include "platform/repo/SRepVariant.h"
#include "support/SRptParaTestFixture.h"

namespace {

// Records the attribute changes an object announces.
class SChangeSink : public ISRepObjSink {
public:
    HRESULT QueryInterface(const GUID&, void** out) override { return *out = this, S_OK; }
    uint32_t AddRef() override { return 1; }
    uint32_t Release() override { return 1; }
    HRESULT OnDelete(ISRepObject*, int32_t) override { return S_OK; }
    HRESULT OnFlush(ISRepObject*) override { return S_OK; }
    HRESULT OnChange(ISRepObject*, int32_t id) override { return changes.push_back(id), S_OK; }
    std::vector<int32_t> changes;
};

using SRptPara = SRptParaTest;

}  // namespace

// ---- defaults ----

TEST_F(SRptPara, ANewParagraphHasTheDefaultsAndTheTextFont) {
    SRptFont::SetDefaultFontName(15, "Times New Roman");
    SRptFont::SetDefaultFontHeight(15, 11);
    SRptFont::SetDefaultFontStyle(15, 2);
    SComWrap<ISRptPara> para = MakePara();
    EXPECT_EQ(para->GetFontName(), "Times New Roman");
    EXPECT_EQ(para->GetFontHeight(), 11);
    EXPECT_EQ(para->GetFontStyle(), 2);
    EXPECT_EQ(para->GetFontCharSet(), 1);
    EXPECT_EQ(para->GetAlignment(), RPT_PARA_ALIGN_LEFT);
    EXPECT_EQ(para->GetSpBetween(), 100);
    EXPECT_EQ(para->GetSpType(), RPT_PARA_SPTYPE_MULTIPLE);
    EXPECT_EQ(para->GetBorderWidth(), 26);
    EXPECT_TRUE(para->GetBox());
    EXPECT_EQ(para->GetBoxWidth(), 26);
    EXPECT_EQ(para->GetSpTxtBorderTop(), 35);
    EXPECT_EQ(para->GetSpTxtBorderRight(), 141);
    EXPECT_EQ(para->GetDefaultTabSize(), 1270);
    EXPECT_EQ(para->GetNbTabs(), 0);
    // Made in a container (or initialised alone) it has no box; its default is still one.
    EXPECT_FALSE(AddPara(MakeContainer().Get())->GetBox());
    EXPECT_FALSE(MakePara(CLSID_SRptPara, true)->GetBox());
    SRepVariant value;
    EXPECT_EQ(para->GetAttributeDefault(RPTPARA_BOX, &value), S_OK);
    EXPECT_TRUE(value.GetBool());
}

TEST_F(SRptPara, DefaultsAreTakenAtTheFirstQueryAndKept) {
    SComWrap<ISRptPara> para = MakePara();
    SRepVariant value;
    ASSERT_EQ(para->GetAttributeDefault(RPTPARA_FONTNAME, &value), S_OK);
    EXPECT_EQ(value.GetText(), "Arial");
    SRptFont::SetDefaultFontName(15, "Courier New");
    ASSERT_EQ(para->GetAttributeDefault(RPTPARA_FONTNAME, &value), S_OK);
    EXPECT_EQ(value.GetText(), "Arial");
    EXPECT_EQ(MakePara()->GetFontName(), "Courier New");  // a paragraph made now takes the new font
    ASSERT_EQ(para->GetAttributeDefault(RPTPARA_SPTXTBORDERLEFT, &value), S_OK);
    EXPECT_EQ(value.GetType(), SREP_VT_SHORT);
    EXPECT_EQ(value.GetShort(), 141);

    // The computed attributes have none: an empty value of their type.
    const std::pair<int32_t, uint32_t> computed[] = {
        {RPTPARA_DISPNAME, SREP_VT_CHAR254}, {RPTPARA_PARANAME, SREP_VT_TEXT}, {RPTPARA_PARAFONTID, SREP_VT_INT}};
    for (const auto& [id, type] : computed) {
        EXPECT_EQ(para->GetAttributeDefault(id, &value), E_NOTIMPL) << std::hex << id;
        EXPECT_EQ(value.GetType(), type) << std::hex << id;
    }
}

// ---- the attribute protocol ----

TEST_F(SRptPara, AttributesAreReadAndWrittenWithTheirTypes) {
    SComWrap<ISRptPara> para = MakePara();
    SRepVariant value;
    value.SetText("Courier New");
    EXPECT_EQ(para->SetAttribute(RPTPARA_FONTNAME, value), S_OK);
    value.SetInt(250);  // a short takes an int that fits
    EXPECT_EQ(para->SetAttribute(RPTPARA_SPBEFORE, value), S_OK);
    value.SetInt(70000);
    EXPECT_EQ(para->SetAttribute(RPTPARA_SPAFTER, value), E_INVALIDARG);
    value.SetText("12");
    EXPECT_EQ(para->SetAttribute(RPTPARA_FONTHEIGHT, value), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(para->GetFontName(), "Courier New");
    EXPECT_EQ(para->GetSpBefore(), 250);
    EXPECT_EQ(para->GetSpAfter(), 0);

    ASSERT_EQ(para->GetAttribute(RPTPARA_SPBEFORE, &value), S_OK);
    EXPECT_EQ(value.GetType(), SREP_VT_SHORT);

    // 0x02006018 is no attribute of a paragraph.
    EXPECT_EQ(para->GetAttribute(0x02006018, &value), DISP_E_MEMBERNOTFOUND);
    for (int32_t id : {0x02006018, 0x0200601C, 0x01000002, 0x02006030}) EXPECT_FALSE(para->HasAttribute(id));
    for (int32_t id : {0x0100000B, 0x02006016, 0x02006017, 0x0200601F, 0x01000001}) EXPECT_TRUE(para->HasAttribute(id));
    EXPECT_FALSE(para->HasCollection(RPTPARACONTAINER_PARAGRAPHS));
}

// ---- names and font kinds from the container ----

TEST_F(SRptPara, TheNameAndFontKindComeFromTheContainer) {
    SComWrap<ISRptParaContainer> container = MakeContainer();
    AddPara(container.Get());
    AddPara(container.Get());
    SComWrap<ISRptPara> third = AddPara(container.Get());
    EXPECT_EQ(third->GetParaName(), "Text Paragraph 2");
    EXPECT_EQ(third->GetDispName(), "Text Paragraph 2");
    EXPECT_EQ(third->GetParaFontID(), -1);
    SRepVariant value;
    ASSERT_EQ(third->GetAttribute(RPTPARA_DISPNAME, &value), S_OK);
    EXPECT_EQ(value.GetType(), SREP_VT_CHAR254);
    EXPECT_EQ(value.GetText(), "Text Paragraph 2");
    SComWrap<ISRepObject> parent;
    EXPECT_EQ(third->GetParentItem(&parent), S_OK);
    EXPECT_TRUE(parent.IsEqualObject(container.Get()));

    // Without a container: no owner, no name, no font kind.
    SComWrap<ISRptPara> alone = MakePara();
    EXPECT_EQ(alone->GetParentItem(&parent), S_FALSE);
    EXPECT_FALSE(parent);
    EXPECT_EQ(alone->GetDispName(), "");
    EXPECT_EQ(alone->GetParaFontID(), -1);
}

TEST_F(SRptPara, PuttingAParaNameAnnouncesItWithoutKeepingIt) {
    SComWrap<ISRptParaContainer> container = MakeContainer();
    SComWrap<ISRptPara> para = AddPara(container.Get());
    SChangeSink sink;
    para->Advise(SREP_NOTIFY_CHANGE, &sink);
    EXPECT_EQ(para->PutParaName("Text Paragraph 0"), S_FALSE);
    EXPECT_TRUE(sink.changes.empty());
    EXPECT_EQ(para->PutParaName("Heading"), S_OK);
    EXPECT_EQ(sink.changes, std::vector<int32_t>{RPTPARA_PARANAME});
    EXPECT_EQ(para->GetParaName(), "Text Paragraph 0");
    SRepVariant value;
    value.SetText("Other");
    EXPECT_EQ(para->SetAttribute(RPTPARA_PARANAME, value), S_OK);
    EXPECT_EQ(sink.changes.size(), 2u);
    para->Unadvise(&sink);
}

// ---- stock paragraphs ----

TEST_F(SRptPara, AStockParagraphTakesTheKindsFontAndTheTitleSpacing) {
    SRptFont::SetDefaultFontName(14, "Times New Roman");
    SComWrap<ISRptPara> para = MakePara();
    EXPECT_EQ(para->ConstructStockPara(14), S_OK);
    EXPECT_EQ(para->GetFontName(), "Times New Roman");
    EXPECT_EQ(para->GetFontStyle(), 5);
    EXPECT_EQ(para->GetFontHeight(), 12);
    EXPECT_EQ(para->GetSpBefore(), 423);
    EXPECT_EQ(para->GetSpAfter(), 106);
    for (uint32_t kind : {4u, 16u, 19u, 20u, 21u, 24u}) {
        SComWrap<ISRptPara> title = MakePara();
        title->ConstructStockPara(kind);
        EXPECT_EQ(title->GetSpBefore(), 353) << kind;
        EXPECT_EQ(title->GetSpAfter(), 106) << kind;
    }
    // Another kind leaves the spacing as it was.
    para->PutSpBefore(50);
    EXPECT_EQ(para->ConstructStockPara(15), S_OK);
    EXPECT_EQ(para->GetFontName(), "Arial");
    EXPECT_EQ(para->GetFontHeight(), 10);
    EXPECT_EQ(para->GetSpBefore(), 50);
    EXPECT_EQ(para->GetSpAfter(), 106);
}

TEST_F(SRptPara, AStockParagraphOfAnUnknownKindIsRefusedAndChangesNothing) {
    SComWrap<ISRptPara> para = MakePara();
    para->PutSpBefore(50);
    SChangeSink sink;
    para->Advise(SREP_NOTIFY_CHANGE, &sink);
    for (uint32_t kind : {27u, 0xFFFFFFFFu}) EXPECT_EQ(para->ConstructStockPara(kind), E_INVALIDARG) << kind;
    EXPECT_TRUE(sink.changes.empty());
    EXPECT_EQ(para->GetFontName(), "Arial");
    EXPECT_EQ(para->GetSpBefore(), 50);
    para->Unadvise(&sink);
}

// ---- copies ----

TEST_F(SRptPara, ACopyHasTheSameValuesAndAFontOfItsOwn) {
    SComWrap<ISRptPara> para = MakePara();
    para->PutFontName("Courier New");
    para->PutAlignment(RPT_PARA_ALIGN_CENTER);
    para->PutBox(false);
    para->PutInTable(true);
    const RPTTABPOS tabs[] = {{500, 1}, {1500, 3}};
    para->SetTabs(2, tabs);
    SFontOld* font = Impl(para.Get())->GetTmpFont();

    SComWrap<ISRepObject> copied;
    ASSERT_EQ(para->Duplicate(nullptr, SREP_DUPLICATE_DEEP, nullptr, &copied), S_OK);
    SComWrap<ISRptPara> copy;
    copy = static_cast<IUnknown*>(copied.Get());
    for (int32_t id : SRptParaMem::kStoredAttributes) {
        SRepVariant original, duplicate;
        para->GetAttribute(id, &original);
        copy->GetAttribute(id, &duplicate);
        EXPECT_EQ(original, duplicate) << std::hex << id;
    }
    EXPECT_EQ(copy->GetNbTabs(), 2);
    EXPECT_NE(Impl(copy.Get())->GetTmpFont()->GetSafeHandle(), font->GetSafeHandle());
}
