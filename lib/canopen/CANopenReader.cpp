#include "canopen/CANopenReader.h"

#include "CANopenSource.h"

#include "canopen/CANopenFields.h"
#include "canopen/CANopenValueRules.h"

#include "dictionaries/ByteOrderMark.h"
#include "dictionaries/EDSTextHelper.h"
#include "dictionaries/FileIO.h"
#include "dictionaries/ProfileText.h"

#include <algorithm>
#include <map>

namespace corvid {

namespace {

// A view into the file's text: only keys are copied, and they fit the
// string's own buffer.
struct KeyedLine {
    std::string key; // lower case, blanks removed; empty for a line without "="
    std::string_view value;
};

std::string_view TrimmedView(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") + 1 - first);
}

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
    keyed.value = TrimmedView(line.substr(equals + 1));
    return keyed;
}

// CANopen flags are numbers in real files ("PDOMapping=0x1"): any number
// other than 0 is true, so a save does not turn a mappable object into one
// that is not. Text that is no number reads as 0.
template <typename Record>
void StoreValue(Record& record, const FieldEntry<Record>& item, std::string_view value) {
    StoreFieldText(
        record, item, value, [](std::string_view text) { return ParseNumber(text) != 0; },
        [](std::string_view text, bool) { return ParseNumber(text); });
}

// The entry of `table` that a line's key names; keys were lower-cased.
template <typename Record, size_t N>
const FieldEntry<Record>* FieldOfLine(const FieldTable<Record, N>& table, const KeyedLine& line) {
    return FindField(table, line.key, KeywordMatch::IgnoreCase);
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

// A section of fixed keywords: each line of a keyword of `table` sets its
// member, the last such line winning; other lines are kept.
template <typename Record, size_t N>
void ReadFields(const ReadContext& context, std::string_view name, Record& record,
                const FieldTable<Record, N>& table) {
    record.SectionName = name;
    record.Given.StartReading();
    ReadLines(context, context.source.Find(name), record.SectionName, CommentLines::Drop,
              record.KeptLines, [&](const KeyedLine& line) {
                  const FieldEntry<Record>* item = FieldOfLine(table, line);
                  if (item != nullptr) {
                      StoreValue(record, *item, line.value);
                      record.Given.Add(FieldPlace(table, *item));
                  }
                  return item != nullptr;
              });
}

// The count and each "LineN" up to it take their first line; a later line
// of the same key is kept, as are lines numbered beyond the count. A second
// count is not: written back it would contradict the first.
void ReadComments(const ReadContext& context, CANopenComments& comments) {
    comments.SectionName = std::string(kCommentsSection);
    SourceSection* section = context.source.Find(kCommentsSection);
    comments.Lines = 0;
    comments.Given.StartReading();
    for (size_t i = 0; section != nullptr && i < section->lines.size(); ++i) {
        const KeyedLine line = SplitKeyed(section->lines[i].text);
        if (const auto* item = FieldOfLine(kCommentsFields, line)) {
            StoreValue(comments, *item, line.value);
            comments.Given.Add(FieldPlace(kCommentsFields, *item));
            break;
        }
    }
    std::map<unsigned, std::string> texts;
    ReadLines(context, section, comments.SectionName, CommentLines::Drop, comments.KeptLines,
              [&](const KeyedLine& line) {
                  if (FieldOfLine(kCommentsFields, line) != nullptr)
                      return true;
                  const unsigned number = CommentLineNumber(line.key, KeywordMatch::IgnoreCase);
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
std::map<uint32_t, std::string_view> NumberedEntries(const std::vector<KeyedLine>& lines,
                                                     uint32_t count) {
    std::map<uint32_t, std::string_view> entries;
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

// The keys objects and sub-indexes share; SubNumber is read for objects
// only (a sub-index record has Category 0).
bool ReadRecordKey(CANopenObject& record, const KeyedLine& line) {
    const FieldEntry<CANopenObject>* item = FieldOfLine(kObjectFields, line);
    if (item == nullptr || (item == &kSubNumberKey && record.Category == 0))
        return false;
    StoreValue(record, *item, line.value);
    record.KeysInFile |= ObjectKeyBit(*item);
    return true;
}

// Access types compare in lower case.
void ReadRecord(const ReadContext& context, SourceSection* section, const std::string& name,
                CANopenObject& record) {
    ReadLines(context, section, name, CommentLines::Keep, record.KeptLines,
              [&](const KeyedLine& line) { return ReadRecordKey(record, line); });
    record.AccessType = ToLowerAscii(record.AccessType);
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
        ReadRecord(context, section, name, sub);
        InsertOrderedSub(*object.SubObjects, std::move(sub));
    }
}

void ReadObject(const ReadContext& context, CANopenObject& object) {
    const std::string name = ObjectSectionName(object.Index);
    ReadRecord(context, context.source.Find(name), name, object);
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
    ReadFields(context, kFileInfoSection, model.FileInfo, kFileInfoFields);
    ReadFields(context, kDeviceInfoSection, model.DeviceInfo, kDeviceInfoFields);
    ReadFields(context, kDummyUsageSection, model.DummyUsage, kDummyUsageFields);
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
