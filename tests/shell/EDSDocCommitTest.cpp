// The door to each file: ids that outlive other files, Visit, and Commit
// with its modified mark and listeners.

#include "door/EDSDoc.h"

#include "ScriptedUserInterface.h"

#include <gtest/gtest.h>

namespace corvid {
namespace {

using test::ScriptedUserInterface;

class EDSDocCommitTest : public testing::Test {
protected:
    EDSDocCommitTest() {
        doc.AddChangeListener([this](EDSFileId id, const EDSChange& change) {
            told.emplace_back(id, change.index());
        });
    }

    EDSFileId AddCANopen(const std::string& title) {
        auto model = std::make_unique<CCANopenEDS>();
        model->Header.Title = title;
        return doc.AddFile(std::move(model));
    }
    EDSFileId AddEtherNetIP(int params) {
        auto model = std::make_unique<CEtherNetIPEDS>();
        for (int number = 1; number <= params; ++number) {
            CEDSParam& param = model->Params.emplace_back();
            param.ParameterName = "\"P" + std::to_string(number) + "\"";
            param.Number = static_cast<uint32_t>(number);
        }
        return doc.AddFile(std::move(model));
    }
    std::string TitleOf(EDSFileId id) const {
        std::string title;
        doc.Visit(id, [&](const auto& model) { title = model.Header.Title; });
        return title;
    }
    uint32_t VendorNumberOf(EDSFileId id) const {
        uint32_t vendor = 0;
        doc.Visit(id, [&]<typename Model>(const Model& model) {
            if constexpr (std::is_same_v<Model, CCANopenEDS>)
                vendor = model.DeviceInfo.VendorNumber;
        });
        return vendor;
    }
    static CellChange Vendor(std::string text) {
        return {"DeviceInfo", "VendorNumber", 1, std::move(text), std::nullopt};
    }

    ScriptedUserInterface ui;
    CEDSDoc doc{ui};
    std::vector<std::pair<EDSFileId, size_t>> told; // file, change's alternative
};

TEST_F(EDSDocCommitTest, IdsNameTheSameFileWhateverLeavesAndAreNeverReused) {
    const EDSFileId a = AddCANopen("a");
    const EDSFileId b = AddCANopen("b");
    const EDSFileId net = AddEtherNetIP(0);
    EXPECT_EQ(doc.IdAt({EDSKind::CANopen, 1}), b);
    EXPECT_EQ(doc.Find(net), (EDSFileRef{EDSKind::EtherNetIP, 0}));

    ASSERT_TRUE(doc.RemoveFile(EDSKind::CANopen, 0));
    EXPECT_EQ(doc.Find(b), (EDSFileRef{EDSKind::CANopen, 0})) << "the tree's place moved up";
    EXPECT_EQ(TitleOf(b), "b");
    EXPECT_FALSE(doc.Find(a));
    EXPECT_FALSE(doc.Visit(a, [](const auto&) { FAIL() << "a removed file has no model"; }));
    EXPECT_EQ(doc.Commit(a, Vendor("1")).Status, CommitStatus::NotEditable);

    const EDSFileId c = AddCANopen("c");
    EXPECT_NE(c, a);
    EXPECT_EQ(TitleOf(c), "c");
    EXPECT_FALSE(doc.IdAt({EDSKind::CANopen, 2}));
    EXPECT_FALSE(doc.IdAt({EDSKind::Unknown, 0}));
    EXPECT_TRUE(told.empty());
}

TEST_F(EDSDocCommitTest, StoredChangeMarksOnlyItsFileAndIsToldToListenersInOrder) {
    const EDSFileId a = AddCANopen("a");
    const EDSFileId b = AddCANopen("b");
    std::vector<std::string> order;
    const size_t first =
        doc.AddChangeListener([&](EDSFileId, const EDSChange&) { order.push_back("first"); });
    // What was asked, seen in the model: listeners are told after the change.
    std::vector<std::pair<std::string, uint32_t>> seen;
    doc.AddChangeListener([&](EDSFileId id, const EDSChange& change) {
        order.push_back("second");
        seen.emplace_back(std::get<CellChange>(change).Text, VendorNumberOf(id));
    });

    EXPECT_TRUE(doc.Commit(b, Vendor("0x1234")).Stored());
    EXPECT_EQ(VendorNumberOf(b), 0x1234u);
    EXPECT_TRUE(doc.IsModified(b));
    EXPECT_FALSE(doc.IsModified(a));
    EXPECT_EQ(order, (std::vector<std::string>{"first", "second"}));
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0].first, b);

