#pragma once
// What the report benchmarks share: the synthetic data model they report on, registered through
// the stand-in host's data-model module with its default report built (SBenchReport, for the
// life of a benchmark), the shape of that report, and the process's peak resident set.
//
// The model has N entities of 5 attributes and 2 relationships each; x1 is 10,000 entities.
// The peak RSS is the kernel's high-water mark, reset before each run (/proc/self/clear_refs)
// after the heap has returned what it can (malloc_trim).
#include <fcntl.h>
#include <malloc.h>
#include <sys/resource.h>
#include <unistd.h>

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "SBenchMain.h"
#include "SDataModelModule.h"
#include "SDefaultReport.h"
#include "platform/repo/ISRepSession.h"
#include "varod9/ISRptReport.h"

namespace bench {

inline constexpr int32_t kEntitiesX1 = 10000;
inline constexpr int32_t kAttributes = 5;
inline constexpr int32_t kRelationships = 2;

inline SDataModel SyntheticModel(int32_t entities) {
    SDataModel model;
    model.name = "Synthetic model";
    model.author = "Benchmark";
    model.version = "1";
    model.entities.resize(static_cast<size_t>(entities));
    for (int32_t e = 0; e < entities; ++e) {
        SDataModel::Entity& entity = model.entities[static_cast<size_t>(e)];
        entity.name = "Entity" + std::to_string(e);
        entity.description = "The entity number " + std::to_string(e) + " of the synthetic model";
        for (int32_t a = 0; a < kAttributes; ++a)
            entity.attributes.push_back({SString("Attribute" + std::to_string(a)), "string",
                                         SString("Attribute " + std::to_string(a) + " of " + entity.name.str())});
        for (int32_t r = 1; r <= kRelationships; ++r)
            entity.relationships.push_back(
                {"refers", SString("Entity" + std::to_string((e + r) % entities)), "0..n"});
    }
    return model;
}

// The table rows and cells of the default report on a model: the entity list (a heading row and
// a row per entity, 4 cells each), per entity its card (4 rows of 2 cells) and its attribute list
// (a heading row and a row per attribute, 3 cells each).
struct SReportShape {
    int64_t rows = 0;
    int64_t cells = 0;
};

inline SReportShape ShapeOf(const SDataModel& model) {
    SReportShape shape;
    const int64_t entities = static_cast<int64_t>(model.entities.size());
    shape.rows = entities + 1;
    shape.cells = 4 * (entities + 1);
    for (const SDataModel::Entity& entity : model.entities) {
        const int64_t attributes = static_cast<int64_t>(entity.attributes.size());
        shape.rows += 4 + attributes + 1;
        shape.cells += 8 + 3 * (attributes + 1);
    }
    return shape;
}

// Lets the kernel's high-water mark of the resident set start again from what is resident now,
// once the heap has given back what earlier runs freed.
inline void ResetPeakRss() {
    malloc_trim(0);
    const int fd = ::open("/proc/self/clear_refs", O_WRONLY);
    if (fd < 0) return;
    if (::write(fd, "5", 1) != 1) std::fprintf(stderr, "the peak RSS cannot be reset\n");
    ::close(fd);
}

inline int64_t PeakRssBytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<int64_t>(usage.ru_maxrss) * 1024;
}

// The model of `scale` times the x1 size, its module registered and its default report built;
// unregistered again at the end of the scope. A failure leaves no report.
class SBenchReport {
public:
    explicit SBenchReport(int32_t scale) {
        m_module.Attach(SDataModelModule::Create(SyntheticModel(kEntitiesX1 * scale)));
        if (m_module->Register() != S_OK) {
            m_fault = "the module cannot be registered";
            return;
        }
        m_registered = true;
        if (SDefaultReport::Build(m_module->GetModel(), m_session, m_report) != S_OK) {
            m_report.Clear();
            m_fault = "the report cannot be built";
        }
    }
    ~SBenchReport() {
        m_report.Clear();
        if (m_session) m_session->Close();
        m_session.Clear();
        if (m_registered) m_module->Unregister();
    }
    SBenchReport(const SBenchReport&) = delete;
    SBenchReport& operator=(const SBenchReport&) = delete;

    // The report, or null with the benchmark told why it is skipped.
    ISRptReport* GetReportOrSkip(benchmark::State& state) const {
        if (!m_report) state.SkipWithError(m_fault);
        return m_report.Get();
    }
    const SDataModel& GetModel() const { return m_module->GetModel(); }

private:
    SComWrap<SDataModelModule> m_module;
    SComWrap<ISRepSession> m_session;
    SComWrap<ISRptReport> m_report;
    bool m_registered = false;
    const char* m_fault = "";
};

}  // namespace bench
