#include "pages/ProjectTree.h"

#include <initializer_list>

namespace corvid {

namespace {

// A section the file may lack: shown only when the reader met it.
struct SectionWhenRead {
    const std::string& sectionName;
    const char* name;
};

// The sections read, then the pages every file of the kind shows, then the
// page of what the file keeps beyond the model, only for a file that keeps
// something.
template <typename Model>
ProjectTreeFile TreeFile(const Model& model, std::initializer_list<SectionWhenRead> whenRead,
                         std::initializer_list<const char*> always) {
    ProjectTreeFile file{model.Header.Title, {}};
    for (const SectionWhenRead& section : whenRead)
        if (!section.sectionName.empty())
            file.Sections.emplace_back(section.name);
    file.Sections.insert(file.Sections.end(), always.begin(), always.end());
    if (!CountKept(model).Empty())
        file.Sections.emplace_back(kKeptSection);
    return file;
}

} // namespace

ProjectTreeFile BuildProjectTreeFile(const CCANopenEDS& model) {
    return TreeFile(model,
                    {{model.FileInfo.SectionName, "FileInfo"},
                     {model.DeviceInfo.SectionName, "DeviceInfo"},
                     {model.DummyUsage.SectionName, "DummyUsage"},
                     {model.Comments.SectionName, "Comments"}},
                    {"MandatoryObjects", "OptionalObjects", "ManufacturerObjects"});
}

ProjectTreeFile BuildProjectTreeFile(const CDeviceNetEDS& model) {
    return TreeFile(model,
                    {{model.FileSection.SectionName, "File"},
                     {model.DeviceSection.SectionName, "Device"},
                     {model.IOInfoSection.SectionName, "IO_Info"},
                     {model.ParamClassSection.SectionName, "ParamClass"}},
                    {"Params", "EnumPar", "Groups"});
}

ProjectTreeFile BuildProjectTreeFile(const CEtherNetIPEDS& model) {
    return TreeFile(
        model,
        {{model.FileSection.SectionName, "File"}, {model.DeviceSection.SectionName, "Device"}},
        {"Device Classification", "Params", "EnumPar", "Groups", "Assembly", "Port", "Modular",
         "DLR Class", "TCP/IP Interface Class", "Ethernet Link Class", "Connection Manager",
         "Capacity", "QoS Class", "Identity Class", "Message Router Class", "File Class"});
}

ProjectTreeFile BuildProjectTreeFile(const CEDSDoc& doc, EDSFileRef file) {
    ProjectTreeFile tree;
    doc.Visit(file, [&](const auto& model) { tree = BuildProjectTreeFile(model); });
    return tree;
}

} // namespace corvid
