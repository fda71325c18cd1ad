#pragma once
// The host's view of a report's print preview. It owns the preview device, runs the preview
// generation into it (every step but the end, so that the laid-out pages stay) and shows the
// pages in its preview window, made in the host's window. The host gets the preview toolbar with
// the view; closing the preview ends the device's run and tells the host modules' sinks. The
// preview stands in no report view map and registers no sink on the report.
#include <cstdint>

#include "platform/com/SComWrap.h"
#include "platform/host/SShellView.h"
#include "rpt/devices/print/SRptPrintPreviewShell.h"
#include "varod9/ISRptGenerationClient.h"
#include "varod9/ISRptReport.h"

class SRptShellModule;
class SRptViewReportPreview;
struct ISShellPreview;

class SRptShellViewReportPreview : public SShellView, public SRptPrintPreviewShell {
public:
    // Holds the report and keeps the target (not counted); makes the preview device, which
    // stays null when it cannot be allocated.
    SRptShellViewReportPreview(SShellModule* module, SShellViewClass* viewClass, ISRptReport* report,
                               ISRptGenerationClient* client, ISShellCommandTarget* innerTarget);

    // Opens the print preview of `report` for the host of `module`: the new view is handed out
    // (the module keeps no reference) after it showed the preview. E_POINTER for a null
    // out-pointer; S_FALSE and a null view when the host has no preview or refuses one. Throws
    // SECOMException E_POINTER when the module has no host, SEOutOfMemory when the view cannot be
    // allocated.
    static HRESULT Open(SRptShellModule* module, ISRptReport* report, ISRptGenerationClient* client,
                        SShellView** view, ISShellCommandTarget* target);

    // ISShellView.
    // Makes the preview window in the host's window when there is none yet: E_INVALIDARG without
    // a parent handle, E_FAIL when the window cannot be made. 0.
    HRESULT CreateViewWindow(ISShellWindow* parent) override;
    HRESULT GetWindowHandle(HWND* hwnd) override;
    HRESULT OnViewActivate(int32_t active) override;
    // Ends the device's run, tells the host modules' sinks, then lets go of the host. 0.
    HRESULT CloseView(int32_t final) override;

    // ISShellCommandTarget: what the view does not support or take goes to the inner target.
    HRESULT QueryCommandSupport(uint32_t id, ISShellCommandClass* commandClass) override;
    HRESULT OnCommand(uint32_t id, ISShellCommandClass* commandClass) override;
    HRESULT OnCommandUI(uint32_t id, ISShellCommandClass* commandClass, uint32_t* state, char16_t* text,
                        uint32_t cch) override;

    // The view's maps, then the preview window.
    int32_t OnCmdMsg(uint32_t id, int32_t code, void* extra, SCmdHandlerInfo* info) override;
    const SClassInfo* GetClassInfo() const override { return &classSRptShellViewReportPreview; }
    static const SClassInfo classSRptShellViewReportPreview;

    // Hands the host the preview toolbar, makes the window, runs the preview generation and asks
    // the host to close the preview when the run was aborted. E_INVALIDARG without a host
    // preview; the window's failure; E_OUTOFMEMORY when there is no device. 0.
    HRESULT ShowPreview(ISShellPreview* hostPreview);
    // The device's steps up to the finish, which hands the pages to the window: the first
    // negative result, else 0. E_OUTOFMEMORY when there is no device.
    HRESULT RunPreviewGeneration();
    // The host's main window, or null.
    SWnd* GetHostWindow() const;

    // SRptPrintPreviewShell: the laid-out pages go to the window; false without one.
    bool SetPrintView(SRptPhysicalLayer* layer) override;
    SRptPrintPreviewDevice* GetPreviewDevice() const override { return m_pDevice; }
    SPreviewView* GetPreviewWindow() const override;
    SRptViewReportPreview* GetWindow() const { return m_pWindow; }
    ISRptReport* GetReport() const { return m_pReport.Get(); }

protected:
    // Lets go of the window, deletes the device and lets go of the report.
    ~SRptShellViewReportPreview() override;

    // Replaces the device (the old one is let go of); the view owns the new one.
    void SetPreviewDevice(SRptPrintPreviewDevice* device);

    // "Close" (102) asks the view frame to close the view.
    void OnFileClose();

    S_DECLARE_MESSAGE_MAP()

private:
    HRESULT MakeWindow(SWnd* parent);
    void TellSinksViewClosing();

    SRptViewReportPreview* m_pWindow = nullptr;  // held through the window's own count
    SComWrap<ISRptReport> m_pReport;
    SRptPrintPreviewDevice* m_pDevice = nullptr;  // owned
    bool m_bRunEnded = false;
    ISShellCommandTarget* m_pInnerTarget;
};
