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

// One line of text with its line end, so edits can keep both as they were.
struct RawLine {
    std::string_view body;
    std::string_view end;
};

std::vector<RawLine> RawLines(std::string_view text) {
    std::vector<RawLine> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t lf = text.find('\n', start);
        size_t bodyEnd = lf == std::string_view::npos ? text.size() : lf;
        const size_t next = lf == std::string_view::npos ? text.size() : lf + 1;
        if (bodyEnd > start && text[bodyEnd - 1] == '\r')
            --bodyEnd;
        lines.push_back(
            {text.substr(start, bodyEnd - start), text.substr(bodyEnd, next - bodyEnd)});
        start = next;
    }
    return lines;
}

std::string_view LineEndOf(const std::vector<RawLine>& lines) {
    for (const RawLine& line : lines)
        if (!line.end.empty())
            return line.end;
    return "\r\n";
}

bool KeyMatches(std::string_view line, const std::string& key) {
    const size_t equals = line.find('=');
    return equals != std::string_view::npos &&
           EqualsNoCase(TrimmedBlanks(line.substr(0, equals)), key);
}

bool IsBlankLine(std::string_view line) {
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

} // namespace

std::vector<std::string> ProfileSectionNames(const std::string& path) {
    return LoadProfile(path).SectionNames();
}

std::vector<std::string> ProfileSection(const std::string& path, const std::string& section) {
    return LoadProfile(path).Section(section);
}

std::string ProfileString(const std::string& path, const std::string& section,
                          const std::string& key, const std::string& defaultValue) {
    return LoadProfile(path).Value(section, key).value_or(defaultValue);
}

int ProfileInt(const std::string& path, const std::string& section, const std::string& key,
               int defaultValue) {
    const auto value = LoadProfile(path).Value(section, key);
    if (!value || value->empty())
        return defaultValue;
    return LeadingInteger(*value);
}

std::string WithProfileString(std::string_view text, const std::string& section,
                              const std::string& key, const std::string& value) {
    const std::vector<RawLine> lines = RawLines(text);
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
