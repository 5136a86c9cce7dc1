// Runs one Qt Test class of the desktop program, named as the first
// argument (all of them without one); the rest goes to QTest.

#include <QApplication>
#include <QStandardPaths>

#include <functional>
#include <map>
#include <string>

int RunCIPEditingTest(int argc, char** argv);
int RunDesktopTest(int argc, char** argv);
int RunEditingTest(int argc, char** argv);
int RunFindTest(int argc, char** argv);
int RunFrameTest(int argc, char** argv);
int RunNewFileDialogTest(int argc, char** argv);
int RunProblemsTest(int argc, char** argv);
int RunViewComfortsTest(int argc, char** argv);
int RunSavingTest(int argc, char** argv);
int RunUndoTest(int argc, char** argv);

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // Recent files and other user settings go to a test store, not the
    // user's own.
    QStandardPaths::setTestModeEnabled(true);
    QApplication::setOrganizationName(QStringLiteral("Corvid Tests"));
    QApplication::setApplicationName(QStringLiteral("corvid-test"));
    // Saves stamp the files' modification keys with this time, 2024-03-05
    // 09:05:03 UTC, so saved files compare whole with expected ones.
    qputenv("SOURCE_DATE_EPOCH", "1709629503");

    const std::map<std::string, std::function<int(int, char**)>> suites = {
        {"CIPEditingTest", RunCIPEditingTest},
        {"DesktopTest", RunDesktopTest},
        {"EditingTest", RunEditingTest},
        {"FindTest", RunFindTest},
        {"FrameTest", RunFrameTest},
        {"NewFileDialogTest", RunNewFileDialogTest},
        {"ProblemsTest", RunProblemsTest},
        {"SavingTest", RunSavingTest},
        {"ViewComfortsTest", RunViewComfortsTest},
        {"UndoTest", RunUndoTest},
    };
    if (argc > 1) {
        const auto suite = suites.find(argv[1]);
        if (suite != suites.end()) {
            // CTest runs the suites side by side: each clears and fills a
            // store of its own.
            QApplication::setApplicationName(QStringLiteral("corvid-test-") +
                                             QString::fromStdString(suite->first));
            argv[1] = argv[0]; // QTest takes the rest as its own arguments
            return suite->second(argc - 1, argv + 1);
        }
    }
    int failed = 0;
    for (const auto& [name, run] : suites)
        failed += run(argc, argv);
    return failed;
}
