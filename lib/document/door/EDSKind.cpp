#include "door/EDSKind.h"

#include "dictionaries/ByteOrderMark.h"
#include "dictionaries/FileIO.h"
#include "dictionaries/ProfileText.h"

#include "dictionaries/EDSTextHelper.h"

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

// The start of the line `at` stands on when only blanks come before it
// there, else npos.
size_t HeaderLineStart(std::string_view text, size_t at) {
    while (at > 0 && (text[at - 1] == ' ' || text[at - 1] == '\t'))
        --at;
    return at == 0 || text[at - 1] == '\n' ? at : std::string_view::npos;
}

// What detection needs of a file: how often it names the sections that tell
// the kinds apart, and the body of its first [Device Classification]. Only
// the "[" of the text are looked at, each a header when nothing but blanks
// comes before it on its line, so a file is told at the speed of a byte
// search.
class CSectionScan {
public:
    explicit CSectionScan(std::string_view text) {
        for (size_t at = text.find('['); at != std::string_view::npos;
             at = text.find('[', at + 1)) {
            const size_t begin = HeaderLineStart(text, at);
            if (begin == std::string_view::npos)
                continue;
            const size_t feed = text.find('\n', at);
            const size_t next = feed == std::string_view::npos ? text.size() : feed + 1;
            Header(text.substr(at + 1, next - at - 1), begin, next);
        }
        EndSection(text.size());
        classification_ =
            text.substr(classificationBegin_, classificationEnd_ - classificationBegin_);
    }

    size_t CANopenSections() const { return canopen_; }
    size_t CIPSections() const { return cip_; }

    // Most EtherNet/IP files have no [DLR Class]; the sections only an
    // EtherNet/IP device has count as well, so such a file is not taken for
    // DeviceNet and stripped of its assemblies and ports on the next save.
    size_t EtherNetIPEvidence() const {
        return ethernet_ + (ListsEtherNetIP(classification_) ? classifications_ : 0);
    }

private:
    // The name runs to "]" or the line's end; blanks around it do not count.
    void Header(std::string_view line, size_t begin, size_t next) {
        EndSection(begin);
        if (line.ends_with('\n'))
            line.remove_suffix(1);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        const std::string_view name = TrimmedBlanksView(line.substr(0, line.find(']')));
        Tally(name);
        if (!classificationSeen_ && EqualsNoCase(name, "Device Classification")) {
            classificationSeen_ = inClassification_ = true;
            classificationBegin_ = next;
        }
    }

    void Tally(std::string_view name) {
        if (name == "FileInfo" || name == "DeviceInfo")
            ++canopen_;
        else if (name == "File" || name == "Device")
            ++cip_;
        else if (name == "DLR Class" || name == "Connection Manager" ||
                 name == "TCP/IP Interface Class" || name == "Ethernet Link Class")
            ++ethernet_;
        else if (name == "Device Classification")
            ++classifications_;
    }

    void EndSection(size_t end) {
        if (inClassification_)
            classificationEnd_ = end;
        inClassification_ = false;
    }

    size_t canopen_ = 0;
    size_t cip_ = 0;
    size_t ethernet_ = 0;
    size_t classifications_ = 0;
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
    const size_t canopen = file.CANopenSections();
    const size_t cip = file.CIPSections();
    const size_t ethernet = file.EtherNetIPEvidence();
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
