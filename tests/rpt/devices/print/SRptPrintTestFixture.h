#pragma once
// Tests of the printed page layout: the RTF tests' report (a module, a report with one template,
// the deterministic font engine, a scripted interaction) laid out on a recording printer whose
// dots are hundredths of a millimetre (2540 dots per inch), so that logical and device units
// agree: A4 paper, the printable area 5 mm in from every edge unless a test says otherwise.
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/gdi/SDCBackEnd.h"
#include "platform/ui/SPreviewView.h"
#include "rpt/devices/print/SRptPhysicalLayer.h"
#include "rpt/devices/print/SRptPrintPreviewDevice.h"
#include "rpt/devices/print/SRptPrintPreviewShell.h"
#include "rpt/devices/rtf/SRptRtfTestFixture.h"
#include "rpt/dialogs/SRptDlgPrinting.h"
#include "support/STestModuleProcs.h"
#include "varod9/ISRptText.h"
#include "varod9/RptItemDef.h"
#include "varod9/RptParaFormat.h"

// A printer that keeps what it is asked to do: texts (with their page), page and job events.
class SRecordingPrinter : public SDCBackEnd {
public:
    explicit SRecordingPrinter(int32_t offsetY = 500) {
        m_caps.technology = DT_RASPRINTER;
        m_caps.logPixelsX = m_caps.logPixelsY = 2540;
        m_caps.physicalWidth = 21000;
        m_caps.physicalHeight = 29700;
        m_caps.physicalOffsetX = 500;
        m_caps.physicalOffsetY = offsetY;
        m_caps.horzRes = 21000 - 2 * 500;
        m_caps.vertRes = 29700 - 2 * offsetY;
        m_caps.horzSize = m_caps.horzRes / 100;
        m_caps.vertSize = m_caps.vertRes / 100;
    }
    const SDeviceCaps& GetCaps() const override { return m_caps; }
    bool DrawText(const STextRun& run) override {
        texts.push_back(run.text);
        if (!pages.empty()) pages.back() += run.text + "|";
        return true;
    }
    bool FillRect(const RECT&, COLORREF) override { return true; }
    bool DrawShape(const SShape& shape) override {
        shapes.push_back(shape);
        return true;
    }
    void SetClip(const RECT* clip) override { clipped = clip != nullptr; }
    int32_t StartDoc(const DOCINFOA&) override { return events.push_back("StartDoc"), 1; }
    int32_t StartPage() override {
        pages.emplace_back();
        return events.push_back("StartPage"), 1;
    }
    int32_t EndPage() override { return events.push_back("EndPage"), 1; }
    int32_t EndDoc() override { return events.push_back("EndDoc"), 1; }
    int32_t AbortDoc() override { return events.push_back("AbortDoc"), 1; }

    std::vector<std::string> texts;
    std::vector<std::string> pages;  // the texts of each printed page, each followed by '|'
    std::vector<SShape> shapes;
    std::vector<std::string> events;
    bool clipped = false;

private:
    SDeviceCaps m_caps;
};

// The preview device measuring on a recording printer instead of the printer's defaults.
class STestPreviewDevice : public SRptPrintPreviewDevice {
public:
    STestPreviewDevice(ISRptReport* report, SRptPrintPreviewShell* shell, int32_t offsetY = 500)
        : SRptPrintPreviewDevice(report, nullptr, shell), m_offsetY(offsetY) {}

protected:
    HRESULT SetUpLayer(SRptPhysicalLayer& layer) override {
        layer.GetPrinterDCObject().Attach(std::make_unique<SRecordingPrinter>(m_offsetY));
        layer.PrepareMeasures();
        return S_OK;
    }

private:
    int32_t m_offsetY;
};

// The preview's shell view as the tests play it: it owns its device, keeps the pages it is handed
// in its preview window and renders a page on any context.
class STestPreviewShell : public SRptPrintPreviewShell {
public:
    ~STestPreviewShell() override {
        if (m_device) m_device->Release();
    }
    bool SetPrintView(SRptPhysicalLayer* layer) override {
        ++handed;
        return m_window.SetPrintView(layer) != 0;
    }
    SRptPrintPreviewDevice* GetPreviewDevice() const override { return m_device; }
    SPreviewView* GetPreviewWindow() const override { return const_cast<SPreviewView*>(&m_window); }

