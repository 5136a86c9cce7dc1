#include "devicenet/EDSIdentitySections.h"

#include "devicenet/DeviceNetFields.h"

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

void FormatFileKeywords(CEDSLineWriter& out, CKeptLinesWriter& kept,
                        const DeviceNetFileSection& file) {
    kept.Section(file.SectionName);
    FormatFieldLines(out, file, kFileFields);
}

void FormatDeviceKeywords(CEDSLineWriter& out, CKeptLinesWriter& kept,
                          const DeviceNetDeviceSection& device) {
    kept.Section(device.SectionName);
    FormatFieldLines(out, device, kDeviceFields);
}

} // namespace corvid
