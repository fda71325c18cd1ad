#include <gtest/gtest.h>

#include "platform/repo/SRepKindTests.h"
#include "platform/repo/SRepVariant.h"
#include "rpt/objs/SRptParaFooterMem.h"
#include "rpt/objs/SRptParaHeaderMem.h"
#include "rpt/objs/SRptParaItemMem.h"
#include "rpt/objs/SRptParaTitleMem.h"
#include "support/SRptParaTestFixture.h"

namespace {

struct KindCase {
    const char* name;
    GUID clsid;
    IID iid;
    SRepRegistry* (*registry)();
    IUnknown* (*unknown)(void* face);  // the IUnknown of a face of the kind's interface
};

template <class Registry>
SRepRegistry* RegistryOf() {
    return Registry::Get();
}
template <class I>
IUnknown* UnknownOf(void* face) {
    return static_cast<I*>(face);
}

const KindCase kKinds[] = {
    {"title", CLSID_SRptParaTitle, IID_ISRptParaTitle, RegistryOf<SRptParaTitleRegistry>, UnknownOf<ISRptParaTitle>},
    {"header", CLSID_SRptParaHeader, IID_ISRptParaHeader, RegistryOf<SRptParaHeaderRegistry>,
     UnknownOf<ISRptParaHeader>},
    {"item", CLSID_SRptParaItem, IID_ISRptParaItem, RegistryOf<SRptParaItemRegistry>, UnknownOf<ISRptParaItem>},
    {"footer", CLSID_SRptParaFooter, IID_ISRptParaFooter, RegistryOf<SRptParaFooterRegistry>,
     UnknownOf<ISRptParaFooter>},
};

using SRptParaKinds = SRptParaTest;

}  // namespace

TEST_F(SRptParaKinds, EachKindIsAParagraphAndNoOtherKind) {
    for (const KindCase& kind : kKinds) {
        SCOPED_TRACE(kind.name);
        SRepRegistry* registry = kind.registry();
        ASSERT_NE(registry, nullptr);
        EXPECT_EQ(SRepRegistry::Find(kind.clsid), registry);
        EXPECT_TRUE(registry->IsCreatable());
        EXPECT_EQ(registry->GetAttrEditorMap()->baseMap, &SRptParaRegistry::attrEditorMap);
        EXPECT_FALSE(registry->IsClassInitialised());

        SComWrap<ISRptPara> para = MakePara(kind.clsid);
        EXPECT_TRUE(registry->IsClassInitialised());
        EXPECT_EQ(para->GetClassID(), kind.clsid);
        EXPECT_TRUE(SRepIsKindOf(para.Get(), kind.clsid));
        EXPECT_TRUE(SRepIsKindOf(para.Get(), CLSID_SRptPara));
        EXPECT_TRUE(SRepIsKindOf(para.Get(), CLSID_SRptBase));
        for (const KindCase& other : kKinds) {
            if (&other == &kind) continue;
            EXPECT_FALSE(para->IsKindOf(other.clsid)) << other.name;
        }
        EXPECT_TRUE(registry->IsKindOf(CLSID_SRptPara));
        EXPECT_FALSE(SRptParaMem::ClassIsKindOf(kind.clsid));
    }
}

TEST_F(SRptParaKinds, QueryInterfaceAnswersTheKindAndTheParagraphAsOneObject) {
    for (const KindCase& kind : kKinds) {
        SCOPED_TRACE(kind.name);
        SComWrap<ISRptPara> para = MakePara(kind.clsid);
        void* face = nullptr;
        ASSERT_EQ(para->QueryInterface(kind.iid, &face), S_OK);
        SComWrap<IUnknown> asKind;
        asKind.Attach(kind.unknown(face));
        EXPECT_TRUE(para.IsEqualObject(asKind.Get()));
        SComWrap<ISRptPara> back;
        ASSERT_EQ(back.Assign(asKind.Get()), S_OK);
        EXPECT_EQ(back.Get(), para.Get());
        for (const KindCase& other : kKinds) {
            if (&other == &kind) continue;
            void* none = reinterpret_cast<void*>(1);
            EXPECT_EQ(para->QueryInterface(other.iid, &none), E_NOINTERFACE) << other.name;
            EXPECT_EQ(none, nullptr);
        }
    }
    // A plain paragraph answers no kind.
    SComWrap<ISRptParaTitle> none;
    EXPECT_EQ(none.Assign(MakePara().Get()), E_NOINTERFACE);
}

