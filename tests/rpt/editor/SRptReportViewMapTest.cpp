// The open editor of each report, looked up by the report object itself.
#include <gtest/gtest.h>

#include "platform/repo/SRepObjectBaseMem.h"
#include "platform/repo/SRepSession.h"
#include "platform/repo/SRepVariant.h"
#include "rpt/editor/SRptReportViewMap.h"
#include "rpt/module/SRptModuleTestFixture.h"
#include "rpt/objs/reports/SRptReportMem.h"

namespace {

using SRptReportViewMapTest = SRptModuleTestFixture;

// A view stands in by its address only: the map never looks at it.
SShellView* View(int& place) {
    return reinterpret_cast<SShellView*>(&place);
}

}  // namespace

TEST_F(SRptReportViewMapTest, AReportIsFoundByIdentityFromItsEntryToItsRemoval) {
    SComWrap<ISRepSession> session;
    ASSERT_EQ(SRepSession::Create("views", &session), S_OK);
    SComWrap<ISRepObject> first, second;
    ASSERT_EQ(session->CreateModelObject(CLSID_SRptReport, reinterpret_cast<void**>(&first), ISRepObject::iid), S_OK);
    ASSERT_EQ(session->CreateModelObject(CLSID_SRptReport, reinterpret_cast<void**>(&second), ISRepObject::iid), S_OK);
    SRepVariant name;
    name.SetText("Same name");
    first->SetAttribute(SREP_DISPID_NAME, name);
    second->SetAttribute(SREP_DISPID_NAME, name);
    int editorOne = 0, editorTwo = 0;

    SRptReportViewMap map;
    const size_t before = static_cast<size_t>(map.GetMap().GetCount());
    EXPECT_EQ(map.Find(first.Get()), nullptr);
    map.Add(first.Get(), View(editorOne));
    EXPECT_EQ(map.Find(first.Get()), View(editorOne));
    EXPECT_EQ(map.Find(second.Get()), nullptr) << "an equal name is another report";
    map.Add(second.Get(), View(editorTwo));
    // Another handle reaches the same entries.
    EXPECT_EQ(SRptReportViewMap().Find(second.Get()), View(editorTwo));
    EXPECT_EQ(SRptReportViewMap::GetInstancePointer(), SRptReportViewMapData::GetInstance());

    // The copy is the caller's.
    SRptReportViewTable copy = map.GetMap();
    EXPECT_EQ(static_cast<size_t>(copy.GetCount()), before + 2);
    copy.RemoveAll();
    EXPECT_EQ(map.Find(first.Get()), View(editorOne));

    map.Remove(first.Get());
    map.Remove(first.Get());  // quietly, the second time
    EXPECT_EQ(map.Find(first.Get()), nullptr);
    EXPECT_EQ(map.Find(second.Get()), View(editorTwo));
    map.Remove(second.Get());
    EXPECT_EQ(static_cast<size_t>(map.GetMap().GetCount()), before);

    first.Clear();
    second.Clear();
    session->Close();
}
