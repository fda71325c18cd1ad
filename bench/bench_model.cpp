// The object model's basic costs: reading the metamodel, making paragraphs, and the attribute
// protocol by id.
#include <benchmark/benchmark.h>

#include <memory>

#include "platform/repo/SRepSession.h"
#include "platform/repo/SRepTypeLibReader.h"
#include "platform/repo/SRepVariant.h"
#include "rpt/module/SRptStartup.h"
#include "rpt/objs/paras/SRptParaMem.h"
#include "rpt/resources/SRptMetadata.h"

namespace {

void ReadMetamodel(benchmark::State& state) {
    for (auto _ : state) {
        std::unique_ptr<SRepTypeLib> library;
        SRepTypeLibReader reader(SRptMetadata::GetData(), SRptMetadata::GetSize());
        benchmark::DoNotOptimize(reader.Read(library));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * SRptMetadata::GetSize());
}
BENCHMARK(ReadMetamodel);

void CreateParagraph(benchmark::State& state) {
    SComWrap<ISRepSession> session;
    SRepSession::Create("bench", &session);
    for (auto _ : state) {
        SComWrap<ISRptPara> para;
        session->CreateObject(CLSID_SRptPara, reinterpret_cast<void**>(&para), ISRptPara::iid, true);
        benchmark::DoNotOptimize(para.Get());
    }
    session->Close();
}
BENCHMARK(CreateParagraph);

void AttributeByIdRoundTrip(benchmark::State& state) {
    SComWrap<ISRepSession> session;
    SRepSession::Create("bench", &session);
    SComWrap<ISRptPara> para;
    session->CreateObject(CLSID_SRptPara, reinterpret_cast<void**>(&para), ISRptPara::iid, true);
    SComWrap<ISRepObject> object;
    object.Assign(para.Get());
    int32_t indent = 0;
    for (auto _ : state) {
        SRepVariant value;
        value.SetShort(static_cast<int16_t>(++indent % 5000));
        object->SetAttribute(RPTPARA_LEFT, value);
        object->GetAttribute(RPTPARA_LEFT, &value);
        benchmark::DoNotOptimize(value);
    }
    object.Clear();
    para.Clear();
    session->Close();
}
BENCHMARK(AttributeByIdRoundTrip);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    SRptStartup::ProcessAttach(nullptr);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    SRptStartup::ProcessDetach();
    return 0;
}