TEST_F(SRptParaKinds, ATitleAnswersThroughItsOwnInterface) {
    SComWrap<ISRptParaTitle> title = MakePara<ISRptParaTitle>(CLSID_SRptParaTitle);
    title->PutSpBefore(300);
    SComWrap<ISRptPara> para;
    ASSERT_EQ(para.Assign(title.Get()), S_OK);
    EXPECT_EQ(para->GetSpBefore(), 300);
    EXPECT_EQ(title->ConstructStockPara(14), S_OK);
    EXPECT_EQ(para->GetSpBefore(), 423);
}

TEST_F(SRptParaKinds, KindsShareTheParagraphsAttributesAndDefaults) {
    SComWrap<ISRptPara> plain = MakePara();
    for (const KindCase& kind : kKinds) {
        SCOPED_TRACE(kind.name);
        SComWrap<ISRptPara> para = MakePara(kind.clsid);
        SRepVariant mine, theirs;
        ASSERT_EQ(para->GetAttributeDefault(RPTPARA_FONTNAME, &mine), S_OK);
        plain->GetAttributeDefault(RPTPARA_FONTNAME, &theirs);
        EXPECT_EQ(mine, theirs);
        EXPECT_EQ(para->GetAttributeDefault(-1, &mine), E_FAIL);
        EXPECT_EQ(para->GetAttribute(-1, &mine), E_FAIL);
        EXPECT_EQ(para->GetAttributeType(-1), 0u);
        for (int32_t id : SRptParaMem::kStoredAttributes) {
            EXPECT_EQ(para->GetAttributeType(id), plain->GetAttributeType(id)) << std::hex << id;
            EXPECT_EQ(para->HasAttribute(id), plain->HasAttribute(id)) << std::hex << id;
        }
        EXPECT_TRUE(para->HasCollection(RPTPARA_TABS));
        mine.SetInt(4);
        EXPECT_EQ(para->SetAttribute(RPTPARA_ALIGNMENT, mine), S_OK);
        EXPECT_EQ(para->GetAlignment(), RPT_PARA_ALIGN_CENTER);
    }
}

TEST_F(SRptParaKinds, AKindCreatedIntoAContainerHasNoBoxWhileItsDefaultIsABox) {
    SComWrap<ISRptParaContainer> container = MakeContainer();
    AddPara(container.Get(), CLSID_SRptParaTitle);
    AddPara(container.Get(), CLSID_SRptParaItem);
    for (int32_t position : {0, 1}) {
        SComWrap<ISRptPara> para;
        ASSERT_EQ(container->GetParaAtPos(position, &para), S_OK);
        ASSERT_TRUE(para);
        EXPECT_FALSE(para->GetBox());
        SRepVariant value;
        para->GetAttributeDefault(RPTPARA_BOX, &value);
        EXPECT_TRUE(value.GetBool());
    }
    SComWrap<ISRptPara> title, item;
    container->GetParaAtPos(0, &title);
    container->GetParaAtPos(1, &item);
    EXPECT_EQ(title->GetClassID(), CLSID_SRptParaTitle);
    EXPECT_EQ(item->GetClassID(), CLSID_SRptParaItem);
    EXPECT_EQ(item->GetParaName(), "Text Paragraph 1");
    // A copy keeps its kind.
    SComWrap<ISRepObject> copy;
    ASSERT_EQ(item->Duplicate(nullptr, 0, nullptr, &copy), S_OK);
    EXPECT_EQ(copy->GetClassID(), CLSID_SRptParaItem);
}
