// Reading, writing and saving a large DeviceNet file: 5,000 parameters in 50 groups,
// every tenth with four enumeration strings, built in memory.
//
//   cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DCORVID_BUILD_BENCH=ON
//   cmake --build build-release && build-release/bin/bench_devicenet

#include "devicenet/DeviceNetReader.h"
#include "devicenet/DeviceNetWriter.h"

#include "BenchFiles.h"
#include "KeptSaveBench.h"

#include <benchmark/benchmark.h>

namespace corvid {
namespace {

using bench::LargeDeviceNetModel;

void BM_ReadDeviceNet(benchmark::State& state) {
    const std::string text = FormatDeviceNetEDS(LargeDeviceNetModel());
    for (auto _ : state) {
        CDeviceNetEDS model;
        LoadDeviceNetEDSText(model, text, "large.eds");
        benchmark::DoNotOptimize(model.Params.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ReadDeviceNet)->Unit(benchmark::kMillisecond);

void BM_WriteDeviceNet(benchmark::State& state) {
    const CDeviceNetEDS model = LargeDeviceNetModel();
    size_t bytes = 0;
    for (auto _ : state) {
        const std::string text = FormatDeviceNetEDS(model);
        bytes = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
}
BENCHMARK(BM_WriteDeviceNet)->Unit(benchmark::kMillisecond);

void BM_SaveCorvidLayoutOneEditDeviceNet(benchmark::State& state) {
    bench::EditedFile<CDeviceNetEDS> file(LargeDeviceNetModel(), bench::OneParamEdit());
    bench::SaveCorvidLayout(state, file);
}
BENCHMARK(BM_SaveCorvidLayoutOneEditDeviceNet)->Unit(benchmark::kMillisecond);

void BM_SaveKeptLayoutOneEditDeviceNet(benchmark::State& state) {
    bench::EditedFile<CDeviceNetEDS> file(LargeDeviceNetModel(), bench::OneParamEdit());
    bench::SaveKeptLayout(state, file);
}
BENCHMARK(BM_SaveKeptLayoutOneEditDeviceNet)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace corvid
