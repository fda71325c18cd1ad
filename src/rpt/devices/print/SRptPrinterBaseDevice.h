#pragma once
// What the print and print-preview devices share: instead of writing a file, a run builds the
// report's physical page layout for the printer (set up when the run begins, paginated when it
// finishes). A library-wide abort flag, raised by the printing dialog's Cancel or by Abort, stops
// every stage: the second pass at its next object, the pagination before its next step, a print
// job after its current page.
#include <cstdint>
#include <memory>

#include "platform/ui/SPrintInfo.h"
#include "rpt/devices/generation/SRptDevice.h"

class SDC;
class SRptDlgPrinting;
class SRptPhysicalLayer;

class SRptPrinterBaseDevice : public SRptDevice {
public:
    SRptPrinterBaseDevice(ISRptReport* pReport, ISRptGenerationClient* pClient);

    // Raises the library-wide abort flag.
    static void Abort();
    // Whether this device's own abort word or the library-wide flag is set.
    bool IsAborted() const;
    // The abort procedure of the print jobs: true to go on printing.
    static int32_t AbortProc(SDC* dc, int32_t error);

    // The modeless printing dialog for the host's code; E_OUTOFMEMORY when none results.
    HRESULT CreatePrintingDialog();
    // The four steps of the pagination, each skipped once the run is aborted.
    HRESULT DoPagination();

    SRptPhysicalLayer* GetPhysicalLayer() const { return m_layer.get(); }
    SPrintInfo& GetPrintInfo() { return m_printInfo; }

protected:
    ~SRptPrinterBaseDevice() override;

    HRESULT BeginGeneration() override;
    HRESULT InitGeneration() override { return S_OK; }
    HRESULT BeginSecondPass() override { return S_OK; }
    HRESULT ScanObject(ISRptItem* pItem, RPTSCANINFO* pInfo) override;
    HRESULT GenerateObject(ISRptItem* pItem, RPTSCANINFO* pInfo) override;
    HRESULT BeginTemplateScan(int32_t, ISRptTemplate*) override { return S_OK; }
    HRESULT EndTemplateScan(int32_t, ISRptTemplate*) override { return S_OK; }
    HRESULT BeginTemplateGeneration(int32_t, ISRptTemplate*) override { return S_OK; }
    HRESULT EndTemplateGeneration(int32_t, ISRptTemplate*) override { return S_OK; }
    HRESULT EndFirstPass() override { return S_OK; }
    // The base finish, then the pagination.
    HRESULT FinishGeneration() override;
    HRESULT EndGeneration() override;
    HRESULT FormatFieldText(int32_t nFieldNumber, SString* pText) override;

    // The layer made at begin; tests and the devices replace how it is set up.
    virtual HRESULT SetUpLayer(SRptPhysicalLayer& layer);
    void DeletePrintingDialog();
    static void ClearAbortFlag();

private:
    std::unique_ptr<SRptDlgPrinting> m_printingDlg;
    int32_t m_bAborted = 0;
    std::unique_ptr<SRptPhysicalLayer> m_layer;
    SPrintInfo m_printInfo;
};
