#pragma once
// The device that lays a report out into pages for the print preview: it takes the printer's
// defaults without asking, and hands the paginated layer to the preview's shell view, which keeps
// the device (the run's end step is not run, so the layer and the generation tree stay).
#include "rpt/devices/print/SRptPrinterBaseDevice.h"

class SRptPrintPreviewShell;

class SRptPrintPreviewDevice : public SRptPrinterBaseDevice {
public:
    SRptPrintPreviewDevice(ISRptReport* pReport, ISRptGenerationClient* pClient, SRptPrintPreviewShell* pShellView);

    // The generation steps up to the finish, which hands the pages over: the first negative
    // result, else 0.
    HRESULT GeneratePreview();
    // The run's end step, which the preview takes when it closes.
    HRESULT EndPreview() { return EndGeneration(); }

    SRptPrintPreviewShell* GetShellView() const { return m_shellView; }

protected:
    HRESULT FinishGeneration() override;
    int32_t GetDeviceKind() override { return RPTDEVICE_PREVIEW; }

private:
    SRptPrintPreviewShell* m_shellView;  // not owned
};
