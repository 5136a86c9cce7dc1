#include "door/KeptSave.h"

#include "dictionaries/EDSTextHelper.h"
#include "dictionaries/FileIO.h"

namespace corvid {

namespace {

// Sets a modification key the file gives a value to; true when it changed.
bool Stamp(std::string& key, const std::string& value) {
    if (key.empty() || key == value)
        return false;
    key = value;
    return true;
}

bool StampModification(CCANopenEDS& model, const StampTime& time) {
    CANopenFileInfo& info = model.FileInfo;
    const bool date = Stamp(info.ModificationDate, DateLike(info.ModificationDate, time));
    const bool clock = Stamp(info.ModificationTime, TimeLike(info.ModificationTime, time, true));
    return date || clock;
}

template <typename Model> bool StampModification(Model& model, const StampTime& time) {
    DeviceNetFileSection& file = model.FileSection;
    const bool date = Stamp(file.ModDate, DateLike(file.ModDate, time));
    const bool clock = Stamp(file.ModTime, TimeLike(file.ModTime, time, false));
    return date || clock;
}

std::string_view FileNameOf(std::string_view path) {
    const size_t slash = path.find_last_of("/\\");
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

// The writer's render of the model the file's text gives: the one kept, or
// else one made in `scratch` by reading the text again.
template <typename Model> std::string_view RenderAsRead(const Model& model, std::string& scratch) {
    if (model.Header.SourceRender)
        return *model.Header.SourceRender;
    Model asRead;
    EDSDocKind<Model>::LoadText(asRead, *model.Header.SourceText, model.Header.PathName);
    scratch = EDSDocKind<Model>::Format(asRead);
    return scratch;
}

// The kept-layout text, with `render` the writer's render of the model saved.
template <typename Model>
KeptLayoutResult FormatKept(Model& model, const StampTime& time, std::string& render) {
    render = EDSDocKind<Model>::Format(model);
    if (!model.Header.SourceText)
        return {render, 0};
    std::string scratch;
    const std::string_view before = RenderAsRead(model, scratch);
    if (render != before && StampModification(model, time))
        render = EDSDocKind<Model>::Format(model);
    return MergeIntoSource(*model.Header.SourceText, before, render, EDSDocKind<Model>::kLayout);
}

} // namespace

template <typename Model> void KeepSourceRender(Model& model) {
    model.Header.SourceRender = EDSDocKind<Model>::Format(model);
}

template <typename Model> KeptLayoutResult FormatKeptLayout(Model& model, const StampTime& time) {
    std::string render;
    return FormatKept(model, time, render);
}

template <typename Model> std::string KeptLayoutText(const Model& model) {
    if (!model.Header.SourceText)
        return EDSDocKind<Model>::Format(model);
    std::string scratch;
    return MergeIntoSource(*model.Header.SourceText, RenderAsRead(model, scratch),
                           EDSDocKind<Model>::Format(model), EDSDocKind<Model>::kLayout)
        .text;
}

template <typename Model>
bool WriteKeptLayout(Model& model, const std::string& path, const StampTime& time,
                     size_t& changedLines, std::string& error) {
    std::string render;
    KeptLayoutResult result = FormatKept(model, time, render);
    if (!SaveFileReplacing(path, result.text, error))
        return false;
    changedLines = result.changedLines;
    model.Header.SourceText = std::move(result.text);
    // What was written carries every difference between the renders, so it
    // reads back as the model saved.
    model.Header.SourceRender = std::move(render);
    return true;
}

std::string ChangedLinesText(size_t changedLines, const std::string& path) {
    return "Save File:  " + std::to_string(changedLines) + " lines changed in " + path + "\r\n";
}

template <typename Model>
bool WriteCorvidLayout(Model& model, const std::string& path, std::string& error) {
    if (!model.Header.SourceText)
        return EDSDocKind<Model>::Write(model, path, error);
    std::string text = EDSDocKind<Model>::Format(model);
    if (!SaveFileReplacing(path, text, error))
        return false;
    // Read back, Corvid's layout may give another render than the one
    // written; the next save in the file's layout reads it again.
    model.Header.SourceRender.reset();
    model.Header.SourceText = std::move(text);
    return true;
}

std::optional<std::string> FollowedFileName(const CCANopenEDS& model, const std::string& before,
                                            const std::string& after) {
    if (before.empty() || !EqualsNoCase(model.FileInfo.FileName, FileNameOf(before)))
        return std::nullopt;
    return std::string(FileNameOf(after));
}

#define CORVID_KEPT_SAVE(Model)                                                                    \
    template void KeepSourceRender(Model&);                                                        \
    template KeptLayoutResult FormatKeptLayout(Model&, const StampTime&);                          \
    template std::string KeptLayoutText(const Model&);                                             \
    template bool WriteKeptLayout(Model&, const std::string&, const StampTime&, size_t&,           \
                                  std::string&);                                                   \
    template bool WriteCorvidLayout(Model&, const std::string&, std::string&);
CORVID_KEPT_SAVE(CCANopenEDS)
CORVID_KEPT_SAVE(CDeviceNetEDS)
CORVID_KEPT_SAVE(CEtherNetIPEDS)
#undef CORVID_KEPT_SAVE

} // namespace corvid
