#include "ethernetip/EtherNetIPReader.h"

#include "devicenet/EDSIdentitySections.h"
#include "devicenet/EDSLineScanner.h"
#include "devicenet/EDSParamSections.h"
#include "devicenet/EDSPlainEntry.h"
#include "dictionaries/ByteOrderMark.h"
#include "dictionaries/FileIO.h"
#include "ethernetip/EtherNetIPFields.h"

#include <algorithm>
#include <array>
#include <limits>
#include <span>

namespace corvid {

namespace {

enum Section : size_t {
    kFile,
    kDevice,
    kDeviceClassification,
    kParams,
    kEnumPar,
    kGroups,
    kAssembly,
    kPort,
    kModular,
    kDLRClass,
    kTCPIPInterfaceClass,
    kEthernetLinkClass,
    kConnectionManager,
    kCapacity,
    kQoSClass,
    kIdentityClass,
    kMessageRouterClass,
    kFileClass,
    kUnnamed,
};

// In the order they are tested; a header matches at the start of a line.
// The last, empty one is what the writer gives [File] and [Device] when the
// description has no such section: its lines are read as theirs.
constexpr std::array<std::string_view, 19> kHeaders = {
    "[File]",
    "[Device]",
    "[Device Classification]",
    "[Params]",
    "[EnumPar]",
    "[Groups]",
    "[Assembly]",
    "[Port]",
    "[Modular]",
    "[DLR Class]",
    "[TCP/IP Interface Class]",
    "[Ethernet Link Class]",
    "[Connection Manager]",
    "[Capacity]",
    "[QoS Class]",
    "[Identity Class]",
    "[Message Router Class]",
    "[File Class]",
    "[]",
};

std::string WithoutSemicolons(std::string_view text) {
    std::string kept(text);
    std::erase(kept, ';');
    return kept;
}

// The first `count` fields of `table` one by one from the cursor; those
// the entry lacks stay empty.
template <typename Record, size_t N>
void ReadFieldsFrom(CEntryFieldCursor& fields, Record& record, const FieldTable<Record, N>& table,
                    size_t count = N) {
    std::string_view field;
    for (size_t i = 0; i < count && fields.Next(field); ++i)
        StoreCIPField(record, table[i], field);
}

// The entries are read by their fields: name, path, size and data, the two
// reserved fields whatever they hold, then (size, reference) pairs. A size
// left without a reference keeps an empty reference, so no member text is
// lost.
void ReadAssembly(AssemblyEntry& assembly, std::span<const std::string_view> fields) {
    const size_t named = std::min(fields.size(), kAssemblyEntryFields.size());
    for (size_t i = 0; i < named; ++i)
        StoreCIPField(assembly, kAssemblyEntryFields[i], fields[i]);
    const std::span<const std::string_view> members =
        fields.subspan(std::min(fields.size(), named + kAssemblyReservedFields));
    // Large assemblies list hundreds of members: the lists get room for all
    // of them at once.
    assembly.MemberSizes.reserve((members.size() + 1) / 2);
    assembly.MemberReferences.reserve((members.size() + 1) / 2);
    for (size_t i = 0; i < members.size(); i += 2) {
        assembly.MemberSizes.emplace_back(members[i]);
        assembly.MemberReferences.emplace_back(i + 1 < members.size() ? members[i + 1]
                                                                      : std::string_view());
    }
}

// Five identity fields, three reserved fields, then the legal slots (which
// may hold commas of their own). A rack written without the reserved fields
// keeps its last field as the slots.
void ReadRack(RackEntry& rack, CEntryFieldCursor fields) {
    ReadFieldsFrom(fields, rack, kRackFields, kRackFields.size() - 1);
    std::array<std::string_view, kRackReservedFields> reserved;
    size_t count = 0;
    while (count < reserved.size() && fields.Next(reserved[count]))
        ++count;
    const std::string_view slots = !fields.AtEnd() ? fields.Rest()
                                   : count > 0     ? reserved[count - 1]
                                                   : std::string_view();
    rack.LegalSlots = WithoutSemicolons(slots);
}

// String1 to String4 each gather several fields of the file's entry, with
// the commas between them, a field the entry lacks as empty; the path takes
// the rest.
void ReadConnection(ConnectionEntry& connection, CEntryFieldCursor fields) {
    for (size_t f = 0; f + 1 < kConnectionFields.size(); ++f) {
        std::string& text =
            connection.*std::get<std::string ConnectionEntry::*>(kConnectionFields[f].Member);
        std::string_view field;
        for (size_t i = 0; i <= kConnectionFieldCommas[f]; ++i) {
            if (i > 0)
                text += ',';
            if (fields.Next(field))
                text += field;
        }
    }
    connection.Path = WithoutSemicolons(fields.Rest());
}

LineUse Used(bool read) {
    return read ? LineUse::Read : LineUse::NotRead;
}

// The key of a numbered entry. The model holds these entries' numbers as
// int32_t: a larger number would be written back negative, which no read
// takes for a number, so such an entry is none and is kept as written.
std::optional<NumberedKey> NumberedEntryAt(std::string_view line, std::string_view keyword) {
    const std::optional<NumberedKey> key = NumberedKeyAt(line, keyword);
    if (key && key->Number <= uint32_t{std::numeric_limits<int32_t>::max()})
        return key;
    return std::nullopt;
}

class CEtherNetIPReader {
public:
    CEtherNetIPReader(CEtherNetIPEDS& model, std::string_view text, const std::string& path,
                      ReaderDiagnostics* diagnostics)
        : model_(model),
          source_(text, HeaderLines::KeepAsWritten), kept_{model.Kept, diagnostics, path},
          params_{model.Params, model.GroupNames, diagnostics, path, &model.Kept} {}

