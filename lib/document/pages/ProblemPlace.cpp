#include "pages/ProblemPlace.h"

#include "dictionaries/EDSTextHelper.h"
#include "pages/ProjectTree.h"

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

std::optional<size_t> RowKeyed(const Page& page, std::string_view key) {
    for (size_t row = 0; row < page.Rows.size(); ++row)
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

// The page with every entry open, so that the rows of sub-indexes show.
Page OpenPage(const CEDSDoc& doc, EDSFileRef file, const std::string& section) {
    PageState all;
    for (const PageRow& row : BuildPage(doc, file, section).Rows)
        if (row.Look == RowLook::Collapsed)
            all.Expanded.insert(row.Key);
    return BuildPage(doc, file, section, all);
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

// A section shown as a row of another page (an object or sub-index on its
// object list), with the column of the key.
std::optional<ProblemPlace> PlaceAsEntry(const CEDSDoc& doc, EDSFileRef file,
                                         const std::string& page, std::string_view section,
                                         std::string_view key) {
    const Page open = OpenPage(doc, file, page);
    const std::optional<size_t> found = RowKeyed(open, section);
    if (!found)
        return std::nullopt;
    // Only the entry that holds the row stays open.
    ProblemPlace place{page, {}, std::nullopt, std::nullopt};
    if (const PageRow* head = HeadRowOf(open, *found);
        head != nullptr && head != &open.Rows[*found])
        place.State.Expanded.insert(head->Key);
    const Page shown = BuildPage(doc, file, page, place.State);
    place.Row = RowKeyed(shown, section);
    if (place.Row)
        place.Column = ColumnOf(shown, key);
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
