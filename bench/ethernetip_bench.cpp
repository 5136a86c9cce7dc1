// Reading, writing and saving a large EtherNet/IP file: 5,000 parameters in 50
// groups and 1,000 assemblies naming them, built in memory.
//
//   cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DCORVID_BUILD_BENCH=ON
//   cmake --build build-release && build-release/bin/bench_ethernetip

#include "ethernetip/EtherNetIPReader.h"
#include "ethernetip/EtherNetIPWriter.h"

#include "BenchFiles.h"
#include "KeptSaveBench.h"

#include <benchmark/benchmark.h>

namespace corvid {
namespace {

using bench::LargeEtherNetIPModel;

void BM_ReadEtherNetIP(benchmark::State& state) {
    const std::string text = FormatEtherNetIPEDS(LargeEtherNetIPModel());
    for (auto _ : state) {
        CEtherNetIPEDS model;
        LoadEtherNetIPEDSText(model, text, "large.eds");
        benchmark::DoNotOptimize(model.Params.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ReadEtherNetIP)->Unit(benchmark::kMillisecond);

void BM_WriteEtherNetIP(benchmark::State& state) {
    const CEtherNetIPEDS model = LargeEtherNetIPModel();
    size_t bytes = 0;
    for (auto _ : state) {
        const std::string text = FormatEtherNetIPEDS(model);
        bytes = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
}
BENCHMARK(BM_WriteEtherNetIP)->Unit(benchmark::kMillisecond);

void BM_SaveCorvidLayoutOneEditEtherNetIP(benchmark::State& state) {
    bench::EditedFile<CEtherNetIPEDS> file(LargeEtherNetIPModel(), bench::OneParamEdit());
    bench::SaveCorvidLayout(state, file);
}
BENCHMARK(BM_SaveCorvidLayoutOneEditEtherNetIP)->Unit(benchmark::kMillisecond);

void BM_SaveKeptLayoutOneEditEtherNetIP(benchmark::State& state) {
    bench::EditedFile<CEtherNetIPEDS> file(LargeEtherNetIPModel(), bench::OneParamEdit());
    bench::SaveKeptLayout(state, file);
}
BENCHMARK(BM_SaveKeptLayoutOneEditEtherNetIP)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace corvid
