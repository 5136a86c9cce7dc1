#include "CIPCheckEntries.h"

#include "devicenet/EDSLineScanner.h"
#include "dictionaries/ByteOrderMark.h"
#include "dictionaries/EDSTextHelper.h"

namespace corvid {

const CIPEntry* CIPFileEntries::Find(std::string_view section, std::string_view keyword) const {
    for (const CIPEntry& entry : entries)
        if (entry.section == section && entry.keyword == keyword)
            return &entry;
    return nullptr;
}

CIPFileEntries ScanCIPEntries(std::string_view text, CIPFileKind kind) {
    StripByteOrderMark(text);
    CEDSLineSource source(text, kind == CIPFileKind::EtherNetIP ? HeaderLines::KeepAsWritten
                                                                : HeaderLines::Normalize);
    CIPFileEntries file;
    std::string section;
    std::string line;
    while (source.Next(line)) {
        if (line.starts_with('[')) {
            const size_t close = line.find(']');
            section = TrimmedBlanks(
                line.substr(1, close == std::string::npos ? std::string::npos : close - 1));
            file.sections.push_back({section, source.LineNumber()});
            continue;
        }
        if (line.empty())
            continue;
        CIPEntry entry{section, "", "", source.LineNumber()};
        const std::ptrdiff_t equals = FindOutsideQuotes(line, '=');
        if (equals < 0)
            continue; // the reader keeps and notes such a line
        if (!JoinEntry(line, source))
            break;
        entry.keyword = line.substr(0, static_cast<size_t>(equals));
        entry.entry = std::move(line);
        file.entries.push_back(std::move(entry));
    }
    return file;
}

uint32_t NumberedKeyword(std::string_view written, std::string_view keyword) {
    if (written.size() <= keyword.size() || !written.starts_with(keyword) ||
        !IsDecimal(written.substr(keyword.size())) || written.size() > keyword.size() + 9)
        return 0;
    return ParseNumber(written.substr(keyword.size()));
}

} // namespace corvid
