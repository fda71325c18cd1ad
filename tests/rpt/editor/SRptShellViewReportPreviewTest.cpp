// The print preview's shell view in the stand-in host: the toolbar the host is handed, the
// preview run without its end step, the close that ends the run and tells the host modules'
// sinks, the host asked to close an aborted preview, a refused preview and a device that could
// not be made.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/host/ISShellPreview.h"
#include "rpt/devices/print/SRptPhysicalLayer.h"
#include "rpt/devices/print/SRptPrintPreviewDevice.h"
#include "rpt/dialogs/SRptDlgPrinting.h"
#include "rpt/editor/SRptShellViewReportPreview.h"
#include "rpt/editor/SRptViewReportPreview.h"
#include "rpt/objs/reports/SRptReportMem.h"
#include "SRptShellViewFixture.h"
#include "varod9/ISRptSink.h"

namespace {

// A preview device that writes down its steps; it can abort the run in its second pass.
class SRecordingDevice final : public SRptPrintPreviewDevice {
public:
    SRecordingDevice(ISRptReport* report, SRptPrintPreviewShell* shell, std::vector<std::string>& steps)
        : SRptPrintPreviewDevice(report, nullptr, shell), m_steps(steps) {}
    bool abortInSecondPass = false;

protected:
    HRESULT BeginGeneration() override { return Note("begin", SRptPrintPreviewDevice::BeginGeneration()); }
    HRESULT InitGeneration() override { return Note("init", SRptPrintPreviewDevice::InitGeneration()); }
    HRESULT BeginTemplateScan(int32_t index, ISRptTemplate* reportTemplate) override {
        m_steps.push_back("first pass");
        return SRptPrintPreviewDevice::BeginTemplateScan(index, reportTemplate);
    }
    HRESULT EndFirstPass() override { return Note("end of first pass", SRptPrintPreviewDevice::EndFirstPass()); }
    HRESULT BeginSecondPass() override { return Note("second pass begins", SRptPrintPreviewDevice::BeginSecondPass()); }
    HRESULT BeginTemplateGeneration(int32_t index, ISRptTemplate* reportTemplate) override {
        m_steps.push_back("second pass");
        if (abortInSecondPass) SRptPrinterBaseDevice::Abort();
        return SRptPrintPreviewDevice::BeginTemplateGeneration(index, reportTemplate);
    }
    HRESULT FinishGeneration() override {
        m_steps.push_back("finish");
        return SRptPrintPreviewDevice::FinishGeneration();
    }
    HRESULT EndGeneration() override {
        m_steps.push_back("end");
        return SRptPrintPreviewDevice::EndGeneration();
    }

private:
    // Steps that start the run are written down once they are done.
    HRESULT Note(const char* name, HRESULT hr) {
        m_steps.push_back(name);
        return hr;
    }
    std::vector<std::string>& m_steps;
};

// The preview with a device of the test's: a recording one, or none as when it could not be
// allocated.
class STestPreview final : public SRptShellViewReportPreview {
public:
    STestPreview(ISRptReport* report, std::vector<std::string>* steps)
        : SRptShellViewReportPreview(GetRptGlobalsContainer()->GetRptShellModule(),
                                     SRptShellModule::GetPreviewViewClass(), report, nullptr, nullptr) {
        device = steps ? new SRecordingDevice(report, this, *steps) : nullptr;
        SetPreviewDevice(device);
    }
    SRecordingDevice* device;
};

// A host module's sink: the views it hears closing.
class SClosingSink final : public ISRptSink {
public:
    HRESULT QueryInterface(const GUID&, void**) override { return E_NOINTERFACE; }
    uint32_t AddRef() override { return 2; }
    uint32_t Release() override { return 1; }
    HRESULT OnViewClosing(SShellView* view) override {
        closing.push_back(view);
        return S_OK;
    }
    std::vector<SShellView*> closing;
};

class SRptShellViewReportPreviewTest : public SRptShellViewFixture {
protected:
    void TearDown() override {
        SRptDlgPrinting::SetAbortFlag(0);
        SRptShellViewFixture::TearDown();
    }
    SComWrap<ISShellPreview> HostPreview() {
        SComWrap<ISShellPreview> preview;
        preview = static_cast<IUnknown*>(static_cast<ISShellHostFrame*>(host));
        return preview;
    }
    // Calls of the host's preview in order.
    std::vector<std::string> PreviewCalls() const {
        std::vector<std::string> calls;
        for (const SHostCall& call : host->GetCalls())
            if (call.operation == "SetPreviewToolbar" || call.operation == "ClosePreview")
                calls.push_back(std::string(call.operation.c_str()) + " " + call.detail.str());
        return calls;
    }
};

}  // namespace

