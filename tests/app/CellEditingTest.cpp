// Editing in place in the window: a double click opens the cell's editor,
// and the text reaches the model only through a commit (focus leaving the
// editor, a click elsewhere, Enter, a second editor, a page change); Escape
// and an unchanged drop-down leave the file as it was.

#include "AppTestSupport.h"

#include "CellDelegate.h"
#include "EDSView.h"
#include "MessageWindow.h"
#include "PageTableModel.h"
#include "ProjectTreeModel.h"
#include "ProjectWindow.h"

#include "canopen/CANopenModel.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTableView>
#include <QTest>

#include <memory>
#include <vector>

namespace corvid::app::test {

class CellEditingTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        f = std::make_unique<FrameFixture>();
        f->frame->OpenPaths({f->CopyOf("servo_drive.eds", "drive.eds")});
        f->Activate();
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

    void TextEditor_ARefusedNumberKeepsTheValueAndSaysWhy() {
        const qsizetype linesBefore = f->frame->MessageWindow().Text().count('\n');
        QWidget* editor = f->DoubleClickCell("VendorNumber", 1);
        QTest::keyClicks(editor, "12a");
        f->ClickElsewhere();
        QCOMPARE(Model().DeviceInfo.VendorNumber, 0x3A1u);
        QCOMPARE(f->Cell("VendorNumber", 1).data().toString(), QString("0x000003A1"));
        QVERIFY(!Modified());
        const QString log = f->frame->MessageWindow().Text();
        QCOMPARE(log.count('\n'), linesBefore + 1);
        const QString line = log.section('\n', -2, -2);
        QVERIFY(line.contains("VendorNumber"));
        QVERIFY(line.contains("12a"));
    }

    void DropDown_OffersItsItemsAndKeepsTheValueWhenNothingIsChosen() {
        auto* list = qobject_cast<QComboBox*>(f->DoubleClickCell("Granularity", 1));
        QVERIFY(list != nullptr);
        QCOMPARE(list->count(), 65);
        QCOMPARE(list->itemText(64), QString("0x40"));
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
        Page page;
        page.Columns = {{"Key", 60}, {"Value", 200}};
        page.Choices = {{"", "VAR", "RECORD"}};
        PageRow row;
        row.Key = "2000";
        row.Cells = {{"2000"}, {"OLDTYPE", CellEditor::DropDown, 0, 300}};
        page.Rows = {row};
        // The delegate hands what the user chose to the model's setData.
        struct RecordingModel : CPageTableModel {
            using CPageTableModel::CPageTableModel;
            bool setData(const QModelIndex&, const QVariant& value, int) override {
                commits.push_back(value.toString());
                return true;
            }
            std::vector<QString> commits;
        };
        CEDSDoc doc(f->dialogs);
        RecordingModel model(doc, nullptr);
        model.SetFile(EDSFileId{1});
        model.SetPage(page);
        std::vector<QString>& commits = model.commits;
        auto* delegate = new CCellDelegate(model, &model);
        QTableView view;
        view.setModel(&model);
        view.setItemDelegate(delegate);
        view.show();
        view.edit(model.index(0, 1));
        auto* list = qobject_cast<QComboBox*>(delegate->OpenEditor());
        QVERIFY(list != nullptr);
        QCOMPARE(list->count(), 4);
        QCOMPARE(list->currentText(), QString("OLDTYPE"));
        delegate->CommitAndClose();
        QVERIFY(commits.empty());

        view.edit(model.index(0, 1));
        list = qobject_cast<QComboBox*>(delegate->OpenEditor());
        list->setCurrentIndex(2);
        delegate->CommitAndClose();
        QCOMPARE(commits, std::vector<QString>{"RECORD"});
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
    }

    void ObjectPage_EditsTheSubIndexTheEditorWasOpenedOn() {
        f->DoubleClickSection(EDSKind::CANopen, 0, "MandatoryObjects");
        f->ClickCell("1018", 0); // opens the object
        QWidget* editor = f->DoubleClickCell("1018sub1", 1);
        QVERIFY(editor != nullptr);
        QTest::keyClicks(editor, "Vendor ID");
        f->ClickElsewhere();
        const CANopenObject& identity =
            Model().Objects[*FindObject(Model().Objects, 0x1018).position];
        QCOMPARE((*identity.SubObjects)[1].ParameterName, std::string("Vendor ID"));
        QCOMPARE(f->Cell("1018sub1", 1).data().toString(), QString("Vendor ID"));
        // An object with sub-indexes edits its name and type only.
        QVERIFY(f->DoubleClickCell("1018", 4) == nullptr);
    }

    // The rule set of the data type decides, as on the command line.
    void ObjectPage_AValueTheDataTypeCannotHoldKeepsTheOldValueAndSaysWhy() {
        f->DoubleClickSection(EDSKind::CANopen, 0, "OptionalObjects");
        for (const char* text : {"12a", "70000"}) {
            const qsizetype linesBefore = f->frame->MessageWindow().Text().count('\n');
            QWidget* editor = f->DoubleClickCell("1017", 4);
            QVERIFY(editor != nullptr);
            QTest::keyClicks(editor, text);
            f->ClickElsewhere();
            QCOMPARE(f->Cell("1017", 4).data().toString(), QString("0"));
            QVERIFY(!Modified());
            const QString log = f->frame->MessageWindow().Text();
            QCOMPARE(log.count('\n'), linesBefore + 1);
            QVERIFY(log.section('\n', -2, -2).contains("does not fit UNSIGNED16 (0 to 65535)"));
        }
    }

private:
    CCANopenEDS& Model() { return *f->frame->Document().Files<CCANopenEDS>()[0]; }
    bool Modified() { return (Model().Header.Flags & FLAG_MODIFIED) != 0; }

    std::unique_ptr<FrameFixture> f;
};

} // namespace corvid::app::test

int RunCellEditingTest(int argc, char** argv) {
    corvid::app::test::CellEditingTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "CellEditingTest.moc"
