#include <gtest/gtest.h>

#include "platform/repo/SRepKindTests.h"
#include "platform/repo/SRepVariant.h"
#include "rpt/objs/paras/SRptParaFooterMem.h"
#include "rpt/objs/paras/SRptParaHeaderMem.h"
#include "rpt/objs/paras/SRptParaItemMem.h"
#include "rpt/objs/paras/SRptParaTitleMem.h"
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
        EXPECT_EQ(registry->GetAttrEditorMap()->baseMap, &SRptParaRegistry::attrEditorMap);
        SComWrap<ISRptPara> para = MakePara(kind.clsid);
        EXPECT_TRUE(registry->IsClassInitialised());
        EXPECT_EQ(para->GetClassID(), kind.clsid);
        EXPECT_TRUE(SRepIsKindOf(para.Get(), CLSID_SRptPara));
        EXPECT_TRUE(SRepIsKindOf(para.Get(), CLSID_SRptBase));
        // Everything else is the paragraph's: attributes, defaults, operations.
        SRepVariant mine, theirs;
        ASSERT_EQ(para->GetAttributeDefault(RPTPARA_FONTNAME, &mine), S_OK);
        MakePara()->GetAttributeDefault(RPTPARA_FONTNAME, &theirs);
        EXPECT_EQ(mine, theirs);
        EXPECT_EQ(para->GetAttributeDefault(-1, &mine), E_FAIL);
        EXPECT_EQ(para->ConstructStockPara(14), S_OK);
        EXPECT_EQ(para->GetSpBefore(), 423);
        for (const KindCase& other : kKinds) {
            if (&other == &kind) continue;
            EXPECT_FALSE(para->IsKindOf(other.clsid)) << other.name;
            void* none = reinterpret_cast<void*>(1);
            EXPECT_EQ(para->QueryInterface(other.iid, &none), E_NOINTERFACE) << other.name;
            EXPECT_EQ(none, nullptr);
        }
        // The kind's interface and the paragraph's are one object.
        void* face = nullptr;
        ASSERT_EQ(para->QueryInterface(kind.iid, &face), S_OK);
        SComWrap<IUnknown> asKind;
        asKind.Attach(kind.unknown(face));
        EXPECT_TRUE(para.IsEqualObject(asKind.Get()));
        SComWrap<ISRptPara> back;
        ASSERT_EQ(back.Assign(asKind.Get()), S_OK);
        EXPECT_EQ(back.Get(), para.Get());
    }
    SComWrap<ISRptParaTitle> none;
    EXPECT_EQ(none.Assign(MakePara().Get()), E_NOINTERFACE);  // a plain paragraph is no kind
}

TEST_F(SRptParaKinds, AKindCreatedIntoAContainerHasNoBoxAndKeepsItsKindInACopy) {
    SComWrap<ISRptParaContainer> container = MakeContainer();
    SComWrap<ISRptPara> title = AddPara(container.Get(), CLSID_SRptParaTitle);
    SComWrap<ISRptPara> item = AddPara(container.Get(), CLSID_SRptParaItem);
    for (ISRptPara* para : {title.Get(), item.Get()}) {
        EXPECT_FALSE(para->GetBox());
        SRepVariant value;
        para->GetAttributeDefault(RPTPARA_BOX, &value);
        EXPECT_TRUE(value.GetBool());
    }
    SComWrap<ISRptPara> found;
    container->GetParaAtPos(1, &found);
    EXPECT_EQ(found->GetClassID(), CLSID_SRptParaItem);
    EXPECT_EQ(found->GetParaName(), "Text Paragraph 1");
    SComWrap<ISRepObject> copy;
    ASSERT_EQ(item->Duplicate(nullptr, 0, nullptr, &copy), S_OK);
    EXPECT_EQ(copy->GetClassID(), CLSID_SRptParaItem);
}
