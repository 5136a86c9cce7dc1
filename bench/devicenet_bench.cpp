// Reading and writing a large DeviceNet file: 5,000 parameters in 50 groups,
// every tenth with four enumeration strings, built in memory.
//
//   cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DCORVID_BUILD_BENCH=ON
//   cmake --build build-release && build-release/bin/bench_devicenet

#include "devicenet/DeviceNetReader.h"
#include "devicenet/DeviceNetWriter.h"

#include <benchmark/benchmark.h>

namespace corvid {
namespace {

CDeviceNetEDS LargeModel() {
    CDeviceNetEDS model;
    model.FileSection.SectionName = "File";
    model.DeviceSection.SectionName = "Device";
    model.IOInfoSection.SectionName = "IO_Info";
    for (int g = 0; g < 50; ++g)
        model.GroupNames.push_back("\"Group " + std::to_string(g + 1) + "\"");
    for (int i = 0; i < 5000; ++i) {
        auto param = std::make_unique<CEDSParam>();
        param->PathSize = 6;
        param->LinkPath = "\"20 93 24 01 30 01\"";
        param->Descriptor = 0x04;
        param->DataType = 0xC7;
        param->DataSize = 2;
        param->ParameterName = "\"Drive parameter " + std::to_string(i + 1) + "\"";
        param->UnitsStr = "\"rpm\"";
        param->HelpStr = "\"Help text of the parameter\"";
        param->Minimum = "0";
        param->Maximum = "65535";
        param->Default = "100";
        param->Multiplier = param->Divider = param->Base = 1;
        param->Group = static_cast<uint8_t>(i % 50 + 1);
        if (i % 10 == 0)
            param->EnumStrings =
                std::vector<std::string>{"\"Off\"", "\"Low\"", "\"High\"", "\"Auto\""};
        model.Params.push_back(std::move(param));
    }
    return model;
}

void BM_ReadDeviceNet(benchmark::State& state) {
    const std::string text = FormatDeviceNetEDS(LargeModel());
    for (auto _ : state) {
        CDeviceNetEDS model;
        LoadDeviceNetEDSText(model, text, "large.eds");
        benchmark::DoNotOptimize(model.Params.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ReadDeviceNet)->Unit(benchmark::kMillisecond);

void BM_WriteDeviceNet(benchmark::State& state) {
    const CDeviceNetEDS model = LargeModel();
    size_t bytes = 0;
    for (auto _ : state) {
        const std::string text = FormatDeviceNetEDS(model);
        bytes = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
}
BENCHMARK(BM_WriteDeviceNet)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace corvid
