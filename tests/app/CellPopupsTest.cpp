// The popups of the DeviceNet pages: the descriptor boxes and the Enum
// strings of the Params page, the type mask boxes of the IO_Info page.
// They are cell editors: a click elsewhere stores what they show, Escape
// keeps the model as it was, and they edit only the bits they show.

#include "AppTestSupport.h"

#include "CellPopups.h"
#include "EDSView.h"

#include "devicenet/DeviceNetModel.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QTest>

#include <memory>
#include <vector>

namespace corvid::app::test {

namespace {

constexpr int kDescriptorColumn = 3;
constexpr int kEnumColumn = 16;

QList<QCheckBox*> Boxes(QWidget* popup) {
    return popup->findChildren<QCheckBox*>();
}

} // namespace

class CellPopupsTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        f = std::make_unique<FrameFixture>();
        f->frame->OpenPaths({f->CopyOf("ac_drive_devicenet.eds", "ac.eds")});
        f->Activate();
    }
    void cleanup() { f.reset(); }

    void Descriptor_BoxesShowAndSetBitsZeroToSix() {
        f->DoubleClickSection(EDSKind::DeviceNet, 0, "Params");
        Model().ParamAt(3).Descriptor = 0xB4; // bit 7 is no box of the popup
        f->frame->View().Refresh();
        QWidget* popup = f->DoubleClickCell("Param4", kDescriptorColumn);
        QVERIFY(qobject_cast<CBitsPopup*>(popup) != nullptr);
        const QList<QCheckBox*> boxes = Boxes(popup);
        QCOMPARE(boxes.size(), 7);
        QCOMPARE(boxes[0]->text(), QString("Supports Settable Path"));
        QCOMPARE(boxes[6]->text(), QString("Supports Extended Precision Scaling"));
        for (int bit = 0; bit < 7; ++bit)
            QCOMPARE(boxes[bit]->isChecked(), (0xB4 >> bit & 1) != 0);
        // Wholly inside the list, so every box can be reached.
        QVERIFY(f->frame->View().viewport()->rect().contains(popup->geometry()));

        QTest::mouseClick(boxes[0], Qt::LeftButton);
        QTest::mouseClick(boxes[4], Qt::LeftButton);
        QCOMPARE(f->frame->View().OpenEditor(), popup); // the boxes keep it open
        f->ClickElsewhere();
        QVERIFY(f->frame->View().OpenEditor() == nullptr);
        QCOMPARE(Model().ParamAt(3).Descriptor, uint16_t{0xA5});
        QCOMPARE(f->Cell("Param4", kDescriptorColumn).data().toString(), QString("0xA5"));
        QVERIFY(Modified());
    }

    void Descriptor_EscapeAndAnUnchangedPopupKeepTheFileAsItWas() {
        f->DoubleClickSection(EDSKind::DeviceNet, 0, "Params");
        QWidget* popup = f->DoubleClickCell("Param2", kDescriptorColumn);
        QVERIFY(popup != nullptr);
        QTest::mouseClick(Boxes(popup)[1], Qt::LeftButton);
        QTest::keyClick(popup, Qt::Key_Escape);
        QVERIFY(f->frame->View().OpenEditor() == nullptr);
        QCOMPARE(Model().ParamAt(1).Descriptor, uint16_t{0x04});

        QVERIFY(f->DoubleClickCell("Param2", kDescriptorColumn) != nullptr);
        f->ClickElsewhere();
        QVERIFY(!Modified());
    }

    void Descriptor_TheKeyboardReachesEveryBox() {
        f->DoubleClickSection(EDSKind::DeviceNet, 0, "Params");
        QWidget* popup = f->DoubleClickCell("Param2", kDescriptorColumn); // 0x04
        QVERIFY(popup != nullptr);
        const QList<QCheckBox*> boxes = Boxes(popup);
        QTRY_VERIFY(boxes[0]->hasFocus());
        QTest::keyClick(boxes[0], Qt::Key_Space);
        QTest::keyClick(boxes[0], Qt::Key_Tab);
        QVERIFY(boxes[1]->hasFocus());
        QTest::keyClick(boxes[1], Qt::Key_Space);
        QTest::keyClick(boxes[1], Qt::Key_Backtab);
        QTest::keyClick(boxes[0], Qt::Key_Backtab); // round to the last box
        QVERIFY(boxes[6]->hasFocus());
        QTest::keyClick(boxes[6], Qt::Key_Tab);
        QTest::keyClick(boxes[0], Qt::Key_Tab);
        QCOMPARE(f->frame->View().OpenEditor(), popup); // focus moved inside it
        QTest::keyClick(boxes[1], Qt::Key_Return);
        QTRY_VERIFY(f->frame->View().OpenEditor() == nullptr);
        QCOMPARE(Model().ParamAt(1).Descriptor, uint16_t{0x07});
    }

    void TypeMask_DefaultRowAndAnEntrysMaskRow() {
        f->DoubleClickSection(EDSKind::DeviceNet, 0, "IO_Info");
        Model().IOInfoSection.Default = 0x0101; // bits above the four boxes are kept
        f->frame->View().Refresh();
        QWidget* popup = f->DoubleClickCell("Default", 1);
        QVERIFY(qobject_cast<CBitsPopup*>(popup) != nullptr);
        QList<QCheckBox*> boxes = Boxes(popup);
        QCOMPARE(boxes.size(), 4);
        QCOMPARE(boxes[2]->text(), QString("Change of State"));
        QVERIFY(boxes[0]->isChecked() && !boxes[1]->isChecked());
        QTest::mouseClick(boxes[3], Qt::LeftButton);
        QTest::keyClick(popup, Qt::Key_Return);
        QTRY_VERIFY(f->frame->View().OpenEditor() == nullptr);
        QCOMPARE(Model().IOInfoSection.Default, uint16_t{0x0109});

        // The mask of an open entry is its first field row.
        f->ClickCell("PollInfo", 0);
        const QModelIndex mask =
            f->Cell("PollInfo", 1).siblingAtRow(f->Cell("PollInfo", 1).row() + 1);
        CEDSView& view = f->frame->View();
        const QPoint at = view.visualRect(mask).center();
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, at);
        popup = view.OpenEditor();
        QVERIFY(qobject_cast<CBitsPopup*>(popup) != nullptr);
        boxes = Boxes(popup);
        QTest::mouseClick(boxes[2], Qt::LeftButton); // 0x0005 loses Change of State
        f->ClickElsewhere();
        QCOMPARE(Model().IOInfoSection.PollInfo.TypeMask, uint16_t{0x0001});
        QCOMPARE(Model().IOInfoSection.COSInfo.TypeMask, uint16_t{0x0005});
    }

    void EnumStrings_PopupShowsOneStringALineAndStoresByTheEnumerationRule() {
        f->DoubleClickSection(EDSKind::DeviceNet, 0, "Params");
        auto* popup = qobject_cast<QPlainTextEdit*>(f->DoubleClickCell("Param1", kEnumColumn));
        QVERIFY(popup != nullptr);
        QCOMPARE(popup->toPlainText(), QString("\"Keypad\",\n\"Terminals\",\n\"Network\";"));
        // Enter starts a new line instead of committing.
        popup->moveCursor(QTextCursor::End);
        QTest::keyClick(popup, Qt::Key_Backspace);
        QTest::keyClicks(popup, ",");
        QTest::keyClick(popup, Qt::Key_Return);
        QTest::keyClicks(popup, "Fieldbus;");
        QCOMPARE(f->frame->View().OpenEditor(), popup);
        f->ClickElsewhere();
        const std::vector<std::string> expected = {"\"Keypad\"", "\"Terminals\"", "\"Network\"",
                                                   "\"Fieldbus\""};
        QCOMPARE(*Model().ParamAt(0).EnumStrings, expected);

        // Editing keys edit the text; they never reach the commands.
        popup = qobject_cast<QPlainTextEdit*>(f->DoubleClickCell("Param1", kEnumColumn));
        popup->moveCursor(QTextCursor::Start);
        QTest::keyClick(popup, Qt::Key_Delete);
        QTest::keyClick(popup, Qt::Key_Escape);
        QCOMPARE(Model().Params.size(), size_t{5});
        QVERIFY(f->dialogs.questions.empty());

        // Emptying the text takes the strings away.
        popup = qobject_cast<QPlainTextEdit*>(f->DoubleClickCell("Param1", kEnumColumn));
        popup->clear();
        f->ClickElsewhere();
        QVERIFY(!Model().ParamAt(0).EnumStrings.has_value());
        QCOMPARE(f->Cell("Param1", kEnumColumn).data().toString(), QString());
    }

private:
    CDeviceNetEDS& Model() { return *f->frame->Document().Files<CDeviceNetEDS>()[0]; }
    bool Modified() { return (Model().Header.Flags & FLAG_MODIFIED) != 0; }

    std::unique_ptr<FrameFixture> f;
};

} // namespace corvid::app::test

int RunCellPopupsTest(int argc, char** argv) {
    corvid::app::test::CellPopupsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "CellPopupsTest.moc"
