#include "UndoCommands.h"

#include "CoreTextTranslation.h"
#include "EDSView.h"

#include <QAction>

namespace corvid::app {

namespace {

void Name(QAction& action, const QString& bare, const QString& named, const EDSStep* step) {
    action.setEnabled(step != nullptr);
    action.setText(step ? named.arg(QString::fromUtf8(TranslateCoreText(step->Name))) : bare);
}

} // namespace

CUndoCommands::CUndoCommands(CEDSDoc& doc, CEDSView& view, QAction& undo, QAction& redo,
                             QObject* parent)
    : QObject(parent), doc_(doc), view_(view), undo_(undo), redo_(redo) {
    connect(&undo_, &QAction::triggered, this, [this] { Step(true); });
    connect(&redo_, &QAction::triggered, this, [this] { Step(false); });
    connect(&view_, &CEDSView::PageChanged, this, &CUndoCommands::Update);
    listener_ = doc_.AddChangeListener([this](EDSFileId, const EDSChange&) { Update(); });
    Update();
}

CUndoCommands::~CUndoCommands() {
    doc_.RemoveChangeListener(listener_);
}

void CUndoCommands::Update() {
    const std::optional<EDSFileId> shown = view_.ShownId();
    const CEDSHistory* history = shown ? doc_.History(*shown) : nullptr;
    Name(undo_, QObject::tr("&Undo"), QObject::tr("&Undo %1"),
         history ? history->UndoStep() : nullptr);
    Name(redo_, QObject::tr("&Redo"), QObject::tr("&Redo %1"),
         history ? history->RedoStep() : nullptr);
}

void CUndoCommands::Step(bool undo) {
    const std::optional<EDSFileId> shown = view_.ShownId();
    const CEDSHistory* history = shown ? doc_.History(*shown) : nullptr;
    const EDSStep* step = !history ? nullptr : undo ? history->UndoStep() : history->RedoStep();
    if (step == nullptr)
        return;
    const std::string section = step->Section;
    const EDSChange change = undo ? EDSChange{UndoChange{}} : EDSChange{RedoChange{}};
    if (!doc_.Commit(*shown, change).Stored() || section.empty() || section == view_.Section())
        return;
    if (const std::optional<EDSFileRef> file = doc_.Find(*shown))
        emit StepPageWanted(*file, section);
}

} // namespace corvid::app
