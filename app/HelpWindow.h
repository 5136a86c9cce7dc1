#pragma once

#include <QTextDocument>
#include <QWidget>

class QListWidget;
class QTextBrowser;
class QUrl;

namespace corvid::app {

// "Corvid Help": the program's own window for the user guide and, when the
// desktop cannot open the PDF, the revision history. It needs no program of
// the desktop: links between the guide's pages, its images and its anchors
// are followed inside it, addresses on the web go to the browser. The
// contents on the left list the headings of the page shown.
class CHelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit CHelpWindow(QWidget* parent = nullptr);

    // Shows the file (HTML, or Markdown for `MarkdownResource`) and raises
    // the window.
    void ShowFile(const QString& path,
                  QTextDocument::ResourceType type = QTextDocument::HtmlResource);

    const QTextBrowser& Browser() const { return *browser_; }
    const QListWidget& Contents() const { return *contents_; }

private:
    void FillContents();
    void GoToHeading();

    QTextBrowser* browser_;
    QListWidget* contents_;
};

} // namespace corvid::app
