// Real-world DeviceNet files, each read with the DeviceNet reader whatever
// detection says: no harm, a second round trip changes nothing, and every
// ParamN entry of [Params] becomes a parameter.

#include "devicenet/DeviceNetReader.h"
#include "devicenet/DeviceNetWriter.h"
#include "dictionaries/ProfileText.h"

#include "TestFiles.h"

#include <gtest/gtest.h>
#include <regex>

namespace corvid {
namespace {

// ParamN entries of the [Params] section, counted from the raw lines
// without the reader's routines.
size_t ParamEntries(const std::string& text) {
    static const std::regex entry(R"(^[ \t]*Param[0-9]+[ \t]*=.*)");
    bool inParams = false;
    size_t count = 0;
    for (std::string_view line : SplitLines(text)) {
        if (const auto name = SectionHeaderName(line))
            inParams = *name == "Params";
        else if (inParams && std::regex_match(line.begin(), line.end(), entry))
            ++count;
    }
    return count;
}

TEST(DeviceNetCorpus, EveryFileRoundTripsStably) {
    const auto folder = test::CorpusFolder("devicenet");
    if (folder.empty())
        GTEST_SKIP() << "no corpus at " << CORVID_CORPUS_DIR << "/devicenet: skipped";
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
        EXPECT_EQ(first.ParamCount(), ParamEntries(original));
        ++files;
    }
    EXPECT_GT(files, 0);
}

} // namespace
} // namespace corvid
