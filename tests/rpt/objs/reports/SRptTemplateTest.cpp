#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/repo/SRepSession.h"
#include "platform/repo/SRepVariant.h"
#include "rpt/module/SRptModuleTestFixture.h"
#include "rpt/objs/paras/SRptParaFooterMem.h"
#include "rpt/objs/paras/SRptParaHeaderMem.h"
#include "rpt/objs/reports/SRptReportMem.h"
#include "rpt/objs/reports/SRptTemplateMem.h"
#include "support/RptMetaclassCheck.h"
#include "support/STestRecordingDevice.h"
#include "varod9/ISRptCustom.h"
#include "varod9/ISRptPara.h"
#include "varod9/ISRptTabulation.h"
#include "varod9/ISRptTemplate.h"
#include "varod9/RptFieldDef.h"

namespace {

// A template made by a report of its own session for module "Sales", on a printer whose page is
// 21000 wide with margins 2500 and 2499: a printable width of 16001.
class SRptTemplateTest : public SRptModuleTestFixture {
protected:
    void SetUp() override {
        SRptModuleTestFixture::SetUp();
        printer = globals->GetPrinterCache();
        savedSize = printer->GetPageSize();
        savedMargins = printer->GetMargins();
        savedMinMargins = printer->GetMinMargins();
        savedOrientation = printer->GetOrientation();
        savedPaper = printer->GetPaperSize();
        printer->SetPageSize(POINT{21000, 29700});
        printer->SetMargins(RECT{2500, 1000, 2499, 1200});
        printer->SetMinMargins(RECT{400, 410, 420, 430});
        ASSERT_EQ(SRepSession::Create("report", &session), S_OK);
        ASSERT_EQ(session->CreateModelObject(CLSID_SRptReport, reinterpret_cast<void**>(&report), ISRptReport::iid),
                  S_OK);
        ASSERT_EQ(report->AddNewTemplate("Sales", 1, &templ), S_OK);
    }
    void TearDown() override {
        templ.Clear();
        report.Clear();
        session->Close();
        session.Clear();
        printer->SetPageSize(savedSize);
        printer->SetMargins(savedMargins);
        printer->SetMinMargins(savedMinMargins);
        printer->SetOrientation(savedOrientation);
        printer->SetPaperSize(savedPaper);
        SRptModuleTestFixture::TearDown();
    }

    SComWrap<ISRptPara> Para(int32_t position) {
        SComWrap<ISRptPara> para;
        EXPECT_EQ(templ->GetParaAtPos(position, &para), S_OK);
        return para;
    }
    // The tab stops of a paragraph as "position/alignment".
    std::vector<std::string> Tabs(int32_t position) {
        std::vector<std::string> tabs;
        SComWrap<ISRptPara> para = Para(position);
        for (int32_t i = 0; i < para->GetNbTabs(); ++i) {
            SComWrap<ISRptTabulation> tab;
            EXPECT_EQ(para->GetTabPosAtIndex(i, &tab), S_OK);
            tabs.push_back(std::to_string(tab->GetPosition()) + "/" + std::to_string(tab->GetAlignment()));
        }
        return tabs;
    }
    // The module's built-in item of an item id.
    static SComWrap<ISRptItem> BuiltIn(ISRptAvailableItems* container, const char* itemId) {
        SRepClassColPtr items = container->Items();
        for (int32_t i = 0; i < items.GetCount(); ++i) {
            SComWrap<ISRptItem> item;
            item = static_cast<IUnknown*>(items.Item(i).Get());
            if (item && item->GetItemID() == itemId) return item;
        }
        return SComWrap<ISRptItem>();
    }
    SComWrap<ISRptItem> Place(ISRptItem* source) {
        SComWrap<ISRptItem> placed;
        EXPECT_EQ(templ->AddTemplateItem(source, templ.Get(), -1, &placed), S_OK);
        return placed;
    }

    SPrinterCache* printer = nullptr;
    POINT savedSize{};
    RECT savedMargins{};
    RECT savedMinMargins{};
    int32_t savedOrientation = 0;
    int32_t savedPaper = 0;
    SComWrap<ISRepSession> session;
    SComWrap<ISRptReport> report;
    SComWrap<ISRptTemplate> templ;
};

}  // namespace

