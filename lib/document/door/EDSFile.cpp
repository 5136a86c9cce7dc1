#include "door/EDSFile.h"

#include "door/KeptSave.h"

namespace corvid {

EDSKind LoadedEDSFile::Kind() const {
    return std::visit(
        []<typename Model>(const Model&) {
            if constexpr (std::is_same_v<Model, std::monostate>)
                return EDSKind::Unknown;
            else
                return EDSDocKind<Model>::kKind;
        },
        model);
}

bool LoadEDSFileText(LoadedEDSFile& file, EDSKind kind, std::string_view text,
                     const std::string& path) {
    const bool known = WithKind(kind, [&]<typename Model>(std::type_identity<Model>) {
        EDSDocKind<Model>::LoadText(file.model.emplace<Model>(), text, path);
    });
    if (!known)
        file.model = std::monostate{};
    return known;
}

bool WriteEDSFile(const LoadedEDSFile& file, const std::string& path, std::string& error) {
    return std::visit(
        [&]<typename Model>(const Model& model) {
            if constexpr (std::is_same_v<Model, std::monostate>) {
                error = "no file was read";
                return false;
            } else {
                return EDSDocKind<Model>::Write(model, path, error);
            }
        },
        file.model);
}

void KeepSourceText(LoadedEDSFile& file, std::string text) {
    std::visit(
        [&]<typename Model>(Model& model) {
            if constexpr (!std::is_same_v<Model, std::monostate>)
                model.Header.SourceText = std::move(text);
        },
        file.model);
}

bool WriteEDSFileKept(LoadedEDSFile& file, const std::string& path, size_t& changedLines,
                      std::string& error) {
    return std::visit(
        [&]<typename Model>(Model& model) {
            if constexpr (std::is_same_v<Model, std::monostate>) {
                error = "no file was read";
                return false;
            } else {
                return WriteKeptLayout(model, path, SaveTimeNow(), nullptr, changedLines, error);
            }
        },
        file.model);
}

void WriteEDSFileJson(std::ostream& out, const LoadedEDSFile& file) {
    CJsonWriter json(out);
    json.BeginObject();
    json.Key("kind").Text(EDSKindName(file.Kind()));
    std::visit(
        [&]<typename Model>(const Model& model) {
            if constexpr (!std::is_same_v<Model, std::monostate>) {
                WriteHeaderJson(json.Key("header"), model.Header);
                EDSDocKind<Model>::WriteJson(json, model);
            }
        },
        file.model);
    json.EndObject();
}

} // namespace corvid