    void Read() {
        for (GivenFields* given : GivenFieldsOf(model_))
            given->StartReading();
        ReadSections(source_, kHeaders, kept_, [&](size_t section, std::string& line) {
            return ReadSection(
                source_, line, kHeaders, section, kept_, [&] { Enter(section); },
                [&](std::string& current) { return ReadLine(section, current); });
        });
        FinishParamSections(params_);
    }

private:
    void Enter(size_t section) {
        if (section == kFile)
            model_.FileSection.SectionName = "File";
        else if (section == kDevice)
            model_.DeviceSection.SectionName = "Device";
        else if (section == kDeviceClassification)
            classSequence_ = 0;
    }

    // The notes go where the parameter sections note theirs.
    bool Join(std::string& line) {
        return JoinEntry(line, source_, params_.Diagnostics, params_.Path);
    }

    // A numbered entry: joined, then handed to `read`.
    template <typename Read> LineUse ReadEntry(std::string& line, Read read) {
        if (!Join(line))
            return LineUse::CutOff;
        read(line);
        return LineUse::Read;
    }

    // An entry numbered under `keyword` (see NumberedEntryAt), joined, then
    // handed to `read` with the number of its key and its fields, which
    // begin behind the key's "=": the key is not read a second time.
    template <typename Read>
    LineUse ReadNumberedEntry(std::string& line, std::string_view keyword, Read read) {
        const std::optional<NumberedKey> key = NumberedEntryAt(line, keyword);
        if (!key)
            return LineUse::NotRead;
        if (!Join(line))
            return LineUse::CutOff;
        read(static_cast<int32_t>(key->Number),
             CEntryFieldCursor(std::string_view(line).substr(key->Equals)));
        return LineUse::Read;
    }

    LineUse ReadLine(size_t section, std::string& line) {
        switch (section) {
        case kFile:
            return Used(ReadFileKeys(line));
        case kDevice:
            return Used(ReadDeviceKeys(line));
        case kUnnamed:
            return Used(ReadFileKeys(line) || ReadDeviceKeys(line));
        case kDeviceClassification:
            return ReadClassLine(line);
        case kParams:
            return ReadParamSectionLine(ParamSection::Params, line, source_, params_);
        case kEnumPar:
            return ReadParamSectionLine(ParamSection::EnumPar, line, source_, params_);
        case kGroups:
            return ReadParamSectionLine(ParamSection::Groups, line, source_, params_);
        case kAssembly:
            return ReadAssemblyLine(line);
        case kPort:
            return ReadNumberedEntry(line, "Port", [&](int32_t number, CEntryFieldCursor fields) {
                AppendPort(number, fields);
            });
        case kModular:
            return ReadModularLine(line);
        case kDLRClass:
            return Used(ReadFieldLine(line, model_.DLRClassSection, kObjectClassFields) ||
                        ReadFieldLine(line, model_.DLRClassSection, kDLRClassFields));
        case kEthernetLinkClass:
            return Used(ReadEthernetLinkKeys(line));
        case kConnectionManager:
            return ReadConnectionManagerLine(line);
        case kCapacity:
            return ReadCapacityLine(line);
        default:
            return Used(ReadFieldLine(line, ObjectClassOf(section), kObjectClassFields));
        }
    }

    // A port keeps the number of its key; one that repeats an earlier
    // number, or has none, gets the next free one.
    void AppendPort(int32_t number, CEntryFieldCursor fields) {
        auto port = std::make_unique<PortEntry>();
        port->Number = number;
        ReadEntryFields(fields, *port, kPortFields);
        const bool taken = std::ranges::any_of(
            model_.Ports, [&](const auto& other) { return other->Number == port->Number; });
        if (port->Number == 0 || taken) {
            port->Number = static_cast<int32_t>(NextFreePortNumber(model_));
            Note(kept_.Diagnostics, kept_.Path, source_.LineNumber(),
                 "port number 0 or already used, read as Port" + std::to_string(port->Number));
        }
        model_.Ports.push_back(std::move(port));
    }

