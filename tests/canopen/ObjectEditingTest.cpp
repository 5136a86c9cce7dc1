#include "canopen/CANopenObjectEditing.h"

#include "ScriptedUserInterface.h"

#include <gtest/gtest.h>

namespace corvid {
namespace {

using test::ScriptedUserInterface;

CANopenObject NewObject(uint8_t category, const std::string& name) {
    CANopenObject record;
    record.Category = category;
    record.ParameterName = name;
    record.ObjectType = 7;
    record.DataType = 6;
    record.AccessType = "rw";
    return record;
}

CANopenObject NewSubIndex(uint8_t subIndex, const std::string& name) {
    CANopenObject record = NewObject(0, name);
    record.SubIndex = subIndex;
    return record;
}

const CANopenObject& ObjectAt(const CCANopenEDS& model, uint16_t index) {
    const FindResult where = FindObject(model.Objects, index);
    EXPECT_EQ(where.relation, FindRelation::Found);
    return model.Objects[*where.position];
}

std::vector<uint8_t> SubIndexes(const CANopenObject& object) {
    std::vector<uint8_t> keys;
    for (const CANopenObject& sub : object.SubObjects)
        keys.push_back(sub.SubIndex);
    return keys;
}

class ObjectEditingTest : public testing::Test {
protected:
    CCANopenEDS model;
    ScriptedUserInterface ui;

