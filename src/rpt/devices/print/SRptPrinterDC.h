#pragma once
// The printer's device context of a physical layer: the context the page layout measures with and
// the print jobs draw on, kept with the printer device it belongs to.
#include "platform/gdi/SDC.h"

class SRptPrinterBaseDevice;

class SRptPrinterDC : public SDC {
public:
    explicit SRptPrinterDC(SRptPrinterBaseDevice* device) : m_device(device) {}
    ~SRptPrinterDC() override;

    SRptPrinterBaseDevice* GetDevice() const { return m_device; }

private:
    SRptPrinterBaseDevice* m_device;
};
