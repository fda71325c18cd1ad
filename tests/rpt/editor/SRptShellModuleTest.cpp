#include <gtest/gtest.h>

#include "platform/repo/SRepObjectBaseMem.h"
#include "platform/repo/SRepOption.h"
#include "support/STestLoginScope.h"
#include "platform/repo/SRepVariant.h"
#include "rpt/editor/SRptShellModule.h"
#include "rpt/editor/SRptShellViewClassPreview.h"
#include "rpt/editor/SRptShellViewClassReport.h"
#include "rpt/editor/SRptShellViewClassTemplate.h"
#include "rpt/module/SRptModuleTestFixture.h"
#include "varod9/ISRptTemplate.h"

namespace {

using SRptShellModuleTest = SRptModuleTestFixture;

}  // namespace

TEST_F(SRptShellModuleTest, TheModuleMadeItsThreeKindsOfViewsAndItsLoadSaveManager) {
    SRptShellModule* shell = globals->GetRptShellModule();
    ASSERT_NE(shell, nullptr);
    EXPECT_EQ(shell->GetLibID(), MakeGUID("{D0E0A940-B731-11D1-8898-00A02455633B}"));
    ASSERT_NE(SRptShellModule::GetTemplateViewClass(), nullptr);
    ASSERT_NE(SRptShellModule::GetReportViewClass(), nullptr);
    ASSERT_NE(SRptShellModule::GetPreviewViewClass(), nullptr);
    EXPECT_EQ(SRptShellModule::GetTemplateViewClass()->GetRefCount(), 1);

    SComWrap<ISLoadSaveManager> manager;
    EXPECT_EQ(shell->GetLoadSaveManager(&manager), S_OK);
    ASSERT_TRUE(manager);
    SComWrap<ISLoadSaveManager> again;
    EXPECT_EQ(shell->GetLoadSaveManager(&again), S_OK);
    EXPECT_EQ(again.Get(), manager.Get());  // one manager for the module
    EXPECT_EQ(shell->GetLoadSaveManager(nullptr), E_POINTER);

    // The action on an object is never implemented.
    EXPECT_EQ(shell->OnAction(1, static_cast<IUnknown*>(nullptr), 0, nullptr, nullptr, nullptr), E_NOTIMPL);
}

TEST_F(SRptShellModuleTest, ANewSessionHoldsOneReportWithOneTemplateStampedWithTheUser) {
    STestLoginScope login("ada");
    Register("Sales", "Sales model");
    SRptShellModule* shell = globals->GetRptShellModule();
    EXPECT_EQ(shell->OnCreateSession("Sales", "Monthly", nullptr, nullptr), E_POINTER);

    SComWrap<ISRepSession> session;
    SComWrap<ISRepObject> report;
    ASSERT_EQ(shell->OnCreateSession("Sales", "Monthly", &session, &report), S_OK);
    EXPECT_EQ(session->IsModified(), S_FALSE);
    SComWrap<ISRepClassCol> model;
    session->GetObjects(&model);
    int32_t count = 0;
    model->GetCount(&count);
    EXPECT_EQ(count, 1);
    SRepVariant value;
    report->GetAttribute(SREP_DISPID_CREATOR, &value);
    EXPECT_EQ(value.GetText(), "ada");
    report->GetAttribute(SREP_DISPID_NAME, &value);
    EXPECT_EQ(value.GetText(), "Monthly");

    SComWrap<ISRptReport> typed;
    typed = report;
    SComWrap<ISRptTemplate> first;
    ASSERT_EQ(typed->GetTemplateAtPos(0, &first), S_OK);
    EXPECT_EQ(first->GetModuleID(), "Sales");
    first.Clear();
    typed.Clear();
    report.Clear();
    model.Clear();
    session->Close();
}
