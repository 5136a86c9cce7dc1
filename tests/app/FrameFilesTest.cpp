// The window's files: open from the command line or by dropping, the trees
// they fill, save and save all, removing a file, and the exit prompt.

#include "AppTestSupport.h"

#include "EDSView.h"
#include "MessageWindow.h"
#include "ProjectTreeModel.h"
#include "ProjectWindow.h"
#include "RecentFiles.h"

#include "shell/KeptContent.h"
#include "shell/ProjectTree.h"

#include <QAction>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <QUrl>

#include <memory>

namespace corvid::app::test {

namespace {

constexpr EDSKind kCANopen = EDSKind::CANopen;
constexpr EDSKind kDeviceNet = EDSKind::DeviceNet;
constexpr EDSKind kEtherNetIP = EDSKind::EtherNetIP;

QStringList Children(CProjectTreeModel& model, size_t position) {
    QStringList texts;
    const QModelIndex root = model.RootIndex(position);
    for (int row = 0; row < model.rowCount(root); ++row)
        texts << model.index(row, 0, root).data().toString();
    return texts;
}

} // namespace

class FrameFilesTest : public QObject {
    Q_OBJECT

private slots:
    void init() { f = std::make_unique<FrameFixture>(); }
    void cleanup() { f.reset(); }

    void OpenPaths_ThreeKindsGiveARootWithItsSectionsInEachTree() {
        CProjectWindow& project = f->frame->ProjectWindow();
        QVERIFY(!project.TabsShown());
        f->frame->OpenPaths({f->Sample("servo_drive.eds"), f->Sample("ac_drive_devicenet.eds"),
                             f->Sample("ethernetip_adapter.eds")});
        QVERIFY(project.TabsShown());
        QCOMPARE(project.Model(kCANopen).rowCount(), 1);
        QCOMPARE(project.Model(kDeviceNet).rowCount(), 1);
        QCOMPARE(project.Model(kEtherNetIP).rowCount(), 1);
        QCOMPARE(project.Model(kCANopen).RootIndex(0).data().toString(), QString("servo_drive"));
        QCOMPARE(Children(project.Model(kCANopen), 0),
                 QStringList({"FileInfo", "DeviceInfo", "DummyUsage", "Comments",
                              "MandatoryObjects", "OptionalObjects", "ManufacturerObjects"}));
        const QStringList devicenet = Children(project.Model(kDeviceNet), 0);
        QCOMPARE(devicenet.mid(devicenet.size() - 3), QStringList({"Params", "EnumPar", "Groups"}));
        QVERIFY(devicenet.startsWith("File"));
        const QStringList ethernetip = Children(project.Model(kEtherNetIP), 0);
        QVERIFY(ethernetip.contains("Connection Manager"));
        QCOMPARE(ethernetip.last(), QString("File Class"));
        // Each root opens to show its sections; the last fieldbus opened is in front.
        QVERIFY(project.Tree(kDeviceNet).isExpanded(project.Model(kDeviceNet).RootIndex(0)));
        QVERIFY(project.Tree(kEtherNetIP).isVisible());
        const QString log = f->frame->MessageWindow().Text();
        QVERIFY(log.contains("servo_drive.eds is a CANopen EDS file.\n"));
        QVERIFY(log.contains("ethernetip_adapter.eds is an EtherNet/IP EDS file.\n"));
        QCOMPARE(f->frame->RecentFiles().Paths().front(), f->Sample("ethernetip_adapter.eds"));
    }

    void OpenPaths_AnUnrecognisedFileAddsNothing() {
        f->frame->OpenPaths({f->Write("notes.txt", "[FileInfo]\n[DeviceInfo]\n"),
                             f->Write("both.eds", "[FileInfo]\n[DeviceInfo]\n[File]\n[Device]\n"),
                             f->Write("drive.Eds", "[FileInfo]\n[DeviceInfo]\n")});
        for (const EDSKind kind : {kCANopen, kDeviceNet, kEtherNetIP})
            QCOMPARE(f->frame->ProjectWindow().Model(kind).rowCount(), 0);
        QVERIFY(!f->frame->ProjectWindow().TabsShown());
        QCOMPARE(f->frame->MessageWindow().Text(), QString());
        QVERIFY(f->frame->RecentFiles().Paths().isEmpty());
    }

