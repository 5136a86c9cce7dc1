#include "canopen/CANopenWriter.h"

#include "dictionaries/ByteOrderMark.h"
#include "dictionaries/EDSLineWriter.h"
#include "dictionaries/EDSTextHelper.h"
#include "dictionaries/FileIO.h"

#include <unordered_map>

namespace corvid {

namespace {

inline constexpr uint8_t kDomain = 2;
inline constexpr uint8_t kDefStruct = 6;
inline constexpr uint8_t kArray = 8;
inline constexpr uint8_t kRecord = 9;

// The line writer that puts each kept section after the section it
// followed in the file, and those whose section is gone at the end.
class CANopenLineWriter : public CEDSLineWriter {
public:
    explicit CANopenLineWriter(const std::vector<CANopenKeptSection>& kept)
        : kept_(kept), written_(kept.size(), false) {
        for (size_t i = 0; i < kept.size(); ++i)
            byAfter_[ToLowerAscii(kept[i].After)].push_back(i);
    }

    void KeptSectionsAfter(std::string_view name) {
        if (byAfter_.empty())
            return;
        const auto found = byAfter_.find(ToLowerAscii(name));
        if (found == byAfter_.end())
            return;
        for (size_t i : found->second)
            WriteKept(i);
        byAfter_.erase(found);
    }

    void RemainingKeptSections() {
        for (size_t i = 0; i < kept_.size(); ++i)
            if (!written_[i])
                WriteKept(i);
    }

private:
    void WriteKept(size_t i) {
        Line(kept_[i].Header);
        for (const std::string& line : kept_[i].Lines)
            Line(line);
        Line("");
        written_[i] = true;
    }

