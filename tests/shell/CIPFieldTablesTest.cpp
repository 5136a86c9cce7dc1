// Every keyword of every DeviceNet and EtherNet/IP section table, through
// the whole way a value takes: read from its line, written in its form,
// shown on its page and committed by its kind.

#include "PageText.h"
#include "devicenet/DeviceNetFields.h"
#include "devicenet/EDSParamFields.h"
#include "door/EDSDocKinds.h"
#include "editing/CellCommit.h"
#include "ethernetip/EtherNetIPFields.h"

#include <gtest/gtest.h>

namespace corvid {
namespace {

// What a file gives each kind of field, and the form it is written in.
struct Sample {
    std::string Read;
    std::string Written;
};
Sample SampleFor(const FieldTraits& traits) {
    if (traits.Kind == ValueKind::Quoted)
        return {"\" Q; x \"", "\" Q x \""};
    if (traits.Kind == ValueKind::Text)
        return {"A 1", "A1"};
    if (traits.Form == WriteForm::Hex)
        return {"0x1F", "0x001F"};
    return {"0x1F", "31"};
}

template <typename Model, typename Record, size_t N>
void CheckFields(std::string_view section, const FieldTable<Record, N>& table) {
    for (const FieldEntry<Record>& item : table) {
        SCOPED_TRACE(std::string(section) + " " + std::string(item.Keyword));
        const Sample sample = SampleFor(item.Traits);
        Model model;
        EDSDocKind<Model>::LoadText(model,
                                    "[" + std::string(section) + "]\n\t" +
                                        std::string(item.Keyword) + " = " + sample.Read + ";\n",
                                    "t.eds");
        const std::string written = EDSDocKind<Model>::Format(model);
        // The DLR ring line has always had a blank in front of its "=".
        const std::string equals = item.Keyword == "Ring_Supervisor_Capable" ? " =" : "=";
        EXPECT_NE(
            written.find("\t" + std::string(item.Keyword) + equals + sample.Written + ";\r\n"),
            std::string::npos);
        const Page page = BuildPage(model, section);
        const PageRow* row = test::FindRow(page, item.Keyword);
        ASSERT_NE(row, nullptr);
        EXPECT_EQ(row->Cells[1].Text, sample.Written);

        const auto commit = [&](std::string_view text, size_t column = 1) {
            return CommitCell(model, CellEdit{section, item.Keyword, column, text}).Status;
        };
        EXPECT_EQ(commit("7", 2), CommitStatus::NotEditable);
        if (item.Traits.Editor == FieldEditor::ReadOnly) {
            EXPECT_EQ(row->Cells[1].Editor, CellEditor::ReadOnly);
            EXPECT_EQ(commit("7"), CommitStatus::NotEditable);
            continue;
        }
        EXPECT_EQ(row->Cells[1].Editor, item.Traits.Editor == FieldEditor::DecimalList
                                            ? CellEditor::DropDown
                                            : CellEditor::Text);
        const auto shown = [&] {
            return test::FindRow(BuildPage(model, section), item.Keyword)->Cells[1].Text;
        };
        if (item.Traits.Kind == ValueKind::Number) {
            EXPECT_EQ(commit(item.Traits.Width == 1 ? "256" : "65536"), CommitStatus::Refused);
            EXPECT_EQ(commit("x"), CommitStatus::Refused);
            EXPECT_EQ(commit(" 0x10 "), CommitStatus::Stored);
            EXPECT_EQ(shown(), FormatFieldNumber(16, item.Traits));
        } else if (item.Traits.Kind == ValueKind::Quoted) {
            // A quote inside would end the text early on the next read.
            EXPECT_EQ(commit("a\"b"), CommitStatus::Refused);
            EXPECT_EQ(commit(" new "), CommitStatus::Stored);
            EXPECT_EQ(shown(), "\"new\"");
            // Quotes already typed are not doubled; one alone is completed.
            const std::pair<const char*, const char*> quoting[] = {
                {"\"Maker\"", "\"Maker\""}, {"", "\"\""}, {"\"half", "\"half\""}, {"\"", "\"\""}};
            for (const auto& [typed, held] : quoting) {
                EXPECT_EQ(commit(typed), CommitStatus::Stored) << typed;
                EXPECT_EQ(shown(), held) << typed;
            }
        } else {
            // Each would split or cut the line on the next read.
            for (const char* broken : {"1,2", "a;b", "a$b", "\"a;b\""})
                EXPECT_EQ(commit(broken), CommitStatus::Refused) << broken;
            EXPECT_EQ(commit(" v2 "), CommitStatus::Stored);
            EXPECT_EQ(shown(), "v2");
        }
    }
}

TEST(CIPFieldTables, EveryKeywordReadWrittenShownAndCommitted) {
    CheckFields<CDeviceNetEDS>("File", kFileFields);
    CheckFields<CDeviceNetEDS>("Device", kDeviceFields);
    CheckFields<CDeviceNetEDS>("ParamClass", kParamClassFields);
    CheckFields<CEtherNetIPEDS>("File", kFileFields);
    CheckFields<CEtherNetIPEDS>("File", kEtherNetIPFileFields);
    CheckFields<CEtherNetIPEDS>("Device", kDeviceFields);
    CheckFields<CEtherNetIPEDS>("Device", kEtherNetIPDeviceFields);
    for (const PlainClassSection& plain : kPlainClassSections)
        CheckFields<CEtherNetIPEDS>(plain.Section, kObjectClassFields);
    for (const char* section : {"DLR Class", "Ethernet Link Class", "Connection Manager"})
        CheckFields<CEtherNetIPEDS>(section, kObjectClassFields);
    CheckFields<CEtherNetIPEDS>("DLR Class", kDLRClassFields);
    CheckFields<CEtherNetIPEDS>("Ethernet Link Class", kEthernetLinkClassFields);
    CheckFields<CEtherNetIPEDS>("Assembly", kAssemblyFields);
    CheckFields<CEtherNetIPEDS>("Modular", kModularFields);
    CheckFields<CEtherNetIPEDS>("Capacity", kCapacityFields);
}

// Every field of a ParamN entry: read from its place, written back in the
// same place, shown in its column and committed by its kind. A sample that
// differs from every other field's value catches a field read, written or
// shown in another's place.
TEST(CIPFieldTables, EveryParamFieldReadWrittenShownAndCommitted) {
    for (size_t i = 0; i < kParamFields.size(); ++i) {
        const ParamField& field = kParamFields[i];
        SCOPED_TRACE(std::string(field.Name));
        const bool text = std::holds_alternative<std::string CEDSParam::*>(field.Member);
        const bool negative = field.Traits.Signed;
        const std::string sample = text       ? "\"s, " + std::to_string(i) + "\""
                                   : negative ? "-0x1" + std::to_string(i % 10)
                                              : "0x1" + std::to_string(i % 10);
        std::string entry = "Param4=";
        for (size_t f = 0; f < kParamFields.size(); ++f)
            entry += (f == i ? sample : "") + (f + 1 < kParamFields.size() ? "," : ";");
        CDeviceNetEDS model;
        EDSDocKind<CDeviceNetEDS>::LoadText(model, "[Params]\n" + entry + "\n", "t.eds");
        ASSERT_EQ(model.ParamCount(), 1u);
        const std::string value = ParamFieldText(model.ParamAt(0), field);
        const bool asWritten = text || field.Traits.Form == WriteForm::Hex;
        const int number = (negative ? -1 : 1) * static_cast<int>(16 + i % 10);
        EXPECT_EQ(value, asWritten ? sample : std::to_string(number));
        for (size_t f = 0; f < kParamFields.size(); ++f)
            if (f != i && ParamFieldText(model.ParamAt(0), kParamFields[f]) == value)
                ADD_FAILURE() << "also in " << kParamFields[f].Name;

        CDeviceNetEDS again;
        EDSDocKind<CDeviceNetEDS>::LoadText(again, EDSDocKind<CDeviceNetEDS>::Format(model), "t");
        ASSERT_EQ(again.ParamCount(), 1u);
        EXPECT_EQ(again.ParamAt(0), model.ParamAt(0));

        if (field.Traits.Column == 0)
            continue;
        const Page page = BuildPage(model, "Params");
        const PageCell& cell = page.Rows.at(0).Cells.at(field.Traits.Column);
        if (field.Rule != ParamRule::DataType) {
            EXPECT_EQ(cell.Text, value);
        }
        const auto commit = [&](std::string_view typed) {
            return CommitCell(model, CellEdit{"Params", "Param4", field.Traits.Column, typed})
                .Status;
        };
        // Each would split or cut the entry on the next read.
        if (text && field.Traits.Kind != ValueKind::Quoted && field.Rule != ParamRule::Value) {
            for (const char* broken : {"1,2", "a;b", "a$b"})
                EXPECT_EQ(commit(broken), CommitStatus::Refused) << broken;
        }
        if (!text && field.Rule == ParamRule::Plain) {
            EXPECT_EQ(commit("x"), CommitStatus::Refused);
            EXPECT_EQ(commit("70000"), CommitStatus::Refused);
            EXPECT_EQ(commit(" 0x10 "), CommitStatus::Stored);
            EXPECT_EQ(ParamFieldText(model.ParamAt(0), field), "16");
        }
    }
}

// Every field of an InputN entry: read from its place, written back in the
// same place, shown in its row and committed by its kind.
TEST(CIPFieldTables, EveryIOEntryFieldReadWrittenShownAndCommitted) {
    for (size_t i = 0; i < kIOEntryFields.size(); ++i) {
        const FieldEntry<IOEntry>& item = kIOEntryFields[i];
        SCOPED_TRACE(std::string(item.Keyword));
        const bool text = item.Traits.Kind == ValueKind::Quoted;
        const std::string sample =
            text ? "\"s, " + std::to_string(i) + "\"" : "0x1" + std::to_string(i);
        std::string entry = "Input3=";
        for (size_t f = 0; f < kIOEntryFields.size(); ++f)
            entry += (f == i ? sample : "") + (f + 1 < kIOEntryFields.size() ? "," : ";");
        CDeviceNetEDS model;
        EDSDocKind<CDeviceNetEDS>::LoadText(model, "[IO_Info]\n" + entry + "\n", "t.eds");
        ASSERT_EQ(model.IOInfoSection.Inputs.size(), 1u);
        const IOEntry& read = model.IOInfoSection.Inputs[0];
        const std::string value = FieldText(read, item);
        EXPECT_EQ(value, text ? sample : FormatFieldNumber(16 + i, item.Traits));
        for (size_t f = 0; f < kIOEntryFields.size(); ++f)
            if (f != i && FieldText(read, kIOEntryFields[f]) == value)
                ADD_FAILURE() << "also in " << kIOEntryFields[f].Keyword;

        CDeviceNetEDS again;
        EDSDocKind<CDeviceNetEDS>::LoadText(again, EDSDocKind<CDeviceNetEDS>::Format(model), "t");
        EXPECT_EQ(again.IOInfoSection.Inputs, model.IOInfoSection.Inputs);

        const auto shown = [&] {
            const Page page = BuildPage(model, "IO_Info", PageState{{"Input3"}});
            const PageRow* head = test::FindRow(page, "Input3");
            EXPECT_NE(head, nullptr);
            return head == nullptr ? std::string() : head[1 + i].Cells[1].Text;
        };
        EXPECT_EQ(shown(), value);
        const auto commit = [&](std::string_view typed) {
            return CommitCell(model, CellEdit{"IO_Info", "Input3", 1, typed, i + 1}).Status;
        };
        if (text) {
            EXPECT_EQ(commit("a\"b"), CommitStatus::Refused);
            EXPECT_EQ(commit(" new "), CommitStatus::Stored);
            EXPECT_EQ(shown(), "\"new\"");
        } else {
            EXPECT_EQ(commit("70000"), CommitStatus::Refused);
            EXPECT_EQ(commit(" 0x0F "), CommitStatus::Stored);
            // The connection-bits popup keeps the bits it does not show.
            const bool popup = item.Traits.Editor == FieldEditor::Popup;
            EXPECT_EQ(shown(), FormatFieldNumber(popup ? ((16 + i) | 0x0F) : 15, item.Traits));
        }
    }
}

// A keyword of one section is no keyword of another.
TEST(CIPFieldTables, KeywordsOfOtherSectionsAreNotEdited) {
    CDeviceNetEDS devicenet;
    for (const auto& [section, key] : {std::pair{"File", "HomeURL"}, std::pair{"Device", "Icon"},
                                       std::pair{"Device", "DescText"}})
        EXPECT_EQ(CommitCell(devicenet, CellEdit{section, key, 1, "x"}).Status,
                  CommitStatus::NotEditable)
            << key;
    CEtherNetIPEDS ethernetip;
    EXPECT_EQ(
        CommitCell(ethernetip, CellEdit{"QoS Class", "Ring_Supervisor_Capable", 1, "0"}).Status,
        CommitStatus::NotEditable);
    EXPECT_EQ(CommitCell(ethernetip, CellEdit{"Capacity", "MaxInst", 1, "0"}).Status,
              CommitStatus::NotEditable);
}

} // namespace
} // namespace corvid
