// Finding and filtering in the window: the find bar steps through hits on
// every kind of page, opening closed entries, and leaves the hit ready for
// F2; the filter box keeps the rows that hold its text.

#include "AppTestSupport.h"

#include "EDSView.h"
#include "FindBar.h"
#include "PageFilter.h"
#include "ProjectWindow.h"
#include "Roles.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <memory>

namespace corvid::app::test {

class FindTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FrameFixture> f;

    CEDSView& View() { return f->frame->View(); }
    CFindBar& Bar() { return f->frame->FindBar(); }

    // Opens the bar with Ctrl+F from the view, types the text, and goes to
    // the first hit with Enter.
    void Search(const QString& text) {
        View().setFocus();
        QTest::keyClick(&View(), Qt::Key_F, Qt::ControlModifier);
        QVERIFY(Bar().isVisible());
        auto& field = Find<QLineEdit>(Bar(), "FindText");
        QVERIFY(field.hasFocus());
        field.selectAll();
        QTest::keyClicks(&field, text);
        QTest::keyClick(&field, Qt::Key_Return);
    }

    // The row key and column of the current cell, with the page's section.
    QString Current() {
        const QModelIndex cell = View().currentIndex();
        const PageRow& row = View().CurrentPage().Rows.at(static_cast<size_t>(cell.row()));
        return QString::fromStdString(View().Section() + "/" + row.Key + "/") +
               QString::number(cell.column());
    }

    QStringList VisibleKeys() {
        QStringList keys;
        for (int row = 0; row < View().model()->rowCount(); ++row)
            if (!View().isRowHidden(row))
                keys << View().model()->index(row, 0).data(RowKeyRole).toString();
        return keys;
    }

private slots:
    void init() {
        f = std::make_unique<FrameFixture>();
        f->OpenCopy("servo_drive.eds", "drive.eds");
        f->DoubleClickSection(EDSKind::CANopen, 0, "FileInfo");
    }
    void cleanup() { f.reset(); }

    void Find_StepsThroughHitsOpeningClosedEntriesAndEscapeLeavesTheHitForF2() {
        Search("0x000003a1");
        QCOMPARE(Current(), QString("DeviceInfo/VendorNumber/1"));
        QCOMPARE(Bar().CountText(), QString("1 of 2"));

        QTest::keyClick(&View(), Qt::Key_F3);
        QCOMPARE(Current(), QString("MandatoryObjects/1018sub1/4"));
        QCOMPARE(Bar().CountText(), QString("2 of 2"));
        QTest::keyClick(&View(), Qt::Key_F3);
        QCOMPARE(Bar().CountText(), QString("1 of 2"));
        QTest::keyClick(&View(), Qt::Key_F3, Qt::ShiftModifier);
        QCOMPARE(Current(), QString("MandatoryObjects/1018sub1/4"));

        QTest::keyClick(&Find<QLineEdit>(Bar(), "FindText"), Qt::Key_Escape);
        QVERIFY(!Bar().isVisible());
        QVERIFY(View().hasFocus());
        QTest::keyClick(&View(), Qt::Key_F2);
        auto* editor = qobject_cast<QLineEdit*>(View().OpenEditor());
        QVERIFY(editor != nullptr);
        QCOMPARE(editor->text(), QString("0x000003A1"));
    }

    // After an edit the hits are searched again: the edited text is found.
    void Find_SearchesAgainAfterAChange() {
        Search("Vendor-ID");
        QCOMPARE(Current(), QString("MandatoryObjects/1018sub1/1"));
        CEDSDoc& doc = f->frame->Document();
        const EDSFileId file = *doc.IdAt({EDSKind::CANopen, 0});
        QVERIFY(doc.Commit(file, CellChange{"DeviceInfo", "VendorName", 1, "Vendor-ID Ltd", {}})
                    .Stored());
        QTest::keyClick(&View(), Qt::Key_F3);
        QCOMPARE(Bar().CountText(), QString("1 of 2"));
    }

    // Hits in other files show their page and bring their tab to the front;
    // a DeviceNet field row inside a closed entry opens it.
    void Find_AllOpenFilesInTreeOrder() {
        f->OpenCopy("ac_drive_devicenet.eds", "ac.eds");
        Find<QComboBox>(Bar(), "Scope").setCurrentIndex(1);
        Find<QCheckBox>(Bar(), "WholeWord").setChecked(true);
        Search("status and speed");
        QCOMPARE(View().ShownFile()->kind, EDSKind::DeviceNet);
        QCOMPARE(f->frame->ProjectWindow().ActiveKind(), EDSKind::DeviceNet);
        QCOMPARE(f->frame->NetworkText(), QString("DeviceNet"));
        QCOMPARE(View().Section(), std::string("IO_Info"));
        const QModelIndex cell = View().currentIndex();
        QCOMPARE(cell.data().toString(), QString("\"Status and speed\""));
        QCOMPARE(Bar().CountText(), QString("1 of 1"));

        // "This file" searches the DeviceNet file now shown, and the
        // CANopen one once it shows again.
        Find<QComboBox>(Bar(), "Scope").setCurrentIndex(0);
        Search("0x000003A1");
        QCOMPARE(Bar().CountText(), QString("No hits"));
        f->DoubleClickSection(EDSKind::CANopen, 0, "FileInfo");
        QTest::keyClick(&View(), Qt::Key_F3);
        QCOMPARE(Bar().CountText(), QString("1 of 2"));
    }

    void Filter_KeepsMatchingRowsWithTheirHeadsOnListPagesOnly() {
        auto& filter = f->frame->PageFilter();
        QVERIFY(!filter.isVisible());
        f->DoubleClickSection(EDSKind::CANopen, 0, "MandatoryObjects");
        QVERIFY(filter.isVisible());
        f->ClickBox("1018");
        QTest::keyClicks(&filter.Text(), "product");
        QCOMPARE(VisibleKeys(), QStringList({"1018", "1018sub2"}));
        // A closed entry stays while a row it hides holds the text.
        f->ClickBox("1018");
        QCOMPARE(VisibleKeys(), QStringList({"1018"}));
        f->ClickBox("1018");
        QCOMPARE(VisibleKeys(), QStringList({"1018", "1018sub2"}));

        // A find hit the filter hides shows the whole page again.
        Search("Device type");
        QVERIFY(filter.Text().text().isEmpty());
        QCOMPARE(Current(), QString("MandatoryObjects/1000/1"));
        QCOMPARE(VisibleKeys().size(), View().model()->rowCount());

        QTest::keyClicks(&filter.Text(), "error");
        f->DoubleClickSection(EDSKind::CANopen, 0, "DeviceInfo");
        QVERIFY(!filter.isVisible());
        QCOMPARE(VisibleKeys().size(), View().model()->rowCount());
        f->DoubleClickSection(EDSKind::CANopen, 0, "MandatoryObjects");
        QVERIFY(filter.Text().text().isEmpty());
    }
};

} // namespace corvid::app::test

int RunFindTest(int argc, char** argv) {
    corvid::app::test::FindTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "FindTest.moc"
