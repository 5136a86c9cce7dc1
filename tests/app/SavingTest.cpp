// A file's life in the window: what a save writes (the same file the command
// line writes for the same edit; Corvid's layout when the user asks for it),
// the name a file takes from Save As, where save dialogs open, which files
// Save All writes, the mark of modified files, and the questions of Remove
// File and Exit.

#include "AppTestSupport.h"

#include "EDSView.h"
#include "MainFrame.h"
#include "MessageWindow.h"
#include "ProjectTreeModel.h"
#include "ProjectWindow.h"
#include "RecentFiles.h"

#include "door/EDSDocKinds.h"

#include <QAction>
#include <QLineEdit>
#include <QProcess>
#include <QTest>

#include <memory>

namespace corvid::app::test {

namespace {

constexpr EDSKind kCANopen = EDSKind::CANopen;

// A CANopen file whose FileName names the file itself.
const std::string kNamedFile = "[FileInfo]\r\nFileName=old.eds\r\nModificationDate=01-02-2020\r\n"
                               "[DeviceInfo]\r\nVendorName=V\r\n";

} // namespace

class SavingTest : public QObject {
    Q_OBJECT

private slots:
    void init() { f = std::make_unique<FrameFixture>(); }
    void cleanup() { f.reset(); }

    void Save_ACellEditGivesTheFileTheCommandLineGives() {
        const QString original = f->CopyOf("servo_drive.eds", "drive.eds");
        f->frame->OpenPaths({original});
        f->Activate();
        f->DoubleClickSection(kCANopen, 0, "DeviceInfo");
        QWidget* editor = f->DoubleClickCell("VendorName", 1);
        QVERIFY(editor != nullptr);
        QTest::keyClicks(editor, "Corvid Motion");
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(RootText(0), QString("drive*"));

        std::filesystem::create_directory(f->folder.path() / "window");
        f->dialogs.saveChoices = {f->folder.File("window/drive.eds")};
        f->frame->Actions().save->trigger();
        QCOMPARE(RootText(0), QString("drive"));
        QVERIFY(f->frame->MessageWindow().Text().contains(
            "Save File:  3 lines changed in " +
            QString::fromStdString(f->folder.File("window/drive.eds"))));

        QProcess cli;
        cli.start(QStringLiteral(CORVID_CLI),
                  {"edit", original, QString::fromStdString(f->folder.File("cli.eds")), "--set",
                   "DeviceInfo:VendorName:Value=Corvid Motion"});
        QVERIFY(cli.waitForFinished(30000));
        QCOMPARE(cli.exitCode(), 0);
        QCOMPARE(corvid::test::ReadFile(f->folder.path() / "window/drive.eds"),
                 corvid::test::ReadFile(f->folder.path() / "cli.eds"));
    }

    void SaveInCorvidLayout_IsKeptPerUserAndWritesCorvidsLayout() {
        QAction& corvidLayout = *f->frame->Actions().corvidLayout;
        QVERIFY(!corvidLayout.isChecked());
        corvidLayout.trigger();
        f->Restart();
        QVERIFY(f->frame->Actions().corvidLayout->isChecked());

        f->frame->OpenPaths({f->CopyOf("servo_drive.eds", "drive.eds")});
        f->DoubleClickRoot(kCANopen, 0);
        f->dialogs.saveChoices = {f->folder.File("corvid.eds")};
        f->frame->Actions().save->trigger();
        const CCANopenEDS& model = *f->frame->Document().Files<CCANopenEDS>().front();
        const std::string corvid = EDSDocKind<CCANopenEDS>::Format(model);
        QCOMPARE(corvid::test::ReadFile(f->folder.path() / "corvid.eds"), corvid);

        // Unticked, the next save keeps the layout the file now has.
        f->frame->Actions().corvidLayout->trigger();
        f->frame->Actions().save->trigger();
        QCOMPARE(corvid::test::ReadFile(f->folder.path() / "corvid.eds"), corvid);
        QVERIFY(f->frame->MessageWindow().Text().contains("Save File:  0 lines changed in "));
    }

