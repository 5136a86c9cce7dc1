#include "door/EDSFile.h"

#include <gtest/gtest.h>

#include <sstream>

namespace corvid {
namespace {

Json Dump(const LoadedEDSFile& file) {
    std::ostringstream text;
    WriteEDSFileJson(text, file);
    return Json::parse(text.str());
}

// Every kind goes through the registry: the model read is the kind asked for,
// and its dump names that kind and carries the path it was read from.
TEST(LoadEDSFileText, EachKindReadsWithItsReaderAndTheUnknownKindLeavesNothing) {
    for (const EDSKind kind : {EDSKind::CANopen, EDSKind::DeviceNet, EDSKind::EtherNetIP}) {
        LoadedEDSFile file;
        ASSERT_TRUE(LoadEDSFileText(file, kind, "", "/tmp/x.eds"));
        EXPECT_EQ(file.Kind(), kind);
        const Json dump = Dump(file);
        EXPECT_EQ(dump["kind"], EDSKindName(kind));
        EXPECT_EQ(dump["header"]["PathName"], "/tmp/x.eds");
    }
    // The unknown kind leaves nothing to write.
    LoadedEDSFile file;
    LoadEDSFileText(file, EDSKind::CANopen, "[FileInfo]\n", "a.eds");
    EXPECT_FALSE(LoadEDSFileText(file, EDSKind::Unknown, "[FileInfo]\n", "a.eds"));
    EXPECT_EQ(file.Kind(), EDSKind::Unknown);
    std::string error;
    EXPECT_FALSE(WriteEDSFile(file, "/nonexistent/never-written.eds", error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(Dump(file).size(), 1u);
}

} // namespace
} // namespace corvid
