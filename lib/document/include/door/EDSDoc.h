#pragma once

// The document set: every open EDS file of every fieldbus, each as the
// model its reader filled, in one ordered list per fieldbus. It owns the
// models and runs the open, save and exit flows; everything it shows or
// asks goes through the user interface it was given.
//
// It is the one door to each file: a file is named by the id AddFile hands
// out, Visit reads its model, and Commit is the only way the model changes.
// Commit runs the editing rule, marks the file modified and tells the
// listeners (the view's rows, the tree, the title) which file changed how.

#include "dictionaries/UserInterface.h"
#include "door/EDSChange.h"
#include "door/EDSDocKinds.h"
#include "door/EDSHistory.h"
#include "door/KeptReach.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

namespace corvid {

// One open file: its fieldbus and its position in that fieldbus's list.
struct EDSFileRef {
    EDSKind kind = EDSKind::Unknown;
    size_t position = 0;
    bool operator==(const EDSFileRef&) const = default;
};

// A file of the document set, for as long as it stays open: ids are never
// reused, so one kept past RemoveFile names no file rather than another.
struct EDSFileId {
    uint32_t Value = 0;
    bool operator==(const EDSFileId&) const = default;
};

// The path a save dialog's choice is written to: a name keeps its own ending
// only when it is ".eds" or ".EDS"; anything else, ".Eds" included, gets
// ".eds" behind it. A dialog uses it to confirm overwriting the file that
// will really be replaced.
std::string WithEDSExtension(std::string path);

class CEDSDoc {
public:
    template <typename Model> using FileList = std::vector<std::unique_ptr<Model>>;

    explicit CEDSDoc(IUserInterface& ui) : ui_(ui) {}

    // Appends a model to the list of its fieldbus; returns its id.
    template <typename Model> EDSFileId AddFile(std::unique_ptr<Model> model) {
        FileList<Model>& list = Files<Model>();
        const EDSFileId id{++lastId_};
        histories_.emplace(id.Value, CEDSHistory(StartsSaved(model->Header)));
        reaches_.emplace(id.Value, CKeptReach());
        if (StartsSaved(model->Header))
            asRead_.insert(id.Value);
        list.push_back(std::move(model));
        ids_[Slot(EDSDocKind<Model>::kKind)].push_back(id);
        if (fileAdded_)
            fileAdded_(EDSFileRef{EDSDocKind<Model>::kKind, list.size() - 1});
        return id;
    }

    // A file Corvid made (catalogue, generation) exists nowhere on disk yet:
    // it starts modified, so leaving the program asks about it.
    template <typename Model> EDSFileId AddNewFile(std::unique_ptr<Model> model) {
        model->Header.Flags = static_cast<uint8_t>(model->Header.Flags | FLAG_MODIFIED);
        return AddFile(std::move(model));
    }

    // Reads `text` with the reader of `kind` and adds the file, which keeps
    // the text; none for Unknown. A file that was opened is read from its
    // text once.
    std::optional<EDSFileId> AddFileText(EDSKind kind, std::string text, const std::string& path);

    // Called after every AddFile, so a window shows a file's root while
    // later files are still loading, whoever added it (open or generation).
    void SetFileAddedHandler(std::function<void(EDSFileRef)> handler) {
        fileAdded_ = std::move(handler);
    }

    // Discards the file without a question and logs it; unsaved changes
    // are lost. Returns false when there is no such file.
    bool RemoveFile(EDSKind kind, size_t position);

    // The id of the file at a place of the trees, and back; none when there
    // is no such file.
    std::optional<EDSFileId> IdAt(EDSFileRef file) const;
    std::optional<EDSFileRef> Find(EDSFileId id) const;