TEST_F(SRptTemplateTest, ANewTemplateHasItsHeaderFooterAndPageSetUpFromThePrinter) {
    EXPECT_EQ(Para(0)->GetClassID(), CLSID_SRptParaHeader);
    EXPECT_EQ(Para(1)->GetClassID(), CLSID_SRptParaFooter);
    EXPECT_EQ(Para(0)->GetBorder(), 8);
    EXPECT_EQ(Para(1)->GetBorder(), 2);
    EXPECT_EQ(Para(0)->GetParaName(), "Header");
    EXPECT_EQ(Para(1)->GetParaName(), "Footer");
    EXPECT_EQ(Para(0)->GetParaFontID(), 0);
    EXPECT_EQ(Para(1)->GetParaFontID(), 1);
    // The default texts, with the stops of the printable width 16001: the centre one truncated.
    EXPECT_EQ(templ->GetHeader(), "%MODULE%\t%MODELNAME%");
    EXPECT_EQ(templ->GetFooter(), "Report Editor\t%DATE%\tPage %PAGE%");
    EXPECT_EQ(Tabs(0), (std::vector<std::string>{"16001/3"}));
    EXPECT_EQ(Tabs(1), (std::vector<std::string>{"8000/2", "16001/3"}));
    // The page set-up as the printer has it.
    EXPECT_EQ(templ->GetMargin(), (RECT{2500, 1000, 2499, 1200}));
    EXPECT_EQ(templ->GetMinMargin(), (RECT{400, 410, 420, 430}));
    EXPECT_EQ(templ->GetPaperSize(), (POINT{21000, 29700}));
    EXPECT_EQ(templ->GetOrientation(), printer->GetOrientation());
    EXPECT_EQ(templ->GetPaperFormat(), printer->GetPaperSize());
    EXPECT_TRUE(templ->GetInTemplate());
    EXPECT_EQ(templ->GetLabelInTemplate(), "Template items");
    int32_t checked = 0;
    EXPECT_TRUE(RptAnswersAsItsMetaclass(templ.Get(), &checked));
}

TEST_F(SRptTemplateTest, AHeaderFooterDefinitionSetsTabsBeforeTextsAndChecksItsSize) {
    const RPTTABPOS tab{5000, RPT_TABPOS_ALIGN_CENTER};
    RPTHEADERFOOTERDEF def;
    def.HeaderText = "H";
    def.HeaderTabCount = 1;
    def.HeaderTabs = &tab;
    def.FooterText = "F";
    for (uint32_t size : {28u, 36u}) {
        def.Size = size;
        EXPECT_EQ(templ->SetHeaderFooter(&def), E_INVALIDARG);
    }
    EXPECT_EQ(templ->SetHeaderFooter(nullptr), E_INVALIDARG);
    EXPECT_EQ(templ->GetHeader(), "%MODULE%\t%MODELNAME%");
    def.Size = 32;
    EXPECT_EQ(templ->SetHeaderFooter(&def), S_OK);
    EXPECT_EQ(templ->GetHeader(), "H");
    EXPECT_EQ(templ->GetFooter(), "F");
    EXPECT_EQ(Tabs(0), (std::vector<std::string>{"5000/2"}));
    // No footer stops given: the footer keeps its own.
    EXPECT_EQ(Tabs(1), (std::vector<std::string>{"8000/2", "16001/3"}));
}

