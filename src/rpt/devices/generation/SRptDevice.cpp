#include "rpt/devices/generation/SRptDevice.h"

#include <new>

#include "platform/com/SComThrow.h"
#include "platform/base/SException.h"
#include "platform/base/SExceptionResult.h"
#include "platform/base/SWaitCursor.h"
#include "platform/repo/SRepKindTests.h"
#include "platform/ui/SFileDlg.h"
#include "rpt/devices/generation/SRptGenerationTree.h"
#include "rpt/devices/generation/SRptGroupStateReset.h"
#include "rpt/module/SRptGlobalsContainer.h"
#include "rpt/objs/items/SRptItemMem.h"
#include "rpt/objs/items/SRptPageBreakMem.h"
#include "rpt/objs/reports/SRptHeaderFooterExpander.h"
#include "varod9/RptApi.h"
#include "varod9/SInteraction.h"

SRptDevice::SRptDevice(ISRptReport* pReport, ISRptGenerationClient* pClient)
    : m_report(pReport),
      m_pClient(pClient),
      m_pageSetupDlg(PSD_INHUNDREDTHSOFMILLIMETERS, nullptr),
      m_printDlg(false, PD_HIDEPRINTTOFILE | PD_USEDEVMODECOPIESANDCOLLATE | PD_NOSELECTION | PD_PAGENUMS, nullptr) {
    // Any page may be printed until the device knows how many it makes.
    m_printDlg.SetPageRange(1, 0xFFFF);
    m_printDlg.SetPageLimits(1, 0xFFFF);
    TakePrinterSettings();
}

void SRptDevice::TakePrinterSettings() {
    SRptGlobalsContainer* globals = GetRptGlobalsContainer();
    const SPrinterCache* cache = globals ? globals->GetPrinterCache() : nullptr;
    if (!cache) return;
    const SPrinterCache::SDevSettings settings = cache->GetDevSettings();
    m_printDlg.SetDevSettings(settings);
    m_pageSetupDlg.SetDevSettings(settings);
    SPAGESETUPDLG& pageSetup = m_pageSetupDlg.GetRecord();
    pageSetup.rtMargin = cache->GetMargins();
    pageSetup.rtMinMargin = cache->GetMinMargins();
    pageSetup.ptPaperSize = cache->GetPageSize();
}

SRptDevice::~SRptDevice() {
    delete m_pTree;
}

HRESULT SRptDevice::QueryInterface(const GUID& riid, void** ppv) {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (riid != IUnknown::iid && riid != ISRptDevice::iid) return E_NOINTERFACE;
    *ppv = static_cast<ISRptDevice*>(this);
    AddRef();
    return S_OK;
}

uint32_t SRptDevice::AddRef() {
    return static_cast<uint32_t>(++m_nRefs);
}

uint32_t SRptDevice::Release() {
    const int32_t refs = --m_nRefs;
    if (refs == 0) delete this;
    return static_cast<uint32_t>(refs);
}

HRESULT SRptDevice::Generate() {
    m_fault.Empty();
    return SExceptionResult::Guard([&] {
        try {
            SWaitCursor wait;
            return RunSteps();
        } catch (const SException& e) {
            // Kept for whoever ran the device to say; the code alone crosses the boundary.
            m_fault = e.GetText();
            throw;
        }
    });
}

HRESULT SRptDevice::GenerateUntilFinish() {
    return SExceptionResult::Guard([&] { return RunSteps(false); });
}

HRESULT SRptDevice::RunSteps(bool withEnd) {
    // The steps in the order of a run; the first negative result ends it, positive ones do not.
    HRESULT (SRptDevice::*const steps[])() = {
        &SRptDevice::BeginGeneration,
        &SRptDevice::InitGeneration,
        nullptr,  // the first pass
        &SRptDevice::EndFirstPass,
        &SRptDevice::BeginSecondPass,
        nullptr,  // the second pass
        &SRptDevice::FinishGeneration,
        &SRptDevice::EndGeneration,
    };
    uint32_t pass = RPTSCAN_KIND_FIRST_PASS;
    for (auto step : steps) {
        if (!withEnd && step == &SRptDevice::EndGeneration) break;
        const HRESULT hr = step ? (this->*step)() : RunPass(pass++);
        if (hr < 0) return hr;
    }
    return S_OK;
}

