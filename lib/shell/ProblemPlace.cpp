#include "shell/ProblemPlace.h"

#include "dictionaries/EDSTextHelper.h"
#include "shell/ProjectTree.h"

#include <algorithm>

namespace corvid {

namespace {

// Names as pages key them: without blanks, any letter case.
bool SameName(std::string_view name, std::string_view other) {
    std::string a(name), b(other);
    std::erase_if(a, [](char c) { return c == ' ' || c == '\t'; });
    std::erase_if(b, [](char c) { return c == ' ' || c == '\t'; });
    return !a.empty() && EqualsNoCase(a, b);
}

std::optional<size_t> RowKeyed(const Page& page, std::string_view key, size_t from = 0) {
    for (size_t row = from; row < page.Rows.size(); ++row)
        if (SameName(page.Rows[row].Key, key))
            return row;
    return std::nullopt;
}

std::optional<size_t> ColumnOf(const Page& page, std::string_view key) {
    for (size_t column = 1; column < page.Columns.size(); ++column)
        if (SameName(page.Columns[column].Header, key))
            return column;
    return std::nullopt;
}

// The page with every entry open, so that rows of sub-indexes and fields
// can be found.
Page OpenPage(const CEDSDoc& doc, EDSFileRef file, const std::string& section, PageState& state) {
    const Page closed = BuildPage(doc, file, section);
    for (const PageRow& row : closed.Rows)
        if (row.Look == RowLook::Collapsed)
            state.Expanded.insert(row.Key);
    return BuildPage(doc, file, section, state);
}

// The row of entry `entry` and the cell of `key` on a page that shows the
// entry: on keyword pages an open entry lists its fields as rows, on tables
// each field has its column.
void PlaceOnEntry(const Page& page, size_t entry, std::string_view key, ProblemPlace& place) {
    place.Row = entry;
    if (page.Layout == PageLayout::Table) {
        place.Column = ColumnOf(page, key);
        return;
    }
    for (size_t row = entry + 1; row < page.Rows.size() && page.Rows[row].Head == entry; ++row)
        if (SameName(page.Rows[row].Key, key)) {
            place.Row = row;
            place.Column = 1;
            return;
        }
}

// A page named by the section: the key is its row (a keyword, an entry).
ProblemPlace PlaceOnOwnPage(const CEDSDoc& doc, EDSFileRef file, const std::string& page,
                            std::string_view key) {
    ProblemPlace place{page, {}, std::nullopt, std::nullopt};
    const Page shown = BuildPage(doc, file, page);
    if (const std::optional<size_t> row = RowKeyed(shown, key)) {
        place.Row = row;
        if (shown.Layout == PageLayout::Keywords && shown.Columns.size() > 1)
            place.Column = 1;
    }
    return place;
}

// A section shown as an entry of another page (an object on its list).
std::optional<ProblemPlace> PlaceAsEntry(const CEDSDoc& doc, EDSFileRef file,
                                         const std::string& page, std::string_view section,
                                         std::string_view key) {
    PageState all;
    const Page open = OpenPage(doc, file, page, all);
    const std::optional<size_t> found = RowKeyed(open, section);
    if (!found)
        return std::nullopt;
    // Only the entry that holds the row stays open, and one whose fields
    // are rows of a keyword page.
    ProblemPlace place{page, {}, std::nullopt, std::nullopt};
    const PageRow* head = HeadRowOf(open, *found);
    const bool fieldRows = open.Layout == PageLayout::Keywords && !key.empty();
    if (head != nullptr && (head != &open.Rows[*found] || fieldRows))
        place.State.Expanded.insert(head->Key);
    const Page shown = BuildPage(doc, file, page, place.State);
    if (const std::optional<size_t> row = RowKeyed(shown, section))
        PlaceOnEntry(shown, *row, key, place);
    return place;
}

} // namespace

ProblemPlace PlaceOfProblem(const CEDSDoc& doc, EDSFileRef file, std::string_view section,
                            std::string_view key) {
    const ProjectTreeFile tree = BuildProjectTreeFile(doc, file);
    for (const std::string& page : tree.Sections)
        if (SameName(page, section))
            return PlaceOnOwnPage(doc, file, page, key);
    for (const std::string& page : tree.Sections)
        if (std::optional<ProblemPlace> place = PlaceAsEntry(doc, file, page, section, key))
            return *place;
    return {std::string(kFileSummarySection), {}, std::nullopt, std::nullopt};
}

} // namespace corvid
