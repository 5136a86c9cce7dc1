#pragma once

// Collects replacements of byte spans of a file's text and applies them in
// one pass, writing new text with the file's own line ends.

#include "LayoutText.h"

#include <string>
#include <string_view>
#include <vector>

namespace corvid {

class CLayoutSplicer {
public:
    // `source` must outlive the splicer.
    explicit CLayoutSplicer(std::string_view source);

    // `text` comes from the writer, with CR LF line ends.
    void Replace(Span span, std::string_view text);
    // Inserting where a line does not begin (a file whose last line has no
    // line end) starts a line first, so the file keeps its own end.
    void Insert(size_t position, std::string_view text);
    void Remove(Span span) { Replace(span, {}); }

    const std::string& LineEnd() const { return lineEnd_; }
    bool Empty() const { return splices_.empty(); }

    // The new text and the number of lines replaced, removed or added.
    std::string Apply(size_t& changedLines) const;

private:
    struct Splice {
        Span span;
        std::string text;
    };

    size_t CountChangedLines() const;

    std::string_view source_;
    std::string lineEnd_;
    std::vector<Splice> splices_;
};

} // namespace corvid
