// The object model's basic costs: reading the metamodel, registering type libraries of many
// classes, making paragraphs, and the attribute protocol by id.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "SBenchMain.h"
#include "platform/repo/SRepObjectBaseMem.h"
#include "platform/repo/SRepSession.h"
#include "platform/repo/SRepTypeLibManager.h"
#include "platform/repo/SRepTypeLibReader.h"
#include "platform/repo/SRepTypeLibWriter.h"
#include "platform/repo/SRepVariant.h"
#include "rpt/objs/paras/SRptParaMem.h"
#include "rpt/resources/SRptMetadata.h"

namespace {

void ReadMetamodel(benchmark::State& state) {
    for (auto _ : state) {
        std::unique_ptr<SRepTypeLib> library;
        SRepTypeLibReader reader(SRptMetadata::GetData(), SRptMetadata::GetSize());
        benchmark::DoNotOptimize(reader.Read(library).code);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * SRptMetadata::GetSize());
}
BENCHMARK(ReadMetamodel);

// A library of `count` classes in one chain, each on the one before and declaring one attribute:
// the longest base chains a library can have.
std::vector<uint8_t> ChainedClasses(uint32_t count) {
    SRepTypeLibWriter writer;
    SRepTypeLibWriter::Header header;
    header.nameSpace = "Bch";
    header.name = "Chain";
    header.libraryId = MakeGUID("{B3C4D5E6-0000-4000-8000-000000000001}");
    writer.WriteHeader(header, count);
    std::string base = "Rep::SRepObjectBase";
    GUID baseId = CLSID_SRepObjectBase;
    for (uint32_t n = 0; n < count; ++n) {
        const std::string name = "Chained" + std::to_string(n);
        GUID classId = MakeGUID("{00000000-B3C4-4000-8000-000000000002}");
        classId.Data1 = n;
        writer.WriteClass({name, name, 0x0C400, classId, 0, 0, base, baseId}, 1);
        writer.WriteAttribute({"Value", "Value", 0x02100000 + n, 0, 0, 0x03000000, 0x800, "0"});
        base = "Bch::" + name;
        baseId = classId;
    }
    writer.WriteTrailer();
    return writer.TakeBytes();
}

// Registration in a fresh manager each time: reading, binding the bases, checking the chains.
void RegisterChainedClasses(benchmark::State& state) {
    const std::vector<uint8_t> bytes = ChainedClasses(static_cast<uint32_t>(state.range(0)));
    for (auto _ : state) {
        SRepTypeLibManager manager;
        benchmark::DoNotOptimize(manager.RegisterTypeLib(bytes.data(), bytes.size()));
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
}
BENCHMARK(RegisterChainedClasses)->Arg(2000)->Arg(20000)->Unit(benchmark::kMillisecond);

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
    return bench::RunWithLibrary(argc, argv);
}
