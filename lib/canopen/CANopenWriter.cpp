#include "canopen/CANopenWriter.h"

#include "canopen/CANopenFields.h"
#include "canopen/CANopenObjectEditing.h"
#include "dictionaries/ByteOrderMark.h"
#include "dictionaries/EDSLineWriter.h"
#include "dictionaries/EDSTextHelper.h"
#include "dictionaries/FileIO.h"

#include <unordered_map>

namespace corvid {

namespace {

// The line writer that puts each kept section after the section it
// followed in the file, and those whose section is gone at the end.
class CANopenLineWriter : public CEDSLineWriter {
public:
    explicit CANopenLineWriter(const std::vector<CANopenKeptSection>& kept) : kept_(kept) {
        IndexKept();
    }
    CANopenLineWriter(const std::vector<CANopenKeptSection>& kept, CReplacingFile& file)
        : CEDSLineWriter(file), kept_(kept) {
        IndexKept();
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

    bool HasKeptSectionsAfter(std::string_view name) const {
        return byAfter_.contains(ToLowerAscii(name));
    }

    void RemainingKeptSections() {
        for (size_t i = 0; i < kept_.size(); ++i)
            if (!written_[i])
                WriteKept(i);
    }

private:
    void IndexKept() {
        written_.assign(kept_.size(), false);
        for (size_t i = 0; i < kept_.size(); ++i)
            byAfter_[ToLowerAscii(kept_[i].After)].push_back(i);
    }

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

// The value of `item` in the writer's form: a text member as it stands, a
// number formatted into `number`. Neither is copied into a string of its
// own, as a large file has tens of thousands of them.
template <typename Record>
std::string_view FieldForm(const Record& record, const FieldEntry<Record>& item,
                           FieldNumberText& number) {
    return std::visit(
        [&](auto member) -> std::string_view {
            const auto& value = record.*member;
            if constexpr (std::is_same_v<std::decay_t<decltype(value)>, std::string>)
                return value;
            else
                return FormatFieldNumber(static_cast<int64_t>(value), item.Traits, number);
        },
        item.Member);
}

// The writer's form, or the fallback the file needs in place of an empty one.
template <typename Record>
std::string_view FieldOrFallback(const Record& record, const FieldEntry<Record>& item,
                                 FieldNumberText& number) {
    const std::string_view text = FieldForm(record, item, number);
    return text.empty() ? item.Traits.Fallback : text;
}

// "key=value" in the writer's form; an empty text is left out, or written
// as the fallback the file needs in its place.
template <typename Record>
void WriteField(CANopenLineWriter& out, const Record& record, const FieldEntry<Record>& item) {
    FieldNumberText number;
    out.Optional(item.Keyword, FieldOrFallback(record, item, number));
}

// A keyword of a section that was read is written as its file gave it,
// empty or not (an empty one the file needs gets its fallback), and left out
// when the file did not give it.
template <typename Record, size_t N>
void WriteGivenField(CANopenLineWriter& out, const Record& record,
                     const FieldTable<Record, N>& table, const FieldEntry<Record>& item) {
    if (!record.Given.Has(FieldPlace(table, item)))
        return;
    if (!record.Given.Read()) {
        WriteField(out, record, item);
        return;
    }
    FieldNumberText number;
    out.Line(item.Keyword, FieldOrFallback(record, item, number));
}

// A section its file did not have, and that nothing was put in, stays out,
// unless sections kept from the file stand behind it: they keep their place
// only behind it.
template <typename Record> bool LeftOut(CANopenLineWriter& out, const Record& record) {
    if (!record.Given.None() || !record.KeptLines.empty() ||
        out.HasKeptSectionsAfter(record.SectionName))
        return false;
    out.KeptSectionsAfter(record.SectionName);
    return true;
}

template <typename Record, size_t N>
void WriteFields(CANopenLineWriter& out, const Record& record, const FieldTable<Record, N>& table) {
    if (LeftOut(out, record))
        return;
    out.Section(record.SectionName);
    for (const FieldEntry<Record>& item : table)
        WriteGivenField(out, record, table, item);
    EndSection(out, record.SectionName, record.KeptLines);
}

// Lines are numbered from the list with a full-width counter, so a block of
// more than 255 lines keeps every line.
void WriteComments(CANopenLineWriter& out, const CANopenComments& comments) {
    if (comments.LineTexts.empty() && LeftOut(out, comments))
        return;
    out.Section(comments.SectionName);
    for (const FieldEntry<CANopenComments>& item : kCommentsFields)
        WriteGivenField(out, comments, kCommentsFields, item);
    for (size_t i = 0; i < comments.LineTexts.size(); ++i)
        out.Line(CommentLineKey(i + 1), comments.LineTexts[i]);
    EndSection(out, comments.SectionName, comments.KeptLines);
}

// Writes `key` where its file gave it, even empty (tools read an empty
// DefaultValue apart from a missing one), or else where the record's kind
// carries it (`usual`).
void WriteKeyWhen(CANopenLineWriter& out, const CANopenObject& record,
                  const FieldEntry<CANopenObject>& key, bool usual) {
    if ((record.KeysInFile & ObjectKeyBit(key)) != 0) {
        FieldNumberText number;
        out.Line(key.Keyword, FieldForm(record, key, number));
    } else if (usual) {
        WriteField(out, record, key);
    }
}

// Whether a record gets every key its kind carries: one Corvid made does;
// one read from a file gets only the keys its file gave, and those holding
// what the file left out, so a save in Corvid's layout invents no line.
bool FullLayout(const CANopenObject& record, bool modelRead) {
    return !modelRead || record.KeysInFile == 0;
}

// The value lines of a record. An ARRAY, RECORD or DEFSTRUCT object carries
// none of them and a DOMAIN no limits and no PDOMapping, unless its file
// gave them: those are written back. A PDOMapping the file left out means
// 0, so a record read writes it only once it is 1.
void WriteValueLines(CANopenLineWriter& out, const CANopenObject& record, bool holdsSubIndexes,
                     bool modelRead) {
    const bool plain = !holdsSubIndexes;
    const bool limited = plain && record.ObjectType != kObjectTypeDomain;
    const bool mapping = FullLayout(record, modelRead) || record.PDOMapping;
    WriteKeyWhen(out, record, kDataTypeKey, plain && record.DataType != kNoDataType);
    WriteKeyWhen(out, record, kAccessTypeKey, plain);
    WriteKeyWhen(out, record, kLowLimitKey, limited);
    WriteKeyWhen(out, record, kHighLimitKey, limited);
    WriteKeyWhen(out, record, kDefaultValueKey, plain);
    WriteKeyWhen(out, record, kPDOMappingKey, limited && mapping);
}

// The name is written even when empty: the section would look empty.
void WriteRecordStart(CANopenLineWriter& out, const std::string& name,
                      const CANopenObject& record) {
    out.Section(name).Line(kParameterNameKey.Keyword, record.ParameterName);
    WriteKeyWhen(out, record, kObjectTypeKey, record.ObjectType != kNoObjectType);
}

// An object its list names but whose file has no section for it, and that
// holds nothing since: a section written for it would be a stub that other
// tools refuse.
bool WithoutSection(const CANopenObject& object) {
    return object.KeysInFile == 0 && object.KeptLines.empty() && object.SubNumber == 0 &&
           object.ParameterName.empty() && object.ObjectType == kNoObjectType &&
           object.DataType == kNoDataType && object.LowLimit.empty() && object.HighLimit.empty() &&
           object.DefaultValue.empty() && object.AccessType.empty() && !object.PDOMapping;
}

// A SubNumber the file left out reads as 0 (no sub-indexes), so a record
// read writes it only once it has some.
void WriteObject(CANopenLineWriter& out, const CANopenObject& object, bool modelRead) {
    const std::string name = ObjectSectionName(object.Index);
    // Sections kept after the object's own keep their place only behind it.
    if (WithoutSection(object) && !out.HasKeptSectionsAfter(name)) {
        out.KeptSectionsAfter(name);
        return;
    }
    WriteRecordStart(out, name, object);
    if (IsStructuredObjectType(object.ObjectType)) {
        WriteKeyWhen(out, object, kSubNumberKey,
                     FullLayout(object, modelRead) || object.SubNumber != 0);
        WriteValueLines(out, object, true, modelRead);
    } else {
        WriteValueLines(out, object, false, modelRead);
        // An object of another type that still has sub-indexes keeps them:
        // without this line they would be written but never read back.
        WriteKeyWhen(out, object, kSubNumberKey, object.SubNumber != 0);
    }
    EndSection(out, name, object.KeptLines.Lines());
    if (object.SubNumber == 0)
        return;
    for (const CANopenObject& sub : object.SubObjects) {
        const std::string subName = SubIndexSectionName(object.Index, sub.SubIndex);
        WriteRecordStart(out, subName, sub);
        WriteValueLines(out, sub, false, modelRead);
        EndSection(out, subName, sub.KeptLines.Lines());
    }
}

// More than a record takes written: its texts and kept lines, and a bound
// on its header, key lines and list entry.
size_t WrittenSizeBound(const CANopenObject& record) {
    constexpr size_t kHeaderAndKeys = 160;
    size_t size = kHeaderAndKeys + record.ParameterName.size() + record.LowLimit.size() +
                  record.HighLimit.size() + record.DefaultValue.size() + record.AccessType.size();
    for (const std::string& line : record.KeptLines)
        size += line.size() + 2;
    for (const CANopenObject& sub : record.SubObjects)
        size += WrittenSizeBound(sub);
    return size;
}

// The size to reserve for the written file, erring high: room never
// written to costs address space only, too little a copy of the text.
size_t WrittenSizeBound(const CCANopenEDS& model) {
    constexpr size_t kFixedSections = 4096;
    size_t size = kFixedSections;
    for (const CANopenObject& object : model.Objects)
        size += WrittenSizeBound(object);
    for (const CANopenKeptSection& section : model.KeptSections) {
        size += section.Header.size() + 4;
        for (const std::string& line : section.Lines)
            size += line.size() + 2;
    }
    return size;
}

// A model read from a file, rather than made by Corvid (a catalogue model
// forgets what its file gave).
bool ModelRead(const CCANopenEDS& model) {
    return model.FileInfo.Given.Read();
}

// An object list of a file read that had no such section and has no member
// now stays out, unless sections kept from the file stand behind it.
bool ListLeftOut(CANopenLineWriter& out, const CCANopenEDS& model, uint8_t category,
                 const char* header, bool hasMembers) {
    const size_t list = category - 1u;
    return ModelRead(model) && !model.ListInFile[list] && !hasMembers &&
           model.ListKeptLines[list].empty() && !out.HasKeptSectionsAfter(header);
}

void WriteObjectBlock(CANopenLineWriter& out, const CCANopenEDS& model, uint8_t category,
                      const char* header) {
    std::vector<const CANopenObject*> members;
    for (const CANopenObject& object : model.Objects)
        if (object.Category == category)
            members.push_back(&object);
    if (ListLeftOut(out, model, category, header, !members.empty()))
        return;
    out.Section(header).Number("SupportedObjects", static_cast<unsigned>(members.size()));
    for (size_t n = 0; n < members.size(); ++n)
        out.Line(std::to_string(n + 1), "0x" + FormatHexDigits(members[n]->Index));
    EndSection(out, header, model.ListKeptLines[category - 1]);
    for (const CANopenObject* object : members)
        WriteObject(out, *object, ModelRead(model));
}

void WriteModel(CANopenLineWriter& out, const CCANopenEDS& model) {
    if (model.ByteOrderMark)
        out.Append(kUtf8ByteOrderMark);
    WriteHeader(out, model.Header);
    out.KeptSectionsAfter("");
    WriteFields(out, model.FileInfo, kFileInfoFields);
    WriteFields(out, model.DeviceInfo, kDeviceInfoFields);
    WriteFields(out, model.DummyUsage, kDummyUsageFields);
    WriteComments(out, model.Comments);
    WriteObjectBlock(out, model, kCategoryMandatory, "MandatoryObjects");
    WriteObjectBlock(out, model, kCategoryOptional, "OptionalObjects");
    WriteObjectBlock(out, model, kCategoryManufacturer, "ManufacturerObjects");
    out.RemainingKeptSections();
}

} // namespace

std::string FormatCANopenEDS(const CCANopenEDS& model) {
    CANopenLineWriter out(model.KeptSections);
    out.Reserve(WrittenSizeBound(model));
    WriteModel(out, model);
    return out.Take();
}

namespace {

// A part is rendered without the sections kept from the file: those stand
// behind it only in the whole render, and no change of the part moves them.
template <typename Write> std::string FormatPart(Write write) {
    const std::vector<CANopenKeptSection> none;
    CANopenLineWriter out(none);
    write(out);
    return out.Take();
}

} // namespace

std::string FormatCANopenObjectSections(const CANopenObject& object) {
    return FormatPart([&](CANopenLineWriter& out) { WriteObject(out, object, true); });
}

std::string FormatCANopenSection(const CANopenFileInfo& record) {
    return FormatPart([&](CANopenLineWriter& out) { WriteFields(out, record, kFileInfoFields); });
}

std::string FormatCANopenSection(const CANopenDeviceInfo& record) {
    return FormatPart([&](CANopenLineWriter& out) { WriteFields(out, record, kDeviceInfoFields); });
}

std::string FormatCANopenSection(const CANopenDummyUsage& record) {
    return FormatPart([&](CANopenLineWriter& out) { WriteFields(out, record, kDummyUsageFields); });
}

std::string FormatCANopenSection(const CANopenComments& record) {
    return FormatPart([&](CANopenLineWriter& out) { WriteComments(out, record); });
}

// The text goes to the file as it is made: a large file is never held
// whole beside its model.
bool WriteCANopenEDS(const CCANopenEDS& model, const std::string& path, std::string& error) {
    CReplacingFile file;
    if (!file.Open(path, error))
        return false;
    CANopenLineWriter out(model.KeptSections, file);
    WriteModel(out, model);
    out.Flush();
    return file.Commit(error);
}

} // namespace corvid