    std::optional<ObjectKey> Apply(CANopenObject record, const std::string& index) {
        return ApplyObjectRecord(model, std::move(record), index, ui);
    }
};

TEST_F(ObjectEditingTest, ParseObjectIndexText_RefusesWhatIsNoIndex) {
    EXPECT_EQ(ParseObjectIndexText("1000"), 0x1000);
    EXPECT_EQ(ParseObjectIndexText(" 1a00 "), 0x1A00);
    EXPECT_EQ(ParseObjectIndexText("FFFF"), 0xFFFF);
    for (const char* text : {"FFF", "", "0x1000", "12018", "10G0", "-1000"})
        EXPECT_FALSE(ParseObjectIndexText(text)) << text;
}

TEST_F(ObjectEditingTest, Insert_ExistingIndexAsksAndNoKeepsTheOldObject) {
    Apply(NewObject(kCategoryManufacturer, "old"), "2000");
    Apply(NewSubIndex(1, "s1"), "2000");
    ui.answers = {MessageAnswer::No};
    EXPECT_FALSE(Apply(NewObject(kCategoryManufacturer, "new"), "2000"));
    EXPECT_EQ(ui.questions.back().text,
              "Index [2000] has already existed! Do you want to replace it?");
    EXPECT_EQ(ObjectAt(model, 0x2000).ParameterName, "old");

    ui.answers = {MessageAnswer::Yes};
    EXPECT_EQ(Apply(NewObject(kCategoryManufacturer, "new"), "2000"), (ObjectKey{0x2000, {}}));
    EXPECT_EQ(ObjectAt(model, 0x2000).ParameterName, "new");
    EXPECT_TRUE(ObjectAt(model, 0x2000).SubObjects.empty());
}

TEST_F(ObjectEditingTest, SubIndexes_NumberOfEntriesFollowsTheHighest) {
    Apply(NewObject(kCategoryManufacturer, "obj"), "2000");
    EXPECT_EQ(Apply(NewSubIndex(1, "s1"), "2000"), (ObjectKey{0x2000, 1}));
    const CANopenObject& object = ObjectAt(model, 0x2000);
    EXPECT_EQ(SubIndexes(object), (std::vector<uint8_t>{0, 1}));
    EXPECT_EQ(object.SubNumber, 2);
    EXPECT_EQ(object.ObjectType, 9) << "a plain object that gains a sub-index becomes a RECORD";
    const CANopenObject& count = object.SubObjects[0];
    EXPECT_EQ(count.ParameterName, "Number of entries");
    EXPECT_EQ(count.DataType, 5);
    EXPECT_EQ(count.AccessType, "ro");
    EXPECT_EQ(count.DefaultValue, "0x1");

    Apply(NewSubIndex(3, "s3"), "2000");
    EXPECT_EQ(object.SubNumber, 3);
    EXPECT_EQ(object.SubObjects[0].DefaultValue, "0x3");
    Apply(NewSubIndex(2, "s2"), "2000");
    EXPECT_EQ(SubIndexes(object), (std::vector<uint8_t>{0, 1, 2, 3}));
    EXPECT_EQ(object.SubNumber, 4);
    EXPECT_EQ(object.SubObjects[0].DefaultValue, "0x3");

    EXPECT_TRUE(RemoveObjectRecord(model, {0x2000, 3}));
    EXPECT_EQ(object.SubNumber, 3);
    EXPECT_EQ(object.SubObjects[0].DefaultValue, "0x2");
}

TEST_F(ObjectEditingTest, SubIndexes_ArrayKeepsItsTypeAndSubIndexZeroKeepsItsForm) {
    CANopenObject array = NewObject(kCategoryManufacturer, "arr");
    array.ObjectType = 8;
    CANopenObject count = NewSubIndex(0, "Number of entries");
    count.DefaultValue = "2";
    array.SubObjects = {count, NewSubIndex(1, "a"), NewSubIndex(2, "b")};
    array.SubNumber = 3;
    Apply(array, "2100");
    ui.answers = {MessageAnswer::Yes};
    Apply(NewSubIndex(1, "replaced"), "2100");
    const CANopenObject& object = ObjectAt(model, 0x2100);
    EXPECT_EQ(object.ObjectType, 8);
    EXPECT_EQ(object.SubObjects[0].DefaultValue, "2") << "already right: left as written";
}

TEST_F(ObjectEditingTest, SubIndexes_NeverTouchTheFirstRecordWhenItIsNotSubIndexZero) {
    CANopenObject record = NewObject(kCategoryManufacturer, "no count");
    record.ObjectType = 9;
    record.SubObjects = {NewSubIndex(1, "first")};
    record.SubObjects.front().DefaultValue = "100";
    record.SubNumber = 1;
    Apply(record, "2200");
    Apply(NewSubIndex(5, "fifth"), "2200");
    const CANopenObject& object = ObjectAt(model, 0x2200);
    EXPECT_EQ(object.SubObjects[0].DefaultValue, "100");
    EXPECT_EQ(object.SubNumber, 2);
}

TEST_F(ObjectEditingTest, SubIndexes_ExistingOneAsksBeforeReplacing) {
    Apply(NewObject(kCategoryManufacturer, "obj"), "2000");
    Apply(NewSubIndex(1, "old"), "2000");
    ui.answers = {MessageAnswer::No, MessageAnswer::Yes};
    EXPECT_FALSE(Apply(NewSubIndex(1, "new"), "2000"));
    EXPECT_EQ(ui.questions[0].text,
              "Subindex [2000sub1] has already existed! Do you want to replace it?");
    EXPECT_EQ(ObjectAt(model, 0x2000).SubObjects[1].ParameterName, "old");
    EXPECT_TRUE(Apply(NewSubIndex(1, "new"), "2000"));
    EXPECT_EQ(ObjectAt(model, 0x2000).SubObjects[1].ParameterName, "new");
    EXPECT_EQ(ObjectAt(model, 0x2000).SubNumber, 2);
}

TEST_F(ObjectEditingTest, PastedSubIndexZeroAloneNamesItself) {
    Apply(NewObject(kCategoryManufacturer, "obj"), "2000");
    Apply(NewSubIndex(0, "Number of entries"), "2000");
    const CANopenObject& object = ObjectAt(model, 0x2000);
    EXPECT_EQ(SubIndexes(object), (std::vector<uint8_t>{0}));
    EXPECT_EQ(object.SubNumber, 1);
    EXPECT_EQ(object.SubObjects[0].DefaultValue, "0x0");
}

TEST_F(ObjectEditingTest, Remove_SubIndexZeroOnlyWhenItIsTheLast) {
    Apply(NewObject(kCategoryManufacturer, "obj"), "2000");
    Apply(NewSubIndex(1, "s1"), "2000");
    EXPECT_FALSE(CanRemoveObjectRecord(model, {0x2000, 0}));
    EXPECT_FALSE(RemoveObjectRecord(model, {0x2000, 0}));
    EXPECT_TRUE(RemoveObjectRecord(model, {0x2000, 1}));
    EXPECT_TRUE(CanRemoveObjectRecord(model, {0x2000, 0}));
    const std::optional<CANopenObject> cut = RemoveObjectRecord(model, {0x2000, 0});
    ASSERT_TRUE(cut);
    EXPECT_EQ(cut->ParameterName, "Number of entries");
    const CANopenObject& object = ObjectAt(model, 0x2000);
    EXPECT_EQ(object.SubNumber, 0);
    EXPECT_TRUE(object.SubObjects.empty());
    EXPECT_FALSE(CanRemoveObjectRecord(model, {0x2000, 7}));
    EXPECT_FALSE(CanRemoveObjectRecord(model, {0x3000, {}}));
}

TEST_F(ObjectEditingTest, Delete_AsksAndNoKeepsTheObject) {
    Apply(NewObject(kCategoryManufacturer, "obj"), "2000");
    ui.answers = {MessageAnswer::No, MessageAnswer::Yes};
    EXPECT_FALSE(DeleteObjectRecord(model, {0x2000, {}}, ui));
    EXPECT_EQ(ui.questions[0].text, "Do you want to delete this object?\r\n0x2000 obj");
    EXPECT_EQ(model.Objects.size(), 1u);
    EXPECT_TRUE(DeleteObjectRecord(model, {0x2000, {}}, ui));
    EXPECT_TRUE(model.Objects.empty());
}

TEST_F(ObjectEditingTest, Paste_IntoAnotherIndexMovesEverySubIndexButNotTheClipboard) {
    Apply(NewObject(kCategoryManufacturer, "obj"), "2000");
    Apply(NewSubIndex(1, "s1"), "2000");
    Apply(NewSubIndex(2, "s2"), "2000");
    const CANopenObject clipboard = *RemoveObjectRecord(model, {0x2000, {}});
    EXPECT_EQ(Apply(clipboard, "2010"), (ObjectKey{0x2010, {}}));
    EXPECT_EQ(clipboard.Index, 0x2000);
    const CANopenObject& pasted = ObjectAt(model, 0x2010);
    for (const CANopenObject& sub : pasted.SubObjects)
        EXPECT_EQ(sub.Index, 0x2010);
    EXPECT_EQ(SubIndexes(pasted), (std::vector<uint8_t>{0, 1, 2}));
    EXPECT_EQ(model.Objects.size(), 1u);
}

// A new or pasted object goes to the list of its index range, saying so
// when that is not the list the dialog named.
TEST_F(ObjectEditingTest, Insert_TakesTheCategoryOfItsIndex) {
    EXPECT_TRUE(Apply(NewObject(kCategoryMandatory, "x"), "2002"));
    EXPECT_EQ(ObjectAt(model, 0x2002).Category, kCategoryManufacturer);
    EXPECT_EQ(ui.Log(), "Object [2002] belongs in ManufacturerObjects, and is placed there.\r\n");
    ui.messages.clear();
    EXPECT_TRUE(Apply(NewObject(kCategoryOptional, "y"), "1017"));
    EXPECT_EQ(ObjectAt(model, 0x1017).Category, kCategoryOptional);
    EXPECT_EQ(ui.Log(), "");
}

// The dialog stays open, with the model unchanged, on an index that is
// none, a sub-index of a missing object, values the data type cannot hold
// or limits out of order, for the object and the sub-indexes a paste brings.
TEST_F(ObjectEditingTest, Insert_RefusesWhatCannotBePlaced) {
    CANopenObject crossed = NewObject(kCategoryManufacturer, "x");
    crossed.DefaultValue = "500";
    crossed.HighLimit = "100";
    CANopenObject pasted = NewObject(kCategoryManufacturer, "record");
    pasted.ObjectType = 9;
    pasted.SubObjects.push_back(NewSubIndex(1, "wide"));
    pasted.SubObjects.back().DefaultValue = "70000";
    pasted.SubNumber = 1;
    const struct {
        CANopenObject record;
        const char* index;
        const char* message;
    } cases[] = {
        {NewObject(kCategoryManufacturer, "x"), "FFF", "Invalid Index!"},
        {NewSubIndex(1, "s1"), "2100", "Object [2100] does not exist, you can not add subindex!"},
        {crossed, "2000", "Default Value 500 is above High Limit 100."},
        {pasted, "2001", "Default Value 70000 does not fit UNSIGNED16 (0 to 65535)."},
    };
    for (const auto& c : cases) {
        ui.questions.clear();
        ui.answers = {MessageAnswer::Ok};
        EXPECT_FALSE(Apply(c.record, c.index)) << c.message;
        ASSERT_EQ(ui.questions.size(), 1U);
        EXPECT_EQ(ui.questions[0].text, c.message);
        if (c.index == std::string("FFF")) {
            EXPECT_EQ(ui.questions[0].icon, MessageIcon::Error);
        }
        EXPECT_TRUE(model.Objects.empty());
    }
}

} // namespace
} // namespace corvid
