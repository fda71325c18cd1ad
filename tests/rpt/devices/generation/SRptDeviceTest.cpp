// The generation run of the device base: the order of its steps, where a failure or an abort
// stops it, a run without a generation client, the fresh start of every group, the header and
// footer texts, and the device's interface.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "rpt/devices/generation/SRptDevice.h"
#include "rpt/devices/generation/SRptGenerationNodePageBreak.h"
#include "rpt/devices/generation/SRptGenerationNodeTemplate.h"
#include "rpt/devices/generation/SRptGenerationNodeText.h"
#include "rpt/devices/generation/SRptGenerationTree.h"
#include "rpt/module/SRptGlobalsContainer.h"
#include "rpt/objs/items/SRptPageBreakMem.h"
#include "rpt/objs/items/SRptTextMem.h"
#include "rpt/objs/items/SRptFolderMem.h"
#include "rpt/objs/reports/SRptReportMem.h"
#include "rpt/objs/reports/SRptTemplateMem.h"
#include "support/SRptItemKindTestFixture.h"
#include "support/STestRptProcs.h"
#include "varod9/ISRptGroup.h"
#include "varod9/RptApi.h"

namespace {

using Log = std::vector<std::string>;

// A client that writes each call into the shared log and answers what the test set.
class SRecordingClient final : public STestRefCounted<ISRptGenerationClient> {
public:
    explicit SRecordingClient(Log& log) : m_log(log) {}
    HRESULT OnGenerationStart() override {
        m_log.push_back("client start");
        return startResult;
    }
    HRESULT OnTemplateStart(int32_t i) override {
        m_log.push_back("client template start " + std::to_string(i));
        return S_OK;
    }
    HRESULT OnTemplateEnd(int32_t i) override {
        m_log.push_back("client template end " + std::to_string(i));
        return S_OK;
    }
    HRESULT OnTemplateDone() override {
        m_log.push_back("client template done");
        return S_OK;
    }
    HRESULT startResult = S_OK;

private:
    Log& m_log;
};

// A device that writes each step into the log and answers, for a step named in `results`, the
// result given there.
class SRecordingDevice final : public SRptDevice {
public:
    SRecordingDevice(ISRptReport* report, ISRptGenerationClient* client, Log& log)
        : SRptDevice(report, client), m_log(log) {}

    std::vector<std::pair<std::string, HRESULT>> results;
    // The state of each group the second pass meets: "label valid/nbItems/index/param".
    Log groupStates;
    int32_t stopWalkAtLevel = -1;  // the first pass stops the template's walk there
    Log specialLabels;             // the items IsItemSpecial accepts

