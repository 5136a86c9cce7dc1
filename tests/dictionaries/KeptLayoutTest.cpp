#include "dictionaries/KeptLayout.h"
#include "dictionaries/ModificationStamp.h"

#include <gtest/gtest.h>

namespace corvid {
namespace {

// The writer's form of a file before and after an edit, and the file's own
// text: a merge must carry only the edit over.
struct Merge {
    std::string_view source;
    std::string_view asRead;
    std::string_view current;
    std::string_view expected;
    size_t changedLines;
};

void ExpectMerge(const Merge& merge, const LayoutDialect& kind) {
    const KeptLayoutResult result =
        MergeIntoSource(merge.source, merge.asRead, merge.current, kind);
    EXPECT_EQ(result.text, merge.expected);
    EXPECT_EQ(result.changedLines, merge.changedLines);
}

TEST(KeptLayout, UnchangedRenderGivesTheSourceBack) {
    const std::string_view source = "\xEF\xBB\xBF; notes\n[FileInfo]\nFileName = a.eds ; x\n";
    const KeptLayoutResult result =
        MergeIntoSource(source, "[FileInfo]\r\nFileName=a.eds\r\n",
                        "[FileInfo]\r\nFileName=a.eds\r\n", kCANopenLayout);
    EXPECT_EQ(result.text, source);
    EXPECT_EQ(result.changedLines, 0u);
}

TEST(KeptLayout, CANopenValueKeyAndSectionChangesStayInTheirPlaces) {
    // An edited value keeps the key's spelling, the blanks and the LF line
    // ends; a new key goes in front of the section's trailing comments.
    ExpectMerge({"[deviceinfo]\nvendorname = Acme\nProductNumber=0x5\n; end of section\n\n"
                 "[2000]\nParameterName=Speed\n",
                 "[DeviceInfo]\r\nVendorName=Acme\r\nProductNumber=0x00000005\r\n\r\n"
                 "[2000]\r\nParameterName=Speed\r\n",
                 "[DeviceInfo]\r\nVendorName=Best\r\nProductNumber=0x00000005\r\n"
                 "OrderCode=7\r\n\r\n[2000]\r\nParameterName=Speed\r\n",
                 "[deviceinfo]\nvendorname = Best\nProductNumber=0x5\nOrderCode=7\n"
                 "; end of section\n\n[2000]\nParameterName=Speed\n",
                 2},
                kCANopenLayout);
    // A new object's section follows the one in front of it in the
    // writer's order; a removed one takes its lines and the blank behind.
    ExpectMerge({"[1000]\r\nA=1\r\n\r\n[1001]\r\nA=2\r\n\r\n[1018]\r\nA=3",
                 "[1000]\r\nA=1\r\n[1001]\r\nA=2\r\n[1018]\r\nA=3\r\n",
                 "[1000]\r\nA=1\r\n[1008]\r\nA=9\r\n[1018]\r\nA=3\r\n",
                 "[1000]\r\nA=1\r\n\r\n[1008]\r\nA=9\r\n\r\n[1018]\r\nA=3", 6},
                kCANopenLayout);
}

// Only the sections in which the renders differ are looked into; what
// lies around them must come out as whole sections, wherever the change is.
TEST(KeptLayout, ChangesAtEitherEndAndNewSectionsFarBehindTheirAnchor) {
    const std::string_view source = "; head\n[1000]\nA=1\n\n[1018]\nA = 3 ; last\nB=4";
    const std::string_view asRead = "[1000]\r\nA=1\r\n[1001]\r\nA=2\r\n[1018]\r\nA=3\r\nB=4\r\n";
    ExpectMerge({source, asRead, "[1000]\r\nA=0\r\n[1001]\r\nA=2\r\n[1018]\r\nA=3\r\nB=4\r\n",
                 "; head\n[1000]\nA=0\n\n[1018]\nA = 3 ; last\nB=4", 1},
                kCANopenLayout);
    ExpectMerge({source, asRead, "[1000]\r\nA=1\r\n[1001]\r\nA=2\r\n[1018]\r\nA=3\r\nB=5\r\n",
                 "; head\n[1000]\nA=1\n\n[1018]\nA = 3 ; last\nB=5", 1},
                kCANopenLayout);
    // [1001] is not in the file: [1008] follows [1000], the last section in
    // front of it that the file has.
    ExpectMerge({source, asRead,
                 "[1000]\r\nA=1\r\n[1001]\r\nA=2\r\n[1008]\r\nA=9\r\n[1018]\r\nA=3\r\nB=4\r\n",
                 "; head\n[1000]\nA=1\n\n[1008]\nA=9\n\n[1018]\nA = 3 ; last\nB=4", 3},
                kCANopenLayout);
    // A renamed header is a section removed and one added.
    ExpectMerge({source, asRead, "[1000]\r\nA=1\r\n[1001]\r\nA=2\r\n[1019]\r\nA=3\r\nB=4\r\n",
                 "; head\n[1000]\nA=1\n\n[1019]\nA=3\nB=4\n\n", 7},
                kCANopenLayout);
}

// Sections are found by their "[": one inside a value or a comment starts
// none, an indented header does, and a removed section leaves the comment
// in front of the next one where it stands.
TEST(KeptLayout, BracketsOutsideHeadersStartNoSection) {
    ExpectMerge({"[1000]\r\nName=a [b] c\r\n\r\n; [1001] is gone\r\n  [1002]\r\nA=1\r\n",
                 "[1000]\r\nName=a [b] c\r\n[1002]\r\nA=1\r\n", "[1002]\r\nA=2\r\n",
                 "; [1001] is gone\r\n  [1002]\r\nA=2\r\n", 4},
                kCANopenLayout);
}

// A save stamps the file only when something besides the stamp changed;
// a render differing in the stamp's section alone must be looked at again.
TEST(KeptLayout, DifferencesOutsideOneSectionAreToldWithoutCutting) {
    const std::string_view read = "[FileInfo]\r\nModificationDate=01-01-2020\r\n[1000]\r\nA=1\r\n";
    EXPECT_TRUE(MayDifferOnlyIn(read,
                                "[FileInfo]\r\nModificationDate=03-05-2024\r\n[1000]\r\nA=1\r\n",
                                "fileinfo", kCANopenLayout));
    EXPECT_FALSE(MayDifferOnlyIn(read,
                                 "[FileInfo]\r\nModificationDate=03-05-2024\r\n[1000]\r\nA=2\r\n",
                                 "fileinfo", kCANopenLayout));
    EXPECT_FALSE(MayDifferOnlyIn(read,
                                 "[FileInfo]\r\nModificationDate=01-01-2020\r\n[1000]\r\nA=2\r\n",
                                 "fileinfo", kCANopenLayout));
    EXPECT_TRUE(MayDifferOnlyIn("[File]\r\n\tModDate=1;\r\n[Params]\r\n\tParam1=1;\r\n",
                                "[File]\r\n\tModDate=2;\r\n[Params]\r\n\tParam1=2;\r\n", "File",
                                kDeviceNetLayout))
        << "entries spanning lines are not told apart cheaply";
}

TEST(KeptLayout, ObjectListsOnlyGainAndLoseTheirLines) {
    const std::string_view source = "[OptionalObjects]\nSupportedObjects=3\n1=0x1003\n2=0x1008\n"
                                    "3=0x1018\n; listed\n";
    const std::string_view asRead =
        "[OptionalObjects]\r\nSupportedObjects=3\r\n1=0x1003\r\n2=0x1008\r\n3=0x1018\r\n";
    // Insert: the new line goes behind the last; no line is renumbered.
    ExpectMerge({source, asRead,
                 "[OptionalObjects]\r\nSupportedObjects=4\r\n1=0x1003\r\n2=0x1008\r\n"
                 "3=0x1010\r\n4=0x1018\r\n",
                 "[OptionalObjects]\nSupportedObjects=4\n1=0x1003\n2=0x1008\n3=0x1018\n"
                 "4=0x1010\n; listed\n",
                 2},
                kCANopenLayout);
    // Delete: the lines behind the hole count on from it.
    ExpectMerge({source, asRead,
                 "[OptionalObjects]\r\nSupportedObjects=2\r\n1=0x1003\r\n2=0x1018\r\n",
                 "[OptionalObjects]\nSupportedObjects=2\n1=0x1003\n2=0x1018\n; listed\n", 3},
                kCANopenLayout);
}

TEST(KeptLayout, CIPFieldsChangeInsideTheirEntry) {
    // Only the edited field changes: the other fields, the comments and the
    // line breaks of the entry stay.
    ExpectMerge(
        {"[Params]\n  Param1 =\n    0,  $ reserved\n    ,,  $ path\n    \"Speed\";  $ name\n",
         "[Params]\r\n\tParam1=\r\n\t\t0,\r\n\t\t,,\r\n\t\t\"Speed\";\r\n",
         "[Params]\r\n\tParam1=\r\n\t\t0,\r\n\t\t6,,\r\n\t\t\"Rate\";\r\n",
         "[Params]\n  Param1 =\n    0,  $ reserved\n    6,,  $ path\n    \"Rate\";  $ name\n", 2},
        kEtherNetIPLayout);
    // A field the entry lacked is added behind its last one; a section the
    // file lacked is added behind the one the writer puts in front of it.
    ExpectMerge({"[File]\n  Revision = 1.0;\n[Device]\n  VendCode = 651;",
                 "[File]\r\n\tRevision = 1.0;\r\n[Device]\r\n\tVendCode = 651;\r\n",
                 "[File]\r\n\tRevision = 1.0;\r\n[Device]\r\n\tVendCode = 651, 3;\r\n"
                 "[IO_Info]\r\n\tDefault = 0x0001;\r\n",
                 "[File]\n  Revision = 1.0;\n[Device]\n  VendCode = 651,3;\n\n[IO_Info]\n"
                 "\tDefault = 0x0001;",
                 4},
                kDeviceNetLayout);
}

TEST(KeptLayout, RenumberedEntriesAreFoundByContent) {
    // Param2 is deleted: Param3 becomes Param2 and the assembly's reference
    // follows, each in its own field.
    ExpectMerge({"[Params]\nParam1=\"a\"; $ first\nParam2=\"b\";\nParam3=\"c\"; $ third\n"
                 "[Assembly]\nAssem1=\"in\",Param3; $ member\n",
                 "[Params]\r\nParam1=\"a\";\r\nParam2=\"b\";\r\nParam3=\"c\";\r\n"
                 "[Assembly]\r\nAssem1=\"in\",Param3;\r\n",
                 "[Params]\r\nParam1=\"a\";\r\nParam2=\"c\";\r\n"
                 "[Assembly]\r\nAssem1=\"in\",Param2;\r\n",
                 "[Params]\nParam1=\"a\"; $ first\nParam2=\"c\"; $ third\n"
                 "[Assembly]\nAssem1=\"in\",Param2; $ member\n",
                 3},
                kEtherNetIPLayout);
    // An inserted parameter goes behind the one in front of it.
    ExpectMerge({"[Params]\nParam1=\"a\";\nParam2=\"b\";\n\n$ end\n",
                 "[Params]\r\nParam1=\"a\";\r\nParam2=\"b\";\r\n",
                 "[Params]\r\nParam1=\"a\";\r\nParam2=\"n\";\r\nParam3=\"b\";\r\n",
                 "[Params]\nParam1=\"a\";\nParam2=\"n\";\nParam3=\"b\";\n\n$ end\n", 2},
                kEtherNetIPLayout);
}

TEST(ModificationStamp, TheFileKeepsItsOwnForm) {
    const StampTime time{2026, 3, 7, 16, 5, 9};
    EXPECT_EQ(DateLike("03-17-2023", time), "03-07-2026");
    EXPECT_EQ(DateLike("07-Feb-2016", time), "07-Mar-2026");
    EXPECT_EQ(DateLike("2023/12/31", time), "2026/03/07");
    EXPECT_EQ(DateLike("31.12.23", time), "07.03.26");
    EXPECT_EQ(DateLike("soon", time), "03-07-2026");
    EXPECT_EQ(TimeLike("04:23PM", time, true), "04:05PM");
    EXPECT_EQ(TimeLike("6:39 am", time, true), "4:05 pm");
    EXPECT_EQ(TimeLike("13:51", time, true), "16:05");
    EXPECT_EQ(TimeLike("00:00:00", time, false), "16:05:09");
    EXPECT_EQ(TimeLike("noon", time, true), "04:05PM");
}

} // namespace
} // namespace corvid
