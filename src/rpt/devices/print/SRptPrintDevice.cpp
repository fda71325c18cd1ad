#include "rpt/devices/print/SRptPrintDevice.h"

#include "rpt/devices/print/SRptPhysicalLayer.h"

HRESULT SRptPrintDevice::FinishGeneration() {
    const HRESULT hr = SRptPrinterBaseDevice::FinishGeneration();
    if (hr < 0) return hr;
    if (IsAborted() || !GetPhysicalLayer()) return S_OK;
    return GetPhysicalLayer()->OnFilePrintDirect();
}