TEST_F(SRptShellViewReportPreviewTest, TheHostGetsThePreviewToolbarAndThePagesAreShown) {
    script.ExpectDialog(SRptDlgPrinting::IDD, 0);
    SShellView* view = nullptr;
    ASSERT_EQ(SRptShellViewReportPreview::Open(shell, report.Get(), nullptr, &view, nullptr), S_OK);
    auto* preview = dynamic_cast<SRptShellViewReportPreview*>(view);
    ASSERT_TRUE(preview);

    // Toolbar 232 without its separators; a separator marks the button after it, and the zoom
    // box starts a group of its own.
    const std::vector<uint32_t> ids = {105, 2052, 2053, 2054, 2055, 2056, 2057, 2058, 1021, 1022, 116, 2061};
    const std::vector<uint32_t> flags = {2, 0, 0, 2, 0, 0, 0, 0, 2, 0, 2, 0};
    const std::vector<SHELLTOOLBARITEM>& items = host->GetPreviewToolbar();
    ASSERT_EQ(items.size(), ids.size());
    for (size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(items[i].commandId, ids[i]) << i;
        EXPECT_EQ(items[i].flags, flags[i]) << i;
    }

    // The window is made in the host's window with the report's session and shows the pages.
    SRptViewReportPreview* window = preview->GetWindow();
    ASSERT_TRUE(window);
    EXPECT_EQ(window->GetParent(), &host->GetMainWindow());
    EXPECT_EQ(window->GetStyle() & 0x50800000u, 0x50800000u);
    SComWrap<ISRepSession> held;
    ASSERT_EQ(window->GetSession(&held), S_OK);
    EXPECT_EQ(held.Get(), session.Get());
    ASSERT_TRUE(window->GetPrintView());
    EXPECT_GE(window->GetMaxPage(), 1u);
    EXPECT_EQ(window->GetMinPage(), 1u);
    HWND handle = 0;
    EXPECT_EQ(preview->GetWindowHandle(&handle), S_OK);
    EXPECT_EQ(handle, window->GetSafeHwnd());

    // The view answers the host's commands and the preview's own.
    EXPECT_EQ(preview->QueryCommandSupport(105, nullptr), S_OK);
    EXPECT_EQ(preview->QueryCommandSupport(2057, SRptShellModule::GetPreviewViewClass()->GetCommandClassFace()), S_OK);
    EXPECT_EQ(preview->OnCommand(ID_RPT_PREVIEW_LAST_PAGE, nullptr), S_OK);
    EXPECT_EQ(window->GetCurrentPage(), static_cast<int32_t>(window->GetMaxPage()));
    EXPECT_EQ(PreviewCalls(), (std::vector<std::string>{"SetPreviewToolbar 12"}));
    EXPECT_EQ(preview->CloseView(1), S_OK);
}

TEST_F(SRptShellViewReportPreviewTest, TheRunStopsBeforeItsEndWhichTheCloseRunsBeforeTellingTheSinks) {
    SClosingSink sink;
    ASSERT_EQ(RptAdvise(&sink), S_OK);
    // The host is shared by the tests of the process: its closes are counted from here.
    const int32_t closes = host->GetPreviewCloseCount();
    std::vector<std::string> steps;
    auto* preview = new STestPreview(report.Get(), &steps);
    preview->AddRef();
    script.ExpectDialog(SRptDlgPrinting::IDD, 0);
    EXPECT_EQ(preview->ShowPreview(HostPreview().Get()), S_OK);
    EXPECT_EQ(steps, (std::vector<std::string>{"begin", "init", "first pass", "end of first pass",
                                               "second pass begins", "second pass", "finish"}));
    // The pages stay for the window until the preview closes.
    ASSERT_TRUE(preview->device->GetPhysicalLayer());
    EXPECT_EQ(preview->GetWindow()->GetPrintView(), preview->device->GetPhysicalLayer());
    EXPECT_TRUE(sink.closing.empty());
    EXPECT_EQ(host->GetPreviewCloseCount(), closes);

    EXPECT_EQ(preview->CloseView(1), S_OK);
    EXPECT_EQ(steps.back(), "end");
    EXPECT_EQ(preview->device->GetPhysicalLayer(), nullptr);
    EXPECT_EQ(preview->GetWindow()->GetPrintView(), nullptr);
    EXPECT_EQ(sink.closing, (std::vector<SShellView*>{preview}));
    // A second close ends nothing more.
    EXPECT_EQ(preview->CloseView(0), S_OK);
    EXPECT_EQ(std::count(steps.begin(), steps.end(), "end"), 1);
    preview->Release();
    RptUnadvise(&sink);
}

