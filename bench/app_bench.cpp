// The desktop program under load, offscreen: showing a page of 5,000 rows
// (a generated CANopen file whose manufacturer object page has every one of
// its 1,000 objects open, four sub-indexes each), and opening 100 files of
// real-world size in the window.
//
//   cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DCORVID_BUILD_BENCH=ON
//   cmake --build build-release && build-release/bin/bench_app

#include "EDSView.h"
#include "MainFrame.h"

#include "ScriptedUserInterface.h"
#include "TestFiles.h"

#include "canopen/CANopenModel.h"

#include <QApplication>
#include <QFile>
#include <QStandardPaths>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <sstream>

namespace corvid::app {
namespace {

constexpr int kObjects = 1000;
constexpr int kSubIndexes = 4;

void AddObject(std::ostringstream& text, const std::string& section, const std::string& name,
               int objectType, int subNumber) {
    text << "[" << section << "]\r\nParameterName=" << name << "\r\nObjectType=0x" << std::hex
         << objectType << std::dec << "\r\nDataType=0x0007\r\nAccessType=rw\r\nLowLimit=0\r\n"
         << "HighLimit=0xFFFFFFFF\r\nDefaultValue=0x00001000\r\nPDOMapping=0\r\n";
    if (subNumber > 0)
        text << "SubNumber=" << subNumber << "\r\n";
}

std::string GeneratedCANopenFile() {
    std::ostringstream text;
    text << "[FileInfo]\r\nFileName=generated.eds\r\n[DeviceInfo]\r\nVendorName=Bench\r\n"
         << "[ManufacturerObjects]\r\nSupportedObjects=" << kObjects << "\r\n";
    for (int i = 0; i < kObjects; ++i)
        text << i + 1 << "=0x" << std::hex << 0x2000 + i << std::dec << "\r\n";
    for (int i = 0; i < kObjects; ++i) {
        std::ostringstream index;
        index << std::hex << std::uppercase << 0x2000 + i;
        AddObject(text, index.str(), "Drive parameter block " + std::to_string(i), 9, kSubIndexes);
        for (int s = 0; s < kSubIndexes; ++s)
            AddObject(text, index.str() + "sub" + std::to_string(s), "Entry " + std::to_string(s),
                      7, 0);
    }
    return text.str();
}

void BM_ShowOpenObjectPageOf5000Rows(benchmark::State& state) {
    test::TempFolder folder;
    test::WriteFile(folder.path() / "generated.eds", GeneratedCANopenFile());
    test::ScriptedUserInterface dialogs;
    CMainFrame frame(dialogs);
    frame.resize(1280, 800);
    frame.show();
    frame.OpenPaths({QString::fromStdString(folder.File("generated.eds"))});
    PageState open;
    for (int i = 0; i < kObjects; ++i)
        open.Expanded.insert(ObjectSectionName(static_cast<uint16_t>(0x2000 + i)));
    CEDSView& view = frame.View();
    for (auto _ : state) {
        view.ShowPage({EDSKind::CANopen, 0}, "ManufacturerObjects", open);
        view.viewport()->repaint();
    }
    state.counters["rows"] = view.model()->rowCount();
}
BENCHMARK(BM_ShowOpenObjectPageOf5000Rows)->Unit(benchmark::kMillisecond);

// The real-world files beside the project when present, else the shipped
// samples, copied under 100 names so none is refused as already open.
QStringList HundredFiles(const test::TempFolder& folder) {
    std::vector<std::filesystem::path> sources;
    for (const char* kind : {"canopen", "devicenet", "ethernetip"})
        if (const auto corpus = test::CorpusFolder(kind); !corpus.empty())
            for (const auto& entry : std::filesystem::directory_iterator(corpus))
                sources.push_back(entry.path());
    if (sources.empty())
        for (const auto& entry : std::filesystem::directory_iterator(CORVID_SAMPLES_DIR))
            sources.push_back(entry.path());
    QStringList paths;
    for (int i = 0; i < 100; ++i) {
        const auto& source = sources[static_cast<size_t>(i) % sources.size()];
        const auto copy = folder.path() / (std::to_string(i) + "_" + source.filename().string());
        std::filesystem::copy_file(source, copy);
        paths << QFile::decodeName(copy.c_str());
    }
    return paths;
}

void BM_Open100FilesInTheWindow(benchmark::State& state) {
    test::TempFolder folder;
    const QStringList paths = HundredFiles(folder);
    test::ScriptedUserInterface dialogs;
    size_t opened = 0;
    for (auto _ : state) {
        CMainFrame frame(dialogs);
        frame.resize(1280, 800);
        frame.show();
        frame.OpenPaths(paths);
        QApplication::processEvents();
        opened = 0;
        for (const EDSKind kind : {EDSKind::CANopen, EDSKind::DeviceNet, EDSKind::EtherNetIP})
            opened += frame.Document().FileCount(kind);
    }
    state.counters["files"] = static_cast<double>(opened);
}
BENCHMARK(BM_Open100FilesInTheWindow)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace corvid::app

// The offscreen platform says at every dock window that it cannot pass size
// hints on; that is no news for a benchmark.
void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (!message.contains(QLatin1String("propagateSizeHints")))
        fprintf(stderr, "%s: %s\n", type == QtDebugMsg ? "debug" : "warning", qPrintable(message));
}

int main(int argc, char** argv) {
    qInstallMessageHandler(QuietMessages);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
