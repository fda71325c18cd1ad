#include <gtest/gtest.h>

#include <vector>

#include "platform/base/SExceptionDialog.h"
#include "platform/repo/ISRepObjSink.h"
#include "platform/repo/SRepKindTests.h"
#include "platform/repo/SRepVariant.h"
#include "support/SRptParaTestFixture.h"

namespace {

// Records the attribute changes an object announces.
class SChangeSink : public ISRepObjSink {
public:
    HRESULT QueryInterface(const GUID& riid, void** out) override {
        if (!out) return E_POINTER;
        *out = (riid == IUnknown::iid || riid == ISRepObjSink::iid) ? this : nullptr;
        return *out ? S_OK : E_NOINTERFACE;
    }
    uint32_t AddRef() override { return 1; }
    uint32_t Release() override { return 1; }
    HRESULT OnDelete(ISRepObject*, int32_t) override { return S_OK; }
    HRESULT OnFlush(ISRepObject*) override { return S_OK; }
    HRESULT OnChange(ISRepObject*, int32_t id) override {
        changes.push_back(id);
        return S_OK;
    }
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
    EXPECT_EQ(para->GetFontFamily(), 0);
    EXPECT_EQ(para->GetFontPitch(), 0);
    EXPECT_EQ(para->GetFontCharSet(), 1);
    EXPECT_EQ(para->GetAlignment(), RPT_PARA_ALIGN_LEFT);
    EXPECT_EQ(para->GetLeft() + para->GetRight() + para->GetFirst() + para->GetSpBefore() + para->GetSpAfter(), 0);
    EXPECT_EQ(para->GetSpBetween(), 100);
    EXPECT_EQ(para->GetSpType(), RPT_PARA_SPTYPE_MULTIPLE);
    EXPECT_EQ(para->GetBorder(), 0);
    EXPECT_EQ(para->GetBorderWidth(), 26);
    EXPECT_TRUE(para->GetBox());
    EXPECT_EQ(para->GetBoxWidth(), 26);
    EXPECT_EQ(para->GetSpTxtBorderTop(), 35);
    EXPECT_EQ(para->GetSpTxtBorderBottom(), 35);
    EXPECT_EQ(para->GetSpTxtBorderLeft(), 141);
    EXPECT_EQ(para->GetSpTxtBorderRight(), 141);
    EXPECT_EQ(para->GetFlow(), 0);
    EXPECT_EQ(para->GetDefaultTabSize(), 1270);
    EXPECT_FALSE(para->GetFillTabs());
    EXPECT_FALSE(para->GetInTable());
    EXPECT_EQ(para->GetNbTabs(), 0);
    EXPECT_TRUE(SRptParaRegistry::IsClassInitialisedNow());
}

TEST_F(SRptPara, InitialisationTakesTheBoxAwayButNotItsDefault) {
    SComWrap<ISRptPara> alone = MakePara(CLSID_SRptPara, true);
    EXPECT_FALSE(alone->GetBox());
    SComWrap<ISRptPara> contained = AddPara(MakeContainer().Get());
    EXPECT_FALSE(contained->GetBox());
    SRepVariant value;
    EXPECT_EQ(contained->GetAttributeDefault(RPTPARA_BOX, &value), S_OK);
    EXPECT_EQ(value.GetType(), SREP_VT_BOOL);
    EXPECT_TRUE(value.GetBool());
}

TEST_F(SRptPara, DefaultsAreTakenAtTheFirstQueryAndKept) {
    SComWrap<ISRptPara> para = MakePara();
    SRepVariant value;
    ASSERT_EQ(para->GetAttributeDefault(RPTPARA_FONTNAME, &value), S_OK);
    EXPECT_EQ(value.GetType(), SREP_VT_TEXT);
    EXPECT_EQ(value.GetText(), "Arial");
    SRptFont::SetDefaultFontName(15, "Courier New");
    SRptFont::SetDefaultFontHeight(15, 9);
    ASSERT_EQ(para->GetAttributeDefault(RPTPARA_FONTNAME, &value), S_OK);
    EXPECT_EQ(value.GetText(), "Arial");
    ASSERT_EQ(para->GetAttributeDefault(RPTPARA_FONTHEIGHT, &value), S_OK);
    EXPECT_EQ(value.GetType(), SREP_VT_INT);
    EXPECT_EQ(value.GetInt(), 10);
    // ... while a paragraph made now takes the new font.
    EXPECT_EQ(MakePara()->GetFontName(), "Courier New");

    ASSERT_EQ(para->GetAttributeDefault(RPTPARA_SPTXTBORDERLEFT, &value), S_OK);
    EXPECT_EQ(value.GetType(), SREP_VT_SHORT);
    EXPECT_EQ(value.GetShort(), 141);
    ASSERT_EQ(para->GetAttributeDefault(RPTPARA_DEFAULTTABSIZE, &value), S_OK);
    EXPECT_EQ(value.GetShort(), 1270);

    // The computed attributes have none: an empty value of their type.
    const std::pair<int32_t, uint32_t> computed[] = {
        {RPTPARA_DISPNAME, SREP_VT_CHAR254}, {RPTPARA_PARANAME, SREP_VT_TEXT}, {RPTPARA_PARAFONTID, SREP_VT_INT}};
    for (const auto& [id, type] : computed) {
        EXPECT_EQ(para->GetAttributeDefault(id, &value), E_NOTIMPL) << std::hex << id;
        EXPECT_EQ(value.GetType(), type) << std::hex << id;
    }
    EXPECT_EQ(para->GetAttributeDefault(-1, &value), E_FAIL);
}

// ---- the attribute protocol ----

TEST_F(SRptPara, AttributesAreReadAndWrittenWithTheirTypes) {
    SComWrap<ISRptPara> para = MakePara();
    SRepVariant value;
    value.SetText("Courier New");
    EXPECT_EQ(para->SetAttribute(RPTPARA_FONTNAME, value), S_OK);
    value.SetInt(250);  // a short takes an int that fits
    EXPECT_EQ(para->SetAttribute(RPTPARA_SPBEFORE, value), S_OK);
    value.SetBool(true);
    EXPECT_EQ(para->SetAttribute(RPTPARA_FILLTABS, value), S_OK);
    value.SetInt(70000);
    EXPECT_EQ(para->SetAttribute(RPTPARA_SPAFTER, value), E_INVALIDARG);
    value.SetText("12");
    EXPECT_EQ(para->SetAttribute(RPTPARA_FONTHEIGHT, value), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(para->GetFontName(), "Courier New");
    EXPECT_EQ(para->GetSpBefore(), 250);
    EXPECT_TRUE(para->GetFillTabs());
    EXPECT_EQ(para->GetSpAfter(), 0);
    EXPECT_EQ(para->GetFontHeight(), 10);

    ASSERT_EQ(para->GetAttribute(RPTPARA_SPBEFORE, &value), S_OK);
    EXPECT_EQ(value.GetType(), SREP_VT_SHORT);
    EXPECT_EQ(value.GetShort(), 250);
    ASSERT_EQ(para->GetAttribute(RPTPARA_FONTHEIGHT, &value), S_OK);
    EXPECT_EQ(value.GetType(), SREP_VT_INT);
    ASSERT_EQ(para->GetAttribute(RPTPARA_INTABLE, &value), S_OK);
    EXPECT_EQ(value.GetType(), SREP_VT_BOOL);
    ASSERT_EQ(para->GetAttribute(RPTPARA_TABS, &value), S_OK);
    EXPECT_EQ(value.GetType(), SREP_VT_COLLECTION);
    EXPECT_NE(value.GetCollection(), nullptr);
    ASSERT_EQ(para->GetAttribute(RPTPARA_DISPNAME, &value), S_OK);
    EXPECT_EQ(value.GetType(), SREP_VT_CHAR254);

    // 0x02006018 is no attribute of a paragraph.
    EXPECT_EQ(para->GetAttribute(0x02006018, &value), DISP_E_MEMBERNOTFOUND);
    EXPECT_FALSE(para->HasAttribute(0x02006018));
    EXPECT_EQ(para->GetAttribute(-1, &value), E_FAIL);
    EXPECT_EQ(para->SetAttribute(-1, value), E_FAIL);
    EXPECT_TRUE(SExceptionDialog::GetReports().empty());
}

TEST_F(SRptPara, HasAttributeHasCollectionAndIsKindOfAnswerTheirLists) {
    SComWrap<ISRptPara> para = MakePara();
    for (int32_t id : SRptParaMem::kStoredAttributes) EXPECT_TRUE(para->HasAttribute(id)) << std::hex << id;
    for (int32_t id : {0x0100000B, 0x02006016, 0x02006017, 0x01000001, 0x0100000A, 0x0100000C, 0x0100004D})
        EXPECT_TRUE(para->HasAttribute(id)) << std::hex << id;
    for (int32_t id : {0x02006018, 0x0200601C, 0x0200601D, 0x01000002, 0x02006030})
        EXPECT_FALSE(para->HasAttribute(id)) << std::hex << id;
    EXPECT_TRUE(para->HasCollection(RPTPARA_TABS));
    EXPECT_TRUE(para->HasCollection(RPTPARA_PARACONTAINERFROMPARA));
    EXPECT_TRUE(para->HasCollection(0x0480019F));
    EXPECT_FALSE(para->HasCollection(RPTPARACONTAINER_PARAGRAPHS));
    EXPECT_TRUE(SRepIsKindOf(para.Get(), CLSID_SRptPara));
    EXPECT_TRUE(SRepIsKindOf(para.Get(), CLSID_SRptBase));
    EXPECT_FALSE(SRepIsKindOf(para.Get(), CLSID_SRptParaContainer));
}

TEST_F(SRptPara, APutAnnouncesOnlyAChange) {
    SComWrap<ISRptPara> para = MakePara();
    SChangeSink sink;
    ASSERT_EQ(para->Advise(SREP_NOTIFY_CHANGE, &sink), S_OK);
    EXPECT_EQ(para->PutLeft(0), S_FALSE);
    EXPECT_EQ(para->PutLeft(100), S_OK);
    EXPECT_EQ(para->PutFontName("Arial"), S_FALSE);
    EXPECT_EQ(sink.changes, std::vector<int32_t>{RPTPARA_LEFT});
    para->Unadvise(&sink);
}

// ---- names and font kinds from the container ----

TEST_F(SRptPara, TheNameAndFontKindComeFromTheContainer) {
    SComWrap<ISRptParaContainer> container = MakeContainer();
    SComWrap<ISRptPara> first = AddPara(container.Get());
    AddPara(container.Get());
    SComWrap<ISRptPara> third = AddPara(container.Get());
    EXPECT_EQ(first->GetParaName(), "Text Paragraph 0");
    EXPECT_EQ(third->GetParaName(), "Text Paragraph 2");
    EXPECT_EQ(third->GetDispName(), "Text Paragraph 2");
    EXPECT_EQ(third->GetParaFontID(), -1);
    SRepVariant value;
    ASSERT_EQ(third->GetAttribute(RPTPARA_PARANAME, &value), S_OK);
    EXPECT_EQ(value.GetText(), "Text Paragraph 2");
    ASSERT_EQ(third->GetAttribute(RPTPARA_PARAFONTID, &value), S_OK);
    EXPECT_EQ(value.GetInt(), -1);

    SComWrap<ISRepObject> parent;
    EXPECT_EQ(third->GetParentItem(&parent), S_OK);
    EXPECT_TRUE(parent.IsEqualObject(container.Get()));
    EXPECT_EQ(third->ParaContainerFromPara().GetCount(), 1);
    EXPECT_EQ(third->GetParentItem(nullptr), E_POINTER);
}

TEST_F(SRptPara, AParagraphWithoutAContainerHasNoNameAndNoFontKind) {
    SComWrap<ISRptPara> para = MakePara();
    SComWrap<ISRepObject> parent;
    EXPECT_EQ(para->GetParentItem(&parent), S_FALSE);
    EXPECT_FALSE(parent);
    EXPECT_EQ(para->GetParaName(), "");
    EXPECT_EQ(para->GetDispName(), "");
    EXPECT_EQ(para->GetParaFontID(), -1);
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
    value.SetInt(3);
    EXPECT_EQ(para->SetAttribute(RPTPARA_PARANAME, value), DISP_E_TYPEMISMATCH);
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

    para->ConstructStockPara(2);
    EXPECT_EQ(para->GetFontHeight(), 14);
    EXPECT_EQ(para->GetFontStyle(), 1);
    EXPECT_EQ(para->GetSpBefore(), 423);
    for (uint32_t kind : {4u, 16u, 19u, 20u, 21u, 24u}) {
        SComWrap<ISRptPara> title = MakePara();
        title->ConstructStockPara(kind);
        EXPECT_EQ(title->GetSpBefore(), 353) << kind;
        EXPECT_EQ(title->GetSpAfter(), 106) << kind;
    }

    // Another kind leaves the spacing as it was.
    para->PutSpBefore(50);
    para->PutSpAfter(60);
    EXPECT_EQ(para->ConstructStockPara(15), S_OK);
    EXPECT_EQ(para->GetFontName(), "Arial");
    EXPECT_EQ(para->GetFontHeight(), 10);
    EXPECT_EQ(para->GetFontStyle(), 0);
    EXPECT_EQ(para->GetSpBefore(), 50);
    EXPECT_EQ(para->GetSpAfter(), 60);
}

TEST_F(SRptPara, AStockParagraphOfAnUnknownKindIsRefusedAndChangesNothing) {
    SComWrap<ISRptPara> para = MakePara();
    para->PutSpBefore(50);
    SChangeSink sink;
    para->Advise(SREP_NOTIFY_CHANGE, &sink);
    for (uint32_t kind : {27u, 100u, 0xFFFFFFFFu}) EXPECT_EQ(para->ConstructStockPara(kind), E_INVALIDARG) << kind;
    EXPECT_TRUE(sink.changes.empty());
    EXPECT_EQ(para->GetFontName(), "Arial");
    EXPECT_EQ(para->GetFontHeight(), 10);
    EXPECT_EQ(para->GetSpBefore(), 50);
    EXPECT_EQ(para->GetSpAfter(), 0);
    para->Unadvise(&sink);
}

// ---- copies ----

TEST_F(SRptPara, ACopyHasTheSameValuesAndAFontOfItsOwn) {
    SComWrap<ISRptPara> para = MakePara();
    para->PutFontName("Courier New");
    para->PutFontHeight(14);
    para->PutAlignment(RPT_PARA_ALIGN_CENTER);
    para->PutBorder(RPT_PARA_BORDER_TOP | RPT_PARA_BORDER_BOTTOM);
    para->PutBox(false);
    para->PutFlow(RPT_PARA_FLOW_KEEPNEXT);
    para->PutInTable(true);
    const RPTTABPOS tabs[] = {{500, 1}, {1500, 3}};
    para->SetTabs(2, tabs);
    SFontOld* font = Impl(para.Get())->GetTmpFont();
    ASSERT_NE(font, nullptr);

    SComWrap<ISRepObject> copied;
    ASSERT_EQ(para->Duplicate(nullptr, SREP_DUPLICATE_DEEP, nullptr, &copied), S_OK);
    SComWrap<ISRptPara> copy;
    copy = static_cast<IUnknown*>(copied.Get());
    ASSERT_TRUE(copy);
    for (int32_t id : SRptParaMem::kStoredAttributes) {
        SRepVariant original, duplicate;
        para->GetAttribute(id, &original);
        copy->GetAttribute(id, &duplicate);
        EXPECT_EQ(original, duplicate) << std::hex << id;
    }
    EXPECT_EQ(copy->GetNbTabs(), 2);
    SFontOld* own = Impl(copy.Get())->GetTmpFont();
    ASSERT_NE(own, nullptr);
    EXPECT_NE(own->GetSafeHandle(), font->GetSafeHandle());
}

TEST_F(SRptPara, DeletingAParagraphDeletesItsTabStops) {
    SComWrap<ISRptParaContainer> container = MakeContainer();
    SComWrap<ISRptPara> para = AddPara(container.Get());
    const RPTTABPOS tabs[] = {{500, 1}, {1500, 3}};
    para->SetTabs(2, tabs);
    const int32_t withTabs = SRptGetModuleState()->LockCount();
    SComWrap<ISRptTabulation> tab;
    ASSERT_EQ(para->GetTabPosAtIndex(0, &tab), S_OK);
    EXPECT_EQ(para->Delete(), S_OK);
    EXPECT_EQ(container->Paragraphs().GetCount(), 0);
    para.Clear();
    EXPECT_EQ(SRptGetModuleState()->LockCount(), withTabs - 2);  // the paragraph and the free stop
    EXPECT_EQ(tab->ParaFromTabPos().GetCount(), 0);
}