    void OpenPaths_WhatAFileKeepsBeyondTheModelIsLoggedAndListed() {
        const QString path = f->Write("kept.eds", "[FileInfo]\r\nFileName=kept.eds\r\nTool=x\r\n"
                                                  "[DeviceInfo]\r\n[VendorNotes]\r\nA=1\r\n");
        f->frame->OpenPaths({path});
        QVERIFY(f->frame->MessageWindow().Text().contains("Open File:  " + path + " keeps "));
        const QStringList children = Children(f->frame->ProjectWindow().Model(kCANopen), 0);
        QVERIFY(children.contains(QString::fromUtf8(kKeptSection.data(), kKeptSection.size())));
        f->DoubleClickSection(kCANopen, 0, std::string(kKeptSection));
        const QString page = ShownRows(*f->frame).join('\n');
        QVERIFY(page.contains("VendorNotes"));
        QVERIFY(page.contains("Tool=x"));
    }

    void OpenPaths_CommandsThatChangeTheFilesWaitForTheLoadToEnd() {
        bool openEnabled = true;
        bool recentEnabled = true;
        // Fires in the first event pump between two files.
        QTimer::singleShot(0, f->frame.get(), [&] {
            openEnabled = f->frame->Actions().open->isEnabled();
            recentEnabled = f->frame->Actions().recentFiles->isEnabled();
        });
        f->frame->OpenPaths({f->Sample("servo_drive.eds"), f->Sample("ac_drive_devicenet.eds")});
        QVERIFY(!openEnabled);
        QVERIFY(!recentEnabled);
        QVERIFY(f->frame->Actions().open->isEnabled());
        QVERIFY(f->frame->Actions().recentFiles->isEnabled());
    }

