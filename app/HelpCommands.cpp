#include "HelpCommands.h"

#include "CurrentLanguage.h"
#include "HelpWindow.h"

#include "dictionaries/ModuleFolder.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

#include <array>
#include <optional>

namespace corvid::app {

namespace {

// The three documents of each kind, English, simplified and traditional
// Chinese, put in the order a language tries them.
QStringList InLanguageOrder(int languageId, const std::array<QString, 3>& files) {
    const auto& [english, simplified, traditional] = files;
    switch (languageId) {
    case kLanguageChineseSimplified:
        return {simplified, traditional, english};
    case kLanguageChineseTraditional:
        return {traditional, simplified, english};
    default:
        return {english, simplified, traditional};
    }
}

QString InProgramFolder(const QString& name) {
    return QString::fromStdString(ModuleFolder()) + name;
}

std::optional<QString> FirstPresent(const QStringList& names) {
    for (const QString& name : names)
        if (QFileInfo(InProgramFolder(name)).isFile())
            return InProgramFolder(name);
    return std::nullopt;
}

// The desktop's opener is asked only for files that exist: it reports a
// missing file as a success.
bool OpenOnDesktop(const QStringList& names) {
    const std::optional<QString> file = FirstPresent(names);
    return file && QDesktopServices::openUrl(QUrl::fromLocalFile(*file));
}

void Warn(IUserInterface& ui, const QString& text) {
    ui.AskMessage(text.toStdString(), std::string(kMessageCaption), MessageButtons::Ok,
                  MessageIcon::Warning);
}

} // namespace

QStringList HelpFileNames(int languageId) {
    return InLanguageOrder(languageId,
                           {QStringLiteral("Corvid-Enu.html"), QStringLiteral("Corvid-Chs.html"),
                            QStringLiteral("Corvid-Cht.html")});
}

QStringList RevisionHistoryNames(int languageId) {
    return InLanguageOrder(languageId, {QStringLiteral("EDS_Revision_History_ENG.pdf"),
                                        QStringLiteral("EDS_Revision_History_CHS.pdf"),
                                        QStringLiteral("EDS_Revision_History_CHT.pdf")});
}

QString RevisionHistorySource(const QString& pdfName) {
    return QFileInfo(pdfName).completeBaseName() + QStringLiteral(".md");
}

CHelpWindow& HelpWindowOf(QWidget& frame) {
    auto* window = frame.findChild<CHelpWindow*>(QString(), Qt::FindDirectChildrenOnly);
    return window != nullptr ? *window : *new CHelpWindow(&frame);
}

void ShowHelpTopics(IUserInterface& ui, QWidget& frame) {
    if (const std::optional<QString> guide = FirstPresent(HelpFileNames(CurrentLanguageId())))
        HelpWindowOf(frame).ShowFile(*guide);
    else
        Warn(ui, QCoreApplication::translate("Help", "Error occurs when loading help file."));
}

void ShowRevisionHistory(IUserInterface& ui, QWidget& frame) {
    const QStringList names = RevisionHistoryNames(CurrentLanguageId());
    if (OpenOnDesktop(names))
        return;
    QStringList sources;
    for (const QString& name : names)
        sources << RevisionHistorySource(name);
    if (const std::optional<QString> source = FirstPresent(sources))
        HelpWindowOf(frame).ShowFile(*source, QTextDocument::MarkdownResource);
    else
        Warn(ui, QCoreApplication::translate("Help", "Can't find file :%1.").arg(names.front()));
}

} // namespace corvid::app
