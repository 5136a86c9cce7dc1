#include "canopen/CANopenReader.h"

#include "CANopenSource.h"

#include "canopen/CANopenFields.h"
#include "canopen/CANopenValueRules.h"

#include "dictionaries/ByteOrderMark.h"
#include "dictionaries/EDSTextHelper.h"
#include "dictionaries/FileIO.h"
#include "dictionaries/ProfileText.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <optional>

namespace corvid {

namespace {

// Views into the file's text; keys are compared regardless of letter case.
struct KeyedLine {
    std::string_view key; // blanks removed; empty for a line without "="
    std::string_view value;
};

// Blanks before "=" go, the value is trimmed. A line without "=" has an
// empty key and matches nothing. Only a key with blanks inside it is copied,
// into `scratch`, which must outlive the line's use.
KeyedLine SplitKeyed(std::string_view line, std::string& scratch) {
    KeyedLine keyed;
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos)
        return keyed;
    keyed.key = TrimmedView(line.substr(0, equals));
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    if (std::any_of(keyed.key.begin(), keyed.key.end(), blank)) {
        scratch.clear();
        std::remove_copy_if(keyed.key.begin(), keyed.key.end(), std::back_inserter(scratch), blank);
        keyed.key = scratch;
    }
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

// The entry of `table` that a line's key names. Files nearly always spell
// a keyword as the table does, so a plain compare finds it first; only
// other spellings take the byte-by-byte case-blind one.
template <typename Record, size_t N>
const FieldEntry<Record>* FieldOfLine(const FieldTable<Record, N>& table, const KeyedLine& line) {
    for (const FieldEntry<Record>& item : table)
        if (item.Keyword == line.key)
            return &item;
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

// What the reader passed over, noted only for callers that want it: the
// texts are not built otherwise.
void NoteKept(const ReadContext& context, int line, std::string_view section, std::string_view what,
              std::string_view written = {}) {
    if (context.diagnostics != nullptr)
        Note(context.diagnostics, context.path, line,
             "[" + std::string(section) + "] " + std::string(what) + std::string(written));
}

void KeepLine(const ReadContext& context, const SourceSection& section, const SourceLine& line,
              std::vector<std::string>& kept) {
    kept.emplace_back(line.text);
    NoteKept(context, line.number, section.name, "line kept as written: ", line.text);
}

// Marks the section read under the name the writer gives it and hands every
// non-blank line to `use`; the lines it does not use are kept.
template <typename Use>
void ReadLines(const ReadContext& context, SourceSection* section, const std::string& readAs,
               CommentLines comments, std::vector<std::string>& kept, Use use) {
    if (section == nullptr)
        return;
    section->readAs = readAs;
    std::string scratch;
    for (const SourceLine& line : section->Lines()) {
        if (IsBlankLine(line.text))
            continue;
        const bool comment = IsCommentLine(line.text);
        if (comment && comments == CommentLines::Drop)
            continue;
        if (!comment && use(SplitKeyed(line.text, scratch)))
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
    std::string scratch;
    for (const SourceLine& source : section != nullptr ? section->Lines() : SourceLines({}, 0)) {
        const KeyedLine line = SplitKeyed(source.text, scratch);
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

// The number of an entry "N=" of an object list: only numbers written
// without leading zeros count; 0 for any other key.
uint64_t EntryNumber(std::string_view key) {
    uint64_t number = 0;
    if (!IsDecimal(key) || key[0] == '0' || key.size() > 10)
        return 0;
    std::from_chars(key.data(), key.data() + key.size(), number);
    return number;
}

// The count and the numbered entries are the list itself, written afresh
// from the objects; other lines are kept. The entries "1=", "2=", ... up to
// the stated count are taken, first of each number, in number order. Walking
// the entries present, rather than counting up to the stated number, keeps a
// file that claims billions of objects from stalling the reader.
void ReadObjectList(const ReadContext& context, const char* name, uint8_t category,
                    CCANopenEDS& model) {
    std::optional<std::string_view> supported;
    std::vector<std::pair<uint64_t, std::string_view>> entries;
    SourceSection* section = context.source.Find(name);
    model.ListInFile[category - 1] = section != nullptr;
    ReadLines(context, section, name, CommentLines::Drop, model.ListKeptLines[category - 1],
              [&](const KeyedLine& line) {
                  if (EqualsNoCase(line.key, "SupportedObjects")) {
                      if (!supported)
                          supported = line.value;
                      return true;
                  }
                  if (!IsDecimal(line.key))
                      return false;
                  entries.emplace_back(EntryNumber(line.key), line.value);
                  return true;
              });
    if (!supported)
        return;
    const uint32_t count = ParseNumber(*supported);
    std::stable_sort(entries.begin(), entries.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    model.Objects.reserve(model.Objects.size() + entries.size());
    for (size_t i = 0; i < entries.size(); ++i) {
        const auto& [number, value] = entries[i];
        if (number < 1 || number > count || (i > 0 && entries[i - 1].first == number))
            continue;
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
    for (char& c : record.AccessType)
        c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Room for the stated count at once; a file that states more than it
// gives hands the rest back.
void ReadSubObjects(const ReadContext& context, CANopenObject& object) {
    object.SubObjects.emplace();
    object.SubObjects->reserve(object.SubNumber);
    for (unsigned s = 0; s <= 255 && object.SubObjects->size() < object.SubNumber; ++s) {
        const auto subIndex = static_cast<uint8_t>(s);
        const std::string name = SubIndexSectionName(object.Index, subIndex);
        SourceSection* section = context.source.Find(name);
        if (section == nullptr || !section->HasContent())
            continue;
        // Sub-indexes come in rising order: each goes at the end.
        CANopenObject& sub = object.SubObjects->emplace_back();
        sub.Index = object.Index;
        sub.SubIndex = subIndex;
        ReadRecord(context, section, name, sub);
    }
    if (object.SubObjects->size() < object.SubNumber)
        object.SubObjects->shrink_to_fit();
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
    if (name.size() != 4)
        return 0;
    const std::string hex = "0x" + std::string(name);
    if (!IsHex(hex))
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
        NoteKept(context, section.number, section.name, "read, though no object list names it");
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
        for (const SourceLine& line : section.Lines())
            kept.Lines.emplace_back(line.text);
        while (!kept.Lines.empty() && IsBlankLine(kept.Lines.back()))
            kept.Lines.pop_back();
        model.KeptSections.push_back(std::move(kept));
        NoteKept(context, section.number, section.name, "section kept as written");
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
