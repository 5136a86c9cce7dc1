#include "pages/ProjectTree.h"

namespace corvid {

namespace {

void AddWhenRead(std::vector<std::string>& sections, const std::string& sectionName,
                 const char* name) {
    if (!sectionName.empty())
        sections.emplace_back(name);
}

void AddAlways(std::vector<std::string>& sections, std::initializer_list<const char*> names) {
    sections.insert(sections.end(), names.begin(), names.end());
}

// The page of what the file keeps beyond the model comes last, and only for
// a file that keeps something.
template <typename Model> void AddKept(ProjectTreeFile& file, const Model& model) {
    if (!CountKept(model).Empty())
        file.Sections.emplace_back(kKeptSection);
}

} // namespace

ProjectTreeFile BuildProjectTreeFile(const CCANopenEDS& model) {
    ProjectTreeFile file{model.Header.Title, {}};
    AddWhenRead(file.Sections, model.FileInfo.SectionName, "FileInfo");
    AddWhenRead(file.Sections, model.DeviceInfo.SectionName, "DeviceInfo");
    AddWhenRead(file.Sections, model.DummyUsage.SectionName, "DummyUsage");
    AddWhenRead(file.Sections, model.Comments.SectionName, "Comments");
    AddAlways(file.Sections, {"MandatoryObjects", "OptionalObjects", "ManufacturerObjects"});
    AddKept(file, model);
    return file;
}

ProjectTreeFile BuildProjectTreeFile(const CDeviceNetEDS& model) {
    ProjectTreeFile file{model.Header.Title, {}};
    AddWhenRead(file.Sections, model.FileSection.SectionName, "File");
    AddWhenRead(file.Sections, model.DeviceSection.SectionName, "Device");
    AddWhenRead(file.Sections, model.IOInfoSection.SectionName, "IO_Info");
    AddWhenRead(file.Sections, model.ParamClassSection.SectionName, "ParamClass");
    AddAlways(file.Sections, {"Params", "EnumPar", "Groups"});
    AddKept(file, model);
    return file;
}

ProjectTreeFile BuildProjectTreeFile(const CEtherNetIPEDS& model) {
    ProjectTreeFile file{model.Header.Title, {}};
    AddWhenRead(file.Sections, model.FileSection.SectionName, "File");
    AddWhenRead(file.Sections, model.DeviceSection.SectionName, "Device");
    AddAlways(file.Sections, {"Device Classification", "Params", "EnumPar", "Groups", "Assembly",
                              "Port", "Modular", "DLR Class", "TCP/IP Interface Class",
                              "Ethernet Link Class", "Connection Manager", "Capacity", "QoS Class",
                              "Identity Class", "Message Router Class", "File Class"});
    AddKept(file, model);
    return file;
}

ProjectTreeFile BuildProjectTreeFile(const CEDSDoc& doc, EDSFileRef file) {
    ProjectTreeFile tree;
    doc.Visit(file, [&](const auto& model) { tree = BuildProjectTreeFile(model); });
    return tree;
}

} // namespace corvid