    void SaveAs_MovesTitleTreeFileNameAndRecentFiles() {
        f->frame->OpenPaths({f->Write("old.eds", kNamedFile)});
        f->DoubleClickRoot(kCANopen, 0);
        f->dialogs.saveChoices = {f->folder.File("new")};
        f->frame->Actions().saveAs->trigger();

        const FileDialogRequest& dialog = f->dialogs.saveDialogs.at(0);
        QCOMPARE(dialog.title, std::string("Save As: old (CANopen)"));
        QCOMPARE(dialog.initialName, f->folder.File("old"));
        QCOMPARE(f->frame->windowTitle(), QString("new - Halvard Corvid"));
        QCOMPARE(RootText(0), QString("new"));
        const std::string saved = corvid::test::ReadFile(f->folder.path() / "new.eds");
        QVERIFY(saved.find("FileName=new.eds\r\n") != std::string::npos);
        QCOMPARE(f->frame->RecentFiles().Paths().front(),
                 QString::fromStdString(f->folder.File("new.eds")));
        // The rename was an edit like any other, and the save took it along.
        QVERIFY(!f->frame->Document().IsModified(*f->frame->View().ShownId()));
    }

    // Where each dialog opens is the core's (tests/shell EDSDocTest).
    void SaveAll_WritesOnlyModifiedFilesAndTheTreeTakesTheirNames() {
        f->frame->OpenPaths(
            {f->CopyOf("servo_drive.eds", "A.eds"), f->CopyOf("servo_drive.eds", "B.eds")});
        CEDSDoc& doc = f->frame->Document();
        const EDSFileId second = *doc.IdAt({kCANopen, 1});
        QVERIFY(
            doc.Commit(second, CellChange{"DeviceInfo", "ProductName", 1, "SM-9", {}}).Stored());
        f->dialogs.saveChoices = {f->folder.File("B2")};
        f->frame->Actions().saveAll->trigger();
        QCOMPARE(f->dialogs.saveDialogs.size(), size_t{1});
        QCOMPARE(RootText(1), QString("B2"));
    }

    void RemoveFile_NamesTheFileAndAsksAboutItsChanges() {
        f->frame->OpenPaths(
            {f->CopyOf("servo_drive.eds", "A.eds"), f->CopyOf("servo_drive.eds", "B.eds")});
        CEDSDoc& doc = f->frame->Document();
        QVERIFY(doc.Commit(*doc.IdAt({kCANopen, 0}),
                           CellChange{"DeviceInfo", "ProductName", 1, "SM-9", {}})
                    .Stored());
        CProjectWindow& project = f->frame->ProjectWindow();

        // Yes to the question, then Cancel in the save prompt: the file stays.
        f->dialogs.answers = {MessageAnswer::Yes, MessageAnswer::Cancel};
        emit project.RemoveFileRequested({kCANopen, 0});
        QCOMPARE(f->dialogs.questions.at(0).text,
                 std::string("Do you want to delete this EDS file?\nA.eds, with unsaved changes"));
        QCOMPARE(f->dialogs.questions.at(1).text,
                 std::string("Do you want to save changes to the file?\nA.eds"));
        QCOMPARE(project.Model(kCANopen).rowCount(), 2);

        f->dialogs.answers = {MessageAnswer::Yes, MessageAnswer::No};
        emit project.RemoveFileRequested({kCANopen, 0});
        QCOMPARE(project.Model(kCANopen).rowCount(), 1);
        QVERIFY(f->frame->MessageWindow().Text().contains(
            "Remove File:  " + QString::fromStdString(f->folder.File("A.eds"))));

        // An unmodified file is named, and nothing more is asked.
        f->dialogs.answers = {MessageAnswer::Yes};
        emit project.RemoveFileRequested({kCANopen, 0});
        QCOMPARE(f->dialogs.questions.back().text,
                 std::string("Do you want to delete this EDS file?\nB.eds"));
        QCOMPARE(project.Model(kCANopen).rowCount(), 0);
    }

private:
    QString RootText(size_t position) const {
        return f->frame->ProjectWindow().Model(kCANopen).RootIndex(position).data().toString();
    }

    std::unique_ptr<FrameFixture> f;
};

} // namespace corvid::app::test

int RunSavingTest(int argc, char** argv) {
    corvid::app::test::SavingTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "SavingTest.moc"
