#pragma once
// A report made in a session of its own, as the host makes one, with the module registry's
// fixture around it (modules registered by the test are unregistered, and no report object may
// outlive the test).
#include <gtest/gtest.h>

#include "platform/repo/SRepSession.h"
#include "rpt/module/SRptModuleTestFixture.h"
#include "rpt/objs/reports/SRptReportMem.h"
#include "varod9/ISRptTemplate.h"

class SRptReportTestFixture : public SRptModuleTestFixture {
protected:
    void SetUp() override {
        SRptModuleTestFixture::SetUp();
        ASSERT_EQ(SRepSession::Create("report", &session), S_OK);
        ASSERT_EQ(session->CreateModelObject(CLSID_SRptReport, reinterpret_cast<void**>(&report), ISRptReport::iid),
                  S_OK);
    }
    void TearDown() override {
        report.Clear();
        session->Close();
        session.Clear();
        SRptModuleTestFixture::TearDown();
    }

    SComWrap<ISRepSession> session;
    SComWrap<ISRptReport> report;
};
