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
#include <cstring>
#include <map>
#include <optional>

namespace corvid {

namespace {

enum class LineKind : uint8_t { Blank, Comment, Content };

// Views into the file's text; keys are compared regardless of letter case.
// Blanks inside a key or before its "=" do not count ("Parameter Name ="
// names ParameterName), but files hardly ever have them, so they are taken
// out only of a key that a plain compare did not find (KeyOf).
struct KeyedLine {
    LineKind kind = LineKind::Content;
    std::string_view written; // the key up to "=", as written; empty for a line without "="
    std::string_view value;
};

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// The line's key without blanks: the key as written when it has none, else
// a copy without them in `scratch`, which must outlive the key's use.
std::string_view KeyOf(const KeyedLine& line, std::string& scratch) {
    if (std::none_of(line.written.begin(), line.written.end(), IsBlank))
        return line.written;
    scratch.clear();
    std::remove_copy_if(line.written.begin(), line.written.end(), std::back_inserter(scratch),
                        IsBlank);
    return scratch;
}

// Sorts a line and splits it at its first "=". Blanks around the value go,
// and those in front of the key. A line without "=" has an empty key and
// matches nothing.
KeyedLine SplitKeyed(std::string_view line) {
    const char* begin = line.data();
    const char* end = begin + line.size();
    while (begin != end && IsBlank(*begin))
        ++begin;
    if (begin == end)
        return {LineKind::Blank, {}, {}};
    if (*begin == ';')
        return {LineKind::Comment, {}, {}};
    const auto* equals = static_cast<const char*>(std::memchr(begin, '=', end - begin));
    if (equals == nullptr)
        return {};
    KeyedLine keyed{LineKind::Content, {begin, equals}, {}};
    const char* value = equals + 1;
    while (value != end && IsBlank(*value))
        ++value;
    while (end != value && IsBlank(end[-1]))
        --end;
    keyed.value = {value, end};
    return keyed;
}

// CANopen flags are numbers in real files ("PDOMapping=0x1"): any number
// other than 0 is true, so a save does not turn a mappable object into one
// that is not. Text that is no number reads as 0. Texts are assigned in
// place, without a string made for each.
template <typename Record>
void StoreValue(Record& record, const FieldEntry<Record>& item, std::string_view value) {
    if (const auto* text = std::get_if<std::string Record::*>(&item.Member)) {
        (record.**text).assign(value);
        return;
    }
    StoreFieldText(
        record, item, value, [](std::string_view text) { return ParseNumber(text) != 0; },
        [](std::string_view text, bool) { return ParseNumber(text); });
}

// The entry of `table` that a line's key names. Files nearly always spell
// a keyword as the table does, so a plain compare of the key as written
// finds it first; only other spellings take the blanks out of the key
// (into `scratch`) and compare it byte by byte regardless of case.
template <typename Record, size_t N>
const FieldEntry<Record>* FieldOfLine(const FieldTable<Record, N>& table, const KeyedLine& line,
                                      std::string& scratch) {
    for (const FieldEntry<Record>& item : table)
        if (item.Keyword == line.written)
            return &item;
    return FindField(table, KeyOf(line, scratch), KeywordMatch::IgnoreCase);
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
    if (context.diagnostics == nullptr)
        return;
    std::string text = "[";
    text.append(section).append("] ").append(what).append(written);
    Note(context.diagnostics, context.path, line, std::move(text));
}

// `kept` is a vector of lines, or a record's KeptLineList.
template <typename Kept>
void KeepLine(const ReadContext& context, const SourceSection& section, const SourceLine& line,
              Kept& kept) {
    kept.emplace_back(line.text);
    NoteKept(context, line.number, context.source.Name(section),
             "line kept as written: ", line.text);
}

// Marks the section read under the name the writer gives it (`readAs`,
// which must outlive the source; none for a record's section) and hands
// every non-blank line to `use`; the lines it does not use are kept.
template <typename Kept, typename Use>
void ReadLines(const ReadContext& context, SourceSection* section, const char* readAs,
               CommentLines comments, Kept& kept, Use use) {
    if (section == nullptr)
        return;
    context.source.MarkRead(*section, readAs);
    for (const SourceLine& line : context.source.Lines(*section)) {
        const KeyedLine keyed = SplitKeyed(line.text);
        if (keyed.kind == LineKind::Blank ||
            (keyed.kind == LineKind::Comment && comments == CommentLines::Drop))
            continue;
        if (keyed.kind == LineKind::Content && use(keyed))
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
    std::string scratch;
    ReadLines(context, context.source.Find(name), record.SectionName.c_str(), CommentLines::Drop,
              record.KeptLines, [&](const KeyedLine& line) {
                  const FieldEntry<Record>* item = FieldOfLine(table, line, scratch);
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
    for (const SourceLine& source :
         section != nullptr ? context.source.Lines(*section) : SourceLines({}, 0)) {
        const KeyedLine line = SplitKeyed(source.text);
        if (const auto* item = FieldOfLine(kCommentsFields, line, scratch)) {
            StoreValue(comments, *item, line.value);
            comments.Given.Add(FieldPlace(kCommentsFields, *item));
            break;
        }
    }
    std::map<unsigned, std::string> texts;
    ReadLines(context, section, comments.SectionName.c_str(), CommentLines::Drop,
              comments.KeptLines, [&](const KeyedLine& line) {
                  if (FieldOfLine(kCommentsFields, line, scratch) != nullptr)
                      return true;
                  const unsigned number =
                      CommentLineNumber(KeyOf(line, scratch), KeywordMatch::IgnoreCase);
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
// the stated count are taken, first of each number, in number order: the
// indexes they name are returned. Walking the entries present, rather than
// counting up to the stated number, keeps a file that claims billions of
// objects from stalling the reader.
std::vector<uint16_t> ReadObjectList(const ReadContext& context, const char* name, uint8_t category,
                                     CCANopenEDS& model) {
    std::optional<std::string_view> supported;
    std::vector<std::pair<uint64_t, std::string_view>> entries;
    SourceSection* section = context.source.Find(name);
    model.ListInFile[category - 1] = section != nullptr;
    std::string scratch;
    ReadLines(context, section, name, CommentLines::Drop, model.ListKeptLines[category - 1],
              [&](const KeyedLine& line) {
                  const std::string_view key = KeyOf(line, scratch);
                  if (EqualsNoCase(key, "SupportedObjects")) {
                      if (!supported)
                          supported = line.value;
                      return true;
                  }
                  if (!IsDecimal(key))
                      return false;
                  entries.emplace_back(EntryNumber(key), line.value);
                  return true;
              });
    std::vector<uint16_t> indexes;
    if (!supported)
        return indexes;
    const uint32_t count = ParseNumber(*supported);
    std::stable_sort(entries.begin(), entries.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    indexes.reserve(entries.size());
    for (size_t i = 0; i < entries.size(); ++i) {
        const auto& [number, value] = entries[i];
        if (number >= 1 && number <= count && (i == 0 || entries[i - 1].first != number))
            indexes.push_back(static_cast<uint16_t>(ParseNumber(value)));
    }
    return indexes;
}

// The keys objects and sub-indexes share; SubNumber is read for objects
// only (a sub-index record has Category 0).
bool ReadRecordKey(CANopenObject& record, const KeyedLine& line, std::string& scratch) {
    const FieldEntry<CANopenObject>* item = FieldOfLine(kObjectFields, line, scratch);
    if (item == nullptr || (item == &kSubNumberKey && record.Category == 0))
        return false;
    StoreValue(record, *item, line.value);
    record.KeysInFile |= ObjectKeyBit(*item);
    return true;
}

// Access types compare in lower case.
void ReadRecord(const ReadContext& context, SourceSection* section, CANopenObject& record) {
    std::string scratch;
    ReadLines(context, section, "", CommentLines::Keep, record.KeptLines,
              [&](const KeyedLine& line) { return ReadRecordKey(record, line, scratch); });
    for (char& c : record.AccessType)
        c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Room for the stated count at once; a file that states more than it
// gives hands the rest back.
void ReadSubObjects(const ReadContext& context, CANopenObject& object) {
    object.SubObjects.reserve(object.SubNumber);
    for (unsigned s = 0; s <= 255 && object.SubObjects.size() < object.SubNumber; ++s) {
        const auto subIndex = static_cast<uint8_t>(s);
        SourceSection* section =
            context.source.FindRecord(RecordKey::SubIndex(object.Index, subIndex));
        if (section == nullptr || !context.source.HasContent(*section))
            continue;
        // Sub-indexes come in rising order: each goes at the end.
        CANopenObject& sub = object.SubObjects.emplace_back();
        sub.Index = object.Index;
        sub.SubIndex = subIndex;
        ReadRecord(context, section, sub);
    }
    if (object.SubObjects.size() < object.SubNumber)
        object.SubObjects.shrink_to_fit();
}

void ReadObject(const ReadContext& context, CANopenObject& object) {
    ReadRecord(context, context.source.FindRecord(RecordKey::Object(object.Index)), object);
    if (object.SubNumber != 0)
        ReadSubObjects(context, object);
}

// The index of an object section in the ranges objects belong to, else 0.
uint16_t UnlistedObjectIndex(const SourceSection& section) {
    if (section.record == RecordKey::kNone || RecordKey::IsSubIndex(section.record))
        return 0;
    const uint16_t index = RecordKey::IndexOf(section.record);
    return index >= 0x1000 && index <= 0x9FFF ? index : 0;
}

// Whether a section holds an object that no list names: its index is in
// the ranges objects belong to and not among `listed` (sorted), and no
// section of its name stands before it.
bool IsUnlistedObject(const SourceSection& section, const std::vector<uint16_t>& listed) {
    const uint16_t index = UnlistedObjectIndex(section);
    return index != 0 && section.first && !std::binary_search(listed.begin(), listed.end(), index);
}

// The objects the lists name, placed in list order (a later list naming an
// index again replaces it). The vector gets room for them and for the
// objects no list names at once: grown by doubling, it would hold up to
// twice the records, and both copies while it grows.
void ReadObjectLists(const ReadContext& context, CCANopenEDS& model) {
    std::array<std::vector<uint16_t>, 3> lists;
    std::vector<uint16_t> listed;
    for (uint8_t category = kCategoryMandatory; category <= kCategoryManufacturer; ++category) {
        lists[category - 1] = ReadObjectList(context, ObjectListName(category), category, model);
        listed.insert(listed.end(), lists[category - 1].begin(), lists[category - 1].end());
    }
    std::sort(listed.begin(), listed.end());
    const auto unlisted = std::count_if(
        context.source.Sections().begin(), context.source.Sections().end(),
        [&](const SourceSection& section) { return IsUnlistedObject(section, listed); });
    model.Objects.reserve(listed.size() + static_cast<size_t>(unlisted));
    for (uint8_t category = kCategoryMandatory; category <= kCategoryManufacturer; ++category)
        for (const uint16_t index : lists[category - 1]) {
            CANopenObject object;
            object.Index = index;
            object.Category = category;
            InsertOrdered(model.Objects, std::move(object));
        }
}

// Real files often leave objects out of the lists, or list them beyond the
// stated count; their sections are the content, so they are read too.
void ReadUnlistedObjects(const ReadContext& context, CCANopenEDS& model) {
    for (SourceSection& section : context.source.Sections()) {
        if (section.read)
            continue;
        const uint16_t index = UnlistedObjectIndex(section);
        if (index == 0 || !section.first)
            continue;
        CANopenObject object;
        object.Index = index;
        object.Category = CategoryOfIndex(index);
        ReadObject(context, object);
        NoteKept(context, section.number, context.source.Name(section),
                 "read, though no object list names it");
        InsertOrdered(model.Objects, std::move(object));
    }
}

std::string ReadName(const ReadContext& context, const SourceSection& section) {
    return section.record != RecordKey::kNone ? RecordSectionName(section.record)
                                              : std::string(context.source.ReadAs(section));
}

// Every section left unread is kept whole, placed after the section read
// last before it. A later section of a name already seen follows the first
// one, so the first stays first and is the one read again.
void KeepUnreadSections(const ReadContext& context, CCANopenEDS& model) {
    const SourceSection* after = nullptr; // spelled only when a kept section follows it
    std::map<const SourceSection*, std::string> keptAfter;
    for (SourceSection& section : context.source.Sections()) {
        if (section.read) {
            after = &section;
            continue;
        }
        const SourceSection* first = context.source.Find(context.source.Name(section));
        std::string place = after != nullptr ? ReadName(context, *after) : std::string();
        if (first != &section)
            place = first->read ? ReadName(context, *first) : keptAfter[first];
        keptAfter.emplace(&section, place);

        CANopenKeptSection kept{place, std::string(context.source.Header(section)), {}};
        for (const SourceLine& line : context.source.Lines(section))
            kept.Lines.emplace_back(line.text);
        while (!kept.Lines.empty() && IsBlankLine(kept.Lines.back()))
            kept.Lines.pop_back();
        model.KeptSections.push_back(std::move(kept));
        NoteKept(context, section.number, context.source.Name(section), "section kept as written");
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
    ReadObjectLists(context, model);
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