TEST_F(SRptShellViewReportPreviewTest, AnAbortedRunAsksTheHostToCloseThePreview) {
    std::vector<std::string> steps;
    auto* preview = new STestPreview(report.Get(), &steps);
    preview->AddRef();
    // An aborted run lays no page out: the pagination's dialog never shows.
    preview->device->abortInSecondPass = true;
    EXPECT_EQ(preview->ShowPreview(HostPreview().Get()), S_OK);
    EXPECT_EQ(PreviewCalls(), (std::vector<std::string>{"SetPreviewToolbar 12", "ClosePreview "}));
    EXPECT_EQ(preview->CloseView(1), S_OK);
    preview->Release();
}

TEST_F(SRptShellViewReportPreviewTest, WithoutADeviceThePreviewIsOutOfMemoryBeforeAnythingIsShown) {
    auto* preview = new STestPreview(report.Get(), nullptr);
    preview->AddRef();
    EXPECT_EQ(preview->RunPreviewGeneration(), E_OUTOFMEMORY);
    EXPECT_EQ(preview->ShowPreview(HostPreview().Get()), E_OUTOFMEMORY);
    EXPECT_TRUE(PreviewCalls().empty());
    EXPECT_EQ(preview->GetWindow(), nullptr);
    EXPECT_EQ(preview->ShowPreview(nullptr), E_INVALIDARG);
    EXPECT_EQ(preview->CloseView(1), S_OK);
    preview->Release();
}

TEST_F(SRptShellViewReportPreviewTest, AHostThatRefusesAPreviewGetsNoView) {
    host->SetCanPreview(0);
    SShellView* view = reinterpret_cast<SShellView*>(&view);
    EXPECT_EQ(SRptShellViewReportPreview::Open(shell, report.Get(), nullptr, &view, nullptr), S_FALSE);
    EXPECT_EQ(view, nullptr);
    host->SetCanPreview(1);
    host->SetInterfaceAnswer(ISShellPreview::iid, E_NOINTERFACE);
    view = reinterpret_cast<SShellView*>(&view);
    EXPECT_EQ(SRptShellViewReportPreview::Open(shell, report.Get(), nullptr, &view, nullptr), S_FALSE);
    EXPECT_EQ(view, nullptr);
    host->SetInterfaceAnswer(ISShellPreview::iid, S_OK);
    EXPECT_EQ(SRptShellViewReportPreview::Open(shell, report.Get(), nullptr, nullptr, nullptr), E_POINTER);
    EXPECT_TRUE(PreviewCalls().empty());
}

TEST_F(SRptShellViewReportPreviewTest, TheReportsPreviewOpensInTheHostAndIsForgottenWhenItGoes) {
    auto* impl = dynamic_cast<SRptReportImpl*>(report.Get());
    ASSERT_TRUE(impl);
    script.ExpectDialog(SRptDlgPrinting::IDD, 0);
    ASSERT_EQ(report->PreviewReport(nullptr, nullptr), S_OK);
    auto* preview = dynamic_cast<SRptShellViewReportPreview*>(impl->GetPreviewShellView());
    ASSERT_TRUE(preview);
    EXPECT_EQ(impl->SetPreviewCurrentPage(1), S_OK);
    EXPECT_EQ(preview->CloseView(1), S_OK);
    // The close let go of the last reference: the report no longer finds a preview.
    EXPECT_EQ(impl->GetPreviewShellView(), nullptr);
    EXPECT_EQ(impl->SetPreviewCurrentPage(1), S_FALSE);
}
