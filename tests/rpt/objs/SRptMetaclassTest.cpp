#include <gtest/gtest.h>

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