TEST_F(SRptTemplateTest, TheDeviceExpandsBuiltInAndModuleFieldsAndLeavesUnknownTokens) {
    SComWrap<ISRptModule> module = Register("Sales", "Sales model");
    RPTFIELDDEF field;
    field.ModuleID = "Sales";
    field.FieldName = "%MODULE%";
    field.Value = "Sales model";
    SComWrap<ISRptField> registered;
    ASSERT_EQ(RptRegisterField(module.Get(), &field, &registered), S_OK);

    templ->PutHeadUserDef(true);
    templ->PutHeader("%DATE% %TIME%\t%MODULE% 100% %NOSUCH%");
    templ->PutFootUserDef(true);
    templ->PutFooter("Page %PAGE%");
    templ->PutHeaderNeedExpand(false);
    templ->PutFooterNeedExpand(false);
    SComWrap<STestRecordingDevice> device(new STestRecordingDevice);
    EXPECT_EQ(templ->InitHeaderFooter(device.Get()), S_OK);
    EXPECT_EQ(templ->GetExpHeader(), "2024-03-05 14:30:00\tSales model 100% %NOSUCH%");
    EXPECT_EQ(templ->GetExpFooter(), "Page 7");
    EXPECT_EQ(device->expansions,
              (std::vector<std::string>{"Sales|%DATE% %TIME%\t%MODULE% 100% %NOSUCH%", "Sales|Page %PAGE%"}));
    // Expanded once until the next pass begins.
    EXPECT_FALSE(templ->GetHeaderNeedExpand());
    EXPECT_FALSE(templ->GetFooterNeedExpand());
    EXPECT_EQ(templ->InitHeaderFooter(nullptr), E_INVALIDARG);
    EXPECT_TRUE(templ->GetHeaderNeedExpand());
}

TEST_F(SRptTemplateTest, WithoutUserTextsTheReportsDefaultsAreExpanded) {
    SComWrap<STestRecordingDevice> device(new STestRecordingDevice);
    EXPECT_EQ(templ->InitHeaderFooter(device.Get()), S_OK);
    EXPECT_EQ(templ->GetExpFooter(), "Report Editor\t2024-03-05\tPage 7");
    // No field MODULE or MODELNAME is registered: the tokens stay.
    EXPECT_EQ(templ->GetExpHeader(), "%MODULE%\t%MODELNAME%");
}

TEST_F(SRptTemplateTest, AddingAnItemPlacesACopyInTheTemplatesSession) {
    SComWrap<ISRptModule> module = Register("Sales", "Sales model");
    SComWrap<ISRptItem> title = BuiltIn(ContainerOf(module.Get()).Get(), "TITLE");
    ASSERT_TRUE(title);
    ISRptItem* untouched = reinterpret_cast<ISRptItem*>(0x10);
    EXPECT_EQ(templ->AddTemplateItem(nullptr, templ.Get(), -1, &untouched), E_POINTER);
    EXPECT_EQ(templ->AddTemplateItem(title.Get(), nullptr, -1, &untouched), E_POINTER);
    EXPECT_EQ(untouched, reinterpret_cast<ISRptItem*>(0x10));

    SComWrap<ISRptItem> placed = Place(title.Get());
    ASSERT_TRUE(placed);
    EXPECT_FALSE(placed.IsEqualObject(title.Get()));
    EXPECT_TRUE(placed->GetInTemplate());
    EXPECT_FALSE(title->GetInTemplate());
    SComWrap<ISRepSession> own;
    placed->GetSession(&own);
    EXPECT_EQ(own.Get(), session.Get());
    EXPECT_EQ(ChildIds(templ.Get()), (std::vector<std::string>{"TITLE"}));
    EXPECT_EQ(templ->DeleteTemplateItem(nullptr), E_INVALIDARG);
    EXPECT_EQ(templ->DeleteTemplateItem(placed.Get()), S_OK);
    EXPECT_TRUE(ChildIds(templ.Get()).empty());
}

TEST_F(SRptTemplateTest, RegisteredItemsAreLinkedUnderEachItemsOwnModule) {
    SComWrap<ISRptModule> module = Register("Sales", "Sales model");
    SComWrap<ISRptAvailableItems> container = ContainerOf(module.Get());
    SComWrap<ISRptItem> title = BuiltIn(container.Get(), "TITLE");
    SComWrap<ISRptItem> placed = Place(title.Get());
    // Linked elsewhere, the walk links it back to the item registered under its own ids.
    EXPECT_EQ(placed->SetRegisteredItem(BuiltIn(container.Get(), "TEXT").Get()), S_OK);
    EXPECT_EQ(templ->RetrieveRegisteredItems(nullptr), S_OK);
    SComWrap<ISRptItem> linked;
    EXPECT_EQ(placed->GetRegisteredItem(&linked), S_OK);
    EXPECT_TRUE(linked.IsEqualObject(title.Get()));
}

