#include "door/EDSDoc.h"

#include "dictionaries/FileIO.h"
#include "door/EDSDocTexts.h"
#include "door/KeptSave.h"

#include <initializer_list>

namespace corvid {

namespace {

// Fills the "%s" marks of a string-table text in order; a "%s" inside a
// value stays as it is.
std::string Format(std::string_view pattern, std::initializer_list<std::string_view> values) {
    std::string text(pattern);
    size_t at = 0;
    for (std::string_view value : values) {
        at = text.find("%s", at);
        if (at == std::string::npos)
            break;
        text.replace(at, 2, value);
        at += value.size();
    }
    return text;
}

// The folder part of a path without the last separator, and the name after
// it; a bare name has no folder.
std::string FolderOf(const std::string& path) {
    const size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::string FileNameOf(const std::string& path) {
    const size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Where a file is on disk, or for one Corvid made and never saved, the name
// its first save suggests.
std::string ShownPath(const EDSFileHeader& header) {
    if (!header.SavePathName.empty())
        return header.SavePathName;
    return header.SourceText ? header.PathName : header.Title + ".eds";
}

FileDialogRequest EDSFileDialog(std::string title, std::string initialName) {
    return {std::move(title),
            std::move(initialName),
            {{"EDS Files(*.eds)", "*.eds"}, {"All Files(*.*)", "*.*"}},
            "eds"};
}

} // namespace

std::string WithEDSExtension(std::string path) {
    if (!path.ends_with(".eds") && !path.ends_with(".EDS"))
        path += ".eds";
    return path;
}

bool CEDSDoc::RemoveFile(EDSKind kind, size_t position) {
    if (const EDSFileHeader* header = Header({kind, position}))
        ui_.AppendMessage(Format(doc_texts::kRemoveFile, {ShownPath(*header)}));
    bool removed = false;
    ForEachList([&](auto& list) {
        if (KindOf<std::decay_t<decltype(list)>> != kind || position >= list.size())
            return;
        list.erase(list.begin() + static_cast<std::ptrdiff_t>(position));
        std::vector<EDSFileId>& ids = ids_[Slot(kind)];
        histories_.erase(ids[position].Value);
        asRead_.erase(ids[position].Value);
        reaches_.erase(ids[position].Value);
        ids.erase(ids.begin() + static_cast<std::ptrdiff_t>(position));
        removed = true;
    });
    if (removed && current_ && current_->kind == kind) {
        if (current_->position == position)
            current_.reset();
        else if (current_->position > position)
            --current_->position;
    }
    return removed;
}

size_t CEDSDoc::FileCount(EDSKind kind) const {
    size_t count = 0;
    ForEachList([&](const auto& list) {
        if (KindOf<std::decay_t<decltype(list)>> == kind)
            count = list.size();
    });
    return count;
}

// The lists own their models through pointers, so a const document still
// reaches a mutable header; the public overloads restore constness.
EDSFileHeader* CEDSDoc::FindHeader(EDSFileRef file) const {
    EDSFileHeader* header = nullptr;
    ForEachList([&](const auto& list) {
        if (KindOf<std::decay_t<decltype(list)>> == file.kind && file.position < list.size())
            header = &list[file.position]->Header;
    });
    return header;
}

EDSFileHeader* CEDSDoc::Header(EDSFileRef file) {
    return FindHeader(file);
}

const EDSFileHeader* CEDSDoc::Header(EDSFileRef file) const {
    return FindHeader(file);
}

std::optional<EDSFileId> CEDSDoc::IdAt(EDSFileRef file) const {
    if (file.kind == EDSKind::Unknown || file.position >= ids_[Slot(file.kind)].size())
        return std::nullopt;
    return ids_[Slot(file.kind)][file.position];
}

std::optional<EDSFileRef> CEDSDoc::Find(EDSFileId id) const {
    for (size_t slot = 0; slot < ids_.size(); ++slot) {
        const auto at = std::find(ids_[slot].begin(), ids_[slot].end(), id);
        if (at != ids_[slot].end())
            return EDSFileRef{static_cast<EDSKind>(slot),
                              static_cast<size_t>(at - ids_[slot].begin())};
    }
    return std::nullopt;
}

EDSCommitted CEDSDoc::Commit(EDSFileId id, EDSChange change) {
    const std::optional<EDSFileRef> file = Find(id);
    if (!file)
        return {};
    // The change is applied to a copy kept for the listeners, which are told
    // what was asked, not what the rule made of the values it moved out.
    const EDSChange told = change;
    CEDSHistory& history = histories_.at(id.Value);
    const size_t done = history.DoneCount();
    EDSCommitted committed;
    ForEachList([&](auto& list) {
        if (KindOf<std::decay_t<decltype(list)>> == file->kind)
            committed = CommitToHistory(*list[file->position], history, std::move(change), ui_);
    });
    reaches_.at(id.Value).Follow(history, done);
    if (history.DoneCount() != done)
        KeepRenderAsRead(*file, history, done);
    if (!committed.Stored())
        return committed;
    const bool stepped =
        std::holds_alternative<UndoChange>(told) || std::holds_alternative<RedoChange>(told);
    EDSFileHeader& header = *Header(*file);
    header.Flags =
        static_cast<uint8_t>(stepped && history.AtSaved() ? header.Flags & ~FLAG_MODIFIED
                                                          : header.Flags | FLAG_MODIFIED);
    // A listener may add or remove listeners: it is told from a copy.
    const auto listeners = listeners_;
    for (const auto& [number, listener] : listeners)
        listener(id, told);
    return committed;
}

const CKeptReach* CEDSDoc::Reach(EDSFileId id) const {
    const auto found = reaches_.find(id.Value);
    return found == reaches_.end() ? nullptr : &found->second;
}

const CEDSHistory* CEDSDoc::History(EDSFileId id) const {
    const auto found = histories_.find(id.Value);
    return found != histories_.end() ? &found->second : nullptr;
}

// A file read from disk is, until changed, what was last saved; one Corvid
// made exists nowhere yet.
bool CEDSDoc::StartsSaved(const EDSFileHeader& header) {
    return header.SourceText && (header.Flags & FLAG_MODIFIED) == 0;
}

size_t CEDSDoc::AddChangeListener(ChangeListener listener) {
    listeners_.emplace_back(++lastListener_, std::move(listener));
    return lastListener_;
}

void CEDSDoc::RemoveChangeListener(size_t listener) {
    std::erase_if(listeners_, [&](const auto& entry) { return entry.first == listener; });
}

bool CEDSDoc::IsModified(EDSFileId id) const {
    const std::optional<EDSFileRef> file = Find(id);
    return file && (Header(*file)->Flags & FLAG_MODIFIED) != 0;
}

void CEDSDoc::OpenFiles() {
    if (opening_)
        return;
    OpenPaths(ui_.ChooseFilesToOpen(EDSFileDialog("", "")));
}

void CEDSDoc::OpenPaths(const std::vector<std::string>& paths) {
    // Events pumped between files could start a second open; it waits for
    // this one instead of changing the lists under it.
    if (opening_ || paths.empty())
        return;
    opening_ = true;
    const int count = static_cast<int>(paths.size());
    ui_.SetProgress(0, count);
    for (int i = 0; i < count; ++i) {
        ui_.PumpEvents();
        OpenPath(paths[static_cast<size_t>(i)]);
        ui_.SetProgress(i + 1, count);
    }
    opening_ = false;
}

void CEDSDoc::OpenPath(const std::string& path) {
    // One read: the kind is found in the text the reader then reads.
    std::string text;
    std::string error;
    if (!ReadWholeFile(path, text, error)) {
        ui_.AppendMessage(std::string(doc_texts::kOpenFile) + path +
                          std::string(doc_texts::kUnreadable) + error + "\r\n");
        return;
    }
    WithKind(DetectEDSKindText(path, text), [&]<typename Model>(std::type_identity<Model>) {
        OpenAs<Model>(path, std::move(text));
    });
}

template <typename Model> void CEDSDoc::OpenAs(const std::string& path, std::string text) {
    std::string opened(doc_texts::kOpenFile);
    ui_.AppendMessage(opened + path + std::string(EDSDocKind<Model>::kOpenedText));
    for (const auto& model : Files<Model>()) {
        if (model->Header.PathName == path) {
            ui_.AppendMessage(opened + path + std::string(doc_texts::kAlreadyOpened));
            return;
        }
    }
    AddFileText(EDSDocKind<Model>::kKind, std::move(text), path);
}

std::optional<EDSFileId> CEDSDoc::AddFileText(EDSKind kind, std::string text,
                                              const std::string& path) {
    std::optional<EDSFileId> id;
    WithKind(kind, [&]<typename Model>(std::type_identity<Model>) {
        auto model = std::make_unique<Model>();
        EDSDocKind<Model>::LoadText(*model, text, path);
        // The bytes as read stay with the model: a save writes them back
        // wherever the user changed nothing.
        model->Header.SourceText = std::move(text);
        id = AddFile(std::move(model));
    });
    return id;
}

bool CEDSDoc::SaveFile() {
    return current_ && Save(*current_, false) == SaveResult::Saved;
}

bool CEDSDoc::SaveFileAs() {
    return current_ && Save(*current_, true) == SaveResult::Saved;
}

void CEDSDoc::SaveAllFiles() {
    ForEachList([&](auto& list) {
        const EDSKind kind = KindOf<std::decay_t<decltype(list)>>;
        for (size_t position = 0; position < list.size(); ++position)
            if ((list[position]->Header.Flags & FLAG_MODIFIED) != 0)
                Save({kind, position}, false);
    });
}

CEDSDoc::SaveResult CEDSDoc::Save(EDSFileRef file, bool askPath) {
    const EDSFileHeader* header = Header(file);
    if (header == nullptr)
        return SaveResult::Cancelled;
    if (!askPath && (header->Flags & FLAG_SAVE_PATH_KNOWN) != 0)
        return WriteTo(file, header->SavePathName);
    return SaveWithDialog(file);
}

CEDSDoc::SaveResult CEDSDoc::SaveWithDialog(EDSFileRef file) {
    const EDSFileHeader& header = *Header(file);
    // Files of one name may be open for several fieldbuses: the title says
    // which one is saved.
    const std::string title =
        Format(doc_texts::kSaveAsTitle, {header.Title, EDSKindName(file.kind)});
    const std::string folder = SaveFolder(header);
    const std::string chosen = ui_.ChooseSavePath(
        EDSFileDialog(title, folder.empty() ? header.Title : folder + "/" + header.Title));
    if (chosen.empty())
        return SaveResult::Cancelled;
    return WriteTo(file, WithEDSExtension(chosen));
}

std::string CEDSDoc::SaveFolder(const EDSFileHeader& header) const {
    if (!header.SavePathName.empty())
        return FolderOf(header.SavePathName);
    if (header.SourceText)
        return FolderOf(header.PathName);
    // A file Corvid made was read from the catalogue, if from anywhere: not
    // a place to save the user's files in.
    return lastSaveFolder_;
}

CEDSDoc::SaveResult CEDSDoc::WriteTo(EDSFileRef file, const std::string& path) {
    EDSFileHeader& header = *Header(file);
    ui_.AppendMessage(Format(doc_texts::kSaveFile, {path}));
    const std::string previousPath = header.SavePathName;
    const std::string before = previousPath.empty() ? header.PathName : previousPath;
    header.SavePathName = path;
    std::string error;
    size_t changedLines = 0;
    if (!Write(file, path, before, saveLayout_, changedLines, error)) {
        // Nothing was written over: the file keeps its changes, and one that
        // was never saved still asks for a path next time.
        header.SavePathName = previousPath;
        const std::string text = Format(doc_texts::kSaveFailed, {path}) + error;
        ui_.AppendMessage(text + "\r\n");
        ui_.AskMessage(text, std::string(doc_texts::kCaption), MessageButtons::Ok,
                       MessageIcon::Warning);
        return SaveResult::Failed;
    }
    header.Flags = static_cast<uint8_t>((header.Flags | FLAG_SAVE_PATH_KNOWN) & ~FLAG_MODIFIED);
    histories_.at(IdAt(file)->Value).MarkSaved();
    // Saved under another name, the file goes by that name from now on.
    if (before != path)
        header.Title = TitleFromPath(path);
    lastSaveFolder_ = FolderOf(path);
    if (header.SourceText && saveLayout_ == Layout::Kept)
        ui_.AppendMessage(ChangedLinesText(changedLines, path));
    if (current_ == file)
        SetFrameTitle(header.Title, false);
    if (fileSaved_)
        fileSaved_(file);
    return SaveResult::Saved;
}

// A file opened from disk keeps its layout unless Corvid's is asked for; one
// Corvid made is written in Corvid's.
bool CEDSDoc::Write(EDSFileRef file, const std::string& path, const std::string& before,
                    Layout layout, size_t& changedLines, std::string& error) {
    if (before != path)
        FollowFileName(file, before, path);
    const uint32_t id = IdAt(file)->Value;
    bool written = false;
    ForEachList([&](const auto& list) {
        if (KindOf<std::decay_t<decltype(list)>> != file.kind)
            return;
        auto& model = *list[file.position];
        if (model.Header.SourceText && layout == Layout::Kept) {
            // Unchanged since it was read, the file is saved as the bytes
            // read, without rendering it; it stays as its text reads.
            if (asRead_.contains(id)) {
                changedLines = 0;
                written = SaveFileReplacing(path, *model.Header.SourceText, error);
            } else {
                CKeptReach& reach = reaches_.at(id);
                written = WriteKeptLayout(model, path, SaveTimeNow(), &reach, changedLines, error);
                if (written)
                    KeptSaved(id);
            }
        } else if (WriteCorvidLayout(model, path, error)) {
            // Read back, Corvid's layout may give another model than this
            // one: its render is no longer the render of its text, and what
            // a change touches no longer tells what differs from it.
            asRead_.erase(id);
            reaches_.at(id).Forget();
            written = true;
        }
    });
    return written;
}

// The model is what its new text reads as: the next change starts a new
// reach.
void CEDSDoc::KeptSaved(uint32_t id) {
    reaches_.at(id).Reset();
    asRead_.insert(id);
}

// After a step: a save in the file's own layout needs the whole render as
// read once the reach no longer tells what changed. Taken the step after
// the file was as read, it is the render of the model before that step;
// later, the text is read again for it.
void CEDSDoc::KeepRenderAsRead(EDSFileRef file, const CEDSHistory& history, size_t doneBefore) {
    const uint32_t id = IdAt(file)->Value;
    const bool wasAsRead = asRead_.erase(id) > 0;
    if (reaches_.at(id).Known())
        return;
    const bool undone = history.DoneCount() < doneBefore;
    ForEachList([&](auto& list) {
        if (KindOf<std::decay_t<decltype(list)>> != file.kind)
            return;
        auto& model = *list[file.position];
        if (!model.Header.SourceText || model.Header.SourceRender)
            return;
        if (wasAsRead)
            KeepRenderBefore(model, undone ? *history.RedoStep() : *history.UndoStep(), undone);
        else
            KeepRenderOfText(model);
    });
}

void CEDSDoc::FollowFileName(EDSFileRef file, const std::string& before, const std::string& after) {
    const std::optional<EDSFileId> id = IdAt(file);
    const CCANopenEDS* model = id ? FileModel<CCANopenEDS>(*id) : nullptr;
    if (model == nullptr)
        return;
    if (const std::optional<std::string> name = FollowedFileName(*model, before, after))
        Commit(*id, CellChange{"FileInfo", "FileName", 1, *name, std::nullopt});
}

bool CEDSDoc::WriteFile(EDSFileId id, const std::string& path, Layout layout, size_t& changedLines,
                        std::string& error) {
    const std::optional<EDSFileRef> file = Find(id);
    return file && Write(*file, path, Header(*file)->PathName, layout, changedLines, error);
}

bool CEDSDoc::ConfirmExit() {
    for (size_t slot = 0; slot < ids_.size(); ++slot) {
        const auto kind = static_cast<EDSKind>(slot);
        for (size_t position = 0; position < FileCount(kind); ++position) {
            switch (PromptToSave({kind, position})) {
            case PromptResult::Go:
                break;
            case PromptResult::AskNoMore:
                return true;
            case PromptResult::Stay:
                return false;
            }
        }
    }
    return true;
}

bool CEDSDoc::ConfirmRemove(EDSFileRef file) {
    const EDSFileHeader* header = Header(file);
    if (header == nullptr)
        return false;
    std::string text = std::string(doc_texts::kDeleteFile) + "\n" + FileNameOf(ShownPath(*header));
    if ((header->Flags & FLAG_MODIFIED) != 0)
        text += doc_texts::kUnsavedChanges;
    return ui_.AskMessage(text, std::string(doc_texts::kCaption), MessageButtons::YesNo,
                          MessageIcon::Question) == MessageAnswer::Yes &&
           PromptToSave(file) != PromptResult::Stay;
}

CEDSDoc::PromptResult CEDSDoc::PromptToSave(EDSFileRef file) {
    if ((Header(file)->Flags & FLAG_MODIFIED) == 0)
        return PromptResult::Go;
    switch (AskToSave(*Header(file))) {
    case MessageAnswer::Yes:
        // A user who said YES and then closed the save dialog has not
        // chosen to lose the edits: the file stays.
        return Save(file, false) == SaveResult::Saved ? PromptResult::Go : PromptResult::Stay;
    case MessageAnswer::AllNot:
        return PromptResult::AskNoMore;
    case MessageAnswer::Cancel:
        return PromptResult::Stay;
    default: // NO: this file stays unsaved
        return PromptResult::Go;
    }
}

MessageAnswer CEDSDoc::AskToSave(const EDSFileHeader& header) {
    return ui_.AskMessage(std::string(doc_texts::kSavePrompt) + "\n" + header.Title + ".eds",
                          std::string(doc_texts::kCaption), MessageButtons::YesNoAllNotCancel,
                          MessageIcon::Question);
}

void CEDSDoc::SetFrameTitle(const std::string& title, bool modified) {
    frameTitle_ = title + (modified ? "*" : "") + std::string(doc_texts::kTitleSuffix);
}

} // namespace corvid
