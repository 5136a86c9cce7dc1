#include "HelpCommands.h"

#include "CurrentLanguage.h"

#include "dictionaries/ModuleFolder.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

#include <array>

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

// The desktop's opener is asked only for files that exist: it reports a
// missing file as a success.
bool OpenFirst(const QStringList& names) {
    const QString folder = QString::fromStdString(ModuleFolder());
    for (const QString& name : names) {
        const QFileInfo file(folder + name);
        if (file.isFile() && QDesktopServices::openUrl(QUrl::fromLocalFile(file.filePath())))
            return true;
    }
    return false;
}

void Warn(IUserInterface& ui, const QString& text) {
    ui.AskMessage(text.toStdString(), std::string(kMessageCaption), MessageButtons::Ok,
                  MessageIcon::Warning);
}

} // namespace

QStringList HelpFileNames(int languageId) {
    QStringList names;
    for (const QString& chm : InLanguageOrder(languageId, {QStringLiteral("Corvid-Enu.chm"),
                                                           QStringLiteral("Corvid-Chs.chm"),
                                                           QStringLiteral("Corvid-Cht.chm")}))
        names << chm << QFileInfo(chm).completeBaseName() + QStringLiteral(".html");
    return names;
}

QStringList RevisionHistoryNames(int languageId) {
    return InLanguageOrder(languageId, {QStringLiteral("EDS_Revision_History_ENG.pdf"),
                                        QStringLiteral("EDS_Revision_History_CHS.pdf"),
                                        QStringLiteral("EDS_Revision_History_CHT.pdf")});
}

void ShowHelpTopics(IUserInterface& ui) {
    if (!OpenFirst(HelpFileNames(CurrentLanguageId())))
        Warn(ui, QCoreApplication::translate("Help", "Error occurs when loading help file."));
}

void ShowRevisionHistory(IUserInterface& ui) {
    const QStringList names = RevisionHistoryNames(CurrentLanguageId());
    if (!OpenFirst(names))
        Warn(ui, QCoreApplication::translate("Help", "Can't find file :%1.").arg(names.front()));
}

} // namespace corvid::app
