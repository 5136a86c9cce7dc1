#include "devicenet/EDSIdentitySections.h"

#include "devicenet/DeviceNetFields.h"

#include <algorithm>

namespace corvid {

bool ReadFileLine(const std::string& line, DeviceNetFileSection& file) {
    return ReadFieldLine(line, file, kFileFields);
}

bool ReadDeviceLine(const std::string& line, DeviceNetDeviceSection& device) {
    return ReadFieldLine(line, device, kDeviceFields);
}

void FormatHeaderComment(CEDSLineWriter& out, const EDSFileHeader& header,
                         std::string_view network) {
    out.Line("$ HALVARD ELECTRONIC, INC.")
        .Line("")
        .Line("$ Network: " + std::string(network))
        .Line("$ Modlue:" + header.Module)
        .Line("$ Device:" + header.Device)
        .Line("$ Model:" + header.Model)
        .Line("$ Create by Corvid software")
        .Line("");
}

std::optional<std::string_view> WrittenSectionName(std::string_view sectionName,
                                                   std::string_view ownName,
                                                   std::initializer_list<const GivenFields*> given,
                                                   bool holdsEntries) {
    if (!sectionName.empty())
        return sectionName;
    if (std::none_of(given.begin(), given.end(), [](const GivenFields* g) { return g->Read(); }))
        return sectionName;
    if (holdsEntries ||
        std::any_of(given.begin(), given.end(), [](const GivenFields* g) { return !g->None(); }))
        return ownName;
    return std::nullopt;
}

void FormatFileKeywords(CEDSLineWriter& out, CKeptLinesWriter& kept, std::string_view name,
                        const DeviceNetFileSection& file) {
    kept.Section(name);
    FormatFieldLines(out, file, kFileFields);
}

void FormatDeviceKeywords(CEDSLineWriter& out, CKeptLinesWriter& kept, std::string_view name,
                          const DeviceNetDeviceSection& device) {
    kept.Section(name);
    FormatFieldLines(out, device, kDeviceFields);
}

} // namespace corvid
