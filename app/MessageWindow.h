#pragma once

#include <QDockWidget>

#include <string>

class QPlainTextEdit;

namespace corvid::app {

// The program's log: read-only text that only grows at its end, titled
// "Message Window".
class CMessageWindow : public QDockWidget {
    Q_OBJECT
public:
    explicit CMessageWindow(QWidget* parent = nullptr);

    // Appends at the end and scrolls there; log lines carry their own line
    // ends, nothing is added.
    void AppendMessage(const std::string& text);
    void Clear();
    QString Text() const;
    // The text widget, for the edit commands: its selection, its focus.
    QPlainTextEdit& TextView() const { return *text_; }

private:
    QPlainTextEdit* text_;
};

} // namespace corvid::app
