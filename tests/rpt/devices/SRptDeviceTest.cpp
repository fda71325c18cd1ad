// The generation run of the device base: the order of its steps, where a failure or an abort
// stops it, a run without a generation client, the fresh start of every group, the header and
// footer texts, and the device's interface.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "rpt/devices/SRptDevice.h"
#include "rpt/devices/SRptGenerationTree.h"
#include "rpt/objs/items/SRptFolderMem.h"
#include "rpt/objs/reports/SRptReportMem.h"
#include "rpt/objs/reports/SRptTemplateMem.h"
#include "support/SRptItemKindTestFixture.h"
#include "support/STestRptProcs.h"
#include "varod9/ISRptGroup.h"

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

    using SRptDevice::GetClientPtr;

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
        DispatchObject(item, info);
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

}  // namespace