HRESULT SRptDevice::PromptOutputFile(SString* pPath, const SString& sInitialName, const char* pExtension,
                                     const char* pFilter) {
    if (!pPath) return E_INVALIDARG;
    SFileDlg dialog(false, pExtension, sInitialName.c_str(), OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, pFilter, nullptr);
    if (dialog.DoModal() == IDCANCEL) return 1;
    *pPath = dialog.GetPathName();
    return S_OK;
}

HRESULT SRptDevice::GetFieldText(int32_t nFieldNumber, SString* pText) {
    return SExceptionResult::Guard([&] { return FormatFieldText(nFieldNumber, pText); });
}

HRESULT SRptDevice::GetReport(ISRptReport** ppReport) {
    if (!ppReport) return E_POINTER;
    *ppReport = m_report.Get();
    if (*ppReport) (*ppReport)->AddRef();
    return S_OK;
}

HRESULT SRptDevice::GetGenerationClient(ISRptGenerationClient** ppClient) {
    if (!ppClient) return E_POINTER;
    *ppClient = m_pClient;
    if (m_pClient) m_pClient->AddRef();
    return S_OK;
}

HRESULT SRptDevice::ExpandHeaderFooter(const SString& sModuleID, const SString& sText, SString& sExpanded,
                                       int32_t& nNeedExpand) {
    nNeedExpand = 0;
    return SExceptionResult::Guard([&] {
        SRptHeaderFooterExpander expander(
            [this](int32_t nField, SString& value) { return GetFieldText(nField, &value) == S_OK; },
            m_report.Get(), m_pClient);
        sExpanded = expander.Expand(sModuleID, sText);
        return S_OK;
    });
}

HRESULT SRptDevice::Dispatch(uint32_t kind, ISRptItem* object, RPTSCANINFO* info) {
    if (!info) return E_INVALIDARG;
    m_nLevel = info->level;
    m_nPosition = info->position;
    if (kind == RPTSCAN_KIND_FIRST_PASS) return ScanObject(object, info);
    if (kind == RPTSCAN_KIND_SECOND_PASS) return GenerateObject(object, info);
    return E_INVALIDARG;
}

HRESULT SRptDevice::BeginGeneration() {
    if (m_pClient) {
        const HRESULT hr = m_pClient->OnGenerationStart();
        if (hr < 0) return hr;
    }
    // A run that begins again must not leave the tree of the earlier one behind.
    delete m_pTree;
    m_pTree = nullptr;
    m_pTree = new (std::nothrow) SRptGenerationTree(m_pClient, GetDeviceKind());
    return m_pTree ? S_OK : E_OUTOFMEMORY;
}

HRESULT SRptDevice::FinishGeneration() {
    if (!m_pTree) return S_OK;
    HRESULT hr = m_pTree->ForEach();
    if (hr < 0) return hr;
    hr = m_pTree->RefreshContents();
    return hr < 0 ? hr : S_OK;
}

HRESULT SRptDevice::EndGeneration() {
    delete m_pTree;
    m_pTree = nullptr;
    return S_OK;
}

bool SRptDevice::IsItemSpecial(ISRptItem*) {
    return false;
}

HRESULT SRptDevice::RunPass(uint32_t kind) {
    m_bTblCtsGenerated = 0;
    if (!m_report) SComThrow(E_POINTER);
    int32_t count = 0;
    const HRESULT hr = m_report->GetTemplatesCount(&count);
    if (hr < 0) return hr;
    for (int32_t i = 0; i < count; ++i) {
        const HRESULT hrTemplate = RunTemplate(kind, i);
        if (hrTemplate < 0) return hrTemplate;
    }
    return S_OK;
}

HRESULT SRptDevice::RunTemplate(uint32_t kind, int32_t nIndex) {
    ReleaseCurrentTemplate();
    ISRptTemplate* fetched = nullptr;
    m_report->GetTemplateAtPos(nIndex, &fetched);
    m_currentTemplate.Attach(fetched);
    if (m_pClient) m_pClient->OnTemplateStart(nIndex);
    if (!m_currentTemplate) SComThrow(E_POINTER);
    ISRptTemplate* pTemplate = m_currentTemplate.Get();
    pTemplate->InitHeaderFooter(this);

    HRESULT hr = BeginTemplate(kind, nIndex, pTemplate);
    if (hr < 0) return hr;
    hr = WalkTemplate(kind, pTemplate);
    if (hr < 0) return hr;
    hr = EndTemplate(kind, nIndex, pTemplate);
    if (hr < 0) return hr;

    ReleaseCurrentTemplate();
    if (m_pClient) {
        m_pClient->OnTemplateEnd(nIndex);
        m_pClient->OnTemplateDone();
    }
    return S_OK;
}

