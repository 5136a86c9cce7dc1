// Edit > Undo and Redo in the window: the menu names the step of the file
// in view, each file keeps its own steps, undo shows the page the step was
// made on, and a session undone saves the bytes saved before it.

#include "AppTestSupport.h"

#include "EDSView.h"

#include <QAction>
#include <QTest>

#include <memory>

namespace corvid::app::test {

class UndoTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        f = std::make_unique<FrameFixture>();
        f->frame->OpenPaths({f->CopyOf("servo_drive.eds", "drive.eds"),
                             f->CopyOf("ac_drive_devicenet.eds", "ac.eds")});
        f->Activate();
    }
    void cleanup() { f.reset(); }

    void Session_UndoneSavesTheBytesSavedBefore() {
        const CFrameActions& a = f->frame->Actions();
        f->DoubleClickSection(EDSKind::CANopen, 0, "DeviceInfo");
        const std::string servoBefore = f->SaveShownFile();
        f->DoubleClickSection(EDSKind::DeviceNet, 0, "Params");
        const std::string acBefore = f->SaveShownFile();

        f->DoubleClickSection(EDSKind::CANopen, 0, "DeviceInfo");
        QTest::keyClicks(f->DoubleClickCell("VendorName", 1), "Corvid Motion");
        QTest::keyClick(f->frame->View().OpenEditor(), Qt::Key_Return);
        QTRY_VERIFY(f->frame->View().OpenEditor() == nullptr);
        QCOMPARE(a.undo->text(), QString("&Undo Edit VendorName"));
        f->DoubleClickSection(EDSKind::CANopen, 0, "ManufacturerObjects");
        f->ClickCell("2000", 1);
        FillObjectDialog({{"Index", "2200"}, {"ParameterName", "Brake settings"}});
        a.insert->trigger();
        f->Activate();
        QVERIFY(f->Cell("2200", 0).isValid());

        f->DoubleClickSection(EDSKind::DeviceNet, 0, "Params");
        QVERIFY2(!a.undo->isEnabled(), "the other file has its own steps");
        f->ClickCell("Param2", 0);
        f->dialogs.answers = {MessageAnswer::Yes, MessageAnswer::Yes};
        a.del->trigger();
        QCOMPARE(a.undo->text(), QString("&Undo Delete Param2"));
        a.undo->trigger();
        QVERIFY(f->Cell("Param2", 0).isValid());
        QCOMPARE(a.redo->text(), QString("&Redo Delete Param2"));
        QVERIFY(!a.undo->isEnabled());
        QVERIFY(!f->frame->windowTitle().contains('*'));
        QCOMPARE(f->SaveShownFile(), acBefore);

        f->DoubleClickSection(EDSKind::CANopen, 0, "ManufacturerObjects");
        QCOMPARE(a.undo->text(), QString("&Undo Insert 2200"));
        a.undo->trigger();
        QVERIFY(!f->Cell("2200", 0).isValid());
        a.undo->trigger();
        QVERIFY2(f->frame->View().Section() == "DeviceInfo", "undo shows the page of its step");
        QVERIFY(!f->frame->windowTitle().contains('*'));
        QCOMPARE(f->SaveShownFile(), servoBefore);

        // Redo takes the step forward again, and the file is modified again.
        a.redo->trigger();
        QVERIFY(f->frame->windowTitle().contains('*'));
        QCOMPARE(a.undo->text(), QString("&Undo Edit VendorName"));
    }

    void Shortcuts_UndoAndRedoKeys() {
        const CFrameActions& a = f->frame->Actions();
        QCOMPARE(a.undo->shortcut(), QKeySequence(QKeySequence::Undo));
        QVERIFY(a.redo->shortcuts().contains(QKeySequence("Ctrl+Y")));
        QVERIFY(a.redo->shortcuts().contains(QKeySequence("Ctrl+Shift+Z")));
        QVERIFY2(!a.undo->isEnabled(), "nothing shown, nothing to undo");
    }

private:
    std::unique_ptr<FrameFixture> f;
};

} // namespace corvid::app::test

int RunUndoTest(int argc, char** argv) {
    corvid::app::test::UndoTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "UndoTest.moc"
