#include "MainFrame.h"

#include "AboutDialog.h"
#include "EDSView.h"
#include "EditCommands.h"
#include "FindBar.h"
#include "FrameUserInterface.h"
#include "HelpCommands.h"
#include "LanguageMenu.h"
#include "MessageWindow.h"
#include "NewFileDialog.h"
#include "PageFilter.h"
#include "ProblemsDock.h"
#include "ProjectWindow.h"
#include "RecentFiles.h"
#include "ShownText.h"
#include "UndoCommands.h"
#include "UserSettings.h"

#include "door/EDSDocTexts.h"
#include "pages/KeptContent.h"
#include "pages/ProblemPlace.h"
#include "pages/ProjectTree.h"
#include "reports/OpenFileCheck.h"

#include <QAction>
#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QUrl>
#include <QVBoxLayout>

namespace corvid::app {

namespace {

const QString kCaption = QString::fromUtf8(doc_texts::kCaption.data(),
                                           static_cast<qsizetype>(doc_texts::kCaption.size()));

std::vector<std::string> FileSystemPaths(const QStringList& paths) {
    std::vector<std::string> result;
    for (const QString& path : paths)
        result.push_back(QFile::encodeName(path).toStdString());
    return result;
}

QStringList LocalFiles(const QMimeData* data) {
    QStringList files;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile())
            files << url.toLocalFile();
    return files;
}

} // namespace

CMainFrame::CMainFrame(IUserInterface& dialogs, QWidget* parent)
    : QMainWindow(parent), messages_(new CMessageWindow(this)) {
    setObjectName(QStringLiteral("MainFrame"));
    setWindowTitle(kCaption);
    setAcceptDrops(true);
    ui_ = std::make_unique<CFrameUserInterface>(dialogs, this, *messages_);
    doc_ = std::make_unique<CEDSDoc>(*ui_);
    project_ = new CProjectWindow(*doc_, this);
    view_ = new CEDSView(*doc_, this);
    problems_ = new CProblemsDock(*doc_, this);
    find_ = new CFindBar(*doc_, *view_, this);
    filter_ = new CPageFilter(*doc_, *view_, this);
    setCentralWidget(ViewWithBars());
    addDockWidget(Qt::LeftDockWidgetArea, project_);
    addDockWidget(Qt::BottomDockWidgetArea, messages_);
    addDockWidget(Qt::BottomDockWidgetArea, problems_);
    problems_->hide();
    resizeDocks({project_}, {300}, Qt::Horizontal);
    resizeDocks({messages_}, {140}, Qt::Vertical);

    actions_ = CreateFrameActions(*this, project_->toggleViewAction(),
                                  messages_->toggleViewAction(), view_->ColumnActions());
    AddFindCommands();
    CommitEditsBeforeCommands();
    edit_ = new CEditCommands(*doc_, *view_, *messages_, *ui_, actions_, this);
    undo_ = new CUndoCommands(*doc_, *view_, *actions_.undo, *actions_.redo, this);
    recent_ = new CRecentFiles(*actions_.recentFiles, this);
    menuBar()->insertMenu(menuBar()->actions().constLast(), new CLanguageMenu(*ui_, this));
    counts_ = new QLabel(this);
    network_ = new QLabel(tr("Network"), this);
    statusBar()->addPermanentWidget(counts_);
    statusBar()->addPermanentWidget(network_);
    statusBar()->showMessage(tr("Ready"));

    doc_->SetFileAddedHandler([this](EDSFileRef file) { OnFileAdded(file); });
    doc_->SetFileSavedHandler([this](EDSFileRef file) { OnFileSaved(file); });
    // The title and the tree follow every change, whichever command made it.
    doc_->AddChangeListener([this](EDSFileId file, const EDSChange&) {
        FileStateChanged(file);
        // The selection the page kept or chose again decides what the
        // commands may do now.
        edit_->UpdateEnabling();
    });
    actions_.corvidLayout->setChecked(LoadSaveInCorvidLayout());
    SetSaveLayout(actions_.corvidLayout->isChecked());
    ConnectCommands();
    UpdateCommands();
}

CMainFrame::~CMainFrame() {
    // The document set outlives the views that read it, and the commands
    // that watch the focus go before the views they ask.
    delete edit_;
    delete find_;
    delete filter_;
    delete undo_;
    delete problems_;
    delete view_;
    delete project_;
}

