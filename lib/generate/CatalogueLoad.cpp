#include "generate/NewFileFlows.h"

#include "FlowSteps.h"

#include "dictionaries/FileIO.h"
#include "door/EDSDocKinds.h"
#include "generate/Catalogue.h"
#include "generate/GenerateTexts.h"

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
    EDSDocKind<Model>::LoadText(*model, text, path);
    flow_steps::ForgetWhatTheFileGave(*model);
    // The lists' names, whatever header comment the model file has.
    model->Header.Module = choice.module;
    model->Header.Device = choice.device;
    model->Header.Model = choice.model;
    doc.AddNewFile(std::move(model));
    return true;
}

} // namespace

bool LoadFromCatalogue(CEDSDoc& doc, IUserInterface& ui, const CatalogueChoice& choice) {
    const std::string path =
        CatalogueModelPath(choice.kind, choice.module, choice.device, choice.model);
    bool loaded = false;
    WithKind(choice.kind, [&]<typename Model>(std::type_identity<Model>) {
        loaded = LoadModel<Model>(doc, ui, choice, path);
    });
    return loaded;
}

} // namespace corvid
