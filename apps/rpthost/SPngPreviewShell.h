#pragma once
// A preview shell that keeps no window on screen: every page it is handed is drawn on a white
// picture of the paper (kDotsPerInch dots per inch) and written as `folder`/page-N.png, N from 1.
// It owns the preview device of its run.
#include <cstdint>

#include "platform/base/SString.h"
#include "platform/ui/SPreviewView.h"
#include "rpt/devices/SRptPrintPreviewShell.h"
#include "varod9/ISRptReport.h"

class SPngPreviewShell : public SRptPrintPreviewShell {
public:
    static constexpr int32_t kDotsPerInch = 96;

    explicit SPngPreviewShell(const SString& folder) : m_folder(folder) {}
    ~SPngPreviewShell() override;
    SPngPreviewShell(const SPngPreviewShell&) = delete;
    SPngPreviewShell& operator=(const SPngPreviewShell&) = delete;

    // Lays the report out for the preview and writes its pages: S_OK when every page was
    // written, the generation's failure, or E_FAIL when a page could not be drawn or written.
    HRESULT Run(ISRptReport* report);
    int32_t GetPagesWritten() const { return m_written; }
    // What went wrong with the pictures, empty when nothing did.
    const SString& GetFault() const { return m_fault; }

    bool SetPrintView(SRptPhysicalLayer* layer) override;
    SRptPrintPreviewDevice* GetPreviewDevice() const override { return m_device; }
    SPreviewView* GetPreviewWindow() const override { return const_cast<SPreviewView*>(&m_window); }

private:
    void WritePage(SRptPhysicalLayer& layer, int32_t number);

    SString m_folder;
    SPreviewView m_window;
    SRptPrintPreviewDevice* m_device = nullptr;
    int32_t m_written = 0;
    SString m_fault;
};