    void Drop_EDSFilesOpenAsIfChosen() {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(f->Sample("ac_drive_devicenet.eds"))});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(f->frame.get(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(f->frame.get(), &drop);
        QCOMPARE(f->frame->ProjectWindow().Model(kDeviceNet).rowCount(), 1);
    }

    void Save_FirstAsksForAPathTheSecondDoesNot() {
        const CFrameActions& actions = f->frame->Actions();
        QVERIFY(!actions.save->isEnabled());
        QVERIFY(!actions.saveAll->isEnabled());
        f->frame->OpenPaths({f->CopyOf("servo_drive.eds", "drive.eds")});
        QVERIFY(actions.saveAll->isEnabled());
        f->DoubleClickRoot(kCANopen, 0);
        QVERIFY(actions.save->isEnabled());
        QCOMPARE(f->frame->windowTitle(), QString("drive - Halvard Corvid"));

        f->dialogs.saveChoices = {f->folder.File("out")};
        actions.save->trigger();
        QCOMPARE(f->dialogs.saveDialogs.size(), size_t{1});
        QCOMPARE(f->dialogs.saveDialogs[0].title, std::string("Save As Files"));
        QCOMPARE(f->dialogs.saveDialogs[0].initialName, std::string("drive"));
        const std::string out = f->folder.File("out.eds");
        QVERIFY(std::filesystem::exists(out));
        // The summary page shows where the file went.
        QVERIFY(ShownRows(*f->frame).join('\n').contains(QString::fromStdString(out)));

        std::filesystem::remove(out);
        actions.save->trigger();
        QCOMPARE(f->dialogs.saveDialogs.size(), size_t{1});
        QVERIFY(std::filesystem::exists(out));
        QCOMPARE(f->frame->MessageWindow().Text().count("Save File:  Save file " +
                                                        QString::fromStdString(out) + "\n"),
                 2);
    }

    void Save_ShowsTheStarUntilTheFileIsSaved() {
        f->frame->OpenPaths({f->CopyOf("servo_drive.eds", "drive.eds")});
        f->DoubleClickSection(kCANopen, 0, "DeviceInfo");
        f->frame->Document().Header({kCANopen, 0})->Flags |= FLAG_MODIFIED;
        f->DoubleClickSection(kCANopen, 0, "FileInfo");
        QCOMPARE(f->frame->windowTitle(), QString("drive* - Halvard Corvid"));
        f->dialogs.saveChoices = {f->folder.File("saved.eds")};
        f->frame->Actions().saveAs->trigger();
        QCOMPARE(f->frame->windowTitle(), QString("drive - Halvard Corvid"));
    }

    void RemoveFile_ThePageKeepsShowingItsOwnFile() {
        f->frame->OpenPaths({f->CopyOf("servo_drive.eds", "A.eds"),
                             f->CopyOf("servo_drive.eds", "B.eds"),
                             f->CopyOf("servo_drive.eds", "C.eds")});
        f->DoubleClickRoot(kCANopen, 1);
        QVERIFY(ShownRows(*f->frame).front().endsWith("|B.eds"));

        f->dialogs.answers = {MessageAnswer::Yes};
        emit f->frame->ProjectWindow().RemoveFileRequested({kCANopen, 0});
        QCOMPARE(f->dialogs.questions.back().text,
                 std::string("Do you want to delete this EDS file?"));
        QCOMPARE(f->frame->ProjectWindow().Model(kCANopen).rowCount(), 2);
        QCOMPARE(f->frame->View().ShownFile(), std::optional<EDSFileRef>({kCANopen, 0}));
        QVERIFY(ShownRows(*f->frame).front().endsWith("|B.eds"));
        QCOMPARE(f->frame->windowTitle(), QString("B - Halvard Corvid"));
        // Save acts on the shown file, not on the one now at its old place.
        f->dialogs.saveChoices = {""};
        f->frame->Actions().save->trigger();
        QCOMPARE(f->dialogs.saveDialogs.back().initialName, std::string("B"));

        f->dialogs.answers = {MessageAnswer::Yes};
        emit f->frame->ProjectWindow().RemoveFileRequested({kCANopen, 0});
        QVERIFY(!f->frame->View().ShownFile());
        QCOMPARE(f->frame->View().model()->rowCount(), 0);
        QVERIFY(!f->frame->Actions().save->isEnabled());
        QCOMPARE(f->frame->windowTitle(), QString("Halvard Corvid"));
        QCOMPARE(f->frame->ProjectWindow().Model(kCANopen).RootIndex(0).data().toString(),
                 QString("C"));
    }

    void RemoveFile_NoKeepsTheFile() {
        f->frame->OpenPaths({f->Sample("servo_drive.eds")});
        f->dialogs.answers = {MessageAnswer::No};
        emit f->frame->ProjectWindow().RemoveFileRequested({kCANopen, 0});
        QCOMPARE(f->frame->Document().FileCount(kCANopen), size_t{1});
    }

    void Commands_ToolbarIconsWindowTogglesAndClear() {
        const CFrameActions& a = f->frame->Actions();
        for (QAction* action : {a.newFile, a.open, a.save, a.saveAll, a.cut, a.copy, a.paste, a.del,
                                a.insert, a.clear, a.helpTopics})
            QVERIFY2(!action->icon().pixmap(22, 22).isNull(), qPrintable(action->text()));
        f->frame->OpenPaths({f->Sample("servo_drive.eds")});
        QAction* project = f->frame->ProjectWindow().toggleViewAction();
        QCOMPARE(project->shortcut(), QKeySequence("Ctrl+P"));
        QVERIFY(project->isChecked());
        project->trigger();
        QVERIFY(f->frame->ProjectWindow().isHidden());
        QVERIFY(!project->isChecked());
        QCOMPARE(f->frame->MessageWindow().toggleViewAction()->shortcut(), QKeySequence("Ctrl+M"));
        QVERIFY(!f->frame->MessageWindow().Text().isEmpty());
        QCOMPARE(a.clear->shortcut(), QKeySequence("Ctrl+E"));
        a.clear->trigger();
        QVERIFY(f->frame->MessageWindow().Text().isEmpty());
    }

    void Exit_AnswersOfTheSavePrompt() {
        f->frame->OpenPaths({f->CopyOf("servo_drive.eds", "one.eds"),
                             f->CopyOf("ac_drive_devicenet.eds", "two.eds")});
        CEDSDoc& doc = f->frame->Document();
        doc.Header({kCANopen, 0})->Flags |= FLAG_MODIFIED;
        doc.Header({kDeviceNet, 0})->Flags |= FLAG_MODIFIED;

        f->dialogs.answers = {MessageAnswer::No, MessageAnswer::Cancel};
        QVERIFY(!f->Close());
        QCOMPARE(f->dialogs.questions.size(), size_t{2});
        QCOMPARE(f->dialogs.questions[1].text,
                 std::string("Do you want to save changes to the file?\ntwo.eds"));

        // YES, then closing the save dialog: nothing is lost, nothing closes.
        f->dialogs.answers = {MessageAnswer::Yes};
        f->dialogs.saveChoices = {""};
        QVERIFY(!f->Close());
        QVERIFY(doc.Header({kCANopen, 0})->Flags & FLAG_MODIFIED);

        f->dialogs.answers = {MessageAnswer::Yes, MessageAnswer::AllNot};
        f->dialogs.saveChoices = {f->folder.File("one-saved")};
        QVERIFY(f->Close());
        QVERIFY(std::filesystem::exists(f->folder.File("one-saved.eds")));
        QCOMPARE(f->dialogs.questions.size(), size_t{5});
    }

    void Exit_WithoutModifiedFilesAsksNothing() {
        f->frame->OpenPaths({f->Sample("servo_drive.eds")});
        QVERIFY(f->Close());
        QVERIFY(f->dialogs.questions.empty());
    }

private:
    std::unique_ptr<FrameFixture> f;
};

} // namespace corvid::app::test

int RunFrameFilesTest(int argc, char** argv) {
    corvid::app::test::FrameFilesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "FrameFilesTest.moc"
