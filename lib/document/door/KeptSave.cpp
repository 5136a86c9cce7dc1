#include "door/KeptSave.h"

#include "canopen/CANopenFields.h"
#include "dictionaries/EDSTextHelper.h"
#include "dictionaries/FileIO.h"

#include <utility>

namespace corvid {

namespace {

// The modification keys of a file and the section that holds them.
struct StampKeys {
    std::string& date;
    std::string& time;
    bool twelveHour; // the clock a key in an unknown form is written with
    std::string_view section;
};

StampKeys KeysOf(CCANopenEDS& model) {
    return {model.FileInfo.ModificationDate, model.FileInfo.ModificationTime, true, "fileinfo"};
}

template <typename Model> StampKeys KeysOf(Model& model) {
    return {model.FileSection.ModDate, model.FileSection.ModTime, false, "File"};
}

// Sets a modification key the file gives a value to; true when it changed.
bool Stamp(std::string& key, const std::string& value) {
    if (key.empty() || key == value)
        return false;
    key = value;
    return true;
}

bool StampModification(const StampKeys& keys, const StampTime& time) {
    const bool date = Stamp(keys.date, DateLike(keys.date, time));
    const bool clock = Stamp(keys.time, TimeLike(keys.time, time, keys.twelveHour));
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

// The kept-layout text from the parts the changes touched alone, each
// rendered as read and as it is now; the stamp's section is one of them.
// `stamp` is called once the parts differ from what was read, and tells
// whether it changed the model. None when only the whole render can tell
// where a change goes, and for a model Corvid made (saved once, it has a
// text too), whose objects the writer gives every key.
template <typename Stamp>
std::optional<KeptLayoutResult> MergeKeptParts(const CCANopenEDS& model, const CKeptReach& reach,
                                               Stamp&& stamp) {
    if (!model.FileInfo.Given.Read())
        return std::nullopt;
    const KeptPart stampPart{std::string(kFileInfoSection), std::nullopt};
    const bool stampTouched = reach.Before().contains(stampPart);
    const auto renderNow = [&] {
        std::string text;
        for (const auto& [part, before] : reach.Before())
            text += RenderPart(model, part);
        return stampTouched ? text : text + RenderPart(model, stampPart);
    };
    std::string asRead;
    for (const auto& [part, before] : reach.Before())
        asRead += before;
    if (!stampTouched)
        asRead += RenderPart(model, stampPart); // untouched, so still as read
    std::string current = renderNow();
    if (current == asRead)
        return KeptLayoutResult{*model.Header.SourceText, 0};
    if (stamp())
        current = renderNow();
    return MergePartsIntoSource(*model.Header.SourceText, asRead, current, kCANopenLayout);
}

// DeviceNet and EtherNet/IP changes leave the reach unknown.
template <typename Model, typename Stamp>
std::optional<KeptLayoutResult> MergeKeptParts(const Model&, const CKeptReach&, Stamp&&) {
    return std::nullopt;
}

// The kept-layout text, with `render` the writer's render of the model
// saved; none when only the parts the changes touched were rendered.
// The model is stamped before it is rendered: when the render differs from
// the one as read outside the stamp's own section, the model was changed
// and the one render is the one saved. Only a difference inside that
// section needs a render without the stamp to tell.
template <typename Model>
KeptLayoutResult FormatKept(Model& model, const StampTime& time, const CKeptReach* reach,
                            std::optional<std::string>& render) {
    if (!model.Header.SourceText) {
        render = EDSDocKind<Model>::Format(model);
        return {*render, 0};
    }
    if (reach != nullptr && reach->Known())
        if (std::optional<KeptLayoutResult> parts = MergeKeptParts(
                model, *reach, [&] { return StampModification(KeysOf(model), time); }))
            return std::move(*parts);
    std::string scratch;
    const std::string_view before = RenderAsRead(model, scratch);
    const StampKeys keys = KeysOf(model);
    std::string date = keys.date;
    std::string clock = keys.time;
    const bool stamped = StampModification(keys, time);
    render = EDSDocKind<Model>::Format(model);
    if (stamped && MayDifferOnlyIn(before, *render, keys.section, EDSDocKind<Model>::kLayout)) {
        std::swap(keys.date, date);
        std::swap(keys.time, clock);
        std::string unstamped = EDSDocKind<Model>::Format(model);
        if (unstamped == before) {
            render = std::move(unstamped);
        } else {
            std::swap(keys.date, date);
            std::swap(keys.time, clock);
        }
    }
    return MergeIntoSource(*model.Header.SourceText, before, *render, EDSDocKind<Model>::kLayout);
}

} // namespace

template <typename Model> void KeepSourceRender(Model& model) {
    model.Header.SourceRender = EDSDocKind<Model>::Format(model);
}

template <typename Model> void KeepRenderBefore(Model& model, const EDSStep& step, bool undone) {
    const ModelPatch<Model>& patch = std::get<ModelPatch<Model>>(step.Patch);
    ModelParts<Model>::Apply(model, patch, !undone);
    KeepSourceRender(model);
    ModelParts<Model>::Apply(model, patch, undone);
}

template <typename Model> void KeepRenderOfText(Model& model) {
    if (!model.Header.SourceText || model.Header.SourceRender)
        return;
    std::string render;
    RenderAsRead(model, render);
    model.Header.SourceRender = std::move(render);
}

template <typename Model>
KeptLayoutResult FormatKeptLayout(Model& model, const StampTime& time, const CKeptReach* reach) {
    std::optional<std::string> render;
    return FormatKept(model, time, reach, render);
}

template <typename Model> std::string KeptLayoutText(const Model& model, const CKeptReach* reach) {
    if (!model.Header.SourceText)
        return EDSDocKind<Model>::Format(model);
    if (reach != nullptr && reach->Known())
        if (std::optional<KeptLayoutResult> parts =
                MergeKeptParts(model, *reach, [] { return false; }))
            return std::move(parts->text);
    std::string scratch;
    return MergeIntoSource(*model.Header.SourceText, RenderAsRead(model, scratch),
                           EDSDocKind<Model>::Format(model), EDSDocKind<Model>::kLayout)
        .text;
}

template <typename Model>
bool WriteKeptLayout(Model& model, const std::string& path, const StampTime& time,
                     const CKeptReach* reach, size_t& changedLines, std::string& error) {
    std::optional<std::string> render;
    KeptLayoutResult result = FormatKept(model, time, reach, render);
    if (!SaveFileReplacing(path, result.text, error))
        return false;
    changedLines = result.changedLines;
    model.Header.SourceText = std::move(result.text);
    // What was written carries every difference between the renders, so it
    // reads back as the model saved: the whole render, where one was made, is
    // its render as read.
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
    template void KeepRenderBefore(Model&, const EDSStep&, bool);                                  \
    template void KeepRenderOfText(Model&);                                                        \
    template KeptLayoutResult FormatKeptLayout(Model&, const StampTime&, const CKeptReach*);       \
    template std::string KeptLayoutText(const Model&, const CKeptReach*);                          \
    template bool WriteKeptLayout(Model&, const std::string&, const StampTime&, const CKeptReach*, \
                                  size_t&, std::string&);                                          \
    template bool WriteCorvidLayout(Model&, const std::string&, std::string&);
CORVID_KEPT_SAVE(CCANopenEDS)
CORVID_KEPT_SAVE(CDeviceNetEDS)
CORVID_KEPT_SAVE(CEtherNetIPEDS)
#undef CORVID_KEPT_SAVE

} // namespace corvid