    using SRptDevice::FindNextPageStart;
    using SRptDevice::GetClientPtr;
    using SRptDevice::GetNextContentNode;
    using SRptDevice::IsPageEnd;

protected:
    HRESULT Step(const std::string& name) {
        m_log.push_back(name);
        for (const auto& [step, hr] : results)
            if (step == name) return hr;
        return S_OK;
    }
    HRESULT BeginGeneration() override {
        const HRESULT hr = SRptDevice::BeginGeneration();
        if (hr < 0) return hr;
        return Step("begin");
    }
    HRESULT InitGeneration() override { return Step("init"); }
    HRESULT BeginSecondPass() override { return Step("begin second pass"); }
    HRESULT ScanObject(ISRptItem* item, RPTSCANINFO* info) override {
        info->action = info->level == stopWalkAtLevel ? RPTSCAN_STOP : RPTSCAN_DESCEND;
        return Step("scan " + item->GetLabel().str());
    }
    HRESULT GenerateObject(ISRptItem* item, RPTSCANINFO* info) override {
        SComWrap<ISRptGroup> group;
        group = item;
        if (group)
            groupStates.push_back(item->GetLabel().str() + " " + std::to_string(group->GetValid()) + "/" +
                                  std::to_string(group->GetNbItems()) + "/" + std::to_string(group->GetItemIndex()) +
                                  "/" + std::to_string(group->GetUserParam()));
        info->action = RPTSCAN_DESCEND;
        return Step("generate " + item->GetLabel().str());
    }
    HRESULT BeginTemplateScan(int32_t i, ISRptTemplate*) override { return Step("begin scan " + std::to_string(i)); }
    HRESULT EndTemplateScan(int32_t i, ISRptTemplate*) override { return Step("end scan " + std::to_string(i)); }
    HRESULT BeginTemplateGeneration(int32_t i, ISRptTemplate*) override {
        return Step("begin generation " + std::to_string(i));
    }
    HRESULT EndTemplateGeneration(int32_t i, ISRptTemplate*) override {
        return Step("end generation " + std::to_string(i));
    }
    HRESULT EndFirstPass() override { return Step("end first pass"); }
    HRESULT FinishGeneration() override {
        m_log.push_back(GetGenerationTree() ? "finish with tree" : "finish without tree");
        const HRESULT hr = SRptDevice::FinishGeneration();
        if (hr < 0) return hr;
        return Step("finish");
    }
    HRESULT EndGeneration() override {
        SRptDevice::EndGeneration();
        return Step("end");
    }
    HRESULT FormatFieldText(int32_t field, SString* text) override {
        static const char* const kValues[] = {"", "2024-03-05", "14:30:00", "7"};
        if (field < 1 || field > 3) return S_FALSE;
        *text = kValues[field];
        return S_OK;
    }
    int32_t GetDeviceKind() override { return RPTDEVICE_RTF; }
    bool IsItemSpecial(ISRptItem* item) override {
        return item && std::count(specialLabels.begin(), specialLabels.end(), item->GetLabel().str()) > 0;
    }

private:
    Log& m_log;
};

class SRptDeviceTest : public SRptItemKindTestFixture {
protected:
    void TearDown() override {
        if (device) device->Release();
        device = nullptr;
        templates.clear();
        folders.clear();
        if (client) client->Release();
        SRptItemKindTestFixture::TearDown();
    }
    // A report whose templates "T0", "T1" ... each hold one folder "F0", "F1" ...
    void MakeReport(int32_t nbTemplates) {
        report = Make<ISRptReport>(CLSID_SRptReport);
        for (int32_t i = 0; i < nbTemplates; ++i) {
            templates.push_back(MakeIn<ISRptTemplate>(report.Get(), CLSID_SRptTemplate, RPTREPORT_TEMPLATES));
            templates.back()->PutLabel(("T" + std::to_string(i)).c_str());
            SComWrap<ISRptItem> folder = MakeIn<ISRptItem>(templates.back().Get(), CLSID_SRptFolder);
            const RPTUSRITEMDEF def = Describe(("F" + std::to_string(i)).c_str());
            SComWrap<ISRptCustom> custom;
            custom = folder;
            ASSERT_EQ(custom->ConstructWithItemDef(&def), S_OK);
            folder->PutLabel(("F" + std::to_string(i)).c_str());
            folders.push_back(folder);
        }
    }
    void MakeDevice(bool withClient = true) {
        if (withClient) {
            client = new SRecordingClient(log);
            client->AddRef();
        }
        device = new SRecordingDevice(report.Get(), client, log);
    }
    // The log without the client's lines.
    Log DeviceSteps() const {
        Log steps;
        for (const std::string& line : log)
            if (line.rfind("client", 0) != 0) steps.push_back(line);
        return steps;
    }

