#include "rpt/devices/print/SRptPrintPreviewDevice.h"

#include "rpt/devices/print/SRptPhysicalLayer.h"
#include "rpt/devices/print/SRptPrintPreviewShell.h"

SRptPrintPreviewDevice::SRptPrintPreviewDevice(ISRptReport* pReport, ISRptGenerationClient* pClient,
                                               SRptPrintPreviewShell* pShellView)
    : SRptPrinterBaseDevice(pReport, pClient), m_shellView(pShellView) {
    GetPrintInfo().m_bPreview = 1;
}

HRESULT SRptPrintPreviewDevice::GeneratePreview() {
    return GenerateUntilFinish();
}

HRESULT SRptPrintPreviewDevice::FinishGeneration() {
    const HRESULT hr = SRptPrinterBaseDevice::FinishGeneration();
    if (hr < 0) return hr;
    if (IsAborted()) return S_OK;
    DeletePrintingDialog();
    if (!m_shellView || !m_shellView->SetPrintView(GetPhysicalLayer())) return E_UNEXPECTED;
    return S_OK;
}
