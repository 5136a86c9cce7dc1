// The edit commands in the window: which are offered for what is selected
// and focused, Delete and Cut on object pages, text copied from the message
// window and pasted into an editor, and a whole editing session on a
// CANopen file whose saved bytes are compared with the expected file.

#include "AppTestSupport.h"

#include "EDSView.h"
#include "MessageWindow.h"
#include "Roles.h"

#include "canopen/CANopenModel.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace corvid::app::test {

namespace {

// Fills the object dialog the command opens: each field by its name, an
// object of the manufacturer's category, then OK.
void FillObjectDialog(std::vector<std::pair<const char*, QString>> fields, int subIndex = -1) {
    WhenModalShows([fields = std::move(fields), subIndex](QWidget& dialog) {
        if (subIndex >= 0)
            dialog.findChild<QComboBox*>("SubIndex")->setCurrentIndex(subIndex);
        if (QAbstractButton* manufacturer =
                dialog.findChild<QButtonGroup*>()->button(kCategoryManufacturer);
            manufacturer->isEnabled())
            manufacturer->click();
        FillFields(dialog, fields);
        ClickOk(dialog);
    });
}

} // namespace

class EditCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        f = std::make_unique<FrameFixture>();
        f->frame->OpenPaths({f->CopyOf("servo_drive.eds", "drive.eds")});
        f->Activate();
    }
    void cleanup() { f.reset(); }

    void Enabling_FollowsThePageTheSelectionAndTheClipboard() {
        const CFrameActions& a = f->frame->Actions();
        f->DoubleClickSection(EDSKind::CANopen, 0, "DeviceInfo");
        f->ClickCell("VendorName", 0);
        for (QAction* action : {a.cut, a.copy, a.paste, a.del, a.insert})
            QVERIFY(!action->isEnabled());

        f->DoubleClickSection(EDSKind::CANopen, 0, "MandatoryObjects");
        f->ClickCell("1000", 1);
        for (QAction* action : {a.cut, a.copy, a.del, a.insert})
            QVERIFY(action->isEnabled());
        QVERIFY(!a.paste->isEnabled());
        a.copy->trigger();
        QVERIFY(a.paste->isEnabled());
        QCOMPARE(f->frame->View().Clipboard().object->Index, uint16_t{0x1000});

        // Sub-index 0 goes only after the other sub-indexes.
        f->ClickCell("1018", 0);
        f->ClickCell("1018sub0", 1);
        QVERIFY(a.copy->isEnabled());
        QVERIFY(!a.del->isEnabled());
        QVERIFY(!a.cut->isEnabled());

        // The list without the focus offers no entry commands.
        f->frame->MessageWindow().TextView().setFocus();
        QVERIFY(!a.insert->isEnabled());
        QVERIFY(!a.copy->isEnabled());
    }

    void Delete_AsksThenRemovesTheSubIndexAndMarksTheFile() {
        f->DoubleClickSection(EDSKind::CANopen, 0, "MandatoryObjects");
        f->ClickCell("1018", 0);
        f->ClickCell("1018sub3", 1);
        f->dialogs.answers = {MessageAnswer::No};
        f->frame->Actions().del->trigger();
        QCOMPARE(f->dialogs.questions.back().text,
                 std::string("Do you want to delete this object?"));
        QVERIFY(f->Cell("1018sub3", 0).isValid());
        QVERIFY(!f->frame->windowTitle().contains('*'));

        f->dialogs.answers = {MessageAnswer::Yes};
        f->frame->Actions().del->trigger();
        QVERIFY(!f->Cell("1018sub3", 0).isValid());
        QCOMPARE(f->Cell("1018sub0", 4).data().toString(), QString("0x2"));
        QVERIFY(f->frame->windowTitle().contains('*'));
        // The page keeps the object open.
        QVERIFY(f->Cell("1018sub2", 0).isValid());
    }

    void Insert_CancelledChangesNothingAndMarksNothing() {
        f->DoubleClickSection(EDSKind::CANopen, 0, "OptionalObjects");
        f->ClickCell("1008", 1);
        const size_t objects = f->frame->Document().Files<CCANopenEDS>()[0]->Objects.size();
        WhenModalShows([](QWidget& dialog) { static_cast<QDialog&>(dialog).reject(); });
        f->frame->Actions().insert->trigger();
        QCOMPARE(f->frame->Document().Files<CCANopenEDS>()[0]->Objects.size(), objects);
        QVERIFY(f->frame->windowTitle().startsWith("drive -"));
    }

    void TextCopy_FromTheMessageWindowPastesIntoAnEditor() {
        f->frame->MessageWindow().AppendMessage("Kept line\r\n");
        QPlainTextEdit& log = f->frame->MessageWindow().TextView();
        log.setFocus();
        QTextCursor cursor = log.textCursor();
        cursor.movePosition(QTextCursor::End);
        cursor.movePosition(QTextCursor::PreviousBlock);
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        log.setTextCursor(cursor);
        QVERIFY(f->frame->Actions().copy->isEnabled());
        QTest::keyClick(&log, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(f->frame->View().Clipboard().text, QString("Kept line"));
        QCOMPARE(QApplication::clipboard()->text(), QString("Kept line"));

        // Paste inserts the text kept in the program, not what another
        // program put on the desktop's clipboard since.
        QApplication::clipboard()->setText("from elsewhere");
        f->DoubleClickSection(EDSKind::CANopen, 0, "DeviceInfo");
        auto* editor = qobject_cast<QLineEdit*>(f->DoubleClickCell("OrderCode", 1));
        QVERIFY(editor != nullptr);
        editor->end(false);
        QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(editor->text(), QString("SMS-400-COKept line"));
        QVERIFY(f->frame->View().OpenEditor() != nullptr);
    }

    void CopyParam_FillsTheSlotOfItsFieldbus() {
        f->frame->OpenPaths({f->Sample("ac_drive_devicenet.eds")});
        f->Activate();
        f->DoubleClickSection(EDSKind::DeviceNet, 0, "Params");
        f->ClickCell("Param1", 0);
        QVERIFY(f->frame->Actions().copy->isEnabled());
        f->frame->Actions().copy->trigger();
        const CViewClipboard& clipboard = f->frame->View().Clipboard();
        QVERIFY(clipboard.deviceNetParam.has_value());
        QVERIFY(!clipboard.etherNetIPParam.has_value());
        const CDeviceNetEDS& model = *f->frame->Document().Files<CDeviceNetEDS>()[0];
        QCOMPARE(clipboard.deviceNetParam->ParameterName, model.ParamAt(0).ParameterName);
    }

    void CIPParams_CutPasteAndDeleteGoThroughTheParameterRules() {
        f->frame->OpenPaths({f->CopyOf("ac_drive_devicenet.eds", "ac.eds")});
        f->Activate();
        f->DoubleClickSection(EDSKind::DeviceNet, 0, "Params");
        const CDeviceNetEDS& model = *f->frame->Document().Files<CDeviceNetEDS>()[0];
        const size_t count = model.Params.size();
        const std::string second = model.ParamAt(1).ParameterName;
        f->ClickCell("Param2", 0);
        QVERIFY(f->frame->Actions().cut->isEnabled());
        QVERIFY(f->frame->Actions().del->isEnabled());
        QVERIFY(f->frame->Actions().insert->isEnabled()); // the parameter dialog
        f->dialogs.answers = {MessageAnswer::Yes, MessageAnswer::Yes};
        f->frame->Actions().cut->trigger();
        QCOMPARE(model.Params.size(), count - 1);
        QCOMPARE(f->frame->View().Clipboard().deviceNetParam->ParameterName, second);
        QVERIFY(f->frame->windowTitle().contains('*'));

        // Paste goes in front of the selected parameter.
        f->ClickCell("Param1", 0);
        QVERIFY(f->frame->Actions().paste->isEnabled());
        f->frame->Actions().paste->trigger();
        QCOMPARE(model.Params.size(), count);
        QCOMPARE(model.ParamAt(0).ParameterName, second);

        f->ClickCell("Param1", 0);
        f->dialogs.answers = {MessageAnswer::No, MessageAnswer::No};
        f->frame->Actions().del->trigger();
        QCOMPARE(model.Params.size(), count);
        f->dialogs.answers = {MessageAnswer::Yes, MessageAnswer::Yes};
        f->frame->Actions().del->trigger();
        QCOMPARE(model.Params.size(), count - 1);
    }

    void EtherNetIPEntries_InsertAndDeleteByPage() {
        f->frame->OpenPaths({f->CopyOf("ethernetip_adapter.eds", "adapter.eds")});
        f->Activate();
        f->DoubleClickSection(EDSKind::EtherNetIP, 0, "Assembly");
        const CEtherNetIPEDS& model = *f->frame->Document().Files<CEtherNetIPEDS>()[0];
        const size_t count = model.AssemblySection.Assemblies.size();
        f->ClickCell("Assem100", 1); // a closed head row: Insert adds an entry
        QVERIFY(f->frame->Actions().insert->isEnabled());
        f->frame->Actions().insert->trigger();
        QCOMPARE(model.AssemblySection.Assemblies.size(), count + 1);
        QVERIFY(f->frame->windowTitle().contains('*'));

        const std::string added =
            "Assem" + std::to_string(model.AssemblySection.Assemblies.back().Number);
        f->ClickCell(added, 0);
        QVERIFY(f->frame->Actions().del->isEnabled());
        f->dialogs.answers = {MessageAnswer::Yes, MessageAnswer::Yes};
        f->frame->Actions().del->trigger();
        QCOMPARE(model.AssemblySection.Assemblies.size(), count);
    }

    void Session_SavedFileHoldsExactlyTheEdits() {
        const CFrameActions& a = f->frame->Actions();
        f->DoubleClickSection(EDSKind::CANopen, 0, "DeviceInfo");
        QTest::keyClicks(f->DoubleClickCell("VendorName", 1), "Corvid Motion");
        QTest::keyClick(f->frame->View().OpenEditor(), Qt::Key_Return);
        QTRY_VERIFY(f->frame->View().OpenEditor() == nullptr);

        f->DoubleClickSection(EDSKind::CANopen, 0, "ManufacturerObjects");
        QTest::keyClicks(f->DoubleClickCell("2001", 4), "1500");
        f->ClickCell("2000", 1); // commits, and selects a row in the list

        FillObjectDialog({{"Index", "2200"}, {"ParameterName", "Brake settings"}});
        a.insert->trigger();
        f->Activate(); // the desktop gives the window back after the dialog
        QVERIFY(f->Cell("2200", 0).isValid());
        for (int sub : {1, 2}) {
            FillObjectDialog({{"Index", "2200"},
                              {"ParameterName", QString("Brake time %1").arg(sub)},
                              {"DataType", "UNSIGNED16"},
                              {"AccessType", "rw"},
                              {"DefaultValue", QString::number(sub * 10)}},
                             sub);
            a.insert->trigger();
            f->Activate();
        }
        QCOMPARE(f->Cell("2200", 0).data(RowLookRole).toInt(),
                 static_cast<int>(RowLook::Collapsed));

        f->ClickCell("2100", 1);
        a.cut->trigger();
        QVERIFY(!f->Cell("2100", 0).isValid());
        FillObjectDialog({{"Index", "2300"}});
        a.paste->trigger();
        f->Activate();
        QVERIFY(f->Cell("2300", 0).isValid());
        QCOMPARE(f->frame->View().SelectedKey(), std::string("2300"));

        const std::string saved = f->SaveShownFile();
        QCOMPARE(saved, ExpectedSave("servo_drive_edited.eds", saved));
    }

private:
    std::unique_ptr<FrameFixture> f;
};

} // namespace corvid::app::test

int RunEditCommandsTest(int argc, char** argv) {
    corvid::app::test::EditCommandsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "EditCommandsTest.moc"
