// Reading, writing and saving a large CANopen file: 5,000 objects of four
// sub-indexes each, built in memory.
//
//   cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DCORVID_BUILD_BENCH=ON
//   cmake --build build-release && build-release/bin/bench_canopen

#include "canopen/CANopenFields.h"
#include "canopen/CANopenReader.h"
#include "canopen/CANopenWriter.h"
#include "door/EDSKind.h"

#include "BenchFiles.h"
#include "KeptSaveBench.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <unistd.h>

namespace corvid {
namespace {

using bench::LargeCANopenModel;

void BM_ReadCANopen(benchmark::State& state) {
    const std::string text = FormatCANopenEDS(LargeCANopenModel());
    for (auto _ : state) {
        CCANopenEDS model;
        LoadCANopenEDSText(model, text, "large.eds");
        benchmark::DoNotOptimize(model.Objects.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ReadCANopen)->Unit(benchmark::kMillisecond);

// Telling the kind needs the section names only.
void BM_DetectCANopen(benchmark::State& state) {
    const std::string text = FormatCANopenEDS(LargeCANopenModel());
    for (auto _ : state)
        benchmark::DoNotOptimize(DetectEDSKindText("large.eds", text));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_DetectCANopen)->Unit(benchmark::kMillisecond);

void BM_WriteCANopen(benchmark::State& state) {
    const CCANopenEDS model = LargeCANopenModel();
    size_t bytes = 0;
    for (auto _ : state) {
        const std::string text = FormatCANopenEDS(model);
        bytes = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
}
BENCHMARK(BM_WriteCANopen)->Unit(benchmark::kMillisecond);

// What a resave does after reading: the model as read (keys as the file
// gave them) written out to a file on disk.
void BM_WriteCANopenFile(benchmark::State& state) {
    const std::string text = FormatCANopenEDS(LargeCANopenModel());
    CCANopenEDS model;
    LoadCANopenEDSText(model, text, "large.eds");
    const std::string path = (std::filesystem::temp_directory_path() /
                              ("corvid-bench-" + std::to_string(::getpid()) + ".eds"))
                                 .string();
    std::string error;
    for (auto _ : state)
        if (!WriteCANopenEDS(model, path, error))
            state.SkipWithError(error.c_str());
    std::filesystem::remove(path);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_WriteCANopenFile)->Unit(benchmark::kMillisecond);

// The default value of sub-index 1 of the 2,501st object.
CellChange OneEdit() {
    return {"ManufacturerObjects", SubIndexSectionName(0x2000 + 2500, 1),
            kDefaultValueKey.Traits.Column, "0x1234", std::nullopt};
}

void BM_SaveCorvidLayoutOneEdit(benchmark::State& state) {
    bench::EditedFile<CCANopenEDS> file(LargeCANopenModel(), OneEdit());
    bench::SaveCorvidLayout(state, file);
}
BENCHMARK(BM_SaveCorvidLayoutOneEdit)->Unit(benchmark::kMillisecond);

void BM_SaveKeptLayoutOneEdit(benchmark::State& state) {
    bench::EditedFile<CCANopenEDS> file(LargeCANopenModel(), OneEdit());
    bench::SaveKeptLayout(state, file);
}
BENCHMARK(BM_SaveKeptLayoutOneEdit)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace corvid
