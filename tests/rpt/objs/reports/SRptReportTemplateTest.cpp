#include <gtest/gtest.h>

#include <string>

#include "platform/repo/SRepObjectBaseMem.h"
#include "platform/repo/SRepSession.h"
#include "platform/repo/SRepVariant.h"
#include "rpt/module/SRptModuleTestFixture.h"
#include "rpt/objs/reports/SRptReportMem.h"
#include "rpt/objs/reports/SRptTemplateMem.h"
#include "support/RptMetaclassCheck.h"
#include "varod9/ISRptTemplate.h"

namespace {

constexpr int32_t kZoomPerct = 0x02006218;
constexpr int32_t kParentReport = 0x02006217;
constexpr int32_t kDispHeader = 0x0200621B;
constexpr int32_t kHeader = 0x02006200;
constexpr int32_t kHeadUserDef = 0x0200621A;

// A report, the first top object of a session of its own, with the test's modules registered.
class SRptReportTemplate : public SRptModuleTestFixture {
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
    SComWrap<ISRptTemplate> NewTemplate(const char* moduleId) {
        SComWrap<ISRptTemplate> made;
        EXPECT_EQ(report->AddNewTemplate(moduleId, 1, &made), S_OK);
        return made;
    }
    static SRepVariant Attribute(ISRepObject* object, int32_t id) {
        SRepVariant value;
        EXPECT_EQ(object->GetAttribute(id, &value), S_OK) << std::hex << id;
        return value;
    }
    int32_t Availables() { return SRepClassColPtr(report.Get(), RPTREPORT_AVAILABLES).GetCount(); }

    SComWrap<ISRepSession> session;
    SComWrap<ISRptReport> report;
};

}  // namespace

TEST_F(SRptReportTemplate, ANewReportHasItsTitlePageAndItsNameForDisplay) {
    EXPECT_EQ(Attribute(report.Get(), RPTREPORT_FIRSTPAGETITLE).GetText(), "Report");
    for (int32_t id = 0x02006508; id <= 0x0200650D; ++id) EXPECT_TRUE(Attribute(report.Get(), id).GetBool()) << id;
    EXPECT_FALSE(Attribute(report.Get(), 0x0200650E).GetBool());  // no section numbering
    SRepVariant value;
    EXPECT_EQ(report->GetAttributeDefault(0x02006509, &value), S_OK);
    EXPECT_TRUE(value.GetBool());
    int32_t checked = 0;
    EXPECT_TRUE(RptAnswersAsItsMetaclass(report.Get(), &checked));

    value.SetText("Yearly");
    EXPECT_EQ(report->SetAttribute(SREP_DISPID_DISPNAME, value), S_OK);
    EXPECT_EQ(Attribute(report.Get(), SREP_DISPID_NAME).GetText(), "Yearly");
    EXPECT_EQ(Attribute(report.Get(), SREP_DISPID_DISPNAME).GetText(), "Yearly");
    EXPECT_EQ(report->GetAttribute(-1, &value), E_FAIL);
}

TEST_F(SRptReportTemplate, TheHostsTextsComeFromTheFirstModulesClient) {
    // Without a module client every text the host gives is E_FAIL written as a number.
    EXPECT_EQ(report->GetTitleFromPath("\\Report Titles\\General\\TOC"), "-2147467259");
    EXPECT_EQ(Attribute(report.Get(), 0x02006510).GetText(), "-2147467259");
    // Without a language the extended titles are the defaults.
    EXPECT_EQ(report->GetExTitle(0), "Table of contents");
    EXPECT_EQ(report->GetExTitle(1), "%MODULE%\t%MODELNAME%");
    EXPECT_EQ(report->GetExTitle(2), "Report Editor\t%DATE%\tPage %PAGE%");
    EXPECT_EQ(report->GetExTitle(7), "");

    SComWrap<STestModuleClient> client(new STestModuleClient);
    Register("Sales", "Sales model", client.Get());
    EXPECT_EQ(report->GetTitleFromPath("\\Report Titles\\General\\TOC"), "title of \\Report Titles\\General\\TOC");
    EXPECT_EQ(Attribute(report.Get(), 0x02006510).GetText(), "Esperanto");
}

