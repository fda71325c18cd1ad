#pragma once
// What the print preview's shell view is to the preview device and to the report: it is handed
// the laid-out pages at the end of a preview generation, and it keeps the device (with its
// pages) for as long as the preview is open.
class SPreviewView;
class SRptPhysicalLayer;
class SRptPrintPreviewDevice;

class SRptPrintPreviewShell {
public:
    virtual ~SRptPrintPreviewShell() = default;
    // Shows the pages; false when the shell has no preview window to show them in.
    virtual bool SetPrintView(SRptPhysicalLayer* layer) = 0;
    // The device of the last preview generation, or null.
    virtual SRptPrintPreviewDevice* GetPreviewDevice() const = 0;
    // The preview window, or null.
    virtual SPreviewView* GetPreviewWindow() const = 0;
};
