#pragma once

#include "FrameActions.h"

#include "door/EDSDoc.h"

#include <QMainWindow>
#include <QStringList>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QLabel;

namespace corvid::app {

class CEDSView;
class CEditCommands;
class CFindBar;
class CPageFilter;
class CFrameUserInterface;
class CMessageWindow;
class CProblemsDock;
class CProjectWindow;
class CRecentFiles;
class CUndoCommands;

// The main window. It creates the document set, the view, the docks and the
// commands, and wires them; each of them does its own work.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    // Questions and file choices go to `dialogs`: the desktop's message
    // boxes and file dialogs in the program, scripted answers in tests.
    explicit CMainFrame(IUserInterface& dialogs, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // Opens files as if chosen in the Open dialog (command line, drops,
    // recent files).
    void OpenPaths(const QStringList& paths);
    // Opens the files a command line names, relative to the working folder.
    void OpenArguments(const QStringList& arguments);

    CEDSDoc& Document() { return *doc_; }
    CEDSView& View() { return *view_; }
    CProjectWindow& ProjectWindow() { return *project_; }
    CFindBar& FindBar() { return *find_; }
    CPageFilter& PageFilter() { return *filter_; }
    CMessageWindow& MessageWindow() { return *messages_; }
    CProblemsDock& ProblemsWindow() { return *problems_; }
    const CFrameActions& Actions() const { return actions_; }
    CRecentFiles& RecentFiles() { return *recent_; }
    QString NetworkText() const;
    QString CountsText() const;
    bool Loading() const { return loading_; }

    // The tree's mark, the title and the save prompts follow the file's
    // modified flag and name. Called on every change, after every save, and
    // by whatever else sets or clears the flag (undo back to the saved
    // state).
    void FileStateChanged(EDSFileId file);

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QWidget* ViewWithBars();
    void AddFindCommands();
    void ConnectCommands();
    void CommitEditsBeforeCommands();
    void RunOpen(const std::function<void()>& open);
    void ShowNewestSummary();
    void NewFile();
    void SetLoading(bool loading);
    void SetSaveLayout(bool corvidLayout);
    void OnFileAdded(EDSFileRef file);
    void OnFileSaved(EDSFileRef file);
    void ShowPage(EDSFileRef file, const std::string& section, const PageState& state = {});
    void OnPageShown();
    void FollowActiveTab();
    void ShowProblem(EDSFileId file, const CheckFinding& finding);
    void UpdateCounts();
    void RemoveFile(EDSFileRef file);
    void RunSave(const std::function<void()>& save);
    void UpdateCommands();
    void UpdateTitle();

    std::unique_ptr<CFrameUserInterface> ui_;
    std::unique_ptr<CEDSDoc> doc_;
    CMessageWindow* messages_;
    CProjectWindow* project_;
    CEDSView* view_;
    CFindBar* find_;
    CPageFilter* filter_;
    CProblemsDock* problems_;
    QLabel* counts_;
    QLabel* network_;
    CFrameActions actions_;
    CEditCommands* edit_;
    CUndoCommands* undo_;
    CRecentFiles* recent_;
    bool loading_ = false;
    struct ShownPage {
        EDSFileId file;
        std::string section;
    };
    // Per fieldbus, the page shown last.
    std::array<std::optional<ShownPage>, 3> lastPages_;
    std::optional<EDSFileRef> newest_; // the file added last
};

} // namespace corvid::app
