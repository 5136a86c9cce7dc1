// Real-world CANopen files: each reads without harm, a second round trip
// changes nothing, and every object the lists name is read.

#include "canopen/CANopenReader.h"
#include "canopen/CANopenWriter.h"
#include "dictionaries/EDSTextHelper.h"
#include "dictionaries/ProfileText.h"

#include "TestFiles.h"

#include <gtest/gtest.h>
#include <set>

namespace corvid {
namespace {

// The distinct indexes the three list sections name, entries 1 to
// SupportedObjects of each, read independently of the reader.
std::set<uint16_t> ListedIndexes(const std::string& text) {
    const CProfileText file(text);
    std::set<uint16_t> indexes;
    for (const char* list : {"MandatoryObjects", "OptionalObjects", "ManufacturerObjects"}) {
        const auto supported = file.Value(list, "SupportedObjects");
        if (!supported)
            continue;
        const uint32_t count = ParseNumber(*supported);
        for (uint32_t i = 1; i <= count && i <= 0xFFFF; ++i)
            if (const auto value = file.Value(list, std::to_string(i)))
                indexes.insert(static_cast<uint16_t>(ParseNumber(*value)));
    }
    return indexes;
}

TEST(CANopenCorpus, EveryFileRoundTripsStably) {
    const auto folder = test::CorpusFolder("canopen");
    if (folder.empty())
        GTEST_SKIP() << "no corpus at " << CORVID_CORPUS_DIR << "/canopen: skipped";
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        SCOPED_TRACE(entry.path().filename().string());
        const std::string original = test::ReadFile(entry.path());
        CCANopenEDS first;
        LoadCANopenEDSText(first, original, entry.path().string());
        const std::string once = FormatCANopenEDS(first);
        CCANopenEDS second;
        LoadCANopenEDSText(second, once, "once.eds");
        EXPECT_EQ(FormatCANopenEDS(second), once);

        std::set<uint16_t> read;
        for (const CANopenObject& object : first.Objects)
            read.insert(object.Index);
        EXPECT_EQ(read, ListedIndexes(original));
        EXPECT_EQ(first.Objects.size(), read.size());
        ++files;
    }
    EXPECT_GT(files, 0);
}

} // namespace
} // namespace corvid
