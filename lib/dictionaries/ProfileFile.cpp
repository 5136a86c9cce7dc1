#include "dictionaries/ProfileFile.h"

#include "dictionaries/EDSTextHelper.h"
#include "dictionaries/FileIO.h"
#include "dictionaries/ProfileText.h"

#include <cstdlib>

namespace corvid {

namespace {

CProfileText LoadProfile(const std::string& path) {
    std::string contents;
    std::string error;
    if (!ReadWholeFile(path, contents, error))
        return CProfileText();
    return CProfileText(contents);
}

int LeadingInteger(const std::string& value) {
    const char* text = value.c_str();
    const bool hex = value.size() > 2 && value[0] == '0' && (value[1] == 'x' || value[1] == 'X');
    return static_cast<int>(std::strtol(text, nullptr, hex ? 16 : 10));
}

std::string_view LineEndOf(const std::vector<TextLine>& lines) {
    for (const TextLine& line : lines)
        if (!line.end.empty())
            return line.end;
    return "\r\n";
}

bool KeyMatches(std::string_view line, const std::string& key) {
    const size_t equals = line.find('=');
    return equals != std::string_view::npos &&
           EqualsNoCase(TrimmedBlanks(line.substr(0, equals)), key);
}

} // namespace

std::vector<std::string> ProfileSectionNames(const std::string& path) {
    return LoadProfile(path).SectionNames();
}

std::vector<std::string> ProfileSection(const std::string& path, const std::string& section) {
    return LoadProfile(path).Section(section);
}

std::optional<std::string> ProfileValue(const std::string& path, const std::string& section,
                                        const std::string& key) {
    return LoadProfile(path).Value(section, key);
}

int ProfileIntValue(const std::optional<std::string>& value, int defaultValue) {
    return value && !value->empty() ? LeadingInteger(*value) : defaultValue;
}

std::string ProfileString(const std::string& path, const std::string& section,
                          const std::string& key, const std::string& defaultValue) {
    return ProfileValue(path, section, key).value_or(defaultValue);
}

int ProfileInt(const std::string& path, const std::string& section, const std::string& key,
               int defaultValue) {
    return ProfileIntValue(ProfileValue(path, section, key), defaultValue);
}

std::string WithProfileString(std::string_view text, const std::string& section,
                              const std::string& key, const std::string& value) {
    const std::vector<TextLine> lines = SplitTextLines(text);
    const std::string_view lineEnd = LineEndOf(lines);
    const std::string newLine = key + "=" + value;

    // Where the section starts, where its last non-blank line is, and the
    // line holding the key, if any.
    std::optional<size_t> header, lastInSection, keyLine;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (auto name = SectionHeaderName(lines[i].body)) {
            if (header)
                break;
            if (EqualsNoCase(*name, section)) {
                header = i;
                lastInSection = i;
            }
            continue;
        }
        if (!header || IsBlankLine(lines[i].body))
            continue;
        lastInSection = i;
        if (!keyLine && KeyMatches(lines[i].body, key))
            keyLine = i;
    }

    std::string out;
    out.reserve(text.size() + newLine.size() + section.size() + 8);
    for (size_t i = 0; i < lines.size(); ++i) {
        if (keyLine && i == *keyLine) {
            const std::string_view body = lines[i].body;
            out.append(body.substr(0, body.find('=') + 1)).append(value).append(lines[i].end);
            continue;
        }
        out.append(lines[i].body);
        // A last line without a line end gets one when something follows it.
        if (lines[i].end.empty() && ((!keyLine && lastInSection && i == *lastInSection) || !header))
            out.append(lineEnd);
        else
            out.append(lines[i].end);
        if (!keyLine && lastInSection && i == *lastInSection)
            out.append(newLine).append(lineEnd);
    }
    if (!header)
        out.append("[").append(section).append("]").append(lineEnd).append(newLine).append(lineEnd);
    return out;
}

bool WriteProfileString(const std::string& path, const std::string& section, const std::string& key,
                        const std::string& value, std::string& error) {
    std::string contents;
    std::string readError;
    ReadWholeFile(path, contents, readError); // a missing file starts empty
    return SaveFileReplacing(path, WithProfileString(contents, section, key, value), error);
}

} // namespace corvid
