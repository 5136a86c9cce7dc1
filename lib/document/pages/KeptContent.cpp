#include "pages/KeptContent.h"

#include "KeptGroups.h"
#include "PageBuilder.h"

namespace corvid {

namespace {

KeptCounts Count(const std::vector<pages::KeptGroup>& groups) {
    KeptCounts counts;
    for (const pages::KeptGroup& group : groups) {
        if (group.WholeSection)
            ++counts.Sections;
        else
            counts.Lines += group.Lines->size();
    }
    return counts;
}

std::string Counted(size_t count, const char* what) {
    return std::to_string(count) + " " + what + (count == 1 ? "" : "s");
}

} // namespace

namespace pages {

// Every row is read-only: the lines go back into the file exactly as they
// came, so there is nothing here to edit.
Page KeptPage(const std::vector<KeptGroup>& groups, PageBuilder page) {
    page.AddColumn("    Section", 200);
    page.AddColumn("\tLine", 400);
    page.AddColumn("\tComments", 320);
    for (const KeptGroup& group : groups) {
        page.AddEntry(group.Section, {ReadOnlyCell({}), ReadOnlyCell(group.Comment)});
        for (const std::string& line : *group.Lines)
            page.AddField(" ", {}, {ReadOnlyCell(line)});
    }
    return page.Take();
}

} // namespace pages

KeptCounts CountKept(const CCANopenEDS& model) {
    return Count(pages::KeptGroups(model));
}

KeptCounts CountKept(const CDeviceNetEDS& model) {
    return Count(pages::KeptGroups(model.Kept));
}

KeptCounts CountKept(const CEtherNetIPEDS& model) {
    return Count(pages::KeptGroups(model.Kept));
}

KeptCounts CountKept(const CEDSDoc& doc, EDSFileRef file) {
    KeptCounts counts;
    doc.Visit(file, [&](const auto& model) { counts = CountKept(model); });
    return counts;
}

std::string KeptMessage(const std::string& path, const KeptCounts& counts) {
    if (counts.Empty())
        return {};
    // A count of none is left out rather than said ("0 sections").
    std::string kept;
    if (counts.Lines != 0)
        kept = Counted(counts.Lines, "line");
    if (counts.Lines != 0 && counts.Sections != 0)
        kept += " and ";
    if (counts.Sections != 0)
        kept += Counted(counts.Sections, "section");
    return "Open File:  " + path + " keeps " + kept +
           " that Corvid does not edit; they are saved as read.\r\n";
}

} // namespace corvid
