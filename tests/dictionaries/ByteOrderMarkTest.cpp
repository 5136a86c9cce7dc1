#include "dictionaries/ByteOrderMark.h"

#include <gtest/gtest.h>

namespace corvid {
namespace {

TEST(StripByteOrderMark, RemovesOnlyALeadingCompleteMark) {
    std::string_view text = "\xEF\xBB\xBF[FileInfo]\n";
    EXPECT_TRUE(StripByteOrderMark(text));
    EXPECT_EQ(text, "[FileInfo]\n");
    EXPECT_FALSE(StripByteOrderMark(text)); // only one mark is removed
    EXPECT_EQ(text, "[FileInfo]\n");

    std::string_view partial = "\xEF\xBB[FileInfo]";
    EXPECT_FALSE(StripByteOrderMark(partial));
    EXPECT_EQ(partial, "\xEF\xBB[FileInfo]");

    std::string_view inside = "a\xEF\xBB\xBF";
    EXPECT_FALSE(StripByteOrderMark(inside));
    EXPECT_EQ(inside.size(), 4u);

    std::string_view empty;
    EXPECT_FALSE(StripByteOrderMark(empty));
}

} // namespace
} // namespace corvid
