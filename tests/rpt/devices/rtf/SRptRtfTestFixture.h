#pragma once
// A test of the RTF device acting as a host module would: a registered module, a report made by
// RptCreateTemplate with its one template, items placed from the report's available items, the
// deterministic font engine over freshly built report fonts, a scripted interaction, and a device
// whose document goes to memory (or to a file of the test's own folder).
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

#include "platform/base/SOutputStringStream.h"
#include "platform/base/SSettingsStore.h"
#include "platform/gdi/SWindowDC.h"
#include "platform/repo/ISRepSession.h"
#include "platform/ui/SScriptedInteraction.h"
#include "rpt/devices/generation/SRptGenerationTree.h"
#include "rpt/devices/rtf/SRptRtfDevice.h"
#include "rpt/module/SRptFont.h"
#include "rpt/module/SRptModuleTestFixture.h"
#include "support/STestFontEngineScope.h"
#include "support/STestTempFolder.h"
#include "varod9/ISRptPara.h"
#include "varod9/ISRptTemplate.h"
#include "varod9/ISRptTextFile.h"

class SRptRtfDeviceTestAccess {
public:
    static void WriteToMemory(SRptRtfDevice* device) {
        device->m_file = nullptr;
        device->m_output = std::make_unique<SOutputStringStream>();
        device->m_refDC = std::make_unique<SWindowDC>();
    }
    static std::string Written(SRptRtfDevice* device) {
        device->m_output->Flush();
        return device->m_output->GetString().str();
    }
    static HRESULT Begin(SRptRtfDevice* device) { return device->BeginGeneration(); }
    static HRESULT Collect(SRptRtfDevice* device, ISRptItem* item, RPTSCANINFO* info) {
        return device->CollectFonts(item, info);
    }
    static HRESULT PageSetup(SRptRtfDevice* device, ISRptTemplate* reportTemplate) {
        return device->WritePageSetup(reportTemplate);
    }
    static HRESULT FontTable(SRptRtfDevice* device) { return device->WriteFontTable(); }
};

// A paragraph whose lengths are all 0, left-aligned, single-spaced, without flow, border or tabs,
// in the default Text face and size.
inline void SRptMakePlainPara(ISRptPara* para) {
    para->PutFontName(SRptFont::GetDefaultFontName(SRptFont::RPT_FONT_TEXT));
    para->PutFontHeight(0);
    para->PutFontStyle(0);
    para->PutAlignment(1);
    para->PutFirst(0);
    para->PutLeft(0);
    para->PutRight(0);
    para->PutSpBefore(0);
    para->PutSpAfter(0);
    para->PutSpType(0);
    para->PutFlow(0);
    para->PutBorder(0);
    para->PutSpTxtBorderTop(0);
    para->PutSpTxtBorderBottom(0);
    para->PutSpTxtBorderLeft(0);
    para->PutSpTxtBorderRight(0);
    para->PutInTable(false);
    para->SetTabs(0, nullptr);
}

class SRptRtfTest : public SRptModuleTestFixture {
protected:
    void SetUp() override {
        SRptModuleTestFixture::SetUp();
        SSettingsStore::Get().Clear();
        SRptFont::DestroyTables();
        SRptFont::ConstructTables();
        SInteraction::ClearTranscript();
        scope.emplace(&script);
        client.Reset(new STestModuleClient);
        module = Register("Sales", "Sales model", client.Get());
        SComWrap<ISRepObject> reportObject;
        ASSERT_EQ(RptCreateTemplate("Sales", "Quarterly", &session, &reportObject), S_OK);
        report = reportObject.Get();
        ASSERT_TRUE(report);
        ASSERT_EQ(report->GetTemplateAtPos(0, &reportTemplate), S_OK);
        ASSERT_TRUE(reportTemplate);
    }
    void TearDown() override {
        if (device) device->Release();
        device = nullptr;
        tree.reset();
        reportTemplate.Clear();
        report.Clear();
        if (session) session->Close();
        session.Clear();
        scope.reset();
        for (const SString& unexpected : script.GetUnexpected()) ADD_FAILURE() << unexpected.c_str();
        EXPECT_TRUE(script.IsComplete()) << "scripted prompts were not all met";
        module.Clear();
        SRptModuleTestFixture::TearDown();
        SRptFont::DestroyTables();
        SSettingsStore::Get().Clear();
        SRptFont::ConstructTables();
    }

