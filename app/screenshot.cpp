// corvid-screenshot: starts the main window with the given files open,
// shows one page as a double click in the tree would, and saves a picture
// of the screen. Makes the README's screenshot under Xvfb
// (scripts/screenshot.sh).

#include "EDSView.h"
#include "MainFrame.h"
#include "ProjectWindow.h"
#include "QtDialogs.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QScreen>
#include <QTimer>

#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("corvid-screenshot"));

    QCommandLineParser options;
    options.setApplicationDescription(
        QStringLiteral("Saves a picture of the main window with FILE... open."));
    options.addHelpOption();
    const QCommandLineOption out(QStringLiteral("out"), QStringLiteral("PNG file to write."),
                                 QStringLiteral("PNG"));
    const QCommandLineOption kind(QStringLiteral("kind"),
                                  QStringLiteral("Fieldbus of the page: 0 CANopen, 1 DeviceNet, "
                                                 "2 EtherNet/IP (default 1)."),
                                  QStringLiteral("N"), QStringLiteral("1"));
    const QCommandLineOption section(QStringLiteral("section"),
                                     QStringLiteral("Section page to show (default Params)."),
                                     QStringLiteral("NAME"), QStringLiteral("Params"));
    options.addOptions({out, kind, section});
    options.addPositionalArgument(QStringLiteral("files"), QStringLiteral("EDS files to open."),
                                  QStringLiteral("FILE..."));
    options.process(app);
    if (!options.isSet(out))
        options.showHelp(2);
    bool isNumber = false;
    const int kindNumber = options.value(kind).toInt(&isNumber);
    if (!isNumber || kindNumber < 0 || kindNumber > 2) {
        std::fprintf(stderr, "--kind takes 0, 1 or 2, not \"%s\"\n",
                     qPrintable(options.value(kind)));
        return 2;
    }

    corvid::app::CQtDialogs dialogs;
    corvid::app::CMainFrame frame(dialogs);
    dialogs.SetParentWindow(&frame);
    frame.resize(1280, 800);
    frame.show();
    frame.OpenArguments(options.positionalArguments());

    const corvid::EDSFileRef shown{static_cast<corvid::EDSKind>(kindNumber), 0};
    frame.ProjectWindow().BringToFront(shown.kind);
    emit frame.ProjectWindow().SectionActivated(shown, options.value(section).toStdString());
    int status = 1;
    QTimer::singleShot(1500, &app, [&] {
        const QPixmap picture = frame.screen()->grabWindow(0);
        status = picture.save(options.value(out)) ? 0 : 1;
        // Nothing was changed: closing asks nothing.
        frame.close();
    });
    QApplication::exec();
    return status;
}
