// Undo on the large CANopen file (5,000 objects of four sub-indexes, some
// 3.6 MB) opened as from disk: what 1,000 edits add to the memory in use,
// and how long one undo takes with them behind it.
//
//   cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DCORVID_BUILD_BENCH=ON
//   cmake --build build-release --target bench_undo && build-release/bin/bench_undo

#include "canopen/CANopenWriter.h"
#include "door/EDSDoc.h"

#include "BenchFiles.h"
#include "ScriptedUserInterface.h"

#include <benchmark/benchmark.h>

#include <malloc.h>

namespace corvid {
namespace {

constexpr int kEdits = 1000;

double HeapMegabytes() {
    return static_cast<double>(mallinfo2().uordblks) / (1024.0 * 1024.0);
}

// Each edit names another object, as a user working down the page does.
CellChange Edit(int n) {
    return {"ManufacturerObjects", ObjectSectionName(static_cast<uint16_t>(0x2000 + n * 5)), 1,
            "Edited block " + std::to_string(n), std::nullopt};
}

struct EditedFile {
    test::ScriptedUserInterface ui; // cell edits ask nothing
    CEDSDoc doc{ui};
    EDSFileId id;
    double fileMegabytes = 0;
    double addedMegabytes = 0;

    EditedFile() {
        const std::string text = FormatCANopenEDS(bench::LargeCANopenModel());
        fileMegabytes = static_cast<double>(text.size()) / (1024.0 * 1024.0);
        id = *doc.AddFileText(EDSKind::CANopen, text, "large.eds");
        const double before = HeapMegabytes();
        for (int n = 0; n < kEdits; ++n)
            doc.Commit(id, Edit(n));
        addedMegabytes = HeapMegabytes() - before;
    }
};

void BM_MemoryOf1000Edits(benchmark::State& state) {
    for (auto _ : state) {
        EditedFile file;
        state.counters["file_MB"] = file.fileMegabytes;
        state.counters["added_MB"] = file.addedMegabytes;
        state.counters["steps"] = static_cast<double>(file.doc.History(file.id)->StepCount());
    }
}
BENCHMARK(BM_MemoryOf1000Edits)->Unit(benchmark::kSecond)->Iterations(1);

// One undo, timed; the redo that puts the step back for the next round is not.
void BM_UndoAfter1000Edits(benchmark::State& state) {
    EditedFile file;
    for (auto _ : state) {
        benchmark::DoNotOptimize(file.doc.Commit(file.id, UndoChange{}).Status);
        state.PauseTiming();
        file.doc.Commit(file.id, RedoChange{});
        state.ResumeTiming();
    }
}
BENCHMARK(BM_UndoAfter1000Edits)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace corvid