// The find bar and the filter box sit over the view, hidden until wanted.
QWidget* CMainFrame::ViewWithBars() {
    auto* holder = new QWidget(this);
    auto* layout = new QVBoxLayout(holder);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(find_);
    layout->addWidget(filter_);
    layout->addWidget(view_, 1);
    return holder;
}

void CMainFrame::AddFindCommands() {
    for (QObject* owner : actions_.clear->associatedObjects())
        if (auto* edit = qobject_cast<QMenu*>(owner)) {
            edit->insertActions(actions_.clear, {find_->FindAction(), find_->NextAction(),
                                                 find_->PreviousAction()});
            edit->insertSeparator(actions_.clear);
        }
}

// An open editor writes into the entry it was opened on before any command
// runs, so no command sees or removes that entry half-edited. Copy, Cut and
// Paste are the exception: they work on the editor's own text.
void CMainFrame::CommitEditsBeforeCommands() {
    for (QAction* action : findChildren<QAction*>())
        if (action != actions_.cut && action != actions_.copy && action != actions_.paste)
            connect(action, &QAction::triggered, view_, &CEDSView::CommitEditors);
}

void CMainFrame::ConnectCommands() {
    const CFrameActions& a = actions_;
    connect(a.newFile, &QAction::triggered, this, &CMainFrame::NewFile);
    connect(a.open, &QAction::triggered, this, [this] { RunOpen([this] { doc_->OpenFiles(); }); });
    connect(a.save, &QAction::triggered, this, [this] { RunSave([this] { doc_->SaveFile(); }); });
    connect(a.saveAs, &QAction::triggered, this,
            [this] { RunSave([this] { doc_->SaveFileAs(); }); });
    connect(a.saveAll, &QAction::triggered, this,
            [this] { RunSave([this] { doc_->SaveAllFiles(); }); });
    connect(a.corvidLayout, &QAction::toggled, this, [this](bool corvidLayout) {
        StoreSaveInCorvidLayout(corvidLayout);
        SetSaveLayout(corvidLayout);
    });
    connect(a.exit, &QAction::triggered, this, &QWidget::close);
    connect(a.clear, &QAction::triggered, messages_, &CMessageWindow::Clear);
    connect(a.helpTopics, &QAction::triggered, this, [this] { ShowHelpTopics(*ui_, *this); });
    connect(a.revisionHistory, &QAction::triggered, this,
            [this] { ShowRevisionHistory(*ui_, *this); });
    connect(a.about, &QAction::triggered, this, [this] { CAboutDialog(this).exec(); });
    connect(a.check, &QAction::triggered, this, [this] {
        problems_->show();
        problems_->raise();
        problems_->Refresh();
    });
    connect(problems_, &CProblemsDock::ProblemActivated, this, &CMainFrame::ShowProblem);
    connect(problems_, &CProblemsDock::ProblemsChanged, this, &CMainFrame::UpdateCounts);
    connect(recent_, &CRecentFiles::OpenRequested, this,
            [this](const QString& path) { OpenPaths({path}); });

    connect(project_, &CProjectWindow::RootActivated, this,
            [this](EDSFileRef file) { ShowPage(file, std::string(kFileSummarySection)); });
    connect(project_, &CProjectWindow::SectionActivated, this,
            [this](EDSFileRef file, const std::string& section) { ShowPage(file, section); });
    connect(undo_, &CUndoCommands::StepPageWanted, this,
            [this](EDSFileRef file, const std::string& section) { ShowPage(file, section); });
    connect(project_, &CProjectWindow::AddFilesRequested, a.open, &QAction::trigger);
    connect(project_, &CProjectWindow::NewFileRequested, a.newFile, &QAction::trigger);
    connect(project_, &CProjectWindow::RemoveFileRequested, this, &CMainFrame::RemoveFile);
    connect(project_, &CProjectWindow::ActiveKindChanged, this, [this] {
        FollowActiveTab();
        UpdateCommands();
    });
    connect(view_, &CEDSView::MessageLine, messages_, &CMessageWindow::AppendMessage);
    connect(view_, &CEDSView::PageChanged, this, [this] {
        OnPageShown();
        UpdateCommands();
        UpdateTitle();
        problems_->SetFrontFile(view_->ShownId());
        UpdateCounts();
    });
}

