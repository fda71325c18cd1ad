#include "rpt/editor/SRptReportViewMap.h"

#include <optional>

namespace {
// The instance lives in static storage from start-up to unload; a restart builds it again.
std::optional<SRptReportViewMapData>& Storage() {
    static std::optional<SRptReportViewMapData> instance;
    return instance;
}
}  // namespace

SRptReportViewMapData* SRptReportViewMap::s_pInstance = nullptr;

void SRptReportViewMapData::Add(ISRepObject* report, SShellView* view) {
    m_views.SetAt(report, view);
}

void SRptReportViewMapData::Remove(ISRepObject* report) {
    m_views.RemoveKey(report);
}

SShellView* SRptReportViewMapData::Find(ISRepObject* report) const {
    SShellView* view = nullptr;
    return m_views.Lookup(report, view) ? view : nullptr;
}

SRptReportViewTable SRptReportViewMapData::GetMap() const {
    return m_views;
}

void SRptReportViewMapData::Construct() {
    if (!Storage()) Storage().emplace();
}

void SRptReportViewMapData::Destroy() {
    if (Storage()) Storage()->m_views.RemoveAll();
    Storage().reset();
    // Handles made after a restart point at the new instance.
    SRptReportViewMap::s_pInstance = nullptr;
}

SRptReportViewMapData* SRptReportViewMapData::GetInstance() {
    Construct();
    return &*Storage();
}

SRptReportViewMap::SRptReportViewMap() {
    if (!s_pInstance) s_pInstance = SRptReportViewMapData::GetInstance();
}
