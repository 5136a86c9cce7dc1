// Pages in the window: a double click in a tree shows the page the core
// builds for that section, row by row, and the status bar names the
// fieldbus.

#include "AppTestSupport.h"

#include "EDSView.h"
#include "ProjectTreeModel.h"
#include "ProjectWindow.h"
#include "Roles.h"

#include "dictionaries/TextEncoding.h"
#include "shell/PageRows.h"
#include "shell/ProjectTree.h"

#include <QHeaderView>
#include <QTest>
#include <QTreeView>

#include <memory>

namespace corvid::app::test {

namespace {

// The page as the core builds it, in the form ShownRows gives the view's.
QStringList ExpectedRows(const Page& page) {
    QStringList rows;
    for (const PageRow& row : page.Rows) {
        QStringList cells;
        for (const PageCell& cell : row.Cells)
            cells << QString::fromStdString(DecodeForDisplay(cell.Text));
        rows << cells.join(QLatin1Char('|'));
    }
    return rows;
}

} // namespace

class FramePagesTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        f = std::make_unique<FrameFixture>();
        f->frame->OpenPaths({f->Sample("servo_drive.eds"), f->Sample("ac_drive_devicenet.eds"),
                             f->Sample("ethernetip_adapter.eds")});
    }
    void cleanup() { f.reset(); }

    void DoubleClick_EverySectionShowsTheRowsOfItsPage() {
        CEDSDoc& doc = f->frame->Document();
        for (const EDSKind kind : {EDSKind::CANopen, EDSKind::DeviceNet, EDSKind::EtherNetIP}) {
            for (const std::string& section : BuildProjectTreeFile(doc, {kind, 0}).Sections) {
                f->DoubleClickSection(kind, 0, section);
                const Page page = BuildPage(doc, {kind, 0}, section);
                QCOMPARE(f->frame->View().Section(), section);
                QCOMPARE(ShownRows(*f->frame), ExpectedRows(page));
                const QAbstractItemModel& shown = *f->frame->View().model();
                QCOMPARE(shown.columnCount(), static_cast<int>(page.Columns.size()));
                for (size_t column = 0; column < page.Columns.size(); ++column)
                    QCOMPARE(shown.headerData(static_cast<int>(column), Qt::Horizontal).toString(),
                             QString::fromStdString(page.Columns[column].Header));
                QCOMPARE(f->frame->NetworkText(), QString(EDSKindName(kind)));
            }
        }
    }

    void DoubleClick_ARootShowsTheFileSummary() {
        f->DoubleClickRoot(EDSKind::DeviceNet, 0);
        QCOMPARE(f->frame->View().Section(), std::string(kFileSummarySection));
        const QStringList rows = ShownRows(*f->frame);
        QCOMPARE(rows.size(), 3);
        QCOMPARE(rows[0], QString("File Title|ac_drive_devicenet.eds"));
        QCOMPARE(rows[1], "File Open Path|" + f->Sample("ac_drive_devicenet.eds"));
        QCOMPARE(f->frame->View().model()->headerData(0, Qt::Horizontal).toString(),
                 QString("    Keywords"));
        QCOMPARE(f->frame->NetworkText(), QString("DeviceNet"));
        QCOMPARE(f->frame->windowTitle(), QString("ac_drive_devicenet - Halvard Corvid"));
    }

    void DoubleClick_EmptySpaceChangesNothing() {
        f->DoubleClickSection(EDSKind::CANopen, 0, "DeviceInfo");
        const QStringList before = ShownRows(*f->frame);
        QTreeView& tree = f->frame->ProjectWindow().Tree(EDSKind::CANopen);
        CProjectTreeModel& model = f->frame->ProjectWindow().Model(EDSKind::CANopen);
        const QModelIndex root = model.RootIndex(0);
        const QModelIndex last = model.index(model.rowCount(root) - 1, 0, root);
        const QPoint below(10, tree.visualRect(last).bottom() + 8);
        QVERIFY(below.y() < tree.viewport()->height());
        QVERIFY(!tree.indexAt(below).isValid());
        QTest::mouseDClick(tree.viewport(), Qt::LeftButton, {}, below);
        QCOMPARE(f->frame->View().Section(), std::string("DeviceInfo"));
        QCOMPARE(ShownRows(*f->frame), before);
    }

    void Click_OpensAndClosesAnEntryUnderItsHeadRow() {
        f->DoubleClickSection(EDSKind::CANopen, 0, "MandatoryObjects");
        CEDSView& view = f->frame->View();
        const QAbstractItemModel& shown = *view.model();
        int head = -1;
        for (int row = 0; row < shown.rowCount() && head < 0; ++row)
            if (shown.index(row, 0).data(RowLookRole).toInt() ==
                static_cast<int>(RowLook::Collapsed))
                head = row;
        if (head < 0)
            QSKIP("the page has no entry that opens yet");
        const int closedRows = shown.rowCount();
        const QModelIndex nameCell = shown.index(head, 1);
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, view.visualRect(nameCell).center());
        QCOMPARE(shown.rowCount(), closedRows); // only the "Index" cell opens an object
        const QPoint at = view.visualRect(shown.index(head, 0)).center();
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, at);
        QVERIFY(shown.rowCount() > closedRows);
        QCOMPARE(shown.index(head, 0).data(RowLookRole).toInt(),
                 static_cast<int>(RowLook::Expanded));
        QCOMPARE(shown.index(head + 1, 0).data(RowLookRole).toInt(),
                 static_cast<int>(RowLook::Field));
        QCOMPARE(view.SelectedKey(),
                 shown.index(head, 0).data(RowKeyRole).toString().toStdString());
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(shown.rowCount(), closedRows);

        const QRect lastRow = view.visualRect(shown.index(shown.rowCount() - 1, 0));
        QVERIFY(lastRow.bottom() + 8 < view.viewport()->height());
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, QPoint(5, lastRow.bottom() + 8));
        QCOMPARE(view.SelectedKey(), std::string());
    }

private:
    std::unique_ptr<FrameFixture> f;
};

} // namespace corvid::app::test

int RunFramePagesTest(int argc, char** argv) {
    corvid::app::test::FramePagesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "FramePagesTest.moc"