void CMainFrame::OpenPaths(const QStringList& paths) {
    if (!paths.isEmpty())
        RunOpen([this, &paths] { doc_->OpenPaths(FileSystemPaths(paths)); });
}

void CMainFrame::OpenArguments(const QStringList& arguments) {
    QStringList paths;
    for (const QString& argument : arguments)
        paths << QFileInfo(argument).absoluteFilePath();
    OpenPaths(paths);
}

// Events are pumped between files: nothing that changes the document set
// may start meanwhile, and the window may not close under the loop.
void CMainFrame::RunOpen(const std::function<void()>& open) {
    if (loading_)
        return;
    view_->CommitEditors();
    const size_t before = doc_->FileCount(EDSKind::CANopen) + doc_->FileCount(EDSKind::DeviceNet) +
                          doc_->FileCount(EDSKind::EtherNetIP);
    SetLoading(true);
    open();
    SetLoading(false);
    const size_t after = doc_->FileCount(EDSKind::CANopen) + doc_->FileCount(EDSKind::DeviceNet) +
                         doc_->FileCount(EDSKind::EtherNetIP);
    if (after > before) {
        project_->ShowTabs();
        project_->show();
        messages_->show();
        // The tab of the newest file came to the front while they loaded.
        FollowActiveTab();
        ShowNewestSummary();
    }
}

// An empty view after opening files looks as if nothing was read: while no
// page is shown, the summary page of the newest file of the tree in front
// comes up, as a double click on its root would show it.
void CMainFrame::ShowNewestSummary() {
    const EDSKind kind = project_->ActiveKind();
    const size_t count = doc_->FileCount(kind);
    if (view_->ShownFile() || count == 0)
        return;
    ShowPage({kind, count - 1}, std::string(kFileSummarySection));
}

// The dialog adds what it loads or makes to the document set; the window
// then shows it like an opened file, and its summary page at once, whatever
// page was shown before.
void CMainFrame::NewFile() {
    newest_.reset();
    RunOpen([this] {
        CNewFileDialog dialog(*doc_, *ui_, this);
        dialog.exec();
    });
    if (newest_)
        ShowPage(*newest_, std::string(kFileSummarySection));
}

void CMainFrame::SetSaveLayout(bool corvidLayout) {
    doc_->SetSaveLayout(corvidLayout ? CEDSDoc::Layout::Corvid : CEDSDoc::Layout::Kept);
}

void CMainFrame::SetLoading(bool loading) {
    loading_ = loading;
    project_->SetLoading(loading);
    UpdateCommands();
}

void CMainFrame::OnFileAdded(EDSFileRef file) {
    newest_ = file;
    project_->FileAdded(file);
    problems_->FilesChanged();
    const EDSFileHeader* header = doc_->Header(file);
    if (header == nullptr || header->PathName.empty())
        return;
    recent_->Add(QFile::decodeName(header->PathName.c_str()));
    // What the file holds beyond the model is saved unchanged but not
    // edited: the user learns of it, and the tree has a page listing it.
    if (const std::string kept = KeptMessage(header->PathName, CountKept(*doc_, file));
        !kept.empty())
        messages_->AppendMessage(kept);
    // A supplier's file with faults says so at once, not only when checked.
    if (const std::optional<EDSFileId> id = doc_->IdAt(file))
        if (const std::string counts =
                CheckMessage(header->PathName, CountFindings(problems_->Findings(*id)));
            !counts.empty())
            messages_->AppendMessage(counts);
}

void CMainFrame::OnFileSaved(EDSFileRef file) {
    recent_->Add(QFile::decodeName(doc_->Header(file)->SavePathName.c_str()));
    if (const std::optional<EDSFileId> id = doc_->IdAt(file))
        FileStateChanged(*id);
}

void CMainFrame::FileStateChanged(EDSFileId file) {
    if (const std::optional<EDSFileRef> place = doc_->Find(file))
        project_->FileChanged(*place);
    UpdateTitle();
}

void CMainFrame::ShowPage(EDSFileRef file, const std::string& section, const PageState& state) {
    view_->ShowPage(file, section, state);
}

