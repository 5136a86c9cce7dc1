// corvid-doc-pdf: typesets a Markdown document as a PDF of A4 pages. The
// build makes the revision history documents with it, so they follow the
// change log without a typesetting system on the machine.
//
// Usage: corvid-doc-pdf INPUT.md OUTPUT.pdf TITLE
// Runs without a display (QT_QPA_PLATFORM=offscreen); Chinese text needs a
// font with Han characters installed (fonts-wqy-microhei).

#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

#include <cstdio>

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "Usage: corvid-doc-pdf INPUT.md OUTPUT.pdf TITLE\n");
        return 2;
    }
    QFile input(QFile::decodeName(argv[1]));
    if (!input.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "corvid-doc-pdf: %s: %s\n", argv[1], qPrintable(input.errorString()));
        return 1;
    }
    QTextDocument document;
    document.setDefaultFont(QFont(QStringLiteral("Sans Serif"), 10));
    document.setMarkdown(QString::fromUtf8(input.readAll()));

    const QString output = QFile::decodeName(argv[2]);
    QPdfWriter writer(output);
    writer.setTitle(QString::fromUtf8(argv[3]));
    writer.setCreator(QStringLiteral("Corvid"));
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter));
    document.print(&writer);
    if (QFile(output).size() == 0) {
        std::fprintf(stderr, "corvid-doc-pdf: could not write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
