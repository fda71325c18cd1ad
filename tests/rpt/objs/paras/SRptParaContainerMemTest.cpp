#include <gtest/gtest.h>

#include "platform/base/SECOMException.h"
#include "platform/repo/SRepKindTests.h"
#include "platform/repo/SRepVariant.h"
#include "rpt/objs/paras/SRptTabulationMem.h"
#include "support/SRptParaTestFixture.h"

namespace {
using SRptParaContainer = SRptParaTest;
}  // namespace

TEST_F(SRptParaContainer, GetParaAtPosGivesTheParagraphOrNothing) {
    SComWrap<ISRptParaContainer> container = MakeContainer();
    AddPara(container.Get());
    SComWrap<ISRptPara> second = AddPara(container.Get());
    SComWrap<ISRptPara> found;
    EXPECT_EQ(container->GetParaAtPos(1, &found), S_OK);
    EXPECT_EQ(found.Get(), second.Get());
    for (int32_t outside : {2, -1}) {
        EXPECT_EQ(container->GetParaAtPos(outside, &found), S_OK);
        EXPECT_FALSE(found);
    }
    EXPECT_EQ(container->GetParaAtPos(0, nullptr), E_POINTER);
    // An element that is no paragraph gives none either.
    SComWrap<ISRepObject> tab;
    ASSERT_EQ(container->CreateObject(CLSID_SRptTabulation, reinterpret_cast<void**>(&tab), ISRepObject::iid,
                                      RPTPARACONTAINER_PARAGRAPHS, 0, true),
              S_OK);
    EXPECT_EQ(container->GetParaAtPos(0, &found), S_OK);
    EXPECT_FALSE(found);
}

TEST_F(SRptParaContainer, AFailingCollectionIsThrownAndLeavesTheOutPointerAlone) {
    SComWrap<ISRptParaContainer> container = MakeContainer();
    AddPara(container.Get());
    constexpr HRESULT kAccessDenied = static_cast<HRESULT>(0x80070005u);
    Container(container.Get())->failParagraphs = kAccessDenied;
    ISRptPara* const untouched = reinterpret_cast<ISRptPara*>(0x10);
    ISRptPara* out = untouched;
    try {
        container->GetParaAtPos(0, &out);
        FAIL() << "expected an SECOMException";
    } catch (const SECOMException& e) {
        EXPECT_EQ(e.GetHResult(), kAccessDenied);
    }
    EXPECT_EQ(out, untouched);
}

TEST_F(SRptParaContainer, TheDefaultAnswersAboutParagraphs) {
    SComWrap<ISRptParaContainer> container = MakeContainer();
    SComWrap<ISRptPara> first = AddPara(container.Get());
    AddPara(container.Get());
    SComWrap<ISRptPara> third = AddPara(container.Get());
    EXPECT_EQ(container->GetParaName(first.Get()), "Text Paragraph 0");
    EXPECT_EQ(container->GetParaName(third.Get()), "Text Paragraph 2");
    EXPECT_EQ(container->GetParaName(MakePara().Get()), "Text Paragraph -1");  // not one of its own
    for (int32_t position : {0, 1, 7}) EXPECT_EQ(container->IsParaSupportBox(position), S_FALSE);
    EXPECT_EQ(container->GetParaFontID(first.Get()), -1);
    // Inserting at a position moves the others on, and their names with them.
    AddPara(container.Get(), CLSID_SRptPara, 0);
    EXPECT_EQ(first->GetParaName(), "Text Paragraph 1");
}

TEST_F(SRptParaContainer, ParagraphsIsACollectionNotAnAttribute) {
    SComWrap<ISRptParaContainer> container = MakeContainer();
    SRepVariant value;
    ASSERT_EQ(container->GetAttribute(RPTPARACONTAINER_PARAGRAPHS, &value), S_OK);
    EXPECT_EQ(value.GetType(), SREP_VT_COLLECTION);
    EXPECT_EQ(value.GetCollection(), container->Paragraphs().Get());
    EXPECT_FALSE(container->HasAttribute(RPTPARACONTAINER_PARAGRAPHS));
    EXPECT_TRUE(container->HasCollection(RPTPARACONTAINER_PARAGRAPHS));
    EXPECT_EQ(container->SetAttribute(RPTPARACONTAINER_PARAGRAPHS, value), DISP_E_MEMBERNOTFOUND);
    EXPECT_FALSE(SRptParaContainerRegistry::Get()->IsCreatable());  // made only as a derived class
    EXPECT_FALSE(SRptParaContainerMem::ClassIsKindOf(MakeGUID("{A6BAC8E3-B730-11D1-8898-00A02455633B}")));
}
