#include "door/EDSKind.h"

#include "dictionaries/ByteOrderMark.h"
#include "dictionaries/FileIO.h"
#include "dictionaries/ProfileText.h"

#include "dictionaries/EDSTextHelper.h"

#include <algorithm>
#include <vector>

namespace corvid {

namespace {

bool HasEDSExtension(std::string_view path) {
    return path.ends_with(".eds") || path.ends_with(".EDS");
}

bool IsTokenChar(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

// True when a line of the section's body names EtherNetIP as a whole word,
// outside "$" comments.
bool ListsEtherNetIP(std::string_view body) {
    static constexpr std::string_view kWord = "EtherNetIP";
    while (!body.empty()) {
        const size_t feed = body.find('\n');
        std::string_view line = body.substr(0, feed);
        body.remove_prefix(feed == std::string_view::npos ? body.size() : feed + 1);
        line = line.substr(0, line.find('$'));
        for (size_t at = line.find(kWord); at != std::string_view::npos;
             at = line.find(kWord, at + 1)) {
            const size_t end = at + kWord.size();
            const bool startsWord = at == 0 || !IsTokenChar(line[at - 1]);
            const bool endsWord = end == line.size() || !IsTokenChar(line[end]);
            if (startsWord && endsWord)
                return true;
        }
    }
    return false;
}

// What detection needs of a file: its section names and the body of its
// first [Device Classification], found by looking at the first character
// of each line only, so a file is told at the speed of a line search.
class CSectionScan {
public:
    explicit CSectionScan(std::string_view text) {
        size_t position = 0;
        while (position < text.size()) {
            const size_t feed = text.find('\n', position);
            const size_t next = feed == std::string_view::npos ? text.size() : feed + 1;
            size_t first = position;
            while (first < next && (text[first] == ' ' || text[first] == '\t'))
                ++first;
            if (first < next && text[first] == '[')
                Header(text.substr(first + 1, next - first - 1), position, next);
            position = next;
        }
        EndSection(text.size());
        classification_ =
            text.substr(classificationBegin_, classificationEnd_ - classificationBegin_);
    }

    size_t Count(std::string_view a, std::string_view b) const {
        return static_cast<size_t>(
            std::count_if(names_.begin(), names_.end(),
                          [&](std::string_view name) { return name == a || name == b; }));
    }

    // Most EtherNet/IP files have no [DLR Class]; the sections only an
    // EtherNet/IP device has count as well, so such a file is not taken for
    // DeviceNet and stripped of its assemblies and ports on the next save.
    int EtherNetIPEvidence() const {
        int evidence = 0;
        for (std::string_view name : names_) {
            if (name == "DLR Class" || name == "Connection Manager" ||
                name == "TCP/IP Interface Class" || name == "Ethernet Link Class")
                ++evidence;
            else if (name == "Device Classification" && ListsEtherNetIP(classification_))
                ++evidence;
        }
        return evidence;
    }

private:
    // The name runs to "]" or the line's end; blanks around it do not count.
    void Header(std::string_view line, size_t begin, size_t next) {
        EndSection(begin);
        if (line.ends_with('\n'))
            line.remove_suffix(1);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        const std::string_view name = TrimmedView(line.substr(0, line.find(']')));
        names_.push_back(name);
        if (!classificationSeen_ && EqualsNoCase(name, "Device Classification")) {
            classificationSeen_ = inClassification_ = true;
            classificationBegin_ = next;
        }
    }

    void EndSection(size_t end) {
        if (inClassification_)
            classificationEnd_ = end;
        inClassification_ = false;
    }

    std::vector<std::string_view> names_;
    std::string_view classification_;
    size_t classificationBegin_ = 0;
    size_t classificationEnd_ = 0;
    bool classificationSeen_ = false;
    bool inClassification_ = false;
};

} // namespace

EDSKind DetectEDSKindText(const std::string& path, std::string_view text) {
    if (!HasEDSExtension(path))
        return EDSKind::Unknown;
    StripByteOrderMark(text);
    const CSectionScan file(text);
    const size_t canopen = file.Count("FileInfo", "DeviceInfo");
    const size_t cip = file.Count("File", "Device");
    const int ethernet = file.EtherNetIPEvidence();
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