    // Runs a preview generation of `report` into a new device.
    HRESULT Run(ISRptReport* report, int32_t offsetY = 500) {
        if (m_device) m_device->Release();
        m_device = new STestPreviewDevice(report, this, offsetY);
        return m_device->GeneratePreview();
    }
    SRptPhysicalLayer* GetLayer() const { return m_device ? m_device->GetPhysicalLayer() : nullptr; }
    // Draws page `number` of the pages handed over on `dc`.
    void Render(int32_t number, SDC& dc) {
        auto* layer = static_cast<SRptPhysicalLayer*>(m_window.GetPrintView());
        if (!layer) return;
        layer->SetCurrentPage(number);
        layer->OnPrepareDC(&dc, nullptr);
        layer->OnDraw(&dc);
    }

    int32_t handed = 0;

private:
    SPreviewView m_window;
    SRptPrintPreviewDevice* m_device = nullptr;
};

class SRptPrintTest : public SRptRtfTest {
protected:
    void SetUp() override {
        SRptRtfTest::SetUp();
        SRptDlgPrinting::SetAbortFlag(0);
        reportTemplate->PutMargin(RECT{2000, 2500, 2000, 2500});
    }
    void TearDown() override {
        shell.reset();
        registered.clear();
        procs.Clear();
        SRptDlgPrinting::SetAbortFlag(0);
        SRptRtfTest::TearDown();
    }

    // An item of the module answered by `procs` (ItemParam `param`, and the rows of a list or a
    // form); only a report made after it (RenewReport) offers it.
    void RegisterItem(const char* id, int32_t kind, int32_t param, const RPTTABLEROWDEF* rows = nullptr,
                      int16_t rowCount = 0) {
        if (!procs) procs.Reset(new STestModuleProcs);
        RPTUSRITEMDEF def = procs->Describe("Sales", id, kind, param);
        def.Table.NbRows = rowCount;
        def.Table.Rows = rows;
        if (kind == RPT_ITEMKIND_USERGRAPHIC) {
            def.Size = RPTUSRITEMDEF_SIZE_USERGRAPHIC;
            def.UserGraphic = RPTUSERGRAPHICDEF{1, 1, 1, 100};
        }
        SComWrap<ISRptItem> item;
        EXPECT_EQ(RptRegisterItem(module.Get(), &def, &item), S_OK) << id;
        registered.push_back(item);
    }
    // A new report of the module in place of the test's one, with its page set-up and title page
    // choice.
    void RenewReport() {
        const bool firstPage = report->GetHasFirstPage();
        reportTemplate.Clear();
        report.Clear();
        session->Close();
        session.Clear();
        SComWrap<ISRepObject> reportObject;
        ASSERT_EQ(RptCreateTemplate("Sales", "Quarterly", &session, &reportObject), S_OK);
        report = reportObject.Get();
        ASSERT_EQ(report->GetTemplateAtPos(0, &reportTemplate), S_OK);
        reportTemplate->PutMargin(RECT{2000, 2500, 2000, 2500});
        report->PutHasFirstPage(firstPage);
    }

    // A text item with `text` in a plain paragraph.
    SComWrap<ISRptText> AddText(const char* text) {
        SComWrap<ISRptText> item = AddItem<ISRptText>("TEXT");
        item->PutText(text);
        SComWrap<ISRptPara> para = ParaOf(item.Get(), 0);
        SRptMakePlainPara(para.Get());
        // Lines 5 mm apart.
        para->PutSpType(RPT_PARA_SPTYPE_EXACT);
        para->PutSpBetween(kLine);
        return item;
    }
    // The preview generation, with its pagination dialog scripted.
    SRptPhysicalLayer* Preview(int32_t offsetY = 500) {
        script.ExpectDialog(SRptDlgPrinting::IDD, 0);
        shell = std::make_unique<STestPreviewShell>();
        EXPECT_EQ(shell->Run(report.Get(), offsetY), S_OK);
        return shell->GetLayer();
    }
    // The texts drawn on page `number`, each followed by '|'.
    std::string PageText(int32_t number) {
        SDC dc(std::make_unique<SRecordingPrinter>());
        auto* printer = static_cast<SRecordingPrinter*>(dc.GetBackEnd());
        printer->pages.emplace_back();
        shell->Render(number, dc);
        return printer->pages.back();
    }

    static constexpr int16_t kLine = 500;
    std::unique_ptr<STestPreviewShell> shell;
    SComWrap<STestModuleProcs> procs;
    std::vector<SComWrap<ISRptItem>> registered;
};
