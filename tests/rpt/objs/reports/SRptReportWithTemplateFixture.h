#pragma once
// A report made in a session of its own with one template for module "Sales", as a host's new
// report has it. The template is let go before the report and its session.
#include <gtest/gtest.h>

#include "rpt/objs/reports/SRptReportTestFixture.h"
#include "varod9/ISRptTemplate.h"

class SRptReportWithTemplateFixture : public SRptReportTestFixture {
protected:
    void SetUp() override {
        SRptReportTestFixture::SetUp();
        ASSERT_EQ(report->AddNewTemplate("Sales", 1, &templ), S_OK);
    }
    void TearDown() override {
        templ.Clear();
        SRptReportTestFixture::TearDown();
    }

    SComWrap<ISRptTemplate> templ;
};
