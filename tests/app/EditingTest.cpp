// Editing a CANopen file in the window. In place: a double click opens the
// cell's editor, and the text reaches the model only through a commit (focus
// leaving the editor, a click elsewhere, Enter, a second editor, a page
// change); Escape and an unchanged drop-down leave the file as it was. The
// edit commands: which are offered for what is selected and focused, Delete
// and Cut on object pages, text copied from the message window and pasted
// into an editor, the object dialog's refusals and paste mode, and a whole
// editing session whose saved bytes are compared with the expected file.

#include "AppTestSupport.h"

#include "EDSView.h"
#include "MessageWindow.h"
#include "ObjectDialog.h"
#include "PageTableModel.h"
#include "ProjectTreeModel.h"
#include "ProjectWindow.h"
#include "Roles.h"

#include "canopen/CANopenModel.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>

#include <memory>

namespace corvid::app::test {

class EditingTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        f = std::make_unique<FrameFixture>();
        f->OpenCopy("servo_drive.eds", "drive.eds");
        f->DoubleClickSection(EDSKind::CANopen, 0, "DeviceInfo");
    }
    void cleanup() { f.reset(); }

    void TextEditor_ClickElsewhereStoresTheTrimmedText() {
        auto* editor = qobject_cast<QLineEdit*>(f->DoubleClickCell("VendorName", 1));
        QVERIFY(editor != nullptr);
        QCOMPARE(editor->selectedText(), QString("Sample Motion Ltd."));
        // One pixel inside the cell, and wide enough for its text and more.
        const QRect cell = f->frame->View().visualRect(f->Cell("VendorName", 1));
        QCOMPARE(editor->geometry().topLeft(), cell.topLeft() + QPoint(1, 1));
        QVERIFY(editor->width() >= editor->fontMetrics().horizontalAdvance(editor->text()) + 100);
        QVERIFY(!Modified());

        QTest::keyClicks(editor, "  Corvid Motion\t");
        f->ClickElsewhere();
        QVERIFY(f->frame->View().OpenEditor() == nullptr);
        QCOMPARE(Model().DeviceInfo.VendorName, std::string("Corvid Motion"));
        QCOMPARE(f->Cell("VendorName", 1).data().toString(), QString("Corvid Motion"));
        QVERIFY(Modified());
        QVERIFY(f->frame->windowTitle().startsWith("drive*"));
    }

    // The page model commits through the document's door; the page, the
    // title and the tree follow the door's word, also for a change that
    // came from elsewhere.
    void SetData_CommitsThroughTheDoorAndThePageTitleAndTreeFollow() {
        auto& page = static_cast<CPageTableModel&>(*f->frame->View().model());
        QSignalSpy tree(&f->frame->ProjectWindow().Model(EDSKind::CANopen),
                        &QAbstractItemModel::dataChanged);
        QVERIFY(!page.setData(f->Cell("VendorNumber", 1), "0x100000000"));
        QVERIFY(!Modified());
        QVERIFY(f->frame->MessageWindow().TextView().toPlainText().contains("0x100000000"));
        QCOMPARE(tree.count(), 0);

        QVERIFY(page.setData(f->Cell("OrderCode", 1), "SMS-900"));
        QCOMPARE(Model().DeviceInfo.OrderCode, std::string("SMS-900"));
        QCOMPARE(f->Cell("OrderCode", 1).data().toString(), QString("SMS-900"));
        QVERIFY(f->frame->windowTitle().startsWith("drive*"));
        QCOMPARE(tree.count(), 1);

        CEDSDoc& doc = f->frame->Document();
        const EDSFileId file = *doc.IdAt({EDSKind::CANopen, 0});
        QVERIFY(doc.Commit(file, CellChange{"DeviceInfo", "ProductName", 1, "SM-9", {}}).Stored());
        QCOMPARE(f->Cell("ProductName", 1).data().toString(), QString("SM-9"));
        QCOMPARE(tree.count(), 2);
    }

    void TextEditor_APressOnAWidgetThatTakesNoFocusCommitsToo() {
        QTest::keyClicks(f->DoubleClickCell("OrderCode", 1), "SMS-700");
        QWidget* status = f->frame->statusBar();
        QCOMPARE(status->focusPolicy(), Qt::NoFocus);
        QTest::mouseClick(status, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(f->frame->View().OpenEditor() == nullptr);
        QCOMPARE(Model().DeviceInfo.OrderCode, std::string("SMS-700"));
    }

    void TextEditor_EscapeCancelsAndEnterCommits() {
        QWidget* editor = f->DoubleClickCell("ProductName", 1);
        QVERIFY(editor != nullptr);
        QTest::keyClicks(editor, "Thrown away");
        QTest::keyClick(editor, Qt::Key_Escape);
        QVERIFY(f->frame->View().OpenEditor() == nullptr);
        QCOMPARE(Model().DeviceInfo.ProductName, std::string("SM-Servo 400"));
        QVERIFY(!Modified());

        editor = f->DoubleClickCell("ProductName", 1);
        QTest::keyClicks(editor, "SM-Servo 500");
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_VERIFY(f->frame->View().OpenEditor() == nullptr);
        QCOMPARE(Model().DeviceInfo.ProductName, std::string("SM-Servo 500"));
        QVERIFY(Modified());
    }

    void DropDown_OffersItsItemsAndKeepsTheValueWhenNothingIsChosen() {
        auto* list = qobject_cast<QComboBox*>(f->DoubleClickCell("Granularity", 1));
        QVERIFY(list != nullptr);
        QCOMPARE(list->currentText(), QString("0x08"));
        QVERIFY(list->width() <= 70);
        f->ClickElsewhere();
        QVERIFY(f->frame->View().OpenEditor() == nullptr);
        QCOMPARE(Model().DeviceInfo.Granularity, uint8_t{8});
        QVERIFY(!Modified());

        list = qobject_cast<QComboBox*>(f->DoubleClickCell("Granularity", 1));
        QTest::keyClick(list, Qt::Key_Down); // chooses the next item
        QTRY_VERIFY(f->frame->View().OpenEditor() == nullptr);
        QCOMPARE(Model().DeviceInfo.Granularity, uint8_t{9});
        QCOMPARE(f->Cell("Granularity", 1).data().toString(), QString("0x09"));
    }

    void DropDown_ShowsAStoredValueMissingFromItsListAndKeepsIt() {
        Model().DeviceInfo.Granularity = 0x50; // the list ends at 0x40
        f->frame->View().Refresh();
        auto* list = qobject_cast<QComboBox*>(f->DoubleClickCell("Granularity", 1));
        QVERIFY(list != nullptr);
        QCOMPARE(list->currentText(), QString("0x50"));
        f->ClickElsewhere();
        QCOMPARE(Model().DeviceInfo.Granularity, uint8_t{0x50});
        QVERIFY(!Modified());
    }

    void SecondEditor_CommitsTheFirst() {
        QWidget* first = f->DoubleClickCell("OrderCode", 1);
        QTest::keyClicks(first, "SMS-500");
        QWidget* second = f->DoubleClickCell("ProductName", 1);
        QVERIFY(second != nullptr);
        QVERIFY(second != first);
        QCOMPARE(Model().DeviceInfo.OrderCode, std::string("SMS-500"));
        QCOMPARE(f->Cell("OrderCode", 1).data().toString(), QString("SMS-500"));
    }

    void PageChangeAndSave_CommitTheOpenEditorFirst() {
        QTest::keyClicks(f->DoubleClickCell("OrderCode", 1), "SMS-600");
        f->DoubleClickSection(EDSKind::CANopen, 0, "FileInfo");
        QCOMPARE(Model().DeviceInfo.OrderCode, std::string("SMS-600"));
        QCOMPARE(f->frame->View().Section(), std::string("FileInfo"));

        QTest::keyClicks(f->DoubleClickCell("CreatedBy", 1), "Someone");
        f->dialogs.saveChoices = {f->folder.File("saved.eds")};
        f->frame->Actions().save->trigger();
        QCOMPARE(Model().FileInfo.CreatedBy, std::string("Someone"));
        const std::string saved = corvid::test::ReadFile(f->folder.path() / "saved.eds");
        QVERIFY(saved.find("CreatedBy=Someone\r\n") != std::string::npos);
        QVERIFY(!Modified());
        QVERIFY(!f->frame->windowTitle().contains('*'));
    }

    void ObjectPage_EditsTheSubIndexTheEditorWasOpenedOn() {
        f->DoubleClickSection(EDSKind::CANopen, 0, "MandatoryObjects");
        f->ClickBox("1018"); // opens the object
        QWidget* editor = f->DoubleClickCell("1018sub1", 1);
        QVERIFY(editor != nullptr);
        QTest::keyClicks(editor, "Vendor ID");
        f->ClickElsewhere();
        const CANopenObject& identity =
            Model().Objects[*FindObject(Model().Objects, 0x1018).position];
        QCOMPARE(identity.SubObjects[1].ParameterName, std::string("Vendor ID"));
        QCOMPARE(f->Cell("1018sub1", 1).data().toString(), QString("Vendor ID"));
        // An object with sub-indexes edits its name and type only.
        QVERIFY(f->DoubleClickCell("1018", 4) == nullptr);
    }

    void Enabling_FollowsThePageTheSelectionAndTheClipboard() {
        const CFrameActions& a = f->frame->Actions();
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
        f->ClickBox("1018");
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
        f->ClickBox("1018");
        f->ClickCell("1018sub3", 1);
        f->dialogs.answers = {MessageAnswer::No};
        f->frame->Actions().del->trigger();
        QVERIFY(f->Cell("1018sub3", 0).isValid());
        QVERIFY(!f->frame->windowTitle().contains('*'));

        f->dialogs.answers = {MessageAnswer::Yes};
        f->frame->Actions().del->trigger();
        QVERIFY(!f->Cell("1018sub3", 0).isValid());
        QVERIFY(f->frame->windowTitle().contains('*'));
        // The page keeps the object open.
        QVERIFY(f->Cell("1018sub2", 0).isValid());
    }

    void Insert_CancelledChangesNothingAndMarksNothing() {
        f->DoubleClickSection(EDSKind::CANopen, 0, "OptionalObjects");
        f->ClickCell("1008", 1);
        const size_t objects = Model().Objects.size();
        WhenModalShows([](QWidget& dialog) { static_cast<QDialog&>(dialog).reject(); });
        f->frame->Actions().insert->trigger();
        QCOMPARE(Model().Objects.size(), objects);
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
        auto* editor = qobject_cast<QLineEdit*>(f->DoubleClickCell("OrderCode", 1));
        QVERIFY(editor != nullptr);
        editor->end(false);
        QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(editor->text(), QString("SMS-400-COKept line"));
        QVERIFY(f->frame->View().OpenEditor() != nullptr);
    }

    void CIPParams_CutAndPasteGoThroughTheParameterRules() {
        f->OpenCopy("ac_drive_devicenet.eds", "ac.eds");
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
    }

    void EtherNetIPEntries_InsertAndDeleteByPage() {
        f->OpenCopy("ethernetip_adapter.eds", "adapter.eds");
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

    // The rules of OK, its refusals among them, are the core's (tests/canopen
    // ObjectEditingTest) and the fields reach the object in the session
    // below: here a No keeps the dialog open and the model unchanged.
    void ObjectDialog_NoStaysOpen() {
        CObjectDialog dialog(f->frame->Document(), FileId(), nullptr, f->frame.get());
        Type(dialog, "Index", "1018");
        Type(dialog, "ParameterName", "Brake delay");
        Find<QComboBox>(dialog, "DataType").setCurrentText("UNSIGNED16");
        Find<QComboBox>(dialog, "AccessType").setCurrentText("rw");
        Find<QComboBox>(dialog, "ObjectType").setCurrentText("VAR");
        Find<QCheckBox>(dialog, "Mappable").setChecked(true);
        f->dialogs.answers = {MessageAnswer::No};
        ClickOk(dialog);
        QCOMPARE(dialog.result(), 0);
        QCOMPARE(Object(0x1018)->ParameterName, std::string("Identity object"));
        f->dialogs.answers = {MessageAnswer::Yes};
        ClickOk(dialog);
        QCOMPARE(dialog.result(), static_cast<int>(QDialog::Accepted));
        QCOMPARE(dialog.Placed(), (ObjectKey{0x1018, std::nullopt}));
        QCOMPARE(Object(0x1018)->ParameterName, std::string("Brake delay"));
        QVERIFY(Object(0x1018)->PDOMapping);
    }

    // Paste mode writes into the clipboard record, never its index.
    void ObjectDialog_PasteEditsTheClipboardButNotItsIndex() {
        CANopenObject clipboard = *Object(0x1018);
        {
            CObjectDialog dialog(f->frame->Document(), FileId(), &clipboard, f->frame.get());
            QComboBox& subIndex = Find<QComboBox>(dialog, "SubIndex");
            QCOMPARE(subIndex.count(), 5); // the object, then sub-indexes 0 to 3
            Type(dialog, "ParameterName", "Copied identity");
            subIndex.setCurrentIndex(2);
            QCOMPARE(Text(dialog, "ParameterName"),
                     QString::fromStdString(clipboard.SubObjects[1].ParameterName));
            Type(dialog, "ParameterName", "Copied code");
            Type(dialog, "Index", "2400");
            ClickOk(dialog);
            QCOMPARE(dialog.result(), static_cast<int>(QDialog::Accepted));
        }
        QCOMPARE(clipboard.Index, uint16_t{0x1018});
        QCOMPARE(clipboard.ParameterName, std::string("Copied identity"));
        QCOMPARE(clipboard.SubObjects[1].ParameterName, std::string("Copied code"));
        const CANopenObject* pasted = Object(0x2400);
        QVERIFY(pasted != nullptr);
        QCOMPARE(pasted->ParameterName, std::string("Copied identity"));

        // Cancel keeps what was changed on the clipboard.
        CObjectDialog cancelled(f->frame->Document(), FileId(), &clipboard, f->frame.get());
        Type(cancelled, "ParameterName", "Kept on the clipboard");
        cancelled.reject();
        QCOMPARE(clipboard.ParameterName, std::string("Kept on the clipboard"));
    }

    void Session_SavedFileHoldsExactlyTheEdits() {
        const CFrameActions& a = f->frame->Actions();
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
    CCANopenEDS& Model() { return *f->frame->Document().Files<CCANopenEDS>()[0]; }
    bool Modified() { return (Model().Header.Flags & FLAG_MODIFIED) != 0; }
    EDSFileId FileId() { return *f->frame->Document().IdAt({EDSKind::CANopen, 0}); }
    const CANopenObject* Object(uint16_t index) {
        const FindResult at = FindObject(Model().Objects, index);
        return at.relation == FindRelation::Found ? &Model().Objects[*at.position] : nullptr;
    }

    std::unique_ptr<FrameFixture> f;
};

} // namespace corvid::app::test

int RunEditingTest(int argc, char** argv) {
    corvid::app::test::EditingTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "EditingTest.moc"