HRESULT SRptDevice::WalkTemplate(uint32_t kind, ISRptTemplate* pTemplate) {
    SRptScanTreeHelper walk(kind, pTemplate, reinterpret_cast<intptr_t>(m_pClient));
    if (kind != RPTSCAN_KIND_SECOND_PASS) return walk.ScanTree(this);
    // A group starts the generating walk afresh, whatever an earlier run left in it; and a walk
    // that ends early (a failure, an abort, an object that stops it) leaves nothing behind in the
    // template, which may be saved afterwards.
    HRESULT hr = SRptGroupStateReset::ResetAll(pTemplate);
    if (hr < 0) return hr;
    try {
        hr = walk.ScanTree(this);
    } catch (...) {
        SExceptionResult::Guard([&] { return SRptGroupStateReset::ResetAll(pTemplate); });
        throw;
    }
    const HRESULT hrReset = SRptGroupStateReset::ResetAll(pTemplate);
    return hr < 0 || hrReset >= 0 ? hr : hrReset;
}

HRESULT SRptDevice::BeginTemplate(uint32_t kind, int32_t nIndex, ISRptTemplate* pTemplate) {
    return kind == RPTSCAN_KIND_FIRST_PASS ? BeginTemplateScan(nIndex, pTemplate)
                                           : BeginTemplateGeneration(nIndex, pTemplate);
}

HRESULT SRptDevice::EndTemplate(uint32_t kind, int32_t nIndex, ISRptTemplate* pTemplate) {
    return kind == RPTSCAN_KIND_FIRST_PASS ? EndTemplateScan(nIndex, pTemplate)
                                           : EndTemplateGeneration(nIndex, pTemplate);
}

void SRptDevice::ReleaseCurrentTemplate() {
    m_currentTemplate.Clear();
}

namespace {

bool IsItemOfKind(IUnknown* pItem, const GUID& clsid) {
    SComWrap<ISRepObject> object;
    object.Assign(pItem);
    return SRepIsKindOf(object.Get(), clsid);
}

// The items whose node begins a new page.
bool IsPageStartItem(IUnknown* pItem) {
    return IsItemOfKind(pItem, CLSID_SRptTemplate) || IsItemOfKind(pItem, CLSID_SRptPageBreak);
}

}  // namespace

bool SRptDevice::IsNodeItemSpecial(IUnknown* pItem) {
    SComWrap<ISRptItem> item;
    item.Assign(pItem);
    return IsItemSpecial(item.Get());
}

SRptGenerationNode* SRptDevice::GetNextContentNode(SRptGenerationNode* pNode) {
    if (!pNode) return nullptr;
    for (SRptGenerationNode* node = SRptGenerationTree::GetNextInTreeOrder(pNode); node;
         node = SRptGenerationTree::GetNextInTreeOrder(node)) {
        IUnknown* item = node->GetItem();
        if (!item) continue;
        if (IsPageStartItem(item)) return nullptr;
        if (!IsNodeItemSpecial(item)) return node;
    }
    return nullptr;
}

bool SRptDevice::IsPageEnd(SRptGenerationNode* pNode) {
    if (!pNode) return true;
    // The page goes on only when something will be written on it before the next template:
    // an item that is neither special nor a page break. Nodes without an item write nothing.
    for (SRptGenerationNode* node = SRptGenerationTree::GetNextInTreeOrder(pNode); node;
         node = SRptGenerationTree::GetNextInTreeOrder(node)) {
        IUnknown* item = node->GetItem();
        if (!item || IsItemOfKind(item, CLSID_SRptPageBreak) || IsNodeItemSpecial(item)) continue;
        return IsItemOfKind(item, CLSID_SRptTemplate);
    }
    return true;
}

SRptGenerationNode* SRptDevice::FindNextPageStart(SRptGenerationNode* pNode) {
    if (!pNode) return nullptr;
    // A page starts at a page break or a template that content follows. A node without an item
    // (a break made for a paragraph's "page break before") never is the start itself: the page
    // loop passes over it.
    for (SRptGenerationNode* node = SRptGenerationTree::GetNextInTreeOrder(pNode); node;
         node = SRptGenerationTree::GetNextInTreeOrder(node)) {
        IUnknown* item = node->GetItem();
        if (item && IsPageStartItem(item) && !IsPageEnd(node)) return node;
    }
    return nullptr;
}