TEST_F(SRptReportTemplate, ATemplateIsMadeForAModuleOnlyWhenTheOldOneMayBeDiscarded) {
    ISRptTemplate* none = reinterpret_cast<ISRptTemplate*>(0x10);
    EXPECT_EQ(report->AddNewTemplate("Sales", 0, &none), S_FALSE);
    EXPECT_EQ(none, nullptr);
    EXPECT_EQ(report->AddNewTemplate("Sales", 1, nullptr), E_POINTER);
    int32_t count = -1;
    EXPECT_EQ(report->GetTemplatesCount(&count), S_OK);
    EXPECT_EQ(count, 0);

    SComWrap<ISRptTemplate> made = NewTemplate("Sales");
    EXPECT_EQ(made->GetItemID(), "TEMPLATE");
    EXPECT_EQ(made->GetModuleID(), "Sales");
    EXPECT_EQ(made->GetLabel(), "Template items");
    EXPECT_TRUE(SComWrap<IUnknown>(made->GetParentReport()).IsEqualObject(report.Get()));
    SComWrap<ISRepObject> parent;
    EXPECT_EQ(made->GetObjectA(kParentReport, &parent), S_OK);
    EXPECT_TRUE(parent.IsEqualObject(report.Get()));
    EXPECT_EQ(report->GetTemplatesCount(&count), S_OK);
    EXPECT_EQ(count, 1);
    SComWrap<ISRptTemplate> atZero;
    EXPECT_EQ(report->GetTemplateAtPos(0, &atZero), S_OK);
    EXPECT_EQ(atZero.Get(), made.Get());
    EXPECT_EQ(report->GetTemplateAtPos(1, &atZero), S_FALSE);
    EXPECT_FALSE(atZero);
    EXPECT_EQ(report->GetTemplateAtPos(0, nullptr), E_POINTER);
    EXPECT_EQ(report->GetTemplatesCount(nullptr), E_POINTER);
    EXPECT_EQ(report->AddTemplate(nullptr), S_FALSE);
    // No module "Sales" is registered: there are no available items to bring the template in line with.
    EXPECT_EQ(report->SyncTemplatesWithAvailableItems(), E_FAIL);
    EXPECT_EQ(Availables(), 0);
}

TEST_F(SRptReportTemplate, ANewTemplateReadsItsDocumentedValues) {
    // A template as its session makes it, before any header, footer or page set-up is given.
    SComWrap<ISRepObject> object;
    ASSERT_EQ(session->CreateObject(CLSID_SRptTemplate, reinterpret_cast<void**>(&object), ISRepObject::iid, false),
              S_OK);
    SComWrap<ISRptTemplate> made;
    made = static_cast<IUnknown*>(object.Get());
    ASSERT_TRUE(made);
    EXPECT_EQ(Attribute(made.Get(), SREP_DISPID_NAME).GetText(), "Template items");
    for (int32_t id : {SREP_DISPID_CODE, kHeader, 0x02006201, 0x02006204, 0x02006205})
        EXPECT_EQ(Attribute(made.Get(), id).GetText(), "") << std::hex << id;
    for (int32_t id : {0x02006202, 0x02006203, 0x02006206, 0x02006207})
        EXPECT_TRUE(Attribute(made.Get(), id).GetBool()) << std::hex << id;
    EXPECT_FALSE(Attribute(made.Get(), kHeadUserDef).GetBool());
    EXPECT_FALSE(Attribute(made.Get(), 0x02006219).GetBool());
    EXPECT_EQ(Attribute(made.Get(), 0x02006208).GetRECT(), RECT{});
    EXPECT_EQ(Attribute(made.Get(), 0x02006209).GetRECT(), RECT{});
    EXPECT_EQ(Attribute(made.Get(), 0x0200620A).GetPOINT(), POINT{});
    EXPECT_EQ(Attribute(made.Get(), 0x0200620B).GetInt(), 1);
    EXPECT_EQ(Attribute(made.Get(), 0x0200620C).GetInt(), 9);
    EXPECT_EQ(Attribute(made.Get(), kZoomPerct).GetShort(), 100);
    SRepVariant value;
    for (int32_t id : {kParentReport, kZoomPerct, kDispHeader, 0x0200621C, 0x0200621D, 0x0200621E})
        EXPECT_EQ(made->GetAttributeDefault(id, &value), E_NOTIMPL) << std::hex << id;
    int32_t checked = 0;
    EXPECT_TRUE(RptAnswersAsItsMetaclass(made.Get(), &checked));

    // One command of its own, and it never moves.
    EXPECT_EQ(made->IsItemSupportCommand(45009), S_OK);
    EXPECT_EQ(made->IsItemSupportCommand(45006), S_FALSE);
    EXPECT_EQ(made->CanMoveItemUp(), S_FALSE);
    EXPECT_EQ(made->CanMoveItemDown(), S_FALSE);
    EXPECT_EQ(made->CanMoveItemLower(), S_FALSE);
    EXPECT_EQ(made->CanMoveItemRaise(), S_FALSE);
    EXPECT_TRUE(made->GetContainer());
}

