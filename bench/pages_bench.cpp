// Building the rows of a large page: a generated CANopen file whose
// manufacturer object page shows 5,000 rows once every object is open
// (1,000 objects of four sub-indexes each); finding text in that file and
// filtering its page.
//
//   cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DCORVID_BUILD_BENCH=ON
//   cmake --build build-release && build-release/bin/bench_pages

#include "canopen/CANopenReader.h"
#include "canopen/CANopenWriter.h"
#include "door/EDSDoc.h"
#include "pages/PageRows.h"
#include "pages/PageSearch.h"

#include "BenchFiles.h"
#include "ScriptedUserInterface.h"

#include <benchmark/benchmark.h>

#include <string>

namespace corvid {
namespace {

constexpr int kObjects = 1000;
constexpr uint8_t kSubIndexes = 4;

// The model as the reader gives it back from the generated file.
CCANopenEDS GeneratedFile() {
    const CCANopenEDS generated = bench::LargeCANopenModel(kObjects);
    CCANopenEDS model;
    LoadCANopenEDSText(model, FormatCANopenEDS(generated), "generated.eds");
    return model;
}

PageState EveryObjectOpen(const CCANopenEDS& model) {
    PageState state;
    for (const CANopenObject& object : model.Objects)
        state.Expanded.insert(ObjectSectionName(object.Index));
    return state;
}

void BM_BuildOpenObjectPage(benchmark::State& state) {
    const CCANopenEDS model = GeneratedFile();
    const PageState open = EveryObjectOpen(model);
    size_t rows = 0;
    for (auto _ : state) {
        const Page page = BuildPage(model, "ManufacturerObjects", open);
        rows = page.Rows.size();
        benchmark::DoNotOptimize(page.Rows.data());
    }
    // A label, not a counter: the CSV report wants the same counters in every row.
    state.SetLabel(std::to_string(rows) + " rows");
}
BENCHMARK(BM_BuildOpenObjectPage)->Unit(benchmark::kMillisecond);

// A click that closes one object of the open page: the page is built again
// and the view learns which rows went.
void BM_CloseOneObjectOfOpenPage(benchmark::State& state) {
    const CCANopenEDS model = GeneratedFile();
    PageState open = EveryObjectOpen(model);
    const Page before = BuildPage(model, "ManufacturerObjects", open);
    const size_t head = before.Rows.size() / 2 / (kSubIndexes + 1) * (kSubIndexes + 1);
    for (auto _ : state) {
        PageState clicked = open;
        ToggleRow(clicked, before, head);
        const Page after = BuildPage(model, "ManufacturerObjects", clicked);
        benchmark::DoNotOptimize(ToggledRows(before, after, head));
    }
}
BENCHMARK(BM_CloseOneObjectOfOpenPage)->Unit(benchmark::kMillisecond);

// Find: every page of the file with every entry open, 1,000 hits (one
// sub-index of each object).
void BM_SearchFile(benchmark::State& state) {
    test::ScriptedUserInterface ui;
    CEDSDoc doc(ui);
    const EDSFileId file = doc.AddFile(std::make_unique<CCANopenEDS>(GeneratedFile()));
    size_t hits = 0;
    for (auto _ : state)
        hits = SearchFile(doc, file, "entry 3", {}).size();
    state.SetLabel(std::to_string(hits) + " hits");
}
BENCHMARK(BM_SearchFile)->Unit(benchmark::kMillisecond);

// One keystroke in the filter box over the page with every object closed.
void BM_FilterClosedObjectPage(benchmark::State& state) {
    test::ScriptedUserInterface ui;
    CEDSDoc doc(ui);
    doc.AddFile(std::make_unique<CCANopenEDS>(GeneratedFile()));
    const EDSFileRef file{EDSKind::CANopen, 0};
    const Page page = BuildPage(doc, file, "ManufacturerObjects");
    for (auto _ : state)
        benchmark::DoNotOptimize(FilteredRows(doc, file, page, "block 99", {}));
}
BENCHMARK(BM_FilterClosedObjectPage)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace corvid