// Whoever showed the page (the tree, a find hit), the current file, the
// fieldbus in the status bar and the tab in front follow it, and it is the
// page its fieldbus's tab shows again when it comes to the front.
void CMainFrame::OnPageShown() {
    const std::optional<EDSFileRef> file = view_->ShownFile();
    if (!file)
        return;
    doc_->SetCurrentFile(file);
    network_->setText(QString::fromUtf8(EDSKindName(file->kind)));
    lastPages_[static_cast<size_t>(file->kind)] = {*view_->ShownId(), view_->Section()};
    project_->BringToFront(file->kind);
}

// The view shows the last page of the fieldbus whose tab is in front, or
// nothing when it has none, never a page of a tab out of sight.
void CMainFrame::FollowActiveTab() {
    const EDSKind kind = project_->ActiveKind();
    const std::optional<EDSFileRef> shown = view_->ShownFile();
    if (loading_ || (shown && shown->kind == kind))
        return;
    const std::optional<ShownPage>& last = lastPages_[static_cast<size_t>(kind)];
    const std::optional<EDSFileRef> file = last ? doc_->Find(last->file) : std::nullopt;
    if (file)
        view_->ShowPage(*file, last->section);
    else if (shown)
        view_->Clear();
}

// The page that holds the problem, with its entry open and its row and
// cell selected; where no row holds it (a list entry the page does not
// show, a section no page shows) the page shows and the status bar says so.
void CMainFrame::ShowProblem(EDSFileId id, const CheckFinding& finding) {
    const std::optional<EDSFileRef> file = doc_->Find(id);
    if (!file)
        return;
    view_->CommitEditors();
    const ProblemPlace place = PlaceOfProblem(*doc_, *file, finding.section, finding.key);
    ShowPage(*file, place.Section, place.State);
    if (place.Row)
        view_->SelectCell(*place.Row, place.Column.value_or(0));
    else
        statusBar()->showMessage(tr("No row of this page shows this problem."));
}

void CMainFrame::UpdateCounts() {
    counts_->setText(problems_->FrontCountsText());
}

void CMainFrame::RemoveFile(EDSFileRef file) {
    if (loading_)
        return;
    view_->CommitEditors();
    if (!doc_->ConfirmRemove(file))
        return;
    project_->RemoveFile(file);
    view_->FilesRemoved();
    problems_->FilesChanged();
    doc_->SetCurrentFile(view_->ShownFile());
    UpdateCommands();
    UpdateTitle();
}

void CMainFrame::RunSave(const std::function<void()>& save) {
    view_->CommitEditors();
    save();
    // The summary page shows the save path; the title loses its star.
    view_->Refresh();
    UpdateTitle();
}

void CMainFrame::UpdateCommands() {
    const CFrameActions& a = actions_;
    const bool hasFile = view_->ShownFile().has_value();
    a.save->setEnabled(hasFile);
    a.saveAs->setEnabled(hasFile);
    a.saveAll->setEnabled(doc_->FileCount(project_->ActiveKind()) > 0);
    a.newFile->setEnabled(!loading_);
    a.open->setEnabled(!loading_);
    actions_.recentFiles->setEnabled(!loading_ && !recent_->Paths().isEmpty());
    edit_->UpdateEnabling();
}

void CMainFrame::UpdateTitle() {
    const std::optional<EDSFileRef> file = view_->ShownFile();
    const EDSFileHeader* header = file ? doc_->Header(*file) : nullptr;
    if (header == nullptr) {
        setWindowTitle(kCaption);
        return;
    }
    doc_->SetFrameTitle(header->Title, doc_->IsModified(*view_->ShownId()));
    setWindowTitle(Shown(doc_->FrameTitle()));
}

QString CMainFrame::NetworkText() const {
    return network_->text();
}

QString CMainFrame::CountsText() const {
    return counts_->text();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (!loading_)
        view_->CommitEditors();
    if (loading_ || !doc_->ConfirmExit()) {
        event->ignore();
        return;
    }
    std::string error;
    if (!view_->SaveColumnWidths(error))
        messages_->AppendMessage("Configure.ini: " + error + "\r\n");
    event->accept();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (!loading_ && !LocalFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
    const QStringList files = LocalFiles(event->mimeData());
    if (loading_ || files.isEmpty())
        return;
    event->acceptProposedAction();
    OpenPaths(files);
}

} // namespace corvid::app
