#include "HelpCommands.h"

#include "dictionaries/ModuleFolder.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>

namespace corvid::app {

namespace {

// English first: the program has no other language yet.
const QStringList kHelpFiles = {QStringLiteral("Corvid-Enu.chm"), QStringLiteral("Corvid-Chs.chm"),
                                QStringLiteral("Corvid-Cht.chm")};
const QStringList kHistoryFiles = {QStringLiteral("EDS_Revision_History_ENG.pdf"),
                                   QStringLiteral("EDS_Revision_History_CHS.pdf"),
                                   QStringLiteral("EDS_Revision_History_CHT.pdf")};

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

} // namespace

void ShowHelpTopics(QWidget* parent) {
    if (!OpenFirst(kHelpFiles))
        QMessageBox::warning(
            parent, QCoreApplication::applicationName(),
            QCoreApplication::translate("Help", "Error occurs when loading help file."));
}

void ShowRevisionHistory(QWidget* parent) {
    if (!OpenFirst(kHistoryFiles))
        QMessageBox::warning(
            parent, QCoreApplication::applicationName(),
            QCoreApplication::translate("Help", "Can't find file :%1.").arg(kHistoryFiles.front()));
}

void ShowAbout(QWidget* parent) {
    QMessageBox::about(parent, QCoreApplication::translate("Help", "About Corvid"),
                       QCoreApplication::translate(
                           "Help", "<p><b>Halvard Corvid</b> %1</p>"
                                   "<p>Editor and generator of EDS files for CANopen, DeviceNet "
                                   "and EtherNet/IP devices.</p>")
                           .arg(QCoreApplication::applicationVersion()));
}

} // namespace corvid::app
