#include "FindBar.h"

#include "EDSView.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

#include <algorithm>

namespace corvid::app {

namespace {

enum Scope { kThisFile, kAllOpenFiles };

QToolButton* StepButton(QAction* action, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setDefaultAction(action);
    button->setAutoRaise(true);
    return button;
}

} // namespace

CFindBar::CFindBar(CEDSDoc& doc, CEDSView& view, QWidget* parent)
    : QWidget(parent), doc_(doc), view_(view), text_(new QLineEdit(this)),
      wholeWord_(new QCheckBox(tr("Whole word"), this)), scope_(new QComboBox(this)),
      count_(new QLabel(this)), find_(new QAction(tr("&Find..."), this)),
      next_(new QAction(tr("Find &Next"), this)),
      previous_(new QAction(tr("Find &Previous"), this)) {
    setObjectName(QStringLiteral("FindBar"));
    text_->setObjectName(QStringLiteral("FindText"));
    text_->setPlaceholderText(tr("Text or CANopen index"));
    text_->setClearButtonEnabled(true);
    wholeWord_->setObjectName(QStringLiteral("WholeWord"));
    scope_->setObjectName(QStringLiteral("Scope"));
    scope_->addItems({tr("This file"), tr("All open files")});
    count_->setObjectName(QStringLiteral("HitCount"));

    find_->setShortcut(QKeySequence::Find);
    next_->setShortcut(Qt::Key_F3);
    previous_->setShortcut(Qt::SHIFT | Qt::Key_F3);
    // The keys work wherever the focus is in the window, the view above all.
    for (QAction* action : {find_, next_, previous_}) {
        action->setShortcutContext(Qt::WindowShortcut);
        parent->addAction(action);
    }
    connect(find_, &QAction::triggered, this, &CFindBar::Open);
    connect(next_, &QAction::triggered, this, [this] { Step(1); });
    connect(previous_, &QAction::triggered, this, [this] { Step(-1); });

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(new QLabel(tr("Find:"), this));
    layout->addWidget(text_, 1);
    layout->addWidget(StepButton(previous_, this));
    layout->addWidget(StepButton(next_, this));
    layout->addWidget(wholeWord_);
    layout->addWidget(scope_);
    layout->addWidget(count_);
    hide();

    const auto restart = [this] {
        stale_ = true;
        current_.reset();
        count_->clear();
    };
    connect(text_, &QLineEdit::textChanged, this, restart);
    connect(wholeWord_, &QCheckBox::toggled, this, restart);
    connect(scope_, &QComboBox::currentIndexChanged, this, restart);
    connect(text_, &QLineEdit::returnPressed, this, [this] { Step(1); });
    listener_ = doc_.AddChangeListener([this](EDSFileId, const EDSChange&) { stale_ = true; });
}

CFindBar::~CFindBar() {
    doc_.RemoveChangeListener(listener_);
}

QString CFindBar::CountText() const {
    return count_->text();
}

void CFindBar::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        Close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void CFindBar::Open() {
    show();
    text_->setFocus();
    text_->selectAll();
}

// The hit stays selected and the focus goes to the view, so F2 edits it.
void CFindBar::Close() {
    hide();
    view_.setFocus();
}

void CFindBar::Step(int by) {
    if (text_->text().isEmpty()) {
        Open();
        return;
    }
    // "This file" is the file shown now, which may not be the one searched.
    if (scope_->currentIndex() == kThisFile && view_.ShownId() != searched_) {
        stale_ = true;
        current_.reset();
    }
    if (stale_)
        Search();
    if (hits_.empty()) {
        ShowCount();
        return;
    }
    const auto count = static_cast<long>(hits_.size());
    const long from = current_ ? static_cast<long>(*current_) : (by > 0 ? -1 : 0);
    current_ = static_cast<size_t>(((from + by) % count + count) % count);
    // A hit whose row went since the search is found again by searching anew.
    if (!view_.ShowHit(hits_[*current_])) {
        Search();
        if (!hits_.empty())
            view_.ShowHit(hits_[*current_]);
    }
    ShowCount();
}

// A search again after a change keeps the place in the list: the hit shown
// last where it is still a hit, so F3 goes on from there.
void CFindBar::Search() {
    const std::optional<PageHit> shown = current_ ? std::optional(hits_[*current_]) : std::nullopt;
    const std::string query = text_->text().toStdString();
    const SearchOptions options{.WholeWord = wholeWord_->isChecked()};
    // Many large files take a moment.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (scope_->currentIndex() == kAllOpenFiles)
        hits_ = SearchOpenFiles(doc_, query, options);
    else if (const std::optional<EDSFileId> file = view_.ShownId())
        hits_ = SearchFile(doc_, *file, query, options);
    else
        hits_.clear();
    QApplication::restoreOverrideCursor();
    stale_ = false;
    searched_ = view_.ShownId();
    const auto same = std::find(hits_.begin(), hits_.end(), shown);
    if (hits_.empty())
        current_.reset();
    else if (same != hits_.end())
        current_ = static_cast<size_t>(same - hits_.begin());
    else if (current_)
        current_ = std::min(*current_, hits_.size() - 1);
}

void CFindBar::ShowCount() {
    count_->setText(hits_.empty() || !current_
                        ? tr("No hits")
                        : tr("%1 of %2").arg(*current_ + 1).arg(hits_.size()));
}

} // namespace corvid::app
