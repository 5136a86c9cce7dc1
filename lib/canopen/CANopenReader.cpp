#include "canopen/CANopenReader.h"

#include "CANopenSource.h"

#include "canopen/CANopenValueRules.h"

#include "dictionaries/ByteOrderMark.h"
#include "dictionaries/EDSTextHelper.h"
#include "dictionaries/FileIO.h"
#include "dictionaries/ProfileText.h"

#include <algorithm>
#include <map>

namespace corvid {

namespace {

struct KeyedLine {
    std::string key; // lower case, blanks removed; empty for a line without "="
    std::string value;
};

// Blanks before "=" go, the key is lower-cased, the value trimmed. A line
// without "=" has an empty key and matches nothing.
KeyedLine SplitKeyed(std::string_view line) {
    KeyedLine keyed;
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos)
        return keyed;
    keyed.key.reserve(equals);
    for (char c : line.substr(0, equals))
        if (c != ' ' && c != '\t')
            keyed.key += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    keyed.value = TrimmedBlanks(line.substr(equals + 1));
    return keyed;
}

// CANopen flags are numbers in real files ("PDOMapping=0x1"): any number
// other than 0 is true, so a save does not turn a mappable object into one
// that is not. Text that is no number reads as 0, as every number does.
bool ParseCANopenFlag(std::string_view value) {
    return ParseNumber(value) != 0;
}

// Whether the ";" lines of a section are kept with its unused lines: only
// object and sub-index sections carry comment lines that tools rely on.
enum class CommentLines { Drop, Keep };

struct ReadContext {
    CANopenSource& source;
    const std::string& path;
    ReaderDiagnostics* diagnostics;
};

void KeepLine(const ReadContext& context, const SourceSection& section, const SourceLine& line,
              std::vector<std::string>& kept) {
    kept.emplace_back(line.text);
    Note(context.diagnostics, context.path, line.number,
         "[" + section.name + "] line kept as written: " + std::string(line.text));
}

// Marks the section read under the name the writer gives it and hands every
// non-blank line to `use`; the lines it does not use are kept.
template <typename Use>
void ReadLines(const ReadContext& context, SourceSection* section, const std::string& readAs,
               CommentLines comments, std::vector<std::string>& kept, Use use) {
    if (section == nullptr)
        return;
    section->readAs = readAs;
    for (const SourceLine& line : section->lines) {
        if (IsBlankLine(line.text))
            continue;
        const bool comment = IsCommentLine(line.text);
        if (comment && comments == CommentLines::Drop)
            continue;
        if (!comment && use(SplitKeyed(line.text)))
            continue;
        KeepLine(context, *section, line, kept);
    }
}

void ReadFileInfo(const ReadContext& context, CANopenFileInfo& info) {
    info.SectionName = "FileInfo";
    ReadLines(context, context.source.Find("FileInfo"), info.SectionName, CommentLines::Drop,
              info.KeptLines, [&](const KeyedLine& line) {
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
                  else
                      return false;
                  return true;
              });
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

void ReadDeviceInfo(const ReadContext& context, CANopenDeviceInfo& info) {
    info.SectionName = "DeviceInfo";
    ReadLines(context, context.source.Find("DeviceInfo"), info.SectionName, CommentLines::Drop,
              info.KeptLines, [&](const KeyedLine& line) {
                  const std::string& k = line.key;
                  const std::string& v = line.value;
                  if (bool* flag = BaudRateFlag(info, k))
                      *flag = ParseCANopenFlag(v);
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
                  else
                      return false;
                  return true;
              });
}

void ReadDummyUsage(const ReadContext& context, CANopenDummyUsage& usage) {
    usage.SectionName = "DummyUsage";
    bool* flags[] = {&usage.Dummy0001, &usage.Dummy0002, &usage.Dummy0003, &usage.Dummy0004,
                     &usage.Dummy0005, &usage.Dummy0006, &usage.Dummy0007};
    ReadLines(context, context.source.Find("DummyUsage"), usage.SectionName, CommentLines::Drop,
              usage.KeptLines, [&](const KeyedLine& line) {
                  if (line.key.size() != 9 || !line.key.starts_with("dummy000") ||
                      line.key[8] < '1' || line.key[8] > '7')
                      return false;
                  *flags[line.key[8] - '1'] = ParseCANopenFlag(line.value);
                  return true;
              });
}

// The number N of a key "lineN" written without leading zeros, else 0.
unsigned CommentLineNumber(const std::string& key) {
    if (key.size() < 5 || key.size() > 9 || !key.starts_with("line") || key[4] == '0')
        return 0;
    const std::string_view digits = std::string_view(key).substr(4);
    return IsDecimal(digits) ? ParseNumber(digits) : 0;
}

// The count and each "LineN" up to it take their first line; a later line
// of the same key is kept, as are lines numbered beyond the count. A second
// count is not: written back it would contradict the first.
void ReadComments(const ReadContext& context, CANopenComments& comments) {
    comments.SectionName = "Comments";
    SourceSection* section = context.source.Find("Comments");
    comments.Lines = 0;
    for (size_t i = 0; section != nullptr && i < section->lines.size(); ++i) {
        if (KeyedLine line = SplitKeyed(section->lines[i].text); line.key == "lines") {
            comments.Lines = static_cast<uint16_t>(ParseNumber(line.value));
            break;
        }
    }
    std::map<unsigned, std::string> texts;
    ReadLines(context, section, comments.SectionName, CommentLines::Drop, comments.KeptLines,
              [&](const KeyedLine& line) {
                  if (line.key == "lines")
                      return true;
                  const unsigned number = CommentLineNumber(line.key);
                  return number >= 1 && number <= comments.Lines &&
                         texts.try_emplace(number, line.value).second;
              });
    comments.LineTexts.clear();
    comments.LineTexts.reserve(comments.Lines);
    for (unsigned i = 1; i <= comments.Lines; ++i) {
        const auto found = texts.find(i);
        comments.LineTexts.push_back(found == texts.end() ? std::string() : found->second);
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

// The count and the numbered entries are the list itself, written afresh
// from the objects; other lines are kept.
void ReadObjectList(const ReadContext& context, const char* name, uint8_t category,
                    CCANopenEDS& model) {
    std::vector<KeyedLine> lines;
    ReadLines(context, context.source.Find(name), name, CommentLines::Drop,
              model.ListKeptLines[category - 1], [&](const KeyedLine& line) {
                  if (line.key != "supportedobjects" && !IsDecimal(line.key))
                      return false;
                  lines.push_back(line);
                  return true;
              });
    const auto supported = std::find_if(lines.begin(), lines.end(), [](const KeyedLine& line) {
        return line.key == "supportedobjects";
    });
    if (supported == lines.end())
        return;
    for (const auto& [number, value] : NumberedEntries(lines, ParseNumber(supported->value))) {
        CANopenObject object;
        object.Index = static_cast<uint16_t>(ParseNumber(value));
        object.Category = category;
        InsertOrdered(model.Objects, std::move(object));
    }
}

// The keys objects and sub-indexes share; SubNumber is read for objects only.
bool ReadRecordKey(CANopenObject& record, const KeyedLine& line) {
    const std::string& k = line.key;
    const std::string& v = line.value;
    uint8_t key = 0;
    if (k == "parametername") {
        record.ParameterName = v;
    } else if (k == "objecttype") {
        record.ObjectType = static_cast<uint8_t>(ParseNumber(v));
        key = kKeyObjectType;
    } else if (k == "datatype") {
        record.DataType = static_cast<uint16_t>(ParseNumber(v));
        key = kKeyDataType;
    } else if (k == "lowlimit") {
        record.LowLimit = v;
        key = kKeyLowLimit;
    } else if (k == "highlimit") {
        record.HighLimit = v;
        key = kKeyHighLimit;
    } else if (k == "defaultvalue") {
        record.DefaultValue = v;
        key = kKeyDefaultValue;
    } else if (k == "accesstype") {
        record.AccessType = ToLowerAscii(v);
        key = kKeyAccessType;
    } else if (k == "pdomapping") {
        record.PDOMapping = ParseCANopenFlag(v);
        key = kKeyPDOMapping;
    } else {
        return false;
    }
    record.KeysInFile |= key;
    return true;
}

void ReadSubObjects(const ReadContext& context, CANopenObject& object) {
    object.SubObjects.emplace();
    for (unsigned s = 0; s <= 255 && object.SubObjects->size() < object.SubNumber; ++s) {
        const auto subIndex = static_cast<uint8_t>(s);
        const std::string name = SubIndexSectionName(object.Index, subIndex);
        SourceSection* section = context.source.Find(name);
        if (section == nullptr || !section->HasContent())
            continue;
        CANopenObject sub;
        sub.Index = object.Index;
        sub.SubIndex = subIndex;
        ReadLines(context, section, name, CommentLines::Keep, sub.KeptLines,
                  [&](const KeyedLine& line) { return ReadRecordKey(sub, line); });
        InsertOrderedSub(*object.SubObjects, std::move(sub));
    }
}

void ReadObject(const ReadContext& context, CANopenObject& object) {
    const std::string name = ObjectSectionName(object.Index);
    ReadLines(context, context.source.Find(name), name, CommentLines::Keep, object.KeptLines,
              [&](const KeyedLine& line) {
                  if (ReadRecordKey(object, line))
                      return true;
                  if (line.key != "subnumber")
                      return false;
                  object.SubNumber = static_cast<uint8_t>(ParseNumber(line.value));
                  object.KeysInFile |= kKeySubNumber;
                  return true;
              });
    if (object.SubNumber != 0)
        ReadSubObjects(context, object);
}

// The index of a section named by four hex digits in the ranges objects
// belong to, else 0.
uint16_t UnlistedObjectIndex(std::string_view name) {
    const std::string hex = "0x" + std::string(name);
    if (name.size() != 4 || !IsHex(hex))
        return 0;
    const uint32_t index = ParseNumber(hex);
    return index >= 0x1000 && index <= 0x9FFF ? static_cast<uint16_t>(index) : 0;
}

// Real files often leave objects out of the lists, or list them beyond the
// stated count; their sections are the content, so they are read too.
void ReadUnlistedObjects(const ReadContext& context, CCANopenEDS& model) {
    for (SourceSection& section : context.source.Sections()) {
        if (!section.readAs.empty())
            continue;
        const uint16_t index = UnlistedObjectIndex(section.name);
        if (index == 0 || context.source.Find(section.name) != &section)
            continue;
        CANopenObject object;
        object.Index = index;
        object.Category = CategoryOfIndex(index);
        ReadObject(context, object);
        Note(context.diagnostics, context.path, section.number,
             "[" + section.name + "] read, though no object list names it");
        InsertOrdered(model.Objects, std::move(object));
    }
}

// Every section left unread is kept whole, placed after the section read
// last before it. A later section of a name already seen follows the first
// one, so the first stays first and is the one read again.
void KeepUnreadSections(const ReadContext& context, CCANopenEDS& model) {
    std::string after;
    std::map<const SourceSection*, std::string> keptAfter;
    for (SourceSection& section : context.source.Sections()) {
        if (!section.readAs.empty()) {
            after = section.readAs;
            continue;
        }
        const SourceSection* first = context.source.Find(section.name);
        std::string place = after;
        if (first != &section)
            place = first->readAs.empty() ? keptAfter[first] : first->readAs;
        keptAfter.emplace(&section, place);

        CANopenKeptSection kept{place, std::string(section.header), {}};
        size_t end = section.lines.size();
        while (end > 0 && IsBlankLine(section.lines[end - 1].text))
            --end;
        for (size_t i = 0; i < end; ++i)
            kept.Lines.emplace_back(section.lines[i].text);
        model.KeptSections.push_back(std::move(kept));
        Note(context.diagnostics, context.path, section.number,
             "[" + section.name + "] section kept as written");
    }
}

} // namespace

void LoadCANopenEDSText(CCANopenEDS& model, std::string_view text, const std::string& path,
                        ReaderDiagnostics* diagnostics) {
    ResetHeaderForPath(model.Header, path);
    model.ByteOrderMark = StripByteOrderMark(text);
    ReadHeaderComment(model.Header, text, kCANopenHeaderComment);
    CANopenSource source(text);
    const ReadContext context{source, path, diagnostics};
    ReadFileInfo(context, model.FileInfo);
    ReadDeviceInfo(context, model.DeviceInfo);
    ReadDummyUsage(context, model.DummyUsage);
    ReadComments(context, model.Comments);
    ReadObjectList(context, "MandatoryObjects", kCategoryMandatory, model);
    ReadObjectList(context, "OptionalObjects", kCategoryOptional, model);
    ReadObjectList(context, "ManufacturerObjects", kCategoryManufacturer, model);
    for (CANopenObject& object : model.Objects)
        ReadObject(context, object);
    ReadUnlistedObjects(context, model);
    KeepUnreadSections(context, model);
}

bool LoadCANopenEDS(CCANopenEDS& model, const std::string& path, std::string& error,
                    ReaderDiagnostics* diagnostics) {
    std::string text;
    const bool read = ReadWholeFile(path, text, error);
    LoadCANopenEDSText(model, read ? text : std::string(), path, diagnostics);
    return read;
}

} // namespace corvid
