#pragma once

// The document set: every open EDS file of every fieldbus, each as the
// model its reader filled, in one ordered list per fieldbus. It owns the
// models and runs the open, save and exit flows; everything it shows or
// asks goes through the user interface it was given.

#include "dictionaries/UserInterface.h"
#include "shell/EDSDocKinds.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace corvid {

// One open file: its fieldbus and its position in that fieldbus's list.
struct EDSFileRef {
    EDSKind kind = EDSKind::Unknown;
    size_t position = 0;
    bool operator==(const EDSFileRef&) const = default;
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

    // Appends a model to the list of its fieldbus; returns its position.
    template <typename Model> size_t AddFile(std::unique_ptr<Model> model) {
        FileList<Model>& list = Files<Model>();
        list.push_back(std::move(model));
        const size_t position = list.size() - 1;
        if (fileAdded_)
            fileAdded_(EDSFileRef{EDSDocKind<Model>::kKind, position});
        return position;
    }

    // Called after every AddFile, so a window shows a file's root while
    // later files are still loading, whoever added it (open or generation).
    void SetFileAddedHandler(std::function<void(EDSFileRef)> handler) {
        fileAdded_ = std::move(handler);
    }

    // Discards the file without a question; unsaved changes are lost.
    // Returns false when there is no such file.
    bool RemoveFile(EDSKind kind, size_t position);

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
    // Every file, CANopen first, by SaveFile's choice, modified or not.
    void SaveAllFiles();

    // Asks about every modified file before the program closes. Returns
    // false when the user cancelled, closed the save dialog of a file they
    // chose to save, or when such a file could not be saved, so that no
    // edit is lost without warning.
    bool ConfirmExit();

    // "%s - Halvard Corvid", with "*" behind the title when modified.
    void SetFrameTitle(const std::string& title, bool modified);
    const std::string& FrameTitle() const { return frameTitle_; }

private:
    enum class SaveResult { Saved, Cancelled, Failed };

    template <typename F> void ForEachList(F&& f) {
        std::apply([&](auto&... lists) { (f(lists), ...); }, lists_);
    }
    template <typename F> void ForEachList(F&& f) const {
        std::apply([&](const auto&... lists) { (f(lists), ...); }, lists_);
    }

    EDSFileHeader* FindHeader(EDSFileRef file) const;

    template <typename Model> void OpenAs(const std::string& path);
    void OpenPath(const std::string& path);

    SaveResult Save(EDSFileRef file, bool askPath);
    SaveResult SaveWithDialog(EDSFileRef file);
    SaveResult WriteTo(EDSFileRef file, const std::string& path);
    // `before` is the path the file was last saved to, or read from.
    bool Write(EDSFileRef file, const std::string& path, const std::string& before,
               size_t& changedLines, std::string& error);

    // The save prompt of one modified file on exit.
    MessageAnswer AskToSave(const EDSFileHeader& header);

    IUserInterface& ui_;
    std::tuple<FileList<CCANopenEDS>, FileList<CDeviceNetEDS>, FileList<CEtherNetIPEDS>> lists_;
    std::optional<EDSFileRef> current_;
    std::string frameTitle_;
    std::function<void(EDSFileRef)> fileAdded_;
    bool opening_ = false;
};

} // namespace corvid
