#include "rpt/devices/print/SRptPrinterDC.h"

SRptPrinterDC::~SRptPrinterDC() {
    // The back end goes with the context; a job still open on it is dropped with it.
    SetPrinting(false);
}
