#include "pages/PageRows.h"

#include "PageBuilder.h"
#include "pages/ProjectTree.h"

namespace corvid {

namespace {

size_t RowsOfEntry(const Page& page, size_t headRow) {
    size_t count = 0;
    for (size_t row = headRow + 1; row < page.Rows.size() && page.Rows[row].Head == headRow; ++row)
        ++count;
    return count;
}

} // namespace

int RowMark(RowLook look) {
    switch (look) {
    case RowLook::Expanded:
        return 1;
    case RowLook::Field:
        return 2;
    case RowLook::Plain:
    case RowLook::Collapsed:
        break;
    }
    return 0;
}

Page BuildPage(const CEDSDoc& doc, EDSFileRef file, std::string_view section,
               const PageState& state) {
    Page page;
    doc.Visit(file, [&](const auto& model) { page = BuildPage(model, section, state); });
    return page;
}

Page BuildFileSummaryPage(const EDSFileHeader& header, EDSKind kind) {
    const PageState noState;
    pages::PageBuilder page(kind, kFileSummarySection, PageLayout::Keywords, noState);
    page.AddColumn("    Keywords", 150);
    page.AddColumn("Value", 400);
    page.AddKeyword("File Title", pages::ReadOnlyCell(header.Title + ".eds"));
    page.AddKeyword("File Open Path", pages::ReadOnlyCell(header.PathName));
    page.AddKeyword("File Save Path", pages::ReadOnlyCell(header.SavePathName));
    return page.Take();
}

bool ToggleRow(PageState& state, const Page& page, size_t row) {
    if (row >= page.Rows.size())
        return false;
    const PageRow& head = page.Rows[row];
    if (head.Look == RowLook::Collapsed)
        state.Expanded.insert(head.Key);
    else if (head.Look == RowLook::Expanded)
        state.Expanded.erase(head.Key);
    else
        return false;
    return true;
}

RowSplice ToggledRows(const Page& before, const Page& after, size_t headRow) {
    return {headRow + 1, RowsOfEntry(before, headRow), RowsOfEntry(after, headRow)};
}

const PageRow* HeadRowOf(const Page& page, size_t row) {
    if (row >= page.Rows.size() || page.Rows[row].Head >= page.Rows.size())
        return nullptr;
    return &page.Rows[page.Rows[row].Head];
}

} // namespace corvid