    // Calls f with the model of the file, of its own type; false when there
    // is no such file. The models are read here; they change only through
    // Commit.
    template <typename F> bool Visit(EDSFileId id, F&& f) const {
        const std::optional<EDSFileRef> file = Find(id);
        return file && Visit(*file, std::forward<F>(f));
    }
    template <typename F> bool Visit(EDSFileRef file, F&& f) const {
        bool found = false;
        ForEachList([&](const auto& list) {
            if (KindOf<std::decay_t<decltype(list)>> == file.kind && file.position < list.size()) {
                f(std::as_const(*list[file.position]));
                found = true;
            }
        });
        return found;
    }

    // The model of the file when it is of type Model, else nullptr.
    template <typename Model> const Model* FileModel(EDSFileId id) const {
        const Model* found = nullptr;
        Visit(id, [&]<typename Kind>(const Kind& model) {
            if constexpr (std::is_same_v<Kind, Model>)
                found = &model;
        });
        return found;
    }

    // Applies the change to the file by its editing rule. A stored change
    // marks the file modified, becomes a step of the file's history and is
    // told to every listener; any other answer leaves the file as it was.
    // UndoChange and RedoChange move through the history, the file modified
    // unless they reach the state last saved.
    EDSCommitted Commit(EDSFileId id, EDSChange change);

    // The file's undo history; nullptr when there is no such file.
    const CEDSHistory* History(EDSFileId id) const;

    // What the changes since the file was last what its text reads as
    // touched; nullptr when there is no such file.
    const CKeptReach* Reach(EDSFileId id) const;

    using ChangeListener = std::function<void(EDSFileId, const EDSChange&)>;
    // Returns a number for RemoveChangeListener. Listeners are called in
    // the order they were added, after the model changed.
    size_t AddChangeListener(ChangeListener listener);
    void RemoveChangeListener(size_t listener);

    bool IsModified(EDSFileId id) const;

    template <typename Model> FileList<Model>& Files() { return std::get<FileList<Model>>(lists_); }
    template <typename Model> const FileList<Model>& Files() const {
        return std::get<FileList<Model>>(lists_);
    }
    size_t FileCount(EDSKind kind) const;
    // The header of a file, or nullptr when there is no such file.
    EDSFileHeader* Header(EDSFileRef file);
    const EDSFileHeader* Header(EDSFileRef file) const;

    // File Open: asks for files and opens them.
    void OpenFiles();
    // Opens the given paths in order: detects each file's kind, logs it,
    // refuses one already open, reads and adds the rest. Unknown files are
    // passed over without a word.
    void OpenPaths(const std::vector<std::string>& paths);

    // The file the view shows: the save commands act on it, and the frame
    // title follows it.
    void SetCurrentFile(std::optional<EDSFileRef> file) { current_ = file; }
    std::optional<EDSFileRef> CurrentFile() const { return current_; }

    // Save: straight to the known save path, else with the save dialog.
    // Save As: always with the dialog. Both return true when the file was
    // written.
    bool SaveFile();
    bool SaveFileAs();
    // Every modified file, CANopen first, by SaveFile's choice.
    void SaveAllFiles();

    // Called after every save that wrote a file, whichever command saved it.
    void SetFileSavedHandler(std::function<void(EDSFileRef)> handler) {
        fileSaved_ = std::move(handler);
    }

    // Asks about every modified file before the program closes. Returns
    // false when the user cancelled, closed the save dialog of a file they
    // chose to save, or when such a file could not be saved, so that no
    // edit is lost without warning.
    bool ConfirmExit();
    // Remove File's question, naming the file and whether it has unsaved
    // changes; for a modified file then the save prompt as on exit. True
    // when the file may go: saved, or its changes given up.
    bool ConfirmRemove(EDSFileRef file);

    enum class Layout { Kept, Corvid };
    // The layout the save commands write a file opened from disk in; files
    // Corvid made are always written in Corvid's.
    void SetSaveLayout(Layout layout) { saveLayout_ = layout; }

