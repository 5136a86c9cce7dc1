// corvid: the desktop program. Files named on the command line open at
// start, as if chosen in the Open dialog.

#include "Language.h"
#include "MainFrame.h"
#include "ProgramInfo.h"
#include "QtDialogs.h"
#include "UserSettings.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QSettings>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    corvid::app::NameUserSettingsStore();
    {
        QSettings store;
        corvid::app::ImportOldUserSettings(corvid::app::OldUserSettingsFile(), store);
    }
    QApplication::setApplicationDisplayName(QStringLiteral("Corvid"));
    QApplication::setApplicationVersion(QLatin1String(corvid::app::kProgramVersion));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/corvid.png")));

    corvid::app::InstallInterfaceLanguage(app);

    QCommandLineParser options;
    options.setApplicationDescription(QApplication::translate(
        "main", "Edits CANopen, DeviceNet and EtherNet/IP EDS files. Files given open at start."));
    options.addHelpOption();
    options.addVersionOption();
    options.addPositionalArgument(QStringLiteral("files"),
                                  QApplication::translate("main", "EDS files to open."),
                                  QStringLiteral("[FILE...]"));
    options.process(app);

    corvid::app::CQtDialogs dialogs;
    corvid::app::CMainFrame frame(dialogs);
    dialogs.SetParentWindow(&frame);
    frame.resize(1100, 720);
    frame.show();
    frame.OpenArguments(options.positionalArguments());
    return QApplication::exec();
}
