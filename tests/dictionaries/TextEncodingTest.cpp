#include "dictionaries/TextEncoding.h"

#include <gtest/gtest.h>

namespace corvid {
namespace {

TEST(DecodeForDisplay, Utf8StaysOtherBytesAreWindows1252) {
    EXPECT_EQ(DecodeForDisplay("caf\xC3\xA9"), "caf\xC3\xA9");
    EXPECT_EQ(DecodeForDisplay("it\x92s"), "it\xE2\x80\x99s");
    EXPECT_EQ(DecodeForDisplay("\xE9t\xE9"), "\xC3\xA9t\xC3\xA9");
    EXPECT_EQ(DecodeForDisplay("\x81"), "\xC2\x81"); // unassigned byte kept
}

TEST(IsValidUtf8, RejectsOverlongAndSurrogates) {
    EXPECT_TRUE(IsValidUtf8(""));
    EXPECT_TRUE(IsValidUtf8("\xF0\x9F\x98\x80"));
    EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));
    EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));
    EXPECT_FALSE(IsValidUtf8("\xE2\x80"));
}

TEST(EncodeForFile, RoundTripsWindows1252Bytes) {
    std::string all;
    for (int byte = 0x20; byte < 0x100; ++byte)
        all += static_cast<char>(byte);
    EXPECT_EQ(EncodeForFile(DecodeForDisplay(all), false), all);
    EXPECT_EQ(EncodeForFile("\xE2\x82\xAC", true), "\xE2\x82\xAC");
    // A character Windows-1252 lacks keeps the UTF-8 rather than being lost.
    EXPECT_EQ(EncodeForFile("\xE4\xB8\xAD", false), "\xE4\xB8\xAD");
}

} // namespace
} // namespace corvid
