#include "devicenet/DeviceNetReader.h"

#include "devicenet/DeviceNetFields.h"
#include "devicenet/EDSIdentitySections.h"
#include "devicenet/EDSParamSections.h"
#include "dictionaries/ByteOrderMark.h"
#include "dictionaries/FileIO.h"

#include <array>

namespace corvid {

namespace {

// The seven sections, in the order a line is tested against them, and the
// empty header the writer gives [File], [Device] and [IO_Info] when the
// description has no such section (its lines are read as theirs). Other
// sections are kept whole.
enum Section : size_t { File, Device, IOInfo, ParamClass, Params, EnumPar, Groups, Unnamed };
constexpr std::array<std::string_view, 8> kHeaders = {
    "[File]", "[Device]", "[IO_Info]", "[ParamClass]", "[Params]", "[EnumPar]", "[Groups]", "[]"};

LineUse Used(bool read) {
    return read ? LineUse::Read : LineUse::NotRead;
}

IOEntry IOEntryFrom(std::string_view entry, std::string_view keyword) {
    IOEntry io;
    io.Number = EntryNumber(entry, keyword);
    ReadEntryFields(entry, io, kIOEntryFields);
    return io;
}

// The entries of [IO_Info] that span lines.
class IOInfoLines {
public:
    IOInfoLines(DeviceNetIOInfoSection& io, CEDSLineSource& source, ReaderDiagnostics* diagnostics,
                const std::string& path)
        : io_(io), source_(source), diagnostics_(diagnostics), path_(path) {}

    LineUse Read(std::string& line) {
        if (ReadFieldLine(line, io_, kIOInfoFields))
            return LineUse::Read;
        for (const ConnectionInfoEntry& key : kConnectionInfoEntries) {
            if (KeywordLineAt(line, key.Keyword)) {
                ConnectionInfo& info = io_.*key.Member;
                // Present even when the entry turns out to be cut off.
                info.Present = 1;
                if (!Join(line))
                    return LineUse::CutOff;
                ReadEntryFields(line, info, kConnectionInfoFields);
                return LineUse::Read;
            }
        }
        if (NumberedKeywordAt(line, "Input"))
            return ReadIOEntry(line, "Input", io_.Inputs);
        if (NumberedKeywordAt(line, "Output"))
            return ReadIOEntry(line, "Output", io_.Outputs);
        return LineUse::NotRead;
    }

private:
    bool Join(std::string& line) { return JoinEntry(line, source_, diagnostics_, path_); }

    LineUse ReadIOEntry(std::string& line, std::string_view keyword, std::vector<IOEntry>& list) {
        if (!Join(line))
            return LineUse::CutOff;
        InsertOrdered(list, IOEntryFrom(line, keyword));
        return LineUse::Read;
    }

