#pragma once
// The device that prints a report: the printer and the pages are chosen in the print dialog when
// the run begins; once paginated, the pages are printed without asking again.
#include "rpt/devices/print/SRptPrinterBaseDevice.h"

class SRptPrintDevice : public SRptPrinterBaseDevice {
public:
    using SRptPrinterBaseDevice::SRptPrinterBaseDevice;

protected:
    // Paginates, then prints unless the run was aborted.
    HRESULT FinishGeneration() override;
    int32_t GetDeviceKind() override { return RPTDEVICE_PRINTER; }
};
