// Writes the large files of the benchmarks into a folder, for the
// whole-process timings of scripts/bench.sh:
//
//   bench_files FOLDER   ->  FOLDER/canopen.eds, devicenet.eds, ethernetip.eds

#include "canopen/CANopenWriter.h"
#include "devicenet/DeviceNetWriter.h"
#include "ethernetip/EtherNetIPWriter.h"

#include "BenchFiles.h"

#include <fstream>
#include <iostream>

namespace {

bool Write(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
    if (out.flush())
        return true;
    std::cerr << "bench_files: cannot write " << path << "\n";
    return false;
}

} // namespace

int main(int argc, char** argv) {
    using namespace corvid;
    if (argc != 2) {
        std::cerr << "usage: bench_files FOLDER\n";
        return 2;
    }
    const std::string folder = argv[1];
    const bool written =
        Write(folder + "/canopen.eds", FormatCANopenEDS(bench::LargeCANopenModel())) &&
        Write(folder + "/devicenet.eds", FormatDeviceNetEDS(bench::LargeDeviceNetModel())) &&
        Write(folder + "/ethernetip.eds", FormatEtherNetIPEDS(bench::LargeEtherNetIPModel()));
    return written ? 0 : 1;
}