    DeviceNetIOInfoSection& io_;
    CEDSLineSource& source_;
    ReaderDiagnostics* diagnostics_;
    const std::string& path_;
};

// The parts of the reader every section shares.
struct DeviceNetReading {
    CEDSLineSource& Source;
    KeptLineTarget& Kept;
};

// A section of single-value keywords: `read` takes each line once entered
// and says whether it knew the keyword.
template <typename ReadLine>
SectionEnd ReadSingleValues(DeviceNetReading& reading, std::string& line, Section section,
                            std::string& sectionName, std::string_view name, ReadLine read) {
    return ReadSection(
        reading.Source, line, kHeaders, section, reading.Kept, [&] { sectionName = name; },
        [&](const std::string& l) { return Used(read(l)); });
}

SectionEnd ReadParamTable(DeviceNetReading& reading, std::string& line, Section section,
                          ParamSection kind, ParamSectionTarget& target) {
    return ReadSection(
        reading.Source, line, kHeaders, section, reading.Kept, [] {},
        [&](std::string& l) { return ReadParamSectionLine(kind, l, reading.Source, target); });
}

// The lines under an empty header: what the writer puts under [File],
// [Device] and [IO_Info] of a description that has no such section.
SectionEnd ReadUnnamed(DeviceNetReading& reading, std::string& line, CDeviceNetEDS& model,
                       ReaderDiagnostics* diagnostics) {
    IOInfoLines io(model.IOInfoSection, reading.Source, diagnostics, model.Header.PathName);
    return ReadSection(
        reading.Source, line, kHeaders, Unnamed, reading.Kept, [] {},
        [&](std::string& l) {
            if (ReadFileLine(l, model.FileSection) || ReadDeviceLine(l, model.DeviceSection))
                return LineUse::Read;
            return io.Read(l);
        });
}

SectionEnd ReadIOInfo(CDeviceNetEDS& model, std::string& currentLine, CEDSLineSource& source,
                      ReaderDiagnostics* diagnostics, KeptLineTarget& kept) {
    DeviceNetIOInfoSection& io = model.IOInfoSection;
    io.SectionName = "IO_Info";
    for (const ConnectionInfoEntry& key : kConnectionInfoEntries)
        (io.*key.Member).Present = 0;
    IOInfoLines lines(io, source, diagnostics, model.Header.PathName);
    return ReadSection(
        source, currentLine, kHeaders, IOInfo, kept, [] {},
        [&](std::string& line) { return lines.Read(line); });
}

} // namespace

SectionEnd ReadIOInfoSection(CDeviceNetEDS& model, std::string& currentLine, CEDSLineSource& source,
                             ReaderDiagnostics* diagnostics) {
    KeptLineTarget kept{model.Kept, diagnostics, model.Header.PathName};
    return ReadIOInfo(model, currentLine, source, diagnostics, kept);
}

void LoadDeviceNetEDSText(CDeviceNetEDS& model, std::string_view text, const std::string& path,
                          ReaderDiagnostics* diagnostics) {
    ResetHeaderForPath(model.Header, path);
    for (GivenFields* given : GivenFieldsOf(model))
        given->StartReading();
    model.Kept.ByteOrderMark = StripByteOrderMark(text);
    ReadHeaderComment(model.Header, text, kCIPHeaderComment);
    CEDSLineSource source(text);
    KeptLineTarget kept{model.Kept, diagnostics, path};
    DeviceNetReading reading{source, kept};
    ParamSectionTarget target{model.Params, model.GroupNames, diagnostics, path, &model.Kept};
    ReadSections(source, kHeaders, kept, [&](size_t section, std::string& line) {
        switch (static_cast<Section>(section)) {
        case File:
            return ReadSingleValues(
                reading, line, File, model.FileSection.SectionName, "File",
                [&](const std::string& l) { return ReadFileLine(l, model.FileSection); });
        case Device:
            return ReadSingleValues(
                reading, line, Device, model.DeviceSection.SectionName, "Device",
                [&](const std::string& l) { return ReadDeviceLine(l, model.DeviceSection); });
        case IOInfo:
            return ReadIOInfo(model, line, source, diagnostics, kept);
        case ParamClass:
            return ReadSingleValues(reading, line, ParamClass, model.ParamClassSection.SectionName,
                                    "ParamClass", [&](const std::string& l) {
                                        return ReadFieldLine(l, model.ParamClassSection,
                                                             kParamClassFields);
                                    });
        case Params:
            return ReadParamTable(reading, line, Params, ParamSection::Params, target);
        case EnumPar:
            return ReadParamTable(reading, line, EnumPar, ParamSection::EnumPar, target);
        case Groups:
            return ReadParamTable(reading, line, Groups, ParamSection::Groups, target);
        case Unnamed:
            break;
        }
        return ReadUnnamed(reading, line, model, diagnostics);
    });
    FinishParamSections(target);
}

bool LoadDeviceNetEDS(CDeviceNetEDS& model, const std::string& path, std::string& error,
                      ReaderDiagnostics* diagnostics) {
    std::string text;
    if (!ReadWholeFile(path, text, error)) {
        ResetHeaderForPath(model.Header, path);
        return false;
    }
    LoadDeviceNetEDSText(model, text, path, diagnostics);
    return true;
}

} // namespace corvid