TEST_F(SRptReportTemplate, TheDisplayedHeaderIsTheUsersOrTheReportsExtendedTitle) {
    SComWrap<ISRptTemplate> made = NewTemplate("Sales");
    SRepVariant text;
    text.SetText("My header");
    made->SetAttribute(kHeader, text);
    EXPECT_EQ(Attribute(made.Get(), kDispHeader).GetText(), "%MODULE%\t%MODELNAME%");
    SRepVariant yes;
    yes.SetBool(true);
    made->SetAttribute(kHeadUserDef, yes);
    EXPECT_EQ(Attribute(made.Get(), kDispHeader).GetText(), "My header");
    EXPECT_EQ(Attribute(made.Get(), 0x0200621E).GetText(), "Report Editor\t%DATE%\tPage %PAGE%");

    // Without a report the defaults are empty.
    SComWrap<ISRepObject> free;
    ASSERT_EQ(session->CreateObject(CLSID_SRptTemplate, reinterpret_cast<void**>(&free), ISRepObject::iid), S_OK);
    EXPECT_EQ(Attribute(free.Get(), kDispHeader).GetText(), "");
    EXPECT_EQ(Attribute(free.Get(), kParentReport).GetIOBJECT(), nullptr);
}

TEST_F(SRptReportTemplate, ATemplateTakesACopyOfItsModulesAvailableItemsOnce) {
    SComWrap<ISRptModule> sales = Register("Sales", "Sales model");
    SComWrap<ISRptTemplate> made = NewTemplate("Sales");
    ASSERT_EQ(report->SyncTemplatesWithAvailableItems(), S_OK);
    EXPECT_EQ(Availables(), 1);
    NewTemplate("Sales");
    EXPECT_EQ(report->SyncTemplatesWithAvailableItems(), S_OK);
    EXPECT_EQ(Availables(), 1);  // the module has its copy already

    // A template without a module id changes nothing.
    made->PutModuleID("");
    EXPECT_EQ(report->SyncTemplateWithAvailableItems(made.Get()), S_FALSE);
    EXPECT_EQ(Availables(), 1);
    EXPECT_EQ(report->SyncTemplateWithAvailableItems(nullptr), E_POINTER);
}

TEST_F(SRptReportTemplate, AvailableItemsAreFoundByTheExactModuleId) {
    Register("Sales", "Sales model");
    Register("sales", "Other sales model");
    SComWrap<ISRptAvailableItems> own;
    ASSERT_EQ(report->AddNewAvailableItems("sales", &own), S_OK);
    EXPECT_EQ(own->GetModuleID(), "sales");
    ASSERT_EQ(report->AddNewAvailableItems("Sales", &own), S_OK);
    EXPECT_EQ(Availables(), 2);
    // The module's own container is handed out, the report keeps a copy.
    SComWrap<ISRptAvailableItems> copy;
    ASSERT_EQ(report->GetAvailableItemsOfModule("Sales", &copy), S_OK);
    EXPECT_EQ(copy->GetModuleID(), "Sales");
    EXPECT_FALSE(copy.IsEqualObject(own.Get()));
    ASSERT_EQ(report->GetAvailableItemsOfModule("sales", &copy), S_OK);
    EXPECT_EQ(copy->GetModuleID(), "sales");
    EXPECT_EQ(report->GetAvailableItemsOfModule("SALES", &copy), S_FALSE);
    EXPECT_FALSE(copy);
    EXPECT_EQ(report->GetAvailableItemsOfModule("Sales", nullptr), E_INVALIDARG);

    ISRptAvailableItems* none = reinterpret_cast<ISRptAvailableItems*>(0x10);
    EXPECT_EQ(report->AddNewAvailableItems("Nobody", &none), E_FAIL);
    EXPECT_EQ(none, nullptr);
    EXPECT_EQ(report->AddNewAvailableItems("Sales", nullptr), E_INVALIDARG);
    EXPECT_EQ(report->AddAvailableItems(nullptr), S_FALSE);
}
