#include "canopen/CANopenWriter.h"

#include "dictionaries/EDSLineWriter.h"
#include "dictionaries/EDSTextHelper.h"
#include "dictionaries/FileIO.h"

namespace corvid {

namespace {

inline constexpr uint8_t kDomain = 2;
inline constexpr uint8_t kDefStruct = 6;
inline constexpr uint8_t kArray = 8;
inline constexpr uint8_t kRecord = 9;

void WriteHeader(CEDSLineWriter& out, const EDSFileHeader& header) {
    out.Line("; HALVARD ELECTRONIC, INC.")
        .Line("")
        .Line("; Network: CANopen")
        .Line("; Modlue: " + header.Module)
        .Line("; Device: " + header.Device)
        .Line("; Model: " + header.Model)
        .Line("; Create by Corvid software")
        .Line("");
}

void WriteFileInfo(CEDSLineWriter& out, const CANopenFileInfo& info) {
    out.Section(info.SectionName)
        .Optional("FileName", info.FileName)
        .Number("FileVersion", info.FileVersion)
        .Number("FileRevision", info.FileRevision)
        .Line("EDSVersion", info.EDSVersion.empty() ? "3.0" : info.EDSVersion)
        .Optional("Description", info.Description)
        .Optional("CreationTime", info.CreationTime)
        .Optional("CreationDate", info.CreationDate)
        .Optional("CreatedBy", info.CreatedBy)
        .Optional("ModificationTime", info.ModificationTime)
        .Optional("ModificationDate", info.ModificationDate)
        .Optional("ModifiedBy", info.ModifiedBy)
        .Line("");
}

void WriteDeviceInfo(CEDSLineWriter& out, const CANopenDeviceInfo& info) {
    out.Section(info.SectionName)
        .Optional("VendorName", info.VendorName)
        .Line("VendorNumber", FormatHex32(info.VendorNumber))
        .Optional("ProductName", info.ProductName)
        .Line("ProductNumber", FormatHex32(info.ProductNumber))
        .Line("RevisionNumber", FormatHex32(info.RevisionNumber))
        .Optional("OrderCode", info.OrderCode)
        .Flag("BaudRate_10", info.BaudRate_10)
        .Flag("BaudRate_20", info.BaudRate_20)
        .Flag("BaudRate_50", info.BaudRate_50)
        .Flag("BaudRate_125", info.BaudRate_125)
        .Flag("BaudRate_250", info.BaudRate_250)
        .Flag("BaudRate_500", info.BaudRate_500)
        .Flag("BaudRate_800", info.BaudRate_800)
        .Flag("BaudRate_1000", info.BaudRate_1000)
        .Flag("SimpleBootUpMaster", info.SimpleBootUpMaster)
        .Flag("SimpleBootUpSlave", info.SimpleBootUpSlave)
        .Line("Granularity", FormatHex8(info.Granularity))
        .Flag("DynamicChannelsSupported", info.DynamicChannelsSupported)
        .Flag("GroupMessaging", info.GroupMessaging)
        .Number("NrOfRXPDO", info.NrOfRXPDO)
        .Number("NrOfTXPDO", info.NrOfTXPDO)
        .Flag("LSS_Supported", info.LSS_Supported)
        .Line("");
}

void WriteDummyUsage(CEDSLineWriter& out, const CANopenDummyUsage& usage) {
    out.Section(usage.SectionName)
        .Flag("Dummy0001", usage.Dummy0001)
        .Flag("Dummy0002", usage.Dummy0002)
        .Flag("Dummy0003", usage.Dummy0003)
        .Flag("Dummy0004", usage.Dummy0004)
        .Flag("Dummy0005", usage.Dummy0005)
        .Flag("Dummy0006", usage.Dummy0006)
        .Flag("Dummy0007", usage.Dummy0007)
        .Line("");
}

// Lines are numbered from the list with a full-width counter, so a block of
// more than 255 lines keeps every line.
void WriteComments(CEDSLineWriter& out, const CANopenComments& comments) {
    out.Section(comments.SectionName).Number("Lines", comments.Lines);
    for (size_t i = 0; i < comments.LineTexts.size(); ++i)
        out.Line("Line" + std::to_string(i + 1), comments.LineTexts[i]);
    out.Line("");
}

void WriteValueLines(CEDSLineWriter& out, const CANopenObject& record) {
    if (record.DataType != kNoDataType)
        out.Line("DataType", FormatHex16(record.DataType));
    if (record.ObjectType == kDomain) {
        out.Optional("AccessType", record.AccessType).Optional("DefaultValue", record.DefaultValue);
        return;
    }
    out.Optional("AccessType", record.AccessType)
        .Optional("LowLimit", record.LowLimit)
        .Optional("HighLimit", record.HighLimit)
        .Optional("DefaultValue", record.DefaultValue)
        .Flag("PDOMapping", record.PDOMapping);
}

void WriteRecordStart(CEDSLineWriter& out, const std::string& name, const CANopenObject& record) {
    out.Section(name).Line("ParameterName", record.ParameterName);
    if (record.ObjectType != kNoObjectType)
        out.Number("ObjectType", record.ObjectType);
}

void WriteObject(CEDSLineWriter& out, const CANopenObject& object) {
    WriteRecordStart(out, ObjectSectionName(object.Index), object);
    const uint8_t type = object.ObjectType;
    if (type == kDefStruct || type == kArray || type == kRecord) {
        out.Number("SubNumber", object.SubNumber);
    } else {
        WriteValueLines(out, object);
        // An object of another type that still has sub-indexes keeps them:
        // without this line they would be written but never read back.
        if (object.SubNumber != 0)
            out.Number("SubNumber", object.SubNumber);
    }
    out.Line("");
    if (object.SubNumber == 0 || !object.SubObjects)
        return;
    for (const CANopenObject& sub : *object.SubObjects) {
        WriteRecordStart(out, SubIndexSectionName(object.Index, sub.SubIndex), sub);
        WriteValueLines(out, sub);
        out.Line("");
    }
}

void WriteObjectBlock(CEDSLineWriter& out, const std::vector<CANopenObject>& objects,
                      uint8_t category, const char* header) {
    std::vector<const CANopenObject*> members;
    for (const CANopenObject& object : objects)
        if (object.Category == category)
            members.push_back(&object);
    out.Section(header).Number("SupportedObjects", static_cast<unsigned>(members.size()));
    for (size_t n = 0; n < members.size(); ++n)
        out.Line(std::to_string(n + 1), "0x" + FormatHexDigits(members[n]->Index));
    out.Line("");
    for (const CANopenObject* object : members)
        WriteObject(out, *object);
}

} // namespace

std::string FormatCANopenEDS(const CCANopenEDS& model) {
    CEDSLineWriter out;
    WriteHeader(out, model.Header);
    WriteFileInfo(out, model.FileInfo);
    WriteDeviceInfo(out, model.DeviceInfo);
    WriteDummyUsage(out, model.DummyUsage);
    WriteComments(out, model.Comments);
    WriteObjectBlock(out, model.Objects, kCategoryMandatory, "MandatoryObjects");
    WriteObjectBlock(out, model.Objects, kCategoryOptional, "OptionalObjects");
    WriteObjectBlock(out, model.Objects, kCategoryManufacturer, "ManufacturerObjects");
    return out.Take();
}

bool WriteCANopenEDS(const CCANopenEDS& model, const std::string& path, std::string& error) {
    return SaveFileReplacing(path, FormatCANopenEDS(model), error);
}

} // namespace corvid