    // Writes a file to `path` without a dialog or a log line, as the command
    // line saves: in the file's own layout where it has one (Kept), else or
    // when asked (Corvid) in Corvid's. `changedLines` counts the lines a save
    // in the file's own layout changed.
    bool WriteFile(EDSFileId id, const std::string& path, Layout layout, size_t& changedLines,
                   std::string& error);

    // "%s - Halvard Corvid", with "*" behind the title when modified.
    void SetFrameTitle(const std::string& title, bool modified);
    const std::string& FrameTitle() const { return frameTitle_; }

private:
    enum class SaveResult { Saved, Cancelled, Failed };
    // What the save prompt of one file leaves the caller to do: go on, go on
    // without asking about the other files (All Not), or keep everything.
    enum class PromptResult { Go, AskNoMore, Stay };

    template <typename List> using ModelOf = typename List::value_type::element_type;
    template <typename List> static constexpr EDSKind KindOf = EDSDocKind<ModelOf<List>>::kKind;
    static size_t Slot(EDSKind kind) { return static_cast<size_t>(kind); }

    template <typename F> void ForEachList(F&& f) {
        std::apply([&](auto&... lists) { (f(lists), ...); }, lists_);
    }
    template <typename F> void ForEachList(F&& f) const {
        std::apply([&](const auto&... lists) { (f(lists), ...); }, lists_);
    }

    EDSFileHeader* FindHeader(EDSFileRef file) const;
    static bool StartsSaved(const EDSFileHeader& header);

    template <typename Model> void OpenAs(const std::string& path, std::string text);
    void OpenPath(const std::string& path);

    SaveResult Save(EDSFileRef file, bool askPath);
    SaveResult SaveWithDialog(EDSFileRef file);
    // Where the save dialog opens: the file's own folder, or for a file
    // Corvid made, the folder of the last save.
    std::string SaveFolder(const EDSFileHeader& header) const;
    SaveResult WriteTo(EDSFileRef file, const std::string& path);
    // `before` is the path the file was last saved to, or read from.
    bool Write(EDSFileRef file, const std::string& path, const std::string& before, Layout layout,
               size_t& changedLines, std::string& error);

    // The save prompt of one file, asked only when it is modified.
    PromptResult PromptToSave(EDSFileRef file);
    MessageAnswer AskToSave(const EDSFileHeader& header);
    // Save As to another name: a CANopen FileName that named the file saved
    // before names the new one, as an edit of the file.
    void FollowFileName(EDSFileRef file, const std::string& before, const std::string& after);
    void KeepRenderAsRead(EDSFileRef file, const CEDSHistory& history, size_t doneBefore);
    void KeptSaved(uint32_t id);

    IUserInterface& ui_;
    std::tuple<FileList<CCANopenEDS>, FileList<CDeviceNetEDS>, FileList<CEtherNetIPEDS>> lists_;
    std::optional<EDSFileRef> current_;
    std::string frameTitle_;
    std::function<void(EDSFileRef)> fileAdded_;
    std::function<void(EDSFileRef)> fileSaved_;
    Layout saveLayout_ = Layout::Kept;
    std::string lastSaveFolder_;
    // The ids of each fieldbus's files, in the order of its list.
    std::array<std::vector<EDSFileId>, std::tuple_size_v<EDSModels>> ids_;
    uint32_t lastId_ = 0;
    std::map<uint32_t, CEDSHistory> histories_; // by EDSFileId::Value
    // Files still exactly what their text reads as: saved, they are that
    // text. The render as read is taken only when a change leaves the reach
    // unknown, so a file opened and never changed, or changed in parts the
    // reach follows, costs no render and no memory beyond its text.
    std::set<uint32_t> asRead_;
    std::map<uint32_t, CKeptReach> reaches_; // by EDSFileId::Value
    std::vector<std::pair<size_t, ChangeListener>> listeners_;
    size_t lastListener_ = 0;
    bool opening_ = false;
};

} // namespace corvid
