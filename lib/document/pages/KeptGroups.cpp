#include "KeptGroups.h"

namespace corvid::pages {

namespace {

constexpr const char* kUnreadEntries = "$ Entries Corvid does not read";

std::string Bracketed(const std::string& name) {
    return "[" + name + "]";
}

// A section Corvid does not read; lines in front of the first section come
// without a header and count as lines, not as a section.
KeptGroup WholeSection(const std::string& header, const std::optional<std::string>& after,
                       const std::vector<std::string>& lines) {
    if (header.empty())
        return {"", "$ Lines in front of the first section", false, &lines};
    if (!after)
        return {header, "$ Section Corvid does not read, in front of the others", true, &lines};
    return {header, "$ Section Corvid does not read, after " + Bracketed(*after), true, &lines};
}

void AddEntries(std::vector<KeptGroup>& groups, const std::string& section,
                const std::vector<std::string>& lines) {
    if (!lines.empty())
        groups.push_back({Bracketed(section), kUnreadEntries, false, &lines});
}

// A fixed section is named as the file spelt it.
const std::string& SpeltAs(const std::string& sectionName, const std::string& name) {
    return sectionName.empty() ? name : sectionName;
}

// Most objects keep nothing: a section is named only when it has lines, as
// the tree counts them in every file of thousands of objects.
void AddObject(std::vector<KeptGroup>& groups, const CANopenObject& object) {
    if (!object.KeptLines.empty())
        AddEntries(groups, ObjectSectionName(object.Index), object.KeptLines.Lines());
    for (const CANopenObject& sub : object.SubObjects)
        if (!sub.KeptLines.empty())
            AddEntries(groups, SubIndexSectionName(object.Index, sub.SubIndex),
                       sub.KeptLines.Lines());
}

} // namespace

std::vector<KeptGroup> KeptGroups(const CCANopenEDS& model) {
    static const std::string kFileInfo = "FileInfo", kDeviceInfo = "DeviceInfo",
                             kDummyUsage = "DummyUsage", kComments = "Comments";
    static const std::string kLists[] = {"MandatoryObjects", "OptionalObjects",
                                         "ManufacturerObjects"};
    std::vector<KeptGroup> groups;
    AddEntries(groups, SpeltAs(model.FileInfo.SectionName, kFileInfo), model.FileInfo.KeptLines);
    AddEntries(groups, SpeltAs(model.DeviceInfo.SectionName, kDeviceInfo),
               model.DeviceInfo.KeptLines);
    AddEntries(groups, SpeltAs(model.DummyUsage.SectionName, kDummyUsage),
               model.DummyUsage.KeptLines);
    AddEntries(groups, SpeltAs(model.Comments.SectionName, kComments), model.Comments.KeptLines);
    for (size_t list = 0; list < model.ListKeptLines.size(); ++list)
        AddEntries(groups, kLists[list], model.ListKeptLines[list]);
    for (const CANopenObject& object : model.Objects)
        AddObject(groups, object);
    // CANopen sections always have names: an empty one means in front of all.
    for (const CANopenKeptSection& section : model.KeptSections)
        groups.push_back(WholeSection(
            section.Header, section.After.empty() ? std::nullopt : std::optional(section.After),
            section.Lines));
    return groups;
}

std::vector<KeptGroup> KeptGroups(const CEDSKeptLines& kept) {
    std::vector<KeptGroup> groups;
    for (const KeptEntries& entries : kept.Entries)
        AddEntries(groups, entries.Section, entries.Lines);
    for (const KeptSection& section : kept.Sections)
        groups.push_back(WholeSection(section.Header, section.After, section.Lines));
    return groups;
}

} // namespace corvid::pages