    // An item of the module's available items (TEXT, TITLE, PAGEBREAK, TBLCTS ...) placed at the
    // end of the template.
    template <class I = ISRptItem>
    SComWrap<I> AddItem(const char* itemId) {
        SComWrap<ISRptAvailableItems> available;
        EXPECT_EQ(report->GetAvailableItemsOfModule("Sales", &available), S_OK);
        SComWrap<ISRptItem> container;
        container = available.Get();
        SRepClassColPtr items = container->Items();
        for (int32_t i = 0; i < items.GetCount(); ++i) {
            SComWrap<ISRptItem> registered;
            registered = static_cast<IUnknown*>(items.Item(i).Get());
            if (!registered || registered->GetItemID() != itemId) continue;
            SComWrap<ISRptItem> placed;
            EXPECT_EQ(reportTemplate->AddTemplateItem(registered.Get(), reportTemplate.Get(), -1, &placed), S_OK);
            SComWrap<I> typed;
            typed = placed.Get();
            return typed;
        }
        ADD_FAILURE() << "no available item " << itemId;
        return SComWrap<I>();
    }
    // Items from now on go into a second template of the report.
    void StartSecondTemplate() {
        SComWrap<ISRptTemplate> second;
        ASSERT_EQ(report->AddNewTemplate("Sales", 1, &second), S_OK);
        ASSERT_TRUE(second);
        reportTemplate = second;
    }
    // A text file item placed at the end of the template on the file at `path`, which placing
    // asks for, in a plain paragraph.
    SComWrap<ISRptTextFile> AddTextFile(const SString& path) {
        script.ExpectFileDialog(path);
        SComWrap<ISRptTextFile> file = AddItem<ISRptTextFile>("TEXTFILE");
        EXPECT_TRUE(file && file->GetAbsPath() == path);
        if (file) SRptMakePlainPara(ParaOf(file.Get(), 0).Get());
        return file;
    }
    // The paragraph at a position of an item, a template or the report.
    static SComWrap<ISRptPara> ParaOf(IUnknown* container, int32_t position) {
        SComWrap<ISRptParaContainer> paras;
        paras = container;
        SComWrap<ISRptPara> para;
        EXPECT_EQ(paras->GetParaAtPos(position, &para), S_OK);
        return para;
    }
    // A device writing to memory.
    SRptRtfDevice* MemoryDevice() {
        device = new SRptRtfDevice(report.Get(), nullptr, "unused.rtf");
        SRptRtfDeviceTestAccess::WriteToMemory(device);
        return device;
    }
    std::string Written() const { return SRptRtfDeviceTestAccess::Written(device); }
    // The whole report generated by a device writing to `path`: what it wrote.
    std::string GenerateFile(const SString& path) {
        if (device) device->Release();
        device = new SRptRtfDevice(report.Get(), nullptr, path);
        SComWrap<ISRptDevice> face;
        face = static_cast<ISRptDevice*>(device);
        EXPECT_EQ(face->Generate(), S_OK);
        return STestTempFolder::ReadFile(path);
    }
    // A node of a tree of the test's own: depth 0 puts it under the root (a template), 1 under the
    // last template (its items).
    SRptGenerationNode* Node(IUnknown* item, int32_t depth = 1) {
        if (!tree) tree = std::make_unique<SRptGenerationTree>(nullptr, RPTDEVICE_RTF);
        tree->Insert(std::make_unique<SRptGenerationNode>(tree.get(), item), depth);
        SRptGenerationNode* node = tree->GetRoot();
        while (node->GetLastChild()) node = node->GetLastChild();
        return node;
    }

    SScriptedInteraction script;
    std::optional<SInteractionScope> scope;
    STestFontEngineScope fonts;
    STestTempFolder folder;
    SComWrap<STestModuleClient> client;
    SComWrap<ISRptModule> module;
    SComWrap<ISRepSession> session;
    SComWrap<ISRptReport> report;
    SComWrap<ISRptTemplate> reportTemplate;
    SRptRtfDevice* device = nullptr;
    std::unique_ptr<SRptGenerationTree> tree;
};