    ObjectClassSection& ObjectClassOf(size_t section) {
        switch (section) {
        case kTCPIPInterfaceClass:
            return model_.TCPIPInterfaceClass;
        case kQoSClass:
            return model_.QoSClass;
        case kIdentityClass:
            return model_.IdentityClass;
        case kMessageRouterClass:
            return model_.MessageRouterClass;
        default:
            return model_.FileClass;
        }
    }

    bool ReadFileKeys(const std::string& line) {
        EtherNetIPFileSection& file = model_.FileSection;
        return ReadFileLine(line, file) || ReadFieldLine(line, file, kEtherNetIPFileFields);
    }

    bool ReadDeviceKeys(const std::string& line) {
        EtherNetIPDeviceSection& device = model_.DeviceSection;
        return ReadDeviceLine(line, device) || ReadFieldLine(line, device, kEtherNetIPDeviceFields);
    }

    // Every non-empty item of a ClassN list is one entry with that number.
    LineUse ReadClassLine(std::string& line) {
        if (!NumberedKeywordAt(line, "Class"))
            return LineUse::NotRead;
        return ReadEntry(line, [&](std::string_view entry) {
            const int32_t number = static_cast<int32_t>(EntryNumber(entry, "Class") & 0xFFFF);
            CEntryFieldCursor items(entry);
            std::string_view item;
            while (items.Next(item)) {
                if (!item.empty())
                    model_.DeviceClassification.push_back(
                        {number, ++classSequence_, std::string(item)});
            }
        });
    }

    LineUse ReadAssemblyLine(std::string& line) {
        if (ReadFieldLine(line, model_.AssemblySection, kAssemblyFields))
            return LineUse::Read;
        const std::optional<NumberedKey> key = NumberedEntryAt(line, "Assem");
        if (!key)
            return LineUse::NotRead;
        // Split straight from the text when the entry is plain, as most are.
        if (!TakePlainEntry(source_, fieldViews_)) {
            if (!Join(line))
                return LineUse::CutOff;
            TakeFieldViews(CEntryFieldCursor(std::string_view(line).substr(key->Equals)),
                           fieldViews_);
        }
        ReadAssembly(PlaceOrdered(model_.AssemblySection.Assemblies, int32_t(key->Number)),
                     fieldViews_);
        return LineUse::Read;
    }

    LineUse ReadModularLine(std::string& line) {
        if (ReadFieldLine(line, model_.ModularSection, kModularFields))
            return LineUse::Read;
        return ReadNumberedEntry(line, "Rack", [&](int32_t number, CEntryFieldCursor fields) {
            ReadRack(PlaceOrdered(model_.ModularSection.Racks, number), fields);
        });
    }

    bool ReadEthernetLinkKeys(const std::string& line) {
        EthernetLinkClassRecord& link = model_.EthernetLinkClassSection;
        return ReadFieldLine(line, link, kObjectClassFields) ||
               ReadFieldLine(line, link, kEthernetLinkClassFields);
    }

    LineUse ReadConnectionManagerLine(std::string& line) {
        ConnectionManagerRecord& manager = model_.ConnectionManagerSection;
        if (ReadFieldLine(line, manager, kObjectClassFields))
            return LineUse::Read;
        return ReadNumberedEntry(line, "Connection", [&](int32_t number, CEntryFieldCursor fields) {
            ReadConnection(PlaceOrdered(manager.Connections, number), fields);
        });
    }

    LineUse ReadCapacityLine(std::string& line) {
        CapacityRecord& capacity = model_.CapacitySection;
        if (ReadFieldLine(line, capacity, kCapacityFields))
            return LineUse::Read;
        return ReadNumberedEntry(line, "TSpec", [&](int32_t number, CEntryFieldCursor fields) {
            ReadEntryFields(fields, PlaceOrdered(capacity.TSpecs, number), kTSpecFields);
        });
    }

    CEtherNetIPEDS& model_;
    CEDSLineSource source_;
    KeptLineTarget kept_;
    ParamSectionTarget params_;
    std::vector<std::string_view> fieldViews_; // see ReadAssembly
    int32_t classSequence_ = 0;
};

} // namespace

void LoadEtherNetIPEDSText(CEtherNetIPEDS& model, std::string_view text, const std::string& path,
                           ReaderDiagnostics* diagnostics) {
    ResetHeaderForPath(model.Header, path);
    model.Kept.ByteOrderMark = StripByteOrderMark(text);
    ReadHeaderComment(model.Header, text, kCIPHeaderComment);
    CEtherNetIPReader(model, text, path, diagnostics).Read();
}

bool LoadEtherNetIPEDS(CEtherNetIPEDS& model, const std::string& path, std::string& error,
                       ReaderDiagnostics* diagnostics) {
    std::string text;
    if (!ReadWholeFile(path, text, error)) {
        ResetHeaderForPath(model.Header, path);
        return false;
    }
    LoadEtherNetIPEDSText(model, text, path, diagnostics);
    return true;
}

} // namespace corvid
