// Real-world CANopen files: each reads without harm, one save keeps every
// value the file held (read independently of the product), and a second
// save changes nothing.

#include "canopen/CANopenReader.h"
#include "canopen/CANopenWriter.h"

#include "CANopenValuePairs.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

namespace corvid {
namespace {

struct KeptCount {
    size_t held = 0;
    size_t kept = 0;
};

// Checks that every pair of `original` is in `saved` with the same value and
// every listed index is still listed; counts what was kept.
KeptCount ExpectValuesKept(const std::string& original, const std::string& saved) {
    const test::CANopenValuePairs before = test::ReadCANopenValuePairs(original);
    const test::CANopenValuePairs after = test::ReadCANopenValuePairs(saved);
    KeptCount count;
    for (const auto& [key, value] : before.values) {
        ++count.held;
        const auto found = after.values.find(key);
        if (found != after.values.end() && test::SameCANopenValue(value, found->second)) {
            ++count.kept;
            continue;
        }
        ADD_FAILURE() << "[" << key.first << "] " << key.second << "=" << value << " became "
                      << (found == after.values.end() ? "nothing" : found->second);
    }
    for (uint32_t index : before.listed) {
        ++count.held;
        if (after.listed.contains(index))
            ++count.kept;
        else
            ADD_FAILURE() << "object 0x" << std::hex << index << " no longer listed";
    }
    return count;
}

TEST(CANopenCorpus, OneSaveKeepsEveryValueAndASecondChangesNothing) {
    const auto folder = test::CorpusFolder("canopen");
    if (folder.empty())
        GTEST_SKIP() << "no corpus at " << CORVID_CORPUS_DIR << "/canopen: skipped";
    KeptCount total;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        SCOPED_TRACE(entry.path().filename().string());
        const std::string original = test::ReadFile(entry.path());
        CCANopenEDS first;
        LoadCANopenEDSText(first, original, entry.path().string());
        const std::string once = FormatCANopenEDS(first);
        CCANopenEDS second;
        LoadCANopenEDSText(second, once, "once.eds");
        EXPECT_EQ(FormatCANopenEDS(second), once);

        const KeptCount count = ExpectValuesKept(original, once);
        total.held += count.held;
        total.kept += count.kept;
    }
    ASSERT_GT(total.held, 0u);
    std::cout << "values kept after one save: " << total.kept << " of " << total.held << " ("
              << 100.0 * static_cast<double>(total.kept) / static_cast<double>(total.held)
              << " %)\n";
}

} // namespace
} // namespace corvid
