#include "rpt/devices/print/SRptPrinterBaseDevice.h"

#include <new>

#include "platform/base/STime.h"
#include "rpt/devices/print/SRptPhysicalLayer.h"
#include "rpt/dialogs/SRptDlgPrinting.h"
#include "rpt/module/SRptFont.h"

namespace {

constexpr int32_t kFieldDate = 1;
constexpr int32_t kFieldTime = 2;
constexpr int32_t kFieldPage = 3;

}  // namespace

SRptPrinterBaseDevice::SRptPrinterBaseDevice(ISRptReport* pReport, ISRptGenerationClient* pClient)
    : SRptDevice(pReport, pClient) {}

SRptPrinterBaseDevice::~SRptPrinterBaseDevice() {
    m_printingDlg.reset();
    m_layer.reset();
}

void SRptPrinterBaseDevice::Abort() {
    SRptDlgPrinting::SetAbortFlag(1);
}

void SRptPrinterBaseDevice::ClearAbortFlag() {
    SRptDlgPrinting::SetAbortFlag(0);
}

bool SRptPrinterBaseDevice::IsAborted() const {
    return m_bAborted == 1 || SRptDlgPrinting::GetAbortFlag() == 1;
}

int32_t SRptPrinterBaseDevice::AbortProc(SDC*, int32_t) {
    // The printing dialog takes the user's input between pages; what is left is its answer.
    return SRptDlgPrinting::GetAbortFlag() == 0 ? 1 : 0;
}

HRESULT SRptPrinterBaseDevice::CreatePrintingDialog() {
    m_printingDlg.reset(new (std::nothrow) SRptDlgPrinting(this));
    return m_printingDlg ? S_OK : E_OUTOFMEMORY;
}

void SRptPrinterBaseDevice::DeletePrintingDialog() {
    m_printingDlg.reset();
}

HRESULT SRptPrinterBaseDevice::SetUpLayer(SRptPhysicalLayer& layer) {
    return layer.SetUp();
}

HRESULT SRptPrinterBaseDevice::BeginGeneration() {
    HRESULT hr = SRptDevice::BeginGeneration();
    if (hr < 0) return hr;
    m_bAborted = 0;
    ClearAbortFlag();
    if (!GetGenerationTree()) return S_OK;
    m_layer.reset(new (std::nothrow) SRptPhysicalLayer(this, GetGenerationTree(), &m_printInfo));
    if (!m_layer) return E_OUTOFMEMORY;
    hr = SetUpLayer(*m_layer);
    return hr < 0 ? hr : S_OK;
}

HRESULT SRptPrinterBaseDevice::ScanObject(ISRptItem*, RPTSCANINFO* pInfo) {
    if (pInfo) pInfo->action = RPTSCAN_DESCEND;
    return S_OK;
}

HRESULT SRptPrinterBaseDevice::GenerateObject(ISRptItem* pItem, RPTSCANINFO* pInfo) {
    if (IsAborted()) {
        if (pInfo) pInfo->action = RPTSCAN_STOP;
        return S_OK;
    }
    return DispatchItem(pItem, pInfo);
}

HRESULT SRptPrinterBaseDevice::FinishGeneration() {
    const HRESULT hr = SRptDevice::FinishGeneration();
    if (hr < 0) return hr;
    return DoPagination();
}

HRESULT SRptPrinterBaseDevice::DoPagination() {
    if (!m_layer || m_bAborted == 1) return S_OK;
    HRESULT (SRptPhysicalLayer::*const steps[])() = {
        &SRptPhysicalLayer::BuildPhysicalItems,
        &SRptPhysicalLayer::Paginate,
        &SRptPhysicalLayer::UpdateTablesOfContents,
        &SRptPhysicalLayer::LayoutHeadersFooters,
    };
    for (auto step : steps) {
        if (IsAborted()) return S_OK;
        const HRESULT hr = (m_layer.get()->*step)();
        if (hr < 0) return hr;
    }
    return S_OK;
}

HRESULT SRptPrinterBaseDevice::EndGeneration() {
    m_bAborted = 0;
    ClearAbortFlag();
    m_printingDlg.reset();
    m_layer.reset();
    SRptFont::ClearFontMaps();
    return SRptDevice::EndGeneration();
}

HRESULT SRptPrinterBaseDevice::FormatFieldText(int32_t nFieldNumber, SString* pText) {
    if (!pText) return E_INVALIDARG;
    switch (nFieldNumber) {
        case kFieldDate: *pText = STime::GetShortDateString(STime::GetTickCount()); return S_OK;
        case kFieldTime: *pText = STime::GetTimeStr(); return S_OK;
        // The page's own number comes when each page's header and footer are laid out.
        case kFieldPage: *pText = "%PAGE%"; return S_OK;
        default: return S_FALSE;
    }
}
