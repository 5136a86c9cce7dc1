#include "coretexts/CoreTexts.h"

#include <cctype>

namespace corvid {

namespace {

// A template cut at its marks: fixed text, then mark, fixed text, mark...
struct Pieces {
    std::vector<std::string> Fixed; // one more than Marks
    std::vector<char> Marks;        // 's', 'd', 'u' or 'X'
};

Pieces Split(std::string_view pattern) {
    Pieces pieces{{std::string()}, {}};
    for (size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        if (pattern[i] == '%' && (next == 's' || next == 'd' || next == 'u' || next == 'X')) {
            pieces.Marks.push_back(next);
            pieces.Fixed.emplace_back();
            ++i;
        } else if (pattern[i] == '%' && next == '%') {
            pieces.Fixed.back() += '%';
            ++i;
        } else {
            pieces.Fixed.back() += pattern[i];
        }
    }
    return pieces;
}

bool Fits(char mark, std::string_view value) {
    auto all = [&](auto accept) {
        for (const char c : value)
            if (!accept(static_cast<unsigned char>(c)))
                return false;
        return true;
    };
    switch (mark) {
    case 'd':
        if (!value.empty() && value.front() == '-')
            value.remove_prefix(1);
        [[fallthrough]];
    case 'u':
        return !value.empty() && all([](unsigned char c) { return std::isdigit(c) != 0; });
    case 'X':
        return !value.empty() &&
               all([](unsigned char c) { return std::isdigit(c) != 0 || (c >= 'A' && c <= 'F'); });
    default:
        return true;
    }
}

// Matches `text` from piece `mark` on (the fixed text before it matched
// already), trying each place the next fixed text occurs, so a value that
// contains the template's own words still matches.
bool MatchFrom(const Pieces& pieces, size_t mark, std::string_view text,
               std::vector<std::string>& values) {
    if (mark == pieces.Marks.size())
        return text.empty();
    const std::string& after = pieces.Fixed[mark + 1];
    const bool last = mark + 1 == pieces.Marks.size();
    for (size_t at = last ? text.size() - std::min(text.size(), after.size()) : text.find(after);
         at != std::string_view::npos; at = text.find(after, at + 1)) {
        if (text.substr(at, after.size()) != after)
            break;
        const std::string_view value = text.substr(0, at);
        if (Fits(pieces.Marks[mark], value)) {
            values.emplace_back(value);
            if (MatchFrom(pieces, mark + 1, text.substr(at + after.size()), values))
                return true;
            values.pop_back();
        }
        if (last)
            break;
    }
    return false;
}

std::optional<std::vector<std::string>> MatchTemplate(const std::string& pattern,
                                                      std::string_view text) {
    const Pieces pieces = Split(pattern);
    if (text.substr(0, pieces.Fixed.front().size()) != pieces.Fixed.front())
        return std::nullopt;
    std::vector<std::string> values;
    if (pieces.Marks.empty())
        return text == pieces.Fixed.front() ? std::optional(values) : std::nullopt;
    if (!MatchFrom(pieces, 0, text.substr(pieces.Fixed.front().size()), values))
        return std::nullopt;
    return values;
}

size_t FixedLength(const std::string& pattern) {
    size_t length = 0;
    for (const std::string& fixed : Split(pattern).Fixed)
        length += fixed.size();
    return length;
}

std::string_view LineEndOf(std::string_view text) {
    if (text.ends_with("\r\n"))
        return "\r\n";
    if (text.ends_with("\n"))
        return "\n";
    return {};
}

} // namespace

std::optional<CoreTextMatch> MatchCoreText(std::string_view text) {
    const std::string_view lineEnd = LineEndOf(text);
    const std::string_view body = text.substr(0, text.size() - lineEnd.size());
    std::optional<CoreTextMatch> best;
    size_t bestLength = 0;
    for (const CoreText& candidate : CoreTexts()) {
        std::optional<std::vector<std::string>> values = MatchTemplate(candidate.Template, body);
        const size_t length = values ? FixedLength(candidate.Template) : 0;
        if (values && (!best || length > bestLength)) {
            best = CoreTextMatch{&candidate, std::move(*values), std::string(lineEnd)};
            bestLength = length;
        }
    }
    return best;
}

std::string NumberedTemplate(std::string_view printfTemplate) {
    const Pieces pieces = Split(printfTemplate);
    std::string numbered;
    for (size_t i = 0; i < pieces.Fixed.size(); ++i) {
        for (const char c : pieces.Fixed[i])
            numbered += c == '%' ? std::string("%%") : std::string(1, c);
        if (i < pieces.Marks.size())
            numbered.append("%").append(std::to_string(i + 1));
    }
    return numbered;
}

std::string FillNumberedTemplate(std::string_view numbered,
                                 const std::vector<std::string>& values) {
    std::string text;
    for (size_t i = 0; i < numbered.size(); ++i) {
        const char next = i + 1 < numbered.size() ? numbered[i + 1] : '\0';
        if (numbered[i] == '%' && next == '%') {
            text += '%';
            ++i;
        } else if (numbered[i] == '%' && next >= '1' && next <= '9' &&
                   static_cast<size_t>(next - '1') < values.size()) {
            text += values[static_cast<size_t>(next - '1')];
            ++i;
        } else {
            text += numbered[i];
        }
    }
    return text;
}

} // namespace corvid
