// The catalogue folders, loading a model from them, the remembered serial
// settings, and the catalogue files read without a drive.

#include "generate/Catalogue.h"
#include "generate/CanopenGeneration.h"
#include "generate/ComportSettings.h"
#include "generate/DevicenetGeneration.h"
#include "generate/GenerationClock.h"
#include "generate/NewFileFlows.h"

#include "ProgramHome.h"
#include "ScriptedUserInterface.h"

#include <gtest/gtest.h>

namespace corvid {
namespace {

using test::ScriptedUserInterface;

TEST(ReadCatalogue, ListsModesAndModelsInNameOrder) {
    test::ProgramHome home;
    home.Write("CANopen/M2/conf.ini", "[Drive]\nNeedCom=1\n[Zero]\nNeedCom=0\n");
    home.Write("CANopen/M2/Drive/conf.ini", "");
    home.Write("CANopen/M2/Drive/ignored.dat", "");
    // No section, and a section without NeedCom: catalogue mode both.
    home.Write("CANopen/M2/Plain/b.dat", "");
    home.Write("CANopen/M2/Plain/A.DAT", "");
    home.Write("CANopen/M2/Plain/notes.txt", "");
    home.Write("CANopen/M2/Zero/x.dat", "");
    std::filesystem::create_directories(home.path() / "CANopen/M1/Empty");

    const std::vector<CatalogueEntry> entries = ReadCatalogue(EDSKind::CANopen);
    std::vector<std::string> seen;
    for (const CatalogueEntry& e : entries)
        seen.push_back(e.module + "/" + e.device);
    EXPECT_EQ(seen, (std::vector<std::string>{"CN-100/Servo-S", "CN-100/VFD-B", "CN-100/VFD-C",
                                              "CN-100/VFD-E", "M1/Empty", "M2/Drive", "M2/Plain",
                                              "M2/Zero"}));
    EXPECT_FALSE(entries[4].driveMode);
    EXPECT_TRUE(entries[5].driveMode);
    EXPECT_TRUE(entries[5].models.empty());
    EXPECT_FALSE(entries[6].driveMode);
    EXPECT_EQ(entries[6].models, (std::vector<std::string>{"A", "b"}));
    EXPECT_EQ(entries[7].models, std::vector<std::string>{"x"});

    // All three fieldbuses, in fieldbus order.
    const std::vector<CatalogueEntry> all = ReadCatalogue();
    ASSERT_FALSE(all.empty());
    EXPECT_EQ(all.front().kind, EDSKind::CANopen);
    EXPECT_EQ(all.back().kind, EDSKind::EtherNetIP);
    EXPECT_EQ(all.back().models, (std::vector<std::string>{"CE-075", "CE-150"}));
}

TEST(LoadFromCatalogue, LoadsEachFieldbusOnceAndRefusesMissingModels) {
    test::ProgramHome home;
    ScriptedUserInterface ui;
    CEDSDoc doc(ui);
    const CatalogueChoice canopen{EDSKind::CANopen, "CN-100", "Servo-S", "SV-400"};
    ASSERT_TRUE(LoadFromCatalogue(doc, ui, canopen));
    ASSERT_TRUE(LoadFromCatalogue(doc, ui, {EDSKind::DeviceNet, "DN-100", "Compact-D", "CD-150"}));
    ASSERT_TRUE(LoadFromCatalogue(doc, ui, {EDSKind::EtherNetIP, "EN-100", "Compact-E", "CE-075"}));
    const std::string path = home.File("CANopen/CN-100/Servo-S/SV-400.dat");
    const CCANopenEDS& servo = *doc.Files<CCANopenEDS>().at(0);
    EXPECT_EQ(servo.Header.PathName, path);
    EXPECT_EQ(servo.DeviceInfo.ProductName, "SV-400 Servo Drive");
    EXPECT_EQ(doc.Files<CDeviceNetEDS>().at(0)->DeviceSection.ProdName, "\"CD-150 AC Drive\"");
    EXPECT_EQ(doc.Files<CEtherNetIPEDS>().size(), 1u);
    EXPECT_EQ(ui.Log(), "Load File:  Reading data from " + path + "\r\n" +
                            "Load File:  Reading data from " +
                            home.File("DeviceNet/DN-100/Compact-D/CD-150.dat") + "\r\n" +
                            "Load File:  Reading data from " +
                            home.File("EtherNetIP/EN-100/Compact-E/CE-075.dat") + "\r\n");

    ui.messages.clear();
    EXPECT_FALSE(LoadFromCatalogue(doc, ui, canopen));
    EXPECT_EQ(ui.Log(), "Load File:  File " + path + " has already been loaded.\r\n");
    EXPECT_EQ(doc.Files<CCANopenEDS>().size(), 1u);

    // A model whose file went away adds nothing, where it used to add an
    // empty description and report success.
    ui.messages.clear();
    EXPECT_FALSE(LoadFromCatalogue(doc, ui, {EDSKind::CANopen, "CN-100", "Servo-S", "SV-999"}));
    EXPECT_EQ(ui.Log(), "Load File:  Cannot read " +
                            home.File("CANopen/CN-100/Servo-S/SV-999.dat") +
                            ": No such file or directory\r\n");
    EXPECT_EQ(doc.Files<CCANopenEDS>().size(), 1u);
}

TEST(ComportSettings, FallbacksForHandEditedValuesAndWhatIsWritten) {
    test::ProgramHome home;
    ScriptedUserInterface ui;
    home.Write("Configure.ini", "[Comport]\ncomName=3\nbaudRate=12345\nprotocol=8N1\n"
                                "address=300\ntestAdd=0x2111\ntestModbusID=7\n");
    const ComportSettings edited = ReadComportSettings(ui);
    EXPECT_EQ(edited.comName, 3);
    EXPECT_EQ(edited.baudRate, "9600");
    EXPECT_EQ(edited.protocol, "8 N 2 RTU");
    EXPECT_EQ(edited.address, 255);
    EXPECT_EQ(ui.Log(),
              "Load File:  Configure.ini: bit rate \"12345\" is not one of the list; using "
              "9600.\r\n"
              "Load File:  Configure.ini: framing \"8N1\" is not one of the list; using 8 N 2 "
              "RTU.\r\n"
              "Load File:  Configure.ini: address \"300\" is not 0 to 255; using 255.\r\n");
    EXPECT_EQ(TestRegister(), 0x2111);
    EXPECT_EQ(TestModbusAddress(), 7);

    std::string error;
    ASSERT_TRUE(WriteComportSettings({2, "19200", "7 E 1 ASCII", 255}, true, error)) << error;
    ui.messages.clear();
    const ComportSettings written = ReadComportSettings(ui);
    EXPECT_EQ(written.comName, 2);
    EXPECT_EQ(written.baudRate, "19200");
    EXPECT_EQ(written.protocol, "7 E 1 ASCII");
    EXPECT_TRUE(ui.messages.empty());
}

TEST(GenerationClock, WritesDatesAndTimesZeroPadded) {
    const GenerationTime morning{2024, 3, 5, 9, 5, 3};
    EXPECT_EQ(FormatEDSDate(morning), "03-05-2024");
    EXPECT_EQ(FormatEDSTime24(morning), "09:05:03");
    EXPECT_EQ(FormatEDSTime12(morning), "09:05AM");
    EXPECT_EQ(FormatEDSTime12({2024, 12, 31, 0, 7, 0}), "12:07AM");
    EXPECT_EQ(FormatEDSTime12({2024, 12, 31, 12, 0, 0}), "12:00PM");
    EXPECT_EQ(FormatEDSTime12({2024, 12, 31, 21, 5, 0}), "09:05PM");
    const GenerationTime utc = UtcTime(1709629503);
    EXPECT_EQ(FormatEDSDate(utc) + " " + FormatEDSTime24(utc), "03-05-2024 09:05:03");
}

TEST(AddManufacturerObjects, TakesListedObjectsByPositionAndExactKeys) {
    CCANopenEDS model;
    AddManufacturerObjects(model, "[ManufacturerObjects]\n"
                                  "SupportedObjects=4\n"
                                  "1=0x2101\n"
                                  "7=0x2109\n" // not its position: passed over
                                  "3=0x2103\n"
                                  "[2101]\n"
                                  "ParameterName = Control word\n"
                                  "ObjectType=0x7\n"
                                  "DataType=0x0006\n"
                                  "AccessType=RW\n"
                                  "defaultvalue=5\n" // keys match exactly as written
                                  "PDOMapping=1\n"
                                  "[2103]\n"
                                  "ParameterName=Status\n"
                                  "ObjectType=9\n"
                                  "SubNumber=2\n"
                                  "[2103sub0]\n"
                                  "ParameterName=Number of entries\n"
                                  "DefaultValue=1\n"
                                  "[2103sub1]\n"
                                  "ParameterName=Status word\n"
                                  "SubNumber=9\n");
    ASSERT_EQ(model.Objects.size(), 2u);
    const CANopenObject& control = model.Objects[0];
    EXPECT_EQ(control.Index, 0x2101);
    EXPECT_EQ(control.Category, kCategoryManufacturer);
    EXPECT_EQ(control.ParameterName, "Control word");
    EXPECT_EQ(control.ObjectType, 7);
    EXPECT_EQ(control.DataType, 6);
    EXPECT_EQ(control.AccessType, "rw");
    EXPECT_EQ(control.DefaultValue, "");
    EXPECT_TRUE(control.PDOMapping);
    EXPECT_TRUE(control.SubObjects.empty());
    const CANopenObject& status = model.Objects[1];
    EXPECT_EQ(status.Index, 0x2103);
    ASSERT_EQ(status.SubObjects.size(), 2u);
    EXPECT_EQ(status.SubObjects[0].DefaultValue, "1");
    EXPECT_EQ(status.SubObjects[1].ParameterName, "Status word");
    EXPECT_EQ(status.SubObjects[1].SubNumber, 0);
}

TEST(AddModuleParameters, ReadsTheParamsSectionIntoTheDataConfigGroup) {
    CDeviceNetEDS model;
    model.GroupNames = {"\"Drive\""};
    AddModuleParameters(model, "$ module parameters\n"
                               "Param9 = 0, 6, \"20 95 24 01 30 01\", 0x00, 2, 2, \"Early\", \"\","
                               " \"\", 0, 1, 0, 1, 1, 1, 0, , , , , ;\n"
                               "[Params]\n"
                               "  Param1 =\n"
                               "    0, 6, \"20 95 24 01 30 01\", 0x10, 2, 2,\n"
                               "    \"MAC ID\", \"\", \"Node address\", $ comment\n"
                               "    0, 63, 63, 1, 10, 1, -2, , , , , 1;\n"
                               "[EnumPar]\n"
                               "  Param1 = \"A\", \"B\";\n");
    EXPECT_EQ(model.GroupNames, (std::vector<std::string>{"\"Drive\"", "\"Data Config\""}));
    ASSERT_EQ(model.ParamCount(), 1u);
    const CEDSParam& param = model.ParamAt(0);
    EXPECT_EQ(param.ParameterName, "\"MAC ID\"");
    EXPECT_EQ(param.Descriptor, 0x10);
    EXPECT_EQ(param.Maximum, "63");
    EXPECT_EQ(param.Divider, 10);
    EXPECT_EQ(param.Offset, -2);
    EXPECT_EQ(param.Precision, 1);
    EXPECT_EQ(param.Group, 2);
    EXPECT_FALSE(param.EnumStrings);

    // An entry cut off by the end of the text is dropped.
    CDeviceNetEDS cut;
    AddModuleParameters(cut, "[Params]\nParam1 = 0, 6, \"20\",\n");
    EXPECT_EQ(cut.ParamCount(), 0u);
    EXPECT_EQ(cut.GroupCount(), 1u);
}

} // namespace
} // namespace corvid
