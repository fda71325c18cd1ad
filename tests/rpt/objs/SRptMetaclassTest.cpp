#include <gtest/gtest.h>

#include "platform/repo/SRepRegistry.h"
#include "rpt/objs/paras/SRptParaFooterMem.h"
#include "rpt/objs/paras/SRptParaHeaderMem.h"
#include "rpt/objs/paras/SRptParaItemMem.h"
#include "rpt/objs/paras/SRptParaTitleMem.h"
#include "rpt/objs/paras/SRptTabulationMem.h"
#include "support/RptMetaclassCheck.h"
#include "support/SRptParaTestFixture.h"

namespace {
using SRptMetaclass = SRptParaTest;
}  // namespace

TEST_F(SRptMetaclass, ParagraphsAndTheirKindsAnswerAsTheirMetaclasses) {
    for (const GUID& clsid :
         {CLSID_SRptPara, CLSID_SRptParaTitle, CLSID_SRptParaHeader, CLSID_SRptParaItem, CLSID_SRptParaFooter}) {
        SCOPED_TRACE(GUIDToString(clsid));
        SComWrap<ISRptPara> para = MakePara(clsid);
        int32_t checked = 0;
        EXPECT_TRUE(RptAnswersAsItsMetaclass(para.Get(), &checked));
        EXPECT_EQ(checked, 40);  // 26 stored, 3 computed, 11 of the repository's own
    }
}

TEST_F(SRptMetaclass, TabStopsAnswerAsTheirMetaclass) {
    SComWrap<ISRepObject> tab;
    ASSERT_EQ(session->CreateObject(CLSID_SRptTabulation, reinterpret_cast<void**>(&tab), ISRepObject::iid), S_OK);
    int32_t checked = 0;
    EXPECT_TRUE(RptAnswersAsItsMetaclass(tab.Get(), &checked));
    EXPECT_EQ(checked, 14);  // 3 and the repository's 11
}

TEST_F(SRptMetaclass, ContainersAnswerAsTheContainersMetaclass) {
    SComWrap<ISRptParaContainer> container = MakeContainer();
    int32_t checked = -1;
    EXPECT_TRUE(RptAnswersAsMetaclass(container.Get(), CLSID_SRptParaContainer, &checked));
    EXPECT_EQ(checked, 11);  // a container has only the repository's own attributes
    // A class the metamodel does not know is reported, not passed.
    EXPECT_FALSE(RptAnswersAsItsMetaclass(container.Get()));
}

TEST_F(SRptMetaclass, EveryReportClassAnswersAsItsMetaclassAndParentIsAnObjectReference) {
    // The framework's own metaclass declares Parent as a reference to an object, as objects answer.
    const SRepMetaClass* root = GetTypeLibManager()->FindMetaClass(MakeGUID("{362D41E0-9D82-11D1-8E5D-444553540000}"));
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(root->GetAttributeType(0x0100000A), 0x80030000u);

    const SRepTypeLib* library = GetTypeLibManager()->FindTypeLib(MakeGUID("{D0E0A940-B731-11D1-8898-00A02455633B}"));
    ASSERT_NE(library, nullptr);
    int32_t made = 0;
    for (int32_t i = 0; i < library->GetClassCount(); ++i) {
        const SRepMetaClass& metaClass = library->GetClass(i);
        SCOPED_TRACE(metaClass.GetCodeName().c_str());
        SComWrap<ISRepObject> object;
        // The abstract classes make no objects; their attributes are checked through their kinds.
        if (FAILED(SRepRegistry::CreateObject(metaClass.GetClassId(), session.Get(), &object)) || !object) continue;
        ++made;
        EXPECT_TRUE(RptAnswersAsItsMetaclass(object.Get()));
        EXPECT_EQ(object->GetAttributeType(0x0100000A), 0x80030000u);
        object->Delete();
    }
    EXPECT_GT(made, 20);
}
