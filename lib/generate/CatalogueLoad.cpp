#include "generate/NewFileFlows.h"

#include "dictionaries/FileIO.h"
#include "generate/Catalogue.h"
#include "generate/GenerateTexts.h"
#include "shell/EDSDocKinds.h"

#include <algorithm>

namespace corvid {

namespace {

using generate_texts::Format;

template <typename Model>
bool LoadModel(CEDSDoc& doc, IUserInterface& ui, const CatalogueChoice& choice,
               const std::string& path) {
    const auto& files = doc.Files<Model>();
    if (std::any_of(files.begin(), files.end(),
                    [&](const auto& file) { return file->Header.PathName == path; })) {
        ui.AppendMessage(Format(generate_texts::kAlreadyLoaded, {path}));
        return false;
    }
    // A missing model file would otherwise open as an empty description.
    std::string text;
    std::string error;
    if (!ReadWholeFile(path, text, error)) {
        ui.AppendMessage(Format(generate_texts::kCannotRead, {path, error}));
        return false;
    }
    auto model = std::make_unique<Model>();
    ui.AppendMessage(Format(generate_texts::kReadingFrom, {path}));
    if (!EDSDocKind<Model>::Load(*model, path, error)) {
        ui.AppendMessage(Format(generate_texts::kCannotRead, {path, error}));
        return false;
    }
    // The lists' names, whatever header comment the model file has.
    model->Header.Module = choice.module;
    model->Header.Device = choice.device;
    model->Header.Model = choice.model;
    doc.AddFile(std::move(model));
    return true;
}

} // namespace

bool LoadFromCatalogue(CEDSDoc& doc, IUserInterface& ui, const CatalogueChoice& choice) {
    const std::string path =
        CatalogueModelPath(choice.kind, choice.module, choice.device, choice.model);
    switch (choice.kind) {
    case EDSKind::CANopen:
        return LoadModel<CCANopenEDS>(doc, ui, choice, path);
    case EDSKind::DeviceNet:
        return LoadModel<CDeviceNetEDS>(doc, ui, choice, path);
    case EDSKind::EtherNetIP:
        return LoadModel<CEtherNetIPEDS>(doc, ui, choice, path);
    case EDSKind::Unknown:
        break;
    }
    return false;
}

} // namespace corvid