    std::vector<SComWrap<ISRptTemplate>> templates;
    std::vector<SComWrap<ISRptItem>> folders;
    Log log;
    SRecordingClient* client = nullptr;
    SRecordingDevice* device = nullptr;
};

const Log kOneTemplateRun = {
    "client start",
    "begin",
    "init",
    "client template start 0",
    "begin scan 0",
    "scan T0",
    "scan F0",
    "end scan 0",
    "client template end 0",
    "client template done",
    "end first pass",
    "begin second pass",
    "client template start 0",
    "begin generation 0",
    "generate T0",
    "generate F0",
    "end generation 0",
    "client template end 0",
    "client template done",
    "finish with tree",
    "finish",
    "end",
};

TEST_F(SRptDeviceTest, StepsRunInTheirOrderOverEveryTemplateInBothPasses) {
    MakeReport(1);
    MakeDevice();
    EXPECT_EQ(device->Generate(), S_OK);
    EXPECT_EQ(log, kOneTemplateRun);
    // The tree lives from the beginning to the end of the run only.
    EXPECT_EQ(device->GetGenerationTree(), nullptr);

    log.clear();
    MakeReport(2);
    templates.erase(templates.begin());  // only the new report's templates are held
    device->Release();
    device = new SRecordingDevice(report.Get(), client, log);
    EXPECT_EQ(device->Generate(), S_OK);
    const Log expected = {"client start", "begin", "init",
                          "client template start 0", "begin scan 0", "scan T0", "scan F0", "end scan 0",
                          "client template end 0", "client template done",
                          "client template start 1", "begin scan 1", "scan T1", "scan F1", "end scan 1",
                          "client template end 1", "client template done",
                          "end first pass", "begin second pass",
                          "client template start 0", "begin generation 0", "generate T0", "generate F0",
                          "end generation 0", "client template end 0", "client template done",
                          "client template start 1", "begin generation 1", "generate T1", "generate F1",
                          "end generation 1", "client template end 1", "client template done",
                          "finish with tree", "finish", "end"};
    EXPECT_EQ(log, expected);
}

TEST_F(SRptDeviceTest, AReportWithoutTemplatesStillFinishesAndEnds) {
    MakeReport(0);
    MakeDevice();
    EXPECT_EQ(device->Generate(), S_OK);
    const Log expected = {"client start", "begin", "init", "end first pass", "begin second pass",
                          "finish with tree", "finish", "end"};
    EXPECT_EQ(log, expected);
}

TEST_F(SRptDeviceTest, TheFirstNegativeResultEndsTheRunButAPositiveOneDoesNot) {
    MakeReport(1);
    MakeDevice();
    device->results = {{"init", S_FALSE}, {"end first pass", S_FALSE}, {"begin second pass", E_FAIL}};
    EXPECT_EQ(device->Generate(), E_FAIL);
    const Log expected(kOneTemplateRun.begin(), kOneTemplateRun.begin() + 12);
    EXPECT_EQ(log, expected);
    EXPECT_EQ(log.back(), "begin second pass");

    // A failing template step ends its pass without the template's client calls.
    log.clear();
    device->results = {{"end scan 0", E_INVALIDARG}};
    EXPECT_EQ(device->Generate(), E_INVALIDARG);
    EXPECT_EQ(log.back(), "end scan 0");

    // So does the client's refusal at the start, before anything else.
    log.clear();
    device->results.clear();
    client->startResult = E_FAIL;
    EXPECT_EQ(device->Generate(), E_FAIL);
    EXPECT_EQ(log, Log{"client start"});
}

TEST_F(SRptDeviceTest, AnAbortStopsAtOnce) {
    MakeReport(2);
    MakeDevice();
    device->results = {{"generate F0", E_ABORT}};
    EXPECT_EQ(device->Generate(), E_ABORT);
    EXPECT_EQ(log.back(), "generate F0");
    for (const char* later : {"end generation 0", "generate T1", "finish with tree", "end"})
        EXPECT_EQ(std::count(log.begin(), log.end(), later), 0) << later;
}

TEST_F(SRptDeviceTest, AWalkStoppedByAnObjectStillEndsItsTemplateAndGoesOn) {
    MakeReport(2);
    MakeDevice();
    device->stopWalkAtLevel = 0;  // the template itself stops its walk: the folder is not seen
    EXPECT_EQ(device->Generate(), S_OK);
    const Log firstPass(log.begin(), log.begin() + 15);
    const Log expected = {"client start", "begin", "init",
                          "client template start 0", "begin scan 0", "scan T0", "end scan 0",
                          "client template end 0", "client template done",
                          "client template start 1", "begin scan 1", "scan T1", "end scan 1",
                          "client template end 1", "client template done"};
    EXPECT_EQ(firstPass, expected);
    EXPECT_EQ(log.back(), "end");
}

TEST_F(SRptDeviceTest, ARunWithoutAClientIsARunWhoseClientAgreesToEverything) {
    MakeReport(1);
    MakeDevice(false);
    EXPECT_EQ(device->Generate(), S_OK);
    Log expected;
    for (const std::string& line : kOneTemplateRun)
        if (line.rfind("client", 0) != 0) expected.push_back(line);
    EXPECT_EQ(DeviceSteps(), expected);
    ISRptGenerationClient* none = reinterpret_cast<ISRptGenerationClient*>(&log);
    EXPECT_EQ(device->GetGenerationClient(&none), S_OK);
    EXPECT_EQ(none, nullptr);
}

TEST_F(SRptDeviceTest, EveryGroupStartsTheGeneratingWalkAfresh) {
    MakeReport(1);
    SComWrap<ISRptGroup> folder;
    folder = folders[0];
    ASSERT_TRUE(folder);
    folder->PutValid(true);
    folder->PutNbItems(5);
    folder->PutItemIndex(3);
    folder->PutUserParam(9);
    MakeDevice();
    EXPECT_EQ(device->Generate(), S_OK);
    EXPECT_EQ(device->groupStates, Log{"F0 0/0/0/0"});
}

TEST_F(SRptDeviceTest, HeaderAndFooterTokensTakeTheDevicesFieldTexts) {
    MakeReport(0);
    MakeDevice();
    SString expanded;
    int32_t needExpand = 5;
    EXPECT_EQ(device->ExpandHeaderFooter("MODULE", "Page %PAGE% of %DATE%", expanded, needExpand), S_OK);
    EXPECT_EQ(expanded, "Page 7 of 2024-03-05");
    EXPECT_EQ(needExpand, 0);
    EXPECT_EQ(device->ExpandHeaderFooter("MODULE", "at %TIME% for %NOBODY%", expanded, needExpand), S_OK);
    EXPECT_EQ(expanded, "at 14:30:00 for %NOBODY%");
    EXPECT_EQ(device->ExpandHeaderFooter("MODULE", "plain text", expanded, needExpand), S_OK);
    EXPECT_EQ(expanded, "plain text");
    SString field;
    EXPECT_EQ(device->GetFieldText(3, &field), S_OK);
    EXPECT_EQ(field, "7");
}

TEST_F(SRptDeviceTest, TheInterfaceCountsItsReferencesAndAnswersItsQueries) {
    MakeReport(0);
    MakeDevice();
    void* asUnknown = nullptr;
    void* asDevice = nullptr;
    ASSERT_EQ(device->QueryInterface(IUnknown::iid, &asUnknown), S_OK);
    ASSERT_EQ(device->QueryInterface(ISRptDevice::iid, &asDevice), S_OK);
    EXPECT_EQ(asUnknown, asDevice);
    EXPECT_EQ(device->Release(), 2u);
    EXPECT_EQ(device->Release(), 1u);
    void* other = &log;
    EXPECT_EQ(device->QueryInterface(ISRptGroup::iid, &other), E_NOINTERFACE);
    EXPECT_EQ(other, nullptr);
    EXPECT_EQ(device->QueryInterface(IUnknown::iid, nullptr), E_POINTER);

    EXPECT_EQ(device->GetReport(nullptr), E_POINTER);
    EXPECT_EQ(device->GetGenerationClient(nullptr), E_POINTER);
    ISRptReport* held = nullptr;
    ASSERT_EQ(device->GetReport(&held), S_OK);
    EXPECT_EQ(held, report.Get());
    held->Release();
    ISRptGenerationClient* heldClient = nullptr;
    ASSERT_EQ(device->GetGenerationClient(&heldClient), S_OK);
    EXPECT_EQ(heldClient, static_cast<ISRptGenerationClient*>(client));
    EXPECT_EQ(client->RefCount(), 2);  // the test's and the one just handed out; the device holds none
    heldClient->Release();
}

TEST_F(SRptDeviceTest, TheScannerCallbackKeepsTheVisitedPlaceAndRefusesOtherKinds) {
    MakeReport(1);
    MakeDevice();
    RPTSCANINFO info;
    info.level = 4;
    info.position = 6;
    SComWrap<ISRptItem> item;
    item = templates[0].Get();
    EXPECT_EQ(device->Dispatch(RPTSCAN_KIND_SECOND_PASS, item.Get(), nullptr), E_INVALIDARG);
    EXPECT_EQ(device->Dispatch(5u, item.Get(), &info), E_INVALIDARG);
    EXPECT_EQ(device->GetScanLevel(), 4);
    EXPECT_EQ(device->GetScanPosition(), 6);
    EXPECT_EQ(device->Dispatch(RPTSCAN_KIND_FIRST_PASS, item.Get(), &info), S_OK);
    EXPECT_EQ(log.back(), "scan T0");
}

TEST_F(SRptDeviceTest, ThePrintAndPageSetUpDataStartFromThePrinter) {
    SPrinterCache* cache = GetRptGlobalsContainer()->GetPrinterCache();
    ASSERT_NE(cache, nullptr);
    cache->SetPrinterName("Office Laser");
    cache->SetOrientation(DMORIENT_LANDSCAPE);
    cache->SetMargins(RECT{1000, 1100, 1200, 1300});
    cache->SetMinMargins(RECT{400, 500, 600, 700});
    const POINT landscapeA4{29700, 21000};
    MakeReport(0);
    MakeDevice();
    cache->LoadSettings();  // the printer as the settings store has it, for the tests after

    const SPrintDlg& print = device->GetPrintDlg();
    // Print-to-file hidden, copies from the device settings, no selection, page numbers.
    EXPECT_EQ(print.GetFlags(), 0x140006u);
    EXPECT_FALSE(print.IsPrintSetupOnly());
    EXPECT_EQ(print.GetFromPage(), 1);
    EXPECT_EQ(print.GetToPage(), 0xFFFF);
    EXPECT_EQ(print.GetMinPage(), 1);
    EXPECT_EQ(print.GetMaxPage(), 0xFFFF);
    EXPECT_EQ(print.GetParent(), nullptr);

    const SPageSetupDlg& pageSetup = device->GetPageSetupDlg();
    EXPECT_EQ(pageSetup.GetRecord().Flags, 8u);  // hundredths of a millimetre
    EXPECT_EQ(pageSetup.GetRecord().ptPaperSize, landscapeA4);
    EXPECT_EQ(pageSetup.GetRecord().rtMargin, (RECT{1000, 1100, 1200, 1300}));
    EXPECT_EQ(pageSetup.GetRecord().rtMinMargin, (RECT{400, 500, 600, 700}));
    EXPECT_EQ(pageSetup.GetParent(), nullptr);

    for (const SPrinterCache::SDevSettings& settings : {print.GetDevSettings(), pageSetup.GetDevSettings()}) {
        EXPECT_EQ(settings.printerName, "Office Laser");
        EXPECT_EQ(settings.paperSize, DMPAPER_A4);
        EXPECT_EQ(settings.orientation, DMORIENT_LANDSCAPE);
    }
}

// Pages of a hand-built tree, in tree order (special items marked *, N a node without item):
//   T1: A, S*, P(page break), B, N, C, S2*    T2: D, E
TEST_F(SRptDeviceTest, PagesEndAndStartWhereTheTreeSaysSo) {
    MakeReport(0);
    MakeDevice();
    device->specialLabels = {"S", "S2"};
    std::vector<SComWrap<ISRptItem>> made;
    auto item = [&](const GUID& clsid, const char* label) {
        made.push_back(Make(clsid));
        made.back()->PutLabel(label);
        return made.back().Get();
    };
    SRptGenerationTree tree(nullptr, RPTDEVICE_HTML);
    std::map<std::string, SRptGenerationNode*> node;
    auto insert = [&](std::unique_ptr<SRptGenerationNode> fresh, const char* name, int32_t depth) {
        node[name] = fresh.get();
        ASSERT_EQ(tree.Insert(std::move(fresh), depth), S_OK);
    };
    insert(std::make_unique<SRptGenerationNodeTemplate>(&tree, item(CLSID_SRptTemplate, "T1")), "T1", 0);
    for (const char* name : {"A", "S"}) insert(std::make_unique<SRptGenerationNodeText>(&tree, item(CLSID_SRptText, name)), name, 1);
    insert(std::make_unique<SRptGenerationNodePageBreak>(&tree, item(CLSID_SRptPageBreak, "P")), "P", 1);
    insert(std::make_unique<SRptGenerationNodeText>(&tree, item(CLSID_SRptText, "B")), "B", 1);
    insert(std::make_unique<SRptGenerationNodePageBreak>(&tree, nullptr), "N", 1);
    for (const char* name : {"C", "S2"}) insert(std::make_unique<SRptGenerationNodeText>(&tree, item(CLSID_SRptText, name)), name, 1);
    insert(std::make_unique<SRptGenerationNodeTemplate>(&tree, item(CLSID_SRptTemplate, "T2")), "T2", 0);
    for (const char* name : {"D", "E"}) insert(std::make_unique<SRptGenerationNodeText>(&tree, item(CLSID_SRptText, name)), name, 1);

    // The next content node: special items and nodes without an item are passed over; a page
    // break or a template ends the search.
    EXPECT_EQ(device->GetNextContentNode(node["T1"]), node["A"]);
    EXPECT_EQ(device->GetNextContentNode(node["A"]), nullptr);
    EXPECT_EQ(device->GetNextContentNode(node["P"]), node["B"]);
    EXPECT_EQ(device->GetNextContentNode(node["B"]), node["C"]);
    EXPECT_EQ(device->GetNextContentNode(node["C"]), nullptr);
    EXPECT_EQ(device->GetNextContentNode(node["E"]), nullptr);

    EXPECT_TRUE(device->IsPageEnd(nullptr));
    EXPECT_TRUE(device->IsPageEnd(node["E"]));   // nothing after it
    EXPECT_TRUE(device->IsPageEnd(node["C"]));   // only a special item before the next template
    EXPECT_TRUE(device->IsPageEnd(node["S2"]));  // the next template
    EXPECT_FALSE(device->IsPageEnd(node["B"]));  // a node without an item
    EXPECT_FALSE(device->IsPageEnd(node["A"]));  // the page break is followed by content
    EXPECT_FALSE(device->IsPageEnd(node["N"]));  // content followed by content
    EXPECT_FALSE(device->IsPageEnd(node["T2"]));

    // A page starts at a page break or a template that content follows; a node without an item
    // is never the start.
    EXPECT_EQ(device->FindNextPageStart(node["T1"]), node["P"]);
    EXPECT_EQ(device->FindNextPageStart(node["P"]), node["T2"]);
    EXPECT_EQ(device->FindNextPageStart(node["N"]), node["T2"]);
    EXPECT_EQ(device->FindNextPageStart(node["T2"]), nullptr);
}

}  // namespace
