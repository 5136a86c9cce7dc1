// Real-world EtherNet/IP files, each read with the EtherNet/IP reader
// whatever its sections say: no harm, a second round trip changes nothing,
// and every numbered entry written in the file is read.

#include "ethernetip/EtherNetIPReader.h"
#include "ethernetip/EtherNetIPWriter.h"

#include "TestFiles.h"

#include <gtest/gtest.h>
#include <regex>
#include <set>
#include <sstream>

namespace corvid {
namespace {

// The distinct numbers of "<keyword>N =" entries at the start of a line,
// found without the reader.
size_t DistinctEntries(const std::string& text, const std::string& keyword) {
    const std::regex entry("^[ \t]*" + keyword + "([0-9]+)[ \t]*=");
    std::set<std::string> numbers;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        std::smatch match;
        if (std::regex_search(line, match, entry))
            numbers.insert(match[1]);
    }
    return numbers.size();
}

TEST(EtherNetIPCorpus, EveryFileRoundTripsStablyAndKeepsItsEntries) {
    const auto folder = test::CorpusFolder("ethernetip");
    if (folder.empty())
        GTEST_SKIP() << "no corpus at " << CORVID_CORPUS_DIR << "/ethernetip: skipped";
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        SCOPED_TRACE(entry.path().filename().string());
        const std::string original = test::ReadFile(entry.path());
        CEtherNetIPEDS first;
        LoadEtherNetIPEDSText(first, original, entry.path().string());
        const std::string once = FormatEtherNetIPEDS(first);
        CEtherNetIPEDS second;
        LoadEtherNetIPEDSText(second, once, "once.eds");
        EXPECT_EQ(FormatEtherNetIPEDS(second), once);

        EXPECT_EQ(first.AssemblySection.Assemblies.size(), DistinctEntries(original, "Assem"));
        EXPECT_EQ(first.ConnectionManagerSection.Connections.size(),
                  DistinctEntries(original, "Connection"));
        EXPECT_EQ(first.ModularSection.Racks.size(), DistinctEntries(original, "Rack"));
        ++files;
    }
    EXPECT_GT(files, 0);
}

} // namespace
} // namespace corvid
