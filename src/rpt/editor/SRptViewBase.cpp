#include "rpt/editor/SRptViewBase.h"

#include "rpt/editor/SRptContentsPane.h"

const SClassInfo SRptViewBase::classSRptViewBase = {"SRptViewBase", &SSplitterWnd::classSSplitterWnd};

SRptViewBase::SRptViewBase(int32_t kind, ISRptReport* report) : m_nIsTemplateEditor(kind), m_pReport(report) {}

SRptViewBase::~SRptViewBase() = default;

HRESULT SRptViewBase::AddItemToActiveTemplate(ISRptItem* item, ISRptItem** added) {
    if (!m_pContentsPane) {
        if (added) *added = nullptr;
        return S_FALSE;
    }
    return m_pContentsPane->AddItemToTemplate(item, added);
}

int32_t SRptViewBase::SetFocusOnLeftPane(int32_t left, int32_t apply) {
    m_bLeftPaneActive = left;
    (void)apply;
    return 0;
}

HRESULT SRptViewBase::SyncAvailableItemsTabWithActiveContentsTab() {
    return S_OK;
}

HRESULT SRptViewBase::UpdateTabs() {
    if (!m_pContentsPane) return S_FALSE;
    HRESULT hr = m_pContentsPane->UpdateTabs();
    if (FAILED(hr)) return hr;
    hr = SyncAvailableItemsTabWithActiveContentsTab();
    if (FAILED(hr)) return hr;
    return S_OK;
}

HRESULT SRptViewBase::GetActiveTemplate(ISRptTemplate** out) {
    if (!m_pContentsPane) {
        if (out) *out = nullptr;
        return S_FALSE;
    }
    const HRESULT hr = m_pContentsPane->GetActiveTemplate(out);
    return FAILED(hr) ? hr : S_OK;
}

HRESULT SRptViewBase::GetReport(ISRptReport** out) const {
    return m_pReport.CopyTo(out);
}
