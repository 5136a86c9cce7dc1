#include "LayoutSplicer.h"

#include <algorithm>

namespace corvid {

namespace {

// The line end of the file's first line; CR LF for a file of one line.
std::string LineEndOf(std::string_view text) {
    const size_t feed = text.find('\n');
    if (feed == std::string_view::npos || (feed > 0 && text[feed - 1] == '\r'))
        return "\r\n";
    return "\n";
}

std::string WithLineEnds(std::string_view text, const std::string& lineEnd) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;
        if (text[i] == '\n')
            out += lineEnd;
        else
            out += text[i];
    }
    return out;
}

} // namespace

CLayoutSplicer::CLayoutSplicer(std::string_view source)
    : source_(source), lineEnd_(LineEndOf(source)) {}

void CLayoutSplicer::Replace(Span span, std::string_view text) {
    splices_.push_back({span, WithLineEnds(text, lineEnd_)});
}

void CLayoutSplicer::Insert(size_t position, std::string_view text) {
    std::string lines = WithLineEnds(text, lineEnd_);
    if (position > 0 && source_[position - 1] != '\n' && lines.ends_with(lineEnd_)) {
        lines.resize(lines.size() - lineEnd_.size());
        lines.insert(0, lineEnd_);
    }
    splices_.push_back({{position, position}, std::move(lines)});
}

std::string CLayoutSplicer::Apply(size_t& changedLines) const {
    changedLines = CountChangedLines();
    std::vector<const Splice*> order;
    for (const Splice& splice : splices_)
        order.push_back(&splice);
    std::stable_sort(order.begin(), order.end(), [](const Splice* a, const Splice* b) {
        return a->span.begin < b->span.begin;
    });
    std::string out;
    out.reserve(source_.size() + source_.size() / 16);
    size_t copied = 0;
    for (const Splice* splice : order) {
        if (splice->span.begin < copied)
            continue; // inside text already removed
        out.append(source_.substr(copied, splice->span.begin - copied)).append(splice->text);
        copied = splice->span.end;
    }
    out.append(source_.substr(copied));
    return out;
}

// A line counts once however many of its values changed; every line a
// splice brings in beyond those it replaces counts as added. Lines are told
// apart by where they begin, found next to each splice, so a small change
// to a large file looks at only the lines it touches.
size_t CLayoutSplicer::CountChangedLines() const {
    const auto feeds = [](std::string_view text) {
        return static_cast<size_t>(std::count(text.begin(), text.end(), '\n'));
    };
    const auto lineStart = [&](size_t position) {
        const size_t feed =
            position == 0 ? std::string_view::npos : source_.rfind('\n', position - 1);
        return feed == std::string_view::npos ? 0 : feed + 1;
    };
    std::vector<size_t> touched;
    size_t added = 0;
    for (const Splice& splice : splices_) {
        const size_t newLines = feeds(splice.text);
        if (splice.span.end == splice.span.begin) {
            if (newLines == 0)
                touched.push_back(lineStart(splice.span.begin));
            added += newLines;
            continue;
        }
        touched.push_back(lineStart(splice.span.begin));
        const size_t last = splice.span.end - 1;
        for (size_t feed = source_.find('\n', splice.span.begin); feed < last;
             feed = source_.find('\n', feed + 1))
            touched.push_back(feed + 1);
        const size_t oldLines =
            feeds(source_.substr(splice.span.begin, splice.span.end - splice.span.begin));
        added += newLines > oldLines ? newLines - oldLines : 0;
    }
    std::sort(touched.begin(), touched.end());
    return static_cast<size_t>(std::unique(touched.begin(), touched.end()) - touched.begin()) +
           added;
}

} // namespace corvid
