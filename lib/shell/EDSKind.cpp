#include "shell/EDSKind.h"

#include "dictionaries/ByteOrderMark.h"
#include "dictionaries/FileIO.h"
#include "dictionaries/ProfileText.h"

#include "dictionaries/EDSTextHelper.h"

#include <algorithm>

namespace corvid {

namespace {

bool HasEDSExtension(std::string_view path) {
    return path.ends_with(".eds") || path.ends_with(".EDS");
}

bool IsTokenChar(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

// True when a value of the section names EtherNetIP as a whole word, outside
// "$" comments.
bool ListsEtherNetIP(const std::vector<std::string>& lines) {
    static constexpr std::string_view kWord = "EtherNetIP";
    for (const std::string& line : lines) {
        const std::string_view text = std::string_view(line).substr(0, line.find('$'));
        for (size_t at = text.find(kWord); at != std::string_view::npos;
             at = text.find(kWord, at + 1)) {
            const size_t end = at + kWord.size();
            const bool startsWord = at == 0 || !IsTokenChar(text[at - 1]);
            const bool endsWord = end == text.size() || !IsTokenChar(text[end]);
            if (startsWord && endsWord)
                return true;
        }
    }
    return false;
}

// Most EtherNet/IP files have no [DLR Class]; the sections only an
// EtherNet/IP device has count as well, so such a file is not taken for
// DeviceNet and stripped of its assemblies and ports on the next save.
int CountEtherNetIPEvidence(const CProfileText& file) {
    int evidence = 0;
    for (const std::string& name : file.SectionNames()) {
        if (name == "DLR Class" || name == "Connection Manager" ||
            name == "TCP/IP Interface Class" || name == "Ethernet Link Class")
            ++evidence;
        else if (name == "Device Classification" && ListsEtherNetIP(file.Section(name)))
            ++evidence;
    }
    return evidence;
}

} // namespace

EDSKind DetectEDSKindText(const std::string& path, std::string_view text) {
    if (!HasEDSExtension(path))
        return EDSKind::Unknown;
    StripByteOrderMark(text);
    const CProfileText file(text);
    const auto& names = file.SectionNames();
    const auto count = [&](std::string_view a, std::string_view b) {
        return std::count_if(names.begin(), names.end(),
                             [&](const std::string& name) { return name == a || name == b; });
    };
    const auto canopen = count("FileInfo", "DeviceInfo");
    const auto cip = count("File", "Device");
    const int ethernet = CountEtherNetIPEvidence(file);
    if (canopen < 2 && cip >= 2 && ethernet == 0)
        return EDSKind::DeviceNet;
    if (ethernet > 0)
        return EDSKind::EtherNetIP;
    if (canopen >= 2 && cip < 2)
        return EDSKind::CANopen;
    return EDSKind::Unknown;
}

EDSKind DetectEDSKind(const std::string& path, std::string& error) {
    error.clear();
    std::string text;
    if (!ReadWholeFile(path, text, error))
        return EDSKind::Unknown;
    return DetectEDSKindText(path, text);
}

} // namespace corvid