    doc.RemoveChangeListener(first);
    order.clear();
    doc.Commit(a, Vendor("7"));
    EXPECT_EQ(order, (std::vector<std::string>{"second"}));
    EXPECT_EQ(seen, (std::vector<std::pair<std::string, uint32_t>>{{"0x1234", 0x1234}, {"7", 7}}));
}

// A refused value, a question answered No and a change of another kind's
// rules leave the file as it was: unchanged, not modified, nobody told.
TEST_F(EDSDocCommitTest, AnythingButStoredChangesNothingAndTellsNoOne) {
    const EDSFileId a = AddCANopen("a");
    const EDSFileId net = AddEtherNetIP(2);

    const EDSCommitted refused = doc.Commit(a, Vendor("0x100000000"));
    EXPECT_EQ(refused.Status, CommitStatus::Refused);
    EXPECT_FALSE(refused.Message.empty());
    EXPECT_EQ(VendorNumberOf(a), 0u);

    EXPECT_EQ(doc.Commit(a, IOInfoChange{}).Status, CommitStatus::NotEditable);
    EXPECT_EQ(doc.Commit(net, CutObjectChange{{0x1000, std::nullopt}}).Status,
              CommitStatus::NotEditable);

    ui.answers = {MessageAnswer::No};
    EXPECT_EQ(doc.Commit(net, DeleteChange{"Params", "Param1"}).Status, CommitStatus::Declined);
    EXPECT_EQ(doc.Files<CEtherNetIPEDS>()[0]->Params.size(), 2u);

    EXPECT_FALSE(doc.IsModified(a));
    EXPECT_FALSE(doc.IsModified(net));
    EXPECT_TRUE(told.empty());
}

// Cut hands back what it took, so a clipboard (or an undo step) holds it;
// paste and insert name the place they put it.
TEST_F(EDSDocCommitTest, CutPasteAndInsertHandBackWhatTheyTookAndWhereTheyPlacedIt) {
    const EDSFileId net = AddEtherNetIP(3);

    const EDSCommitted cut = doc.Commit(net, CutParamChange{2});
    ASSERT_TRUE(cut.Stored());
    ASSERT_TRUE(cut.CutParam);
    EXPECT_EQ(cut.CutParam->ParameterName, "\"P3\"");

    const EDSCommitted pasted = doc.Commit(net, PasteParamChange{*cut.CutParam, 0});
    ASSERT_TRUE(pasted.Stored());
    EXPECT_EQ(pasted.PlacedParam, 0u);
    EXPECT_EQ(doc.Files<CEtherNetIPEDS>()[0]->Params[0].ParameterName, "\"P3\"");

    CEDSParam fresh;
    fresh.ParameterName = "\"New\"";
    const EDSCommitted inserted =
        doc.Commit(net, InsertParamChange{fresh, std::nullopt, InsertPlace::Back});
    ASSERT_TRUE(inserted.Stored());
    EXPECT_EQ(inserted.PlacedParam, 3u);

    const EDSFileId can = AddCANopen("c");
    CANopenObject object;
    object.Category = 3;
    object.ParameterName = "Extra";
    object.ObjectType = 7;
    const EDSCommitted placed = doc.Commit(can, ObjectRecordChange{object, "2000"});
    ASSERT_TRUE(placed.Stored()) << ui.Log();
    EXPECT_EQ(placed.PlacedObject, (ObjectKey{0x2000, std::nullopt}));
    const EDSCommitted cutObject = doc.Commit(can, CutObjectChange{{0x2000, std::nullopt}});
    ASSERT_TRUE(cutObject.CutObject);
    EXPECT_EQ(cutObject.CutObject->ParameterName, "Extra");

    EXPECT_EQ(told.size(), 5u);
}

} // namespace
} // namespace corvid
