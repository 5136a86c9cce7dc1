// The Insert parameter dialog's form: what it opens with for a parameter,
// and the parameter its fields give at Ok, checked as the cells check them.

#include "editing/ParamForm.h"

#include "TestFiles.h"
#include "door/EDSDocKinds.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <iostream>

namespace corvid {
namespace {

CEDSParam Source() {
    CEDSParam param;
    param.PathSize = 6;
    param.LinkPath = "\"20 93 24 01 30 01\"";
    param.Descriptor = 0x02;
    param.DataType = 0xC3; // INT: the minimum is negative
    param.DataSize = 2;
    param.ParameterName = "\"Speed\"";
    param.UnitsStr = "\"rpm\"";
    param.HelpStr = "\"\"";
    param.Minimum = "-1500";
    param.Maximum = "1500";
    param.Default = "0";
    param.Multiplier = 2;
    param.Divider = 10;
    param.Base = 1;
    param.Offset = -10;
    param.MultiplierLink = "3";
    param.Precision = 3;
    param.Group = 2;
    param.EnumStrings = std::vector<std::string>{"\"Off\"", "\"On\""};
    param.Number = 7;
    return param;
}

TEST(ParamForm, AParameterOpenedAndTakenBackIsUnchanged) {
    const CEDSParam source = Source();
    const ParamForm form = FormOfParam(source, 2);
    EXPECT_EQ(form.DataTypeName, "INT");
    EXPECT_EQ(form.EnumText, "\"Off\",\r\n\"On\";");

    CEDSParam built;
    ASSERT_EQ(ParamFromForm(form, built).Status, CommitStatus::Stored);
    CEDSParam expected = source;
    expected.Number = 0; // the insertion numbers it
    EXPECT_EQ(built, expected);
}

TEST(ParamForm, OpeningKeepsOnlyWhatTheFormCanShow) {
    CEDSParam source = Source();
    source.Descriptor = 0x82; // bit 7 has no box
    source.Precision.reset();
    source.Group = 5; // names no group of two
    source.EnumStrings.reset();
    const ParamForm form = FormOfParam(source, 2);
    EXPECT_EQ(form.Descriptor, 0x02);
    EXPECT_EQ(form.Precision, "");
    EXPECT_EQ(form.Group, 0u);
    EXPECT_EQ(form.EnumText, "");
}

TEST(ParamForm, AnEmptyFormGivesQuotedEmptyTextsAndNoSelectionLeavesTheSizeEmpty) {
    ParamForm form;
    form.DataTypeName = "UINT";
    form.DataTypeList = 2; // the legacy list
    form.Minimum = "  0 ";
    form.ParameterName = " Speed";
    CEDSParam built;
    ASSERT_EQ(ParamFromForm(form, built).Status, CommitStatus::Stored);
    EXPECT_EQ(built.ParameterName, "\"Speed\"");
    EXPECT_EQ(built.HelpStr, "\"\"");
    EXPECT_EQ(built.LinkPath, "\"\"");
    EXPECT_EQ(built.Minimum, "0");
    EXPECT_FALSE(built.PathSize);
    EXPECT_EQ(built.DataSize, 2); // the size of UINT, selected or not
    EXPECT_EQ(built.DataType, 2); // UINT of the list it was chosen from
    EXPECT_FALSE(built.EnumStrings);
}

// At Ok, unlike in the cells, values out of order are refused too.
TEST(ParamForm, FieldsTheCellsWouldRefuseAreRefusedByName) {
    struct Refusal {
        std::string ParamForm::*field;
        const char* text;
        const char* named;
    };
    const Refusal refusals[] = {{&ParamForm::Minimum, "0,5", "Insert parameter Min:"},
                                {&ParamForm::Default, "1;2", "Default"},
                                {&ParamForm::Multiplier, "70000", "Mult:"},
                                {&ParamForm::Offset, "-32769", "Offset:"},
                                {&ParamForm::Precision, "256", "Precision"},
                                {&ParamForm::HelpStr, "say \"hi\" twice", "Help"},
                                {&ParamForm::Minimum, "2000", "Minimum 2000 is above Maximum 1500"},
                                {&ParamForm::DataTypeName, "USINT", "does not fit USINT"},
                                {&ParamForm::Offset, "-32768", nullptr}};
    for (const Refusal& refusal : refusals) {
        ParamForm form = FormOfParam(Source(), 2);
        form.*refusal.field = refusal.text;
        CEDSParam built;
        const CommitResult result = ParamFromForm(form, built);
        if (refusal.named == nullptr) {
            EXPECT_EQ(result.Status, CommitStatus::Stored) << refusal.text;
            continue;
        }
        EXPECT_EQ(result.Status, CommitStatus::Refused) << refusal.text;
        EXPECT_NE(result.Message.find(refusal.named), std::string::npos) << result.Message;
    }
}

// What the form cannot show: bit 7 and up of the descriptor, a group that
// has no name, the number; and a quoted field left empty, which the form
// writes as "".
CEDSParam AsTheFormKeepsIt(CEDSParam param, size_t groupCount) {
    param.Descriptor &= 0x7F;
    if (param.Group > groupCount)
        param.Group = 0;
    param.Reserved = 0;
    param.Number = 0;
    for (std::string* quoted :
         {&param.LinkPath, &param.ParameterName, &param.UnitsStr, &param.HelpStr})
        if (quoted->empty())
            *quoted = "\"\"";
    return param;
}

// Ok on a form opened from a parameter of a real file gives that parameter
// back: a copied parameter can always be inserted again unchanged.
template <typename Model>
void ExpectEveryParamSurvivesTheForm(const char* folderName, int& params) {
    const auto folder = test::CorpusFolder(folderName);
    if (folder.empty())
        return;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        SCOPED_TRACE(entry.path().filename().string());
        Model model;
        EDSDocKind<Model>::LoadText(model, test::ReadFile(entry.path()), entry.path().string());
        for (const CEDSParam& param : model.Params) {
            CEDSParam built;
            const CommitResult result =
                ParamFromForm(FormOfParam(param, model.GroupCount()), built);
            ASSERT_EQ(result.Status, CommitStatus::Stored) << result.Message;
            EXPECT_EQ(built, AsTheFormKeepsIt(param, model.GroupCount()))
                << "Param" << param.Number;
            ++params;
        }
    }
}

TEST(ParamForm, EveryParameterOfTheCorpusSurvivesTheForm) {
    int params = 0;
    ExpectEveryParamSurvivesTheForm<CDeviceNetEDS>("devicenet", params);
    ExpectEveryParamSurvivesTheForm<CEtherNetIPEDS>("ethernetip", params);
    if (params == 0)
        GTEST_SKIP() << "no corpus at " << CORVID_CORPUS_DIR << ": skipped";
    std::cout << params << " parameters of the corpus went through the form\n";
}

} // namespace
} // namespace corvid
