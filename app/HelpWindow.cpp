#include "HelpWindow.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QSplitter>
#include <QTextBlock>
#include <QTextBrowser>
#include <QUrl>

namespace corvid::app {

namespace {

constexpr int kBlockRole = Qt::UserRole;
// Headings below this level (h4 and lower) are details, not contents.
constexpr int kDeepestListedHeading = 3;

} // namespace

CHelpWindow::CHelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), browser_(new QTextBrowser), contents_(new QListWidget) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(tr("Corvid Help"));
    browser_->setObjectName(QStringLiteral("helpText"));
    browser_->setOpenExternalLinks(true);
    contents_->setObjectName(QStringLiteral("helpContents"));
    auto* splitter = new QSplitter;
    splitter->addWidget(contents_);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({220, 680});
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);
    resize(900, 640);
    connect(browser_, &QTextBrowser::sourceChanged, this, &CHelpWindow::FillContents);
    connect(contents_, &QListWidget::itemActivated, this, &CHelpWindow::GoToHeading);
    connect(contents_, &QListWidget::itemClicked, this, &CHelpWindow::GoToHeading);
}

void CHelpWindow::ShowFile(const QString& path, QTextDocument::ResourceType type) {
    browser_->setSource(QUrl::fromLocalFile(path), type);
    FillContents(); // the same source again changes nothing, yet may be a new file
    show();
    raise();
    activateWindow();
}

void CHelpWindow::FillContents() {
    contents_->clear();
    for (QTextBlock block = browser_->document()->begin(); block.isValid(); block = block.next()) {
        const int level = block.blockFormat().headingLevel();
        if (level < 1 || level > kDeepestListedHeading || block.text().trimmed().isEmpty())
            continue;
        auto* item = new QListWidgetItem(QString(4 * (level - 1), QLatin1Char(' ')) +
                                         block.text().trimmed());
        item->setData(kBlockRole, block.blockNumber());
        contents_->addItem(item);
    }
}

// Scrolls the heading to the top of the page.
void CHelpWindow::GoToHeading() {
    const QListWidgetItem* item = contents_->currentItem();
    if (item == nullptr)
        return;
    const QTextBlock block =
        browser_->document()->findBlockByNumber(item->data(kBlockRole).toInt());
    QTextCursor cursor(block);
    browser_->moveCursor(QTextCursor::End);
    browser_->setTextCursor(cursor);
    browser_->ensureCursorVisible();
}

} // namespace corvid::app
