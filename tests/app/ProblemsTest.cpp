// The check in the window: F7 lists the problems of the file in front or of
// every open file, a double click shows the page, row and cell of a
// problem, the status bar counts the front file's errors and warnings after
// every edit, and opening a faulty file says so in the message window. The
// rules themselves are tested in the core.

#include "AppTestSupport.h"

#include "EDSView.h"
#include "MessageWindow.h"
#include "ProblemsDock.h"
#include "ProjectWindow.h"

#include "pages/KeptContent.h"

#include <QAction>
#include <QStatusBar>
#include <QTableView>
#include <QTest>

#include <memory>

namespace corvid::app::test {

namespace {

// A sound CANopen file with a fault planted on each of four pages: a
// keyword page, an object, a sub-index and a manufacturer's object, and an
// object listed without a section, which no row shows.
std::string FaultyText() {
    std::string text =
        corvid::test::ReadFile(std::string(CORVID_TEST_DATA_DIR) + "/check/canopen-clean.eds");
    const auto plant = [&text](const std::string& find, const std::string& replace) {
        text.replace(text.find(find), find.size(), replace);
    };
    plant("Lines=1", "Lines=2");
    plant("SupportedObjects=3\n1=0x1017", "SupportedObjects=4\n4=0x1601\n1=0x1017");
    plant("HighLimit=5000\nDefaultValue=1000", "HighLimit=5000\nDefaultValue=70000");
    plant("DefaultValue=$NODEID+0x200", "DefaultValue=12a");
    plant("AccessType=rw\nLowLimit=0\nHighLimit=3000", "AccessType=R\nLowLimit=0\nHighLimit=3000");
    return text;
}

// The problem of the list whose message holds `text`; -1 when none does.
int ProblemRow(CProblemsDock& dock, const QString& text) {
    const CProblemsModel& model = dock.Model();
    for (int row = 0; row < model.rowCount(); ++row)
        if (model.index(row, CProblemsModel::MessageColumn).data().toString().contains(text))
            return row;
    return -1;
}

} // namespace

class ProblemsTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        f = std::make_unique<FrameFixture>();
        faulty = f->Write("faulty.eds", FaultyText());
        f->frame->OpenPaths({faulty});
        f->Activate();
    }
    void cleanup() { f.reset(); }

    void Open_LogsTheCountsOnceAndTheStatusBarShowsThem() {
        const QString log = f->frame->MessageWindow().Text();
        QCOMPARE(log.count(QString("Check:  4 errors, 1 warning in ") + faulty), 1);
        QCOMPARE(f->frame->CountsText(), QString("4 errors, 1 warning"));
        // A sound file says nothing of the kind.
        f->frame->OpenPaths({f->Sample("ac_drive_devicenet.eds")});
        QCOMPARE(f->frame->MessageWindow().Text().count("Check:"), 1);
    }

    void F7_ListsTheFrontFileAndAllFilesByScope() {
        CProblemsDock& dock = f->frame->ProblemsWindow();
        QVERIFY(!dock.isVisible());
        QTest::keyClick(f->frame.get(), Qt::Key_F7);
        QVERIFY(dock.isVisible());
        QCOMPARE(dock.Model().rowCount(), 5);
        const int row = ProblemRow(dock, "[1017] DefaultValue: Default Value 70000");
        QVERIFY(row >= 0);
        const CProblemsModel& model = dock.Model();
        QCOMPARE(model.index(row, CProblemsModel::FileColumn).data().toString(),
                 QString("faulty.eds"));
        QCOMPARE(model.index(row, CProblemsModel::LineColumn).data().toInt(), 85);
        QCOMPARE(model.index(row, CProblemsModel::SeverityColumn).data().toString(),
                 QString("error"));

        // A second faulty file: the front file's list stays, all files show both.
        f->frame->OpenPaths({f->Write("second.eds", FaultyText())});
        f->DoubleClickRoot(EDSKind::CANopen, 0);
        QCOMPARE(dock.Model().rowCount(), 5);
        dock.SetScope(CProblemsDock::Scope::AllFiles);
        QCOMPARE(dock.Model().rowCount(), 10);
        // A removed file leaves the list.
        f->dialogs.answers.push_back(MessageAnswer::Yes);
        emit f->frame->ProjectWindow().RemoveFileRequested({EDSKind::CANopen, 1});
        QCOMPARE(dock.Model().rowCount(), 5);
    }

    void DoubleClick_ShowsThePageRowAndCellOfTheProblem() {
        CProblemsDock& dock = f->frame->ProblemsWindow();
        f->frame->Actions().check->trigger();
        CEDSView& view = f->frame->View();
        const auto activate = [&dock](const QString& text) {
            const int row = ProblemRow(dock, text);
            QVERIFY(row >= 0);
            emit dock.Table().doubleClicked(dock.Model().index(row, 0));
        };

        activate("[1017] DefaultValue");
        QCOMPARE(view.Section(), std::string("OptionalObjects"));
        QCOMPARE(view.SelectedKey(), std::string("1017"));
        QCOMPARE(view.currentIndex(), f->Cell("1017", 4)); // "Default Value"

        // A sub-index: its object opens.
        activate("[1400sub1] DefaultValue");
        QCOMPARE(view.SelectedKey(), std::string("1400sub1"));
        QCOMPARE(view.currentIndex(), f->Cell("1400sub1", 4));

        // A list entry naming no section: its list shows, and the status
        // bar says that no row holds the problem.
        activate("object 0x1601 is listed");
        QCOMPARE(view.Section(), std::string("OptionalObjects"));
        QCOMPARE(f->frame->statusBar()->currentMessage(),
                 QString("No row of this page shows this problem."));
    }

    void Edit_ThatMendsAFaultUpdatesTheCountsAndTheList() {
        CProblemsDock& dock = f->frame->ProblemsWindow();
        f->frame->Actions().check->trigger();
        f->DoubleClickSection(EDSKind::CANopen, 0, "OptionalObjects");
        QTest::keyClicks(f->DoubleClickCell("1017", 4), "1000");
        f->ClickElsewhere();
        QTRY_COMPARE(f->frame->CountsText(), QString("3 errors, 1 warning"));
        QCOMPARE(dock.Model().rowCount(), 4);
        QCOMPARE(ProblemRow(dock, "[1017]"), -1);
    }

private:
    std::unique_ptr<FrameFixture> f;
    QString faulty;
};

} // namespace corvid::app::test

int RunProblemsTest(int argc, char** argv) {
    corvid::app::test::ProblemsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ProblemsTest.moc"
