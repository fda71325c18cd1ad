#include <gtest/gtest.h>

#include "platform/base/SECOMException.h"
#include "platform/repo/SRepKindTests.h"
#include "platform/repo/SRepObjectBaseRegistry.h"
#include "platform/repo/SRepVariant.h"
#include "rpt/objs/SRptParaContainerMem.h"
#include "rpt/objs/SRptTabulationMem.h"
#include "support/SRptParaTestFixture.h"

namespace {
using SRptParaContainer = SRptParaTest;
}  // namespace

TEST_F(SRptParaContainer, TheRegistryIsBuiltByStartUpAndIsAbstract) {
    SRptParaContainerRegistry* registry = SRptParaContainerRegistry::Get();
    ASSERT_NE(registry, nullptr);
    EXPECT_EQ(SRepRegistry::Find(CLSID_SRptParaContainer), registry);
    EXPECT_FALSE(registry->IsCreatable());
    EXPECT_EQ(SRptParaContainerRegistry::attrEditorMap.baseMap, &SRptBaseRegistry::attrEditorMap);
    EXPECT_TRUE(SRepHasCollection(CLSID_SRptParaContainer, RPTPARACONTAINER_PARAGRAPHS));
    SComWrap<ISRepObject> none;
    EXPECT_EQ(session->CreateObject(CLSID_SRptParaContainer, reinterpret_cast<void**>(&none), ISRepObject::iid),
              E_INVALIDARG);
    MakeContainer();
    EXPECT_TRUE(SRptParaContainerRegistry::IsClassInitialisedNow());
}

TEST_F(SRptParaContainer, GetParaAtPosGivesTheParagraphOrNothing) {
    SComWrap<ISRptParaContainer> container = MakeContainer();
    SComWrap<ISRptPara> first = AddPara(container.Get());
    SComWrap<ISRptPara> second = AddPara(container.Get());
    SComWrap<ISRptPara> found;
    EXPECT_EQ(container->GetParaAtPos(1, &found), S_OK);
    EXPECT_EQ(found.Get(), second.Get());
    EXPECT_EQ(container->GetParaAtPos(0, &found), S_OK);
    EXPECT_EQ(found.Get(), first.Get());
    EXPECT_EQ(container->GetParaAtPos(2, &found), S_OK);
    EXPECT_FALSE(found);
    EXPECT_EQ(container->GetParaAtPos(-1, &found), S_OK);
    EXPECT_FALSE(found);
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
    ISRptPara* untouched = reinterpret_cast<ISRptPara*>(0x10);
    ISRptPara* out = untouched;
    try {
        container->GetParaAtPos(0, &out);
        FAIL() << "expected an SECOMException";
    } catch (const SECOMException& e) {
        EXPECT_EQ(e.GetHResult(), kAccessDenied);
    }
    EXPECT_EQ(out, untouched);
    // Naming does not depend on the collection's answer.
    EXPECT_EQ(container->GetParaName(nullptr), "Text Paragraph -1");
}

TEST_F(SRptParaContainer, TheDefaultAnswersAboutParagraphs) {
    SComWrap<ISRptParaContainer> container = MakeContainer();
    SComWrap<ISRptPara> first = AddPara(container.Get());
    AddPara(container.Get());
    SComWrap<ISRptPara> third = AddPara(container.Get());
    EXPECT_EQ(container->GetParaName(first.Get()), "Text Paragraph 0");
    EXPECT_EQ(container->GetParaName(third.Get()), "Text Paragraph 2");
    EXPECT_EQ(container->GetParaName(MakePara().Get()), "Text Paragraph -1");  // not one of its own
    for (int32_t position : {0, 1, 7, -1}) EXPECT_EQ(container->IsParaSupportBox(position), S_FALSE);
    EXPECT_EQ(container->GetParaFontID(first.Get()), -1);
    EXPECT_EQ(container->GetParaFontID(nullptr), -1);
    EXPECT_EQ(container->Paragraphs().GetCount(), 3);
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
    EXPECT_TRUE(container->HasCollection(0x0480019F));
    EXPECT_FALSE(container->HasCollection(RPTPARA_TABS));
    EXPECT_TRUE(container->HasAttribute(0x01000001));
    EXPECT_FALSE(container->HasAttribute(0x0100000B));
    EXPECT_EQ(container->SetAttribute(RPTPARACONTAINER_PARAGRAPHS, value), DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(container->GetAttribute(-1, &value), E_FAIL);
    EXPECT_EQ(container->GetAttributeDefault(-1, &value), E_FAIL);

    EXPECT_TRUE(SRptParaContainerMem::ClassIsKindOf(CLSID_SRptParaContainer));
    EXPECT_TRUE(SRptParaContainerMem::ClassIsKindOf(CLSID_SRptBase));
    EXPECT_TRUE(SRptParaContainerMem::ClassIsKindOf(CLSID_SRepObjectRoot));
    EXPECT_FALSE(SRptParaContainerMem::ClassIsKindOf(MakeGUID("{A6BAC8E3-B730-11D1-8898-00A02455633B}")));
    EXPECT_TRUE(SRepIsKindOf(container.Get(), CLSID_SRptParaContainer));

    SComWrap<ISRptBase> base;
    ASSERT_EQ(base.Assign(container.Get()), S_OK);
    SComWrap<ISRptParaContainer> back;
    ASSERT_EQ(back.Assign(base.Get()), S_OK);
    EXPECT_EQ(back.Get(), container.Get());
}

TEST_F(SRptParaContainer, DeletingTheContainerDeletesItsParagraphs) {
    SComWrap<ISRptParaContainer> container = MakeContainer();
    SComWrap<ISRptPara> para = AddPara(container.Get());
    const RPTTABPOS tab = {500, 1};
    para->SetTabs(1, &tab);
    para.Clear();
    EXPECT_EQ(SRptGetModuleState()->LockCount(), live + 3);
    container->Delete();
    EXPECT_EQ(SRptGetModuleState()->LockCount(), live + 1);
}
