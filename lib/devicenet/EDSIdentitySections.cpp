#include "devicenet/EDSIdentitySections.h"

#include "devicenet/EDSLineScanner.h"
#include "dictionaries/EDSTextHelper.h"

#include <array>

namespace corvid {

namespace {

struct FileKeyword {
    std::string_view keyword;
    std::string DeviceNetFileSection::*field;
};
constexpr std::array<FileKeyword, 6> kFileKeywords = {{
    {"DescText=", &DeviceNetFileSection::DescText},
    {"CreateDate=", &DeviceNetFileSection::CreateDate},
    {"CreateTime=", &DeviceNetFileSection::CreateTime},
    {"ModDate=", &DeviceNetFileSection::ModDate},
    {"ModTime=", &DeviceNetFileSection::ModTime},
    {"Revision=", &DeviceNetFileSection::Revision},
}};

std::string Dec(unsigned long long value) {
    return std::to_string(value);
}

} // namespace

bool ReadFileLine(const std::string& line, DeviceNetFileSection& file) {
    for (const FileKeyword& key : kFileKeywords) {
        if (KeywordAt(line, key.keyword)) {
            file.*key.field = SingleValue(line);
            return true;
        }
    }
    return false;
}

bool ReadDeviceLine(const std::string& line, DeviceNetDeviceSection& device) {
    if (KeywordAt(line, "VendCode="))
        device.VendCode = Number16(SingleValue(line));
    else if (KeywordAt(line, "VendName="))
        device.VendName = SingleValue(line);
    else if (KeywordAt(line, "ProdType="))
        device.ProdType = Number16(SingleValue(line));
    else if (KeywordAt(line, "ProdTypeStr="))
        device.ProdTypeStr = SingleValue(line);
    else if (KeywordAt(line, "ProdCode="))
        device.ProdCode = Number16(SingleValue(line));
    else if (KeywordAt(line, "MajRev="))
        device.MajRev = Number8(SingleValue(line));
    else if (KeywordAt(line, "MinRev="))
        device.MinRev = Number8(SingleValue(line));
    else if (KeywordAt(line, "ProdName="))
        device.ProdName = SingleValue(line);
    else if (KeywordAt(line, "Catalog="))
        device.Catalog = SingleValue(line);
    else
        return false;
    return true;
}

void FormatKeyword(CEDSLineWriter& out, std::string_view keyword, std::string_view value) {
    out.Line("\t" + std::string(keyword) + "=" + std::string(value) + ";");
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
    for (const FileKeyword& key : kFileKeywords)
        FormatKeyword(out, key.keyword.substr(0, key.keyword.size() - 1), file.*key.field);
}

void FormatDeviceKeywords(CEDSLineWriter& out, CKeptLinesWriter& kept,
                          const DeviceNetDeviceSection& device) {
    kept.Section(device.SectionName);
    FormatKeyword(out, "VendCode", Dec(device.VendCode));
    FormatKeyword(out, "VendName", device.VendName);
    FormatKeyword(out, "ProdType", Dec(device.ProdType));
    FormatKeyword(out, "ProdTypeStr", device.ProdTypeStr);
    FormatKeyword(out, "ProdCode", FormatHex16(device.ProdCode));
    FormatKeyword(out, "MajRev", Dec(device.MajRev));
    FormatKeyword(out, "MinRev", Dec(device.MinRev));
    FormatKeyword(out, "ProdName", device.ProdName);
    FormatKeyword(out, "Catalog", device.Catalog);
}

} // namespace corvid