    const std::vector<CANopenKeptSection>& kept_;
    std::vector<bool> written_;
    std::unordered_map<std::string, std::vector<size_t>> byAfter_; // lower-case After
};

// Ends a section: its kept lines, the empty line, then the kept sections
// that followed it in the file.
void EndSection(CANopenLineWriter& out, std::string_view name,
                const std::vector<std::string>& keptLines) {
    for (const std::string& line : keptLines)
        out.Line(line);
    out.Line("");
    out.KeptSectionsAfter(name);
}

void WriteHeader(CANopenLineWriter& out, const EDSFileHeader& header) {
    out.Line("; HALVARD ELECTRONIC, INC.")
        .Line("")
        .Line("; Network: CANopen")
        .Line("; Modlue: " + header.Module)
        .Line("; Device: " + header.Device)
        .Line("; Model: " + header.Model)
        .Line("; Create by Corvid software")
        .Line("");
}

void WriteFileInfo(CANopenLineWriter& out, const CANopenFileInfo& info) {
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
        .Optional("ModifiedBy", info.ModifiedBy);
    EndSection(out, info.SectionName, info.KeptLines);
}

void WriteDeviceInfo(CANopenLineWriter& out, const CANopenDeviceInfo& info) {
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
        .Flag("LSS_Supported", info.LSS_Supported);
    EndSection(out, info.SectionName, info.KeptLines);
}

void WriteDummyUsage(CANopenLineWriter& out, const CANopenDummyUsage& usage) {
    out.Section(usage.SectionName)
        .Flag("Dummy0001", usage.Dummy0001)
        .Flag("Dummy0002", usage.Dummy0002)
        .Flag("Dummy0003", usage.Dummy0003)
        .Flag("Dummy0004", usage.Dummy0004)
        .Flag("Dummy0005", usage.Dummy0005)
        .Flag("Dummy0006", usage.Dummy0006)
        .Flag("Dummy0007", usage.Dummy0007);
    EndSection(out, usage.SectionName, usage.KeptLines);
}

// Lines are numbered from the list with a full-width counter, so a block of
// more than 255 lines keeps every line.
void WriteComments(CANopenLineWriter& out, const CANopenComments& comments) {
    out.Section(comments.SectionName).Number("Lines", comments.Lines);
    for (size_t i = 0; i < comments.LineTexts.size(); ++i)
        out.Line("Line" + std::to_string(i + 1), comments.LineTexts[i]);
    EndSection(out, comments.SectionName, comments.KeptLines);
}

bool Given(const CANopenObject& record, uint8_t key) {
    return (record.KeysInFile & key) != 0;
}

// The value lines of a record. An ARRAY, RECORD or DEFSTRUCT object carries
// none of them and a DOMAIN no limits and no PDOMapping, unless its file
// gave them: those are written back.
void WriteValueLines(CANopenLineWriter& out, const CANopenObject& record, bool holdsSubIndexes) {
    const bool domain = record.ObjectType == kDomain;
    const auto carries = [&](uint8_t key, bool usual) { return usual || Given(record, key); };
    if ((!holdsSubIndexes && record.DataType != kNoDataType) || Given(record, kKeyDataType))
        out.Line("DataType", FormatHex16(record.DataType));
    if (carries(kKeyAccessType, !holdsSubIndexes))
        out.Optional("AccessType", record.AccessType);
    if (carries(kKeyLowLimit, !holdsSubIndexes && !domain))
        out.Optional("LowLimit", record.LowLimit);
    if (carries(kKeyHighLimit, !holdsSubIndexes && !domain))
        out.Optional("HighLimit", record.HighLimit);
    if (carries(kKeyDefaultValue, !holdsSubIndexes))
        out.Optional("DefaultValue", record.DefaultValue);
    if (carries(kKeyPDOMapping, !holdsSubIndexes && !domain))
        out.Flag("PDOMapping", record.PDOMapping);
}

void WriteRecordStart(CANopenLineWriter& out, const std::string& name,
                      const CANopenObject& record) {
    out.Section(name).Line("ParameterName", record.ParameterName);
    if (record.ObjectType != kNoObjectType || Given(record, kKeyObjectType))
        out.Number("ObjectType", record.ObjectType);
}

void WriteObject(CANopenLineWriter& out, const CANopenObject& object) {
    const std::string name = ObjectSectionName(object.Index);
    WriteRecordStart(out, name, object);
    const uint8_t type = object.ObjectType;
    if (type == kDefStruct || type == kArray || type == kRecord) {
        out.Number("SubNumber", object.SubNumber);
        WriteValueLines(out, object, true);
    } else {
        WriteValueLines(out, object, false);
        // An object of another type that still has sub-indexes keeps them:
        // without this line they would be written but never read back.
        if (object.SubNumber != 0 || Given(object, kKeySubNumber))
            out.Number("SubNumber", object.SubNumber);
    }
    EndSection(out, name, object.KeptLines);
    if (object.SubNumber == 0 || !object.SubObjects)
        return;
    for (const CANopenObject& sub : *object.SubObjects) {
        const std::string subName = SubIndexSectionName(object.Index, sub.SubIndex);
        WriteRecordStart(out, subName, sub);
        WriteValueLines(out, sub, false);
        EndSection(out, subName, sub.KeptLines);
    }
}

void WriteObjectBlock(CANopenLineWriter& out, const CCANopenEDS& model, uint8_t category,
                      const char* header) {
    std::vector<const CANopenObject*> members;
    for (const CANopenObject& object : model.Objects)
        if (object.Category == category)
            members.push_back(&object);
    out.Section(header).Number("SupportedObjects", static_cast<unsigned>(members.size()));
    for (size_t n = 0; n < members.size(); ++n)
        out.Line(std::to_string(n + 1), "0x" + FormatHexDigits(members[n]->Index));
    EndSection(out, header, model.ListKeptLines[category - 1]);
    for (const CANopenObject* object : members)
        WriteObject(out, *object);
}

} // namespace

std::string FormatCANopenEDS(const CCANopenEDS& model) {
    CANopenLineWriter out(model.KeptSections);
    if (model.ByteOrderMark)
        out.Append(kUtf8ByteOrderMark);
    WriteHeader(out, model.Header);
    out.KeptSectionsAfter("");
    WriteFileInfo(out, model.FileInfo);
    WriteDeviceInfo(out, model.DeviceInfo);
    WriteDummyUsage(out, model.DummyUsage);
    WriteComments(out, model.Comments);
    WriteObjectBlock(out, model, kCategoryMandatory, "MandatoryObjects");
    WriteObjectBlock(out, model, kCategoryOptional, "OptionalObjects");
    WriteObjectBlock(out, model, kCategoryManufacturer, "ManufacturerObjects");
    out.RemainingKeptSections();
    return out.Take();
}

bool WriteCANopenEDS(const CCANopenEDS& model, const std::string& path, std::string& error) {
    return SaveFileReplacing(path, FormatCANopenEDS(model), error);
}

} // namespace corvid
