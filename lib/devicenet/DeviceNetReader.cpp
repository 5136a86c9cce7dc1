#include "devicenet/DeviceNetReader.h"

#include "devicenet/EDSIdentitySections.h"
#include "devicenet/EDSParamSections.h"
#include "dictionaries/FileIO.h"

#include <array>

namespace corvid {

namespace {

// The seven sections, in the order a line is tested against them. Sections
// of other kinds are read as part of the known section in front of them.
enum Section : size_t { File, Device, IOInfo, ParamClass, Params, EnumPar, Groups };
constexpr std::array<std::string_view, 7> kHeaders = {
    "[File]", "[Device]", "[IO_Info]", "[ParamClass]", "[Params]", "[EnumPar]", "[Groups]"};

void ReadParamClassLine(const std::string& line, EDSParamClassSection& paramClass) {
    if (KeywordAt(line, "MaxInst="))
        paramClass.MaxInst = Number16(SingleValue(line));
    else if (KeywordAt(line, "Descriptor="))
        paramClass.Descriptor = Number16(SingleValue(line));
    else if (KeywordAt(line, "CfgAssembly="))
        paramClass.CfgAssembly = Number16(SingleValue(line));
}

IOEntry IOEntryFrom(const std::string& entry, std::string_view keyword) {
    const std::vector<std::string> f = EntryFields(entry, 7);
    IOEntry io;
    io.Number = EntryNumber(entry, keyword);
    io.Size = Number16(f[0]);
    io.SigBits = Number16(f[1]);
    io.TypeMask = Number16(f[2]);
    io.Name = f[3];
    io.PathSize = Number16(f[4]);
    io.Path = f[5];
    io.Help = f[6];
    return io;
}

struct ConnectionKeyword {
    std::string_view keyword;
    ConnectionInfo DeviceNetIOInfoSection::*field;
};
constexpr std::array<ConnectionKeyword, 4> kConnectionKeywords = {{
    {"PollInfo=", &DeviceNetIOInfoSection::PollInfo},
    {"StrobeInfo=", &DeviceNetIOInfoSection::StrobeInfo},
    {"COSInfo=", &DeviceNetIOInfoSection::COSInfo},
    {"CyclicInfo=", &DeviceNetIOInfoSection::CyclicInfo},
}};

// The entries of [IO_Info] that span lines.
class IOInfoLines {
public:
    IOInfoLines(DeviceNetIOInfoSection& io, CEDSLineSource& source, ReaderDiagnostics* diagnostics,
                const std::string& path)
        : io_(io), source_(source), diagnostics_(diagnostics), path_(path) {}

    // False when an entry is cut off by the end of the text.
    bool Read(std::string& line) {
        if (KeywordAt(line, "Default=")) {
            io_.Default = Number16(SingleValue(line));
            return true;
        }
        for (const ConnectionKeyword& key : kConnectionKeywords) {
            if (KeywordAt(line, key.keyword)) {
                ConnectionInfo& info = io_.*key.field;
                // Present even when the entry turns out to be cut off.
                info.Present = 1;
                if (!Join(line))
                    return false;
                const std::vector<std::string> f = EntryFields(line, 3);
                info.TypeMask = Number16(f[0]);
                info.DefaultInput = Number16(f[1]);
                info.DefaultOutput = Number16(f[2]);
                return true;
            }
        }
        if (KeywordAt(line, "Input"))
            return ReadIOEntry(line, "Input", io_.Inputs);
        if (KeywordAt(line, "Output"))
            return ReadIOEntry(line, "Output", io_.Outputs);
        return true;
    }

private:
    bool Join(std::string& line) { return JoinEntry(line, source_, diagnostics_, path_); }

    bool ReadIOEntry(std::string& line, std::string_view keyword, std::vector<IOEntry>& list) {
        if (!Join(line))
            return false;
        InsertOrdered(list, IOEntryFrom(line, keyword));
        return true;
    }

    DeviceNetIOInfoSection& io_;
    CEDSLineSource& source_;
    ReaderDiagnostics* diagnostics_;
    const std::string& path_;
};

// A section of single-value keywords: `read` takes each line once entered.
template <typename ReadLine>
SectionEnd ReadSingleValues(CEDSLineSource& source, std::string& line, Section section,
                            std::string& sectionName, std::string_view name, ReadLine read) {
    return ReadSection(
        source, line, kHeaders, section, [&] { sectionName = name; },
        [&](const std::string& l) {
            read(l);
            return true;
        });
}

SectionEnd ReadParamTable(CEDSLineSource& source, std::string& line, Section section,
                          ParamSection kind, ParamSectionTarget& target) {
    return ReadSection(
        source, line, kHeaders, section, [] {},
        [&](std::string& l) { return ReadParamSectionLine(kind, l, source, target); });
}

} // namespace

SectionEnd ReadIOInfoSection(CDeviceNetEDS& model, std::string& currentLine, CEDSLineSource& source,
                             ReaderDiagnostics* diagnostics) {
    DeviceNetIOInfoSection& io = model.IOInfoSection;
    io.SectionName = "IO_Info";
    for (const ConnectionKeyword& key : kConnectionKeywords)
        (io.*key.field).Present = 0;
    IOInfoLines lines(io, source, diagnostics, model.Header.PathName);
    return ReadSection(
        source, currentLine, kHeaders, IOInfo, [] {},
        [&](std::string& line) { return lines.Read(line); });
}

void LoadDeviceNetEDSText(CDeviceNetEDS& model, std::string_view text, const std::string& path,
                          ReaderDiagnostics* diagnostics) {
    ResetHeaderForPath(model.Header, path);
    ReadHeaderComment(model.Header, text, kCIPHeaderComment);
    CEDSLineSource source(text);
    ParamSectionTarget target{model.Params, model.GroupNames, diagnostics, path};
    ReadSections(source, kHeaders, [&](size_t section, std::string& line) {
        switch (static_cast<Section>(section)) {
        case File:
            return ReadSingleValues(
                source, line, File, model.FileSection.SectionName, "File",
                [&](const std::string& l) { ReadFileLine(l, model.FileSection); });
        case Device:
            return ReadSingleValues(
                source, line, Device, model.DeviceSection.SectionName, "Device",
                [&](const std::string& l) { ReadDeviceLine(l, model.DeviceSection); });
        case IOInfo:
            return ReadIOInfoSection(model, line, source, diagnostics);
        case ParamClass:
            return ReadSingleValues(
                source, line, ParamClass, model.ParamClassSection.SectionName, "ParamClass",
                [&](const std::string& l) { ReadParamClassLine(l, model.ParamClassSection); });
        case Params:
            return ReadParamTable(source, line, Params, ParamSection::Params, target);
        case EnumPar:
            return ReadParamTable(source, line, EnumPar, ParamSection::EnumPar, target);
        case Groups:
            break;
        }
        return ReadParamTable(source, line, Groups, ParamSection::Groups, target);
    });
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
