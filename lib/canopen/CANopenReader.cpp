#include "canopen/CANopenReader.h"

#include "dictionaries/EDSTextHelper.h"
#include "dictionaries/FileIO.h"
#include "dictionaries/ProfileText.h"

#include <map>

namespace corvid {

namespace {

struct KeyedLine {
    std::string key; // lower case, blanks removed
    std::string value;
};

// Blanks before "=" go, the key is lower-cased, the value trimmed. A line
// without "=" has an empty key and matches nothing.
std::vector<KeyedLine> KeyedLines(const std::vector<std::string>& lines) {
    std::vector<KeyedLine> keyed;
    keyed.reserve(lines.size());
    for (std::string line : lines) {
        SqueezeKey(line);
        const size_t equals = line.find('=');
        if (equals == std::string::npos) {
            keyed.push_back({});
            continue;
        }
        keyed.push_back({ToLowerAscii(std::string_view(line).substr(0, equals)),
                         TrimmedBlanks(std::string_view(line).substr(equals + 1))});
    }
    return keyed;
}

const KeyedLine* FirstWithKey(const std::vector<KeyedLine>& lines, std::string_view key) {
    for (const KeyedLine& line : lines)
        if (line.key == key)
            return &line;
    return nullptr;
}

void ReadFileInfo(const CProfileText& file, CANopenFileInfo& info) {
    info.SectionName = "FileInfo";
    for (const KeyedLine& line : KeyedLines(file.Section("FileInfo"))) {
        const std::string& k = line.key;
        const std::string& v = line.value;
        if (k == "filename")
            info.FileName = v;
        else if (k == "fileversion")
            info.FileVersion = static_cast<uint8_t>(ParseNumber(v));
        else if (k == "filerevision")
            info.FileRevision = static_cast<uint8_t>(ParseNumber(v));
        else if (k == "edsversion")
            info.EDSVersion = v;
        else if (k == "description")
            info.Description = v;
        else if (k == "creationtime")
            info.CreationTime = v;
        else if (k == "creationdate")
            info.CreationDate = v;
        else if (k == "createdby")
            info.CreatedBy = v;
        else if (k == "modificationtime")
            info.ModificationTime = v;
        else if (k == "modificationdate")
            info.ModificationDate = v;
        else if (k == "modifiedby")
            info.ModifiedBy = v;
    }
}

bool* BaudRateFlag(CANopenDeviceInfo& info, const std::string& key) {
    static const std::pair<const char*, bool CANopenDeviceInfo::*> kFlags[] = {
        {"baudrate_10", &CANopenDeviceInfo::BaudRate_10},
        {"baudrate_20", &CANopenDeviceInfo::BaudRate_20},
        {"baudrate_50", &CANopenDeviceInfo::BaudRate_50},
        {"baudrate_125", &CANopenDeviceInfo::BaudRate_125},
        {"baudrate_250", &CANopenDeviceInfo::BaudRate_250},
        {"baudrate_500", &CANopenDeviceInfo::BaudRate_500},
        {"baudrate_800", &CANopenDeviceInfo::BaudRate_800},
        {"baudrate_1000", &CANopenDeviceInfo::BaudRate_1000},
        {"simplebootupmaster", &CANopenDeviceInfo::SimpleBootUpMaster},
        {"simplebootupslave", &CANopenDeviceInfo::SimpleBootUpSlave},
        {"dynamicchannelssupported", &CANopenDeviceInfo::DynamicChannelsSupported},
        {"groupmessaging", &CANopenDeviceInfo::GroupMessaging},
        {"lss_supported", &CANopenDeviceInfo::LSS_Supported},
    };
    for (const auto& [name, member] : kFlags)
        if (key == name)
            return &(info.*member);
    return nullptr;
}

void ReadDeviceInfo(const CProfileText& file, CANopenDeviceInfo& info) {
    info.SectionName = "DeviceInfo";
    for (const KeyedLine& line : KeyedLines(file.Section("DeviceInfo"))) {
        const std::string& k = line.key;
        const std::string& v = line.value;
        if (bool* flag = BaudRateFlag(info, k))
            *flag = ParseFlag(v);
        else if (k == "vendorname")
            info.VendorName = v;
        else if (k == "vendornumber")
            info.VendorNumber = ParseNumber(v);
        else if (k == "productname")
            info.ProductName = v;
        else if (k == "productnumber")
            info.ProductNumber = ParseNumber(v);
        else if (k == "revisionnumber")
            info.RevisionNumber = ParseNumber(v);
        else if (k == "ordercode")
            info.OrderCode = v;
        else if (k == "granularity")
            info.Granularity = static_cast<uint8_t>(ParseNumber(v));
        else if (k == "nrofrxpdo")
            info.NrOfRXPDO = static_cast<uint8_t>(ParseNumber(v));
        else if (k == "nroftxpdo")
            info.NrOfTXPDO = static_cast<uint8_t>(ParseNumber(v));
    }
}

void ReadDummyUsage(const CProfileText& file, CANopenDummyUsage& usage) {
    usage.SectionName = "DummyUsage";
    bool* flags[] = {&usage.Dummy0001, &usage.Dummy0002, &usage.Dummy0003, &usage.Dummy0004,
                     &usage.Dummy0005, &usage.Dummy0006, &usage.Dummy0007};
    for (const KeyedLine& line : KeyedLines(file.Section("DummyUsage")))
        for (int i = 0; i < 7; ++i)
            if (line.key == "dummy000" + std::to_string(i + 1))
                *flags[i] = ParseFlag(line.value);
}

void ReadComments(const CProfileText& file, CANopenComments& comments) {
    comments.SectionName = "Comments";
    const std::vector<KeyedLine> lines = KeyedLines(file.Section("Comments"));
    const KeyedLine* count = FirstWithKey(lines, "lines");
    comments.Lines = count ? static_cast<uint16_t>(ParseNumber(count->value)) : 0;

    // The first "line<i>" of each number, so a long comment block is read in
    // one pass rather than one search per line.
    std::map<std::string_view, const std::string*> firstByKey;
    for (const KeyedLine& line : lines)
        firstByKey.try_emplace(line.key, &line.value);
    comments.LineTexts.clear();
    comments.LineTexts.reserve(comments.Lines);
    for (unsigned i = 1; i <= comments.Lines; ++i) {
        const auto found = firstByKey.find("line" + std::to_string(i));
        comments.LineTexts.push_back(found == firstByKey.end() ? std::string() : *found->second);
    }
}

// The entries "1=", "2=", ... up to the stated count, first of each number,
// in number order. Only numbers written without leading zeros count. Walking
// the entries present, rather than counting up to the stated number, keeps a
// file that claims billions of objects from stalling the reader.
std::map<uint32_t, std::string> NumberedEntries(const std::vector<KeyedLine>& lines,
                                                uint32_t count) {
    std::map<uint32_t, std::string> entries;
    for (const KeyedLine& line : lines) {
        if (!IsDecimal(line.key) || line.key[0] == '0' || line.key.size() > 10)
            continue;
        const uint64_t number = std::stoull(line.key);
        if (number >= 1 && number <= count)
            entries.try_emplace(static_cast<uint32_t>(number), line.value);
    }
    return entries;
}

void ReadObjectList(const CProfileText& file, const char* section, uint8_t category,
                    std::vector<CANopenObject>& objects) {
    const std::vector<KeyedLine> lines = KeyedLines(file.Section(section));
    const KeyedLine* supported = FirstWithKey(lines, "supportedobjects");
    if (supported == nullptr)
        return;
    for (const auto& [number, value] : NumberedEntries(lines, ParseNumber(supported->value))) {
        CANopenObject object;
        object.Index = static_cast<uint16_t>(ParseNumber(value));
        object.Category = category;
        InsertOrdered(objects, std::move(object));
    }
}

// The keys objects and sub-indexes share; SubNumber is read for objects only.
bool ReadRecordKey(CANopenObject& record, const KeyedLine& line) {
    const std::string& k = line.key;
    const std::string& v = line.value;
    if (k == "parametername")
        record.ParameterName = v;
    else if (k == "objecttype")
        record.ObjectType = static_cast<uint8_t>(ParseNumber(v));
    else if (k == "datatype")
        record.DataType = static_cast<uint16_t>(ParseNumber(v));
    else if (k == "lowlimit")
        record.LowLimit = v;
    else if (k == "highlimit")
        record.HighLimit = v;
    else if (k == "defaultvalue")
        record.DefaultValue = v;
    else if (k == "accesstype")
        record.AccessType = ToLowerAscii(v);
    else if (k == "pdomapping")
        record.PDOMapping = ParseFlag(v);
    else
        return false;
    return true;
}

void ReadSubObjects(const CProfileText& file, CANopenObject& object) {
    object.SubObjects.emplace();
    for (unsigned s = 0; s <= 255 && object.SubObjects->size() < object.SubNumber; ++s) {
        const auto subIndex = static_cast<uint8_t>(s);
        const auto& section = file.Section(SubIndexSectionName(object.Index, subIndex));
        if (section.empty())
            continue;
        CANopenObject sub;
        sub.Index = object.Index;
        sub.SubIndex = subIndex;
        for (const KeyedLine& line : KeyedLines(section))
            ReadRecordKey(sub, line);
        InsertOrderedSub(*object.SubObjects, std::move(sub));
    }
}

void ReadObject(const CProfileText& file, CANopenObject& object) {
    for (const KeyedLine& line : KeyedLines(file.Section(ObjectSectionName(object.Index)))) {
        if (!ReadRecordKey(object, line) && line.key == "subnumber")
            object.SubNumber = static_cast<uint8_t>(ParseNumber(line.value));
    }
    if (object.SubNumber != 0)
        ReadSubObjects(file, object);
}

} // namespace

void LoadCANopenEDSText(CCANopenEDS& model, std::string_view text, const std::string& path) {
    ResetHeaderForPath(model.Header, path);
    ReadHeaderComment(model.Header, text, kCANopenHeaderComment);
    const CProfileText file(text);
    ReadFileInfo(file, model.FileInfo);
    ReadDeviceInfo(file, model.DeviceInfo);
    ReadDummyUsage(file, model.DummyUsage);
    ReadComments(file, model.Comments);
    ReadObjectList(file, "MandatoryObjects", kCategoryMandatory, model.Objects);
    ReadObjectList(file, "OptionalObjects", kCategoryOptional, model.Objects);
    ReadObjectList(file, "ManufacturerObjects", kCategoryManufacturer, model.Objects);
    for (CANopenObject& object : model.Objects)
        ReadObject(file, object);
}

void LoadCANopenEDS(CCANopenEDS& model, const std::string& path) {
    std::string text;
    std::string error;
    ReadWholeFile(path, text, error); // an unreadable file reads as an empty one
    LoadCANopenEDSText(model, text, path);
}

} // namespace corvid
