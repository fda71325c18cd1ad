#pragma once
// The open editor of each report: the template and report editors enter their report with their
// shell view when their window is made and take it out again on their final close, so that a
// change of a report's templates reaches its editor and the templates list brings an open editor
// to the front instead of opening a second one. The print preview is not entered.
//
// One map serves the whole library; it is built at start-up and emptied and destroyed at unload.
// SRptReportViewMap is a handle on it that callers make on the stack. Keys are report objects by
// identity (the pointer the editor holds), never by name; neither the reports nor the views are
// counted: the map owns nothing.
#include <cstdint>

#include "platform/base/SMap.h"

struct ISRepObject;
class SShellView;

// Orders reports by the value of their pointers.
struct SRptReportKeyCompare {
    int operator()(ISRepObject* a, ISRepObject* b) const {
        const auto left = reinterpret_cast<uintptr_t>(a);
        const auto right = reinterpret_cast<uintptr_t>(b);
        return left < right ? -1 : (right < left ? 1 : 0);
    }
};

using SRptReportViewTable = SMap<ISRepObject*, SShellView*, SRptReportKeyCompare>;

class SRptReportViewMapData {
public:
    // Enters the report with its view (a report entered again gets the new view).
    void Add(ISRepObject* report, SShellView* view);
    // Takes the report out; nothing when it is not there.
    void Remove(ISRepObject* report);
    // The report's view; null when it has none.
    SShellView* Find(ISRepObject* report) const;
    // A copy of every (report, view) pair in key order; changing it leaves the map as it is.
    SRptReportViewTable GetMap() const;

    // The start-up's steps: build the one instance, and clear and destroy it at unload.
    static void Construct();
    static void Destroy();
    // The one instance; built on first use when the start-up has not built it.
    static SRptReportViewMapData* GetInstance();

private:
    SRptReportViewTable m_views;
};

class SRptReportViewMap {
public:
    // Points the handles at the one instance when they do not point at it yet.
    SRptReportViewMap();

    void Add(ISRepObject* report, SShellView* view) { s_pInstance->Add(report, view); }
    void Remove(ISRepObject* report) { s_pInstance->Remove(report); }
    SShellView* Find(ISRepObject* report) const { return s_pInstance->Find(report); }
    SRptReportViewTable GetMap() const { return s_pInstance->GetMap(); }

    static SRptReportViewMapData* GetInstancePointer() { return s_pInstance; }

private:
    friend class SRptReportViewMapData;
    static SRptReportViewMapData* s_pInstance;
};
