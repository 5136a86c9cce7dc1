// Real-world DeviceNet files, each read with the DeviceNet reader whatever
// detection says: after a save every valued (section, keyword) pair is there
// with its value, and a second save changes nothing. The pairs are read
// without the product's scanner (CIPValuePairs.h).

#include "devicenet/DeviceNetReader.h"
#include "devicenet/DeviceNetWriter.h"

#include "CIPValuePairs.h"
#include "TestFiles.h"

#include <gtest/gtest.h>
#include <iostream>

namespace corvid {
namespace {

TEST(DeviceNetCorpus, EverySaveKeepsEveryValue) {
    const auto folder = test::CorpusFolder("devicenet");
    if (folder.empty())
        GTEST_SKIP() << "no corpus at " << CORVID_CORPUS_DIR << "/devicenet: skipped";
    size_t pairs = 0;
    size_t kept = 0;
    int files = 0;
    for (const auto& item : std::filesystem::directory_iterator(folder)) {
        SCOPED_TRACE(item.path().filename().string());
        const std::string original = test::ReadFile(item.path());
        CDeviceNetEDS first;
        LoadDeviceNetEDSText(first, original, item.path().string());
        const std::string once = FormatDeviceNetEDS(first);
        CDeviceNetEDS second;
        LoadDeviceNetEDSText(second, once, "once.eds");
        EXPECT_EQ(FormatDeviceNetEDS(second), once);

        const test::CIPKeptPairs count = test::CountKeptPairs(original, once);
        pairs += count.pairs;
        kept += count.kept;
        EXPECT_TRUE(count.lost.empty()) << count.lost.size() << " lost, first "
                                        << (count.lost.empty() ? "" : count.lost.front());
        ++files;
    }
    EXPECT_GT(files, 0);
    std::cout << "DeviceNet corpus: " << kept << " of " << pairs << " values kept ("
              << (pairs == 0 ? 100.0 : 100.0 * double(kept) / double(pairs)) << " %)\n";
}

} // namespace
} // namespace corvid
