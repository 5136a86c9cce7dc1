#include "MessageWindow.h"

#include "CoreTextTranslation.h"
#include "ShownText.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextCursor>

namespace corvid::app {

CMessageWindow::CMessageWindow(QWidget* parent)
    : QDockWidget(tr("Message Window"), parent), text_(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("MessageWindow"));
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    setWidget(text_);
}

void CMessageWindow::AppendMessage(const std::string& text) {
    // Every line that reaches the window passes here, whichever way it
    // came, so the core's lines are translated here. Paths in log lines are
    // bytes of the file system; they are shown as any file text is.
    QString shown = Shown(TranslateCoreText(text));
    shown.remove(QLatin1Char('\r'));
    QTextCursor end(text_->document());
    end.movePosition(QTextCursor::End);
    end.insertText(shown);
    text_->verticalScrollBar()->setValue(text_->verticalScrollBar()->maximum());
}

void CMessageWindow::Clear() {
    text_->clear();
}

QString CMessageWindow::Text() const {
    return text_->toPlainText();
}

} // namespace corvid::app