TEST_F(SRptTemplateTest, UserProcsAreTakenAndItemsTheModuleDroppedAreDeletedWithoutSkippingTheirSibling) {
    SComWrap<STestUserProcs> procs(new STestUserProcs);
    SComWrap<ISRptModule> module = Register("Sales", "Sales model");
    SComWrap<ISRptItem> text = BuiltIn(ContainerOf(module.Get()).Get(), "TEXT");
    SComWrap<ISRptItem> registered[2];
    const char* ids[] = {"GONE", "KEPT"};
    for (int i = 0; i < 2; ++i) {
        RPTUSRITEMDEF def = Describe("Sales", ids[i], RPT_ITEMKIND_GRPTEXT, ids[i]);
        def.UserProcs = procs.Get();
        def.ResPath = "res";
        ASSERT_EQ(RptRegisterItem(module.Get(), &def, &registered[i]), S_OK);
    }
    SComWrap<ISRptItem> gone = Place(registered[0].Get());
    SComWrap<ISRptItem> kept = Place(registered[1].Get());
    Place(text.Get());
    SComWrap<ISRptCustom> keptCustom;
    keptCustom = static_cast<IUnknown*>(kept.Get());
    ASSERT_TRUE(keptCustom);
    keptCustom->SetUserProcs(nullptr);
    keptCustom->PutResPath("");

    // The module no longer offers GONE.
    ASSERT_TRUE(globals->GetModuleItemTable()->RemoveKey(SRptModuleItemTableEntry("Sales", "GONE")));
    EXPECT_EQ(templ->RetrieveUserProcs(nullptr), S_OK);
    EXPECT_EQ(ChildIds(templ.Get()), (std::vector<std::string>{"KEPT", "TEXT"}));
    // The dropped copy is gone for good, not only out of the tree.
    EXPECT_TRUE(SRepObjectMem::FromObject(static_cast<ISRepObject*>(gone.Get()))->IsDeleted());
    // Its next sibling was visited: it has the registered item's procedures and resource path.
    SComWrap<IUnknown> taken;
    EXPECT_EQ(keptCustom->GetUserProcs(&taken), S_OK);
    EXPECT_TRUE(taken.IsEqualObject(procs.Get()));
    EXPECT_EQ(keptCustom->GetResPath(), "res");
}

TEST_F(SRptTemplateTest, TheWalksStopWithoutAModuleItemTableAndRejectOtherKinds) {
    SRptScanTreeHelper::SScanner* scanner = dynamic_cast<SRptScanTreeHelper::SScanner*>(templ.Get());
    ASSERT_NE(scanner, nullptr);
    RPTSCANINFO info;
    EXPECT_EQ(scanner->Dispatch(3, templ.Get(), &info), E_INVALIDARG);
    EXPECT_EQ(scanner->Dispatch(7, templ.Get(), &info), E_INVALIDARG);
    // The header and footer are the report's defaults: nothing is user-defined.
    EXPECT_EQ(templ->UpdateUserDefinedItems(), S_OK);
    EXPECT_FALSE(templ->GetFootUserDef());
}

TEST_F(SRptTemplateTest, TheReportFollowsItsTemplatesName) {
    EXPECT_EQ(templ->PutName("Quarterly"), S_OK);
    SRepVariant name;
    EXPECT_EQ(report->GetAttribute(SREP_DISPID_NAME, &name), S_OK);
    EXPECT_EQ(name.GetText(), "Quarterly");
    SComWrap<ISRepObject> parent;
    EXPECT_EQ(templ->ComputeParentReport(&parent), S_OK);
    EXPECT_TRUE(parent.IsEqualObject(report.Get()));
    // The displayed header follows the report's default until the user defines one.
    EXPECT_EQ(templ->GetDispHeader(), report->GetExTitle(1));
    templ->PutHeader("Mine");
    EXPECT_EQ(templ->UpdateUserDefinedItems(), S_OK);
    EXPECT_TRUE(templ->GetHeadUserDef());
    EXPECT_EQ(templ->GetDispHeader(), "Mine");
}
