// The window: files opened from the command line or by dropping, the trees
// they fill, the page a double click in a tree shows (the core's page, row by
// row), save and save all, removing a file, the exit prompt, and what the
// window keeps between runs (the parameter table's column widths in
// Configure.ini and the "Params" menu that hides and shows columns).

#include "AppTestSupport.h"

#include "EDSView.h"
#include "MessageWindow.h"
#include "ProjectTreeModel.h"
#include "ProjectWindow.h"
#include "RecentFiles.h"
#include "Roles.h"

#include "dictionaries/TextEncoding.h"
#include "pages/KeptContent.h"
#include "pages/PageRows.h"
#include "pages/ProjectTree.h"

#include <QAction>
#include <QHeaderView>
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

constexpr int kLinkPathColumn = 2; // column 0 is the row key, 1 PathSize
constexpr size_t kLinkPathField = 1;

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

class FrameTest : public QObject {
    Q_OBJECT

private slots:
    void init() { f = std::make_unique<FrameFixture>(); }
    void cleanup() { f.reset(); }

    void OpenPaths_ThreeKindsFillTheTreesAndEachSectionShowsItsPage() {
        CProjectWindow& project = f->frame->ProjectWindow();
        QVERIFY(!project.TabsShown());
        OpenSamples();
        QVERIFY(project.TabsShown());
        for (const EDSKind kind : {kCANopen, kDeviceNet, kEtherNetIP})
            QCOMPARE(project.Model(kind).rowCount(), 1);
        QCOMPARE(project.Model(kCANopen).RootIndex(0).data().toString(), QString("servo_drive"));
        // Each root opens to show its sections; the last fieldbus opened is in front.
        QVERIFY(project.Tree(kDeviceNet).isExpanded(project.Model(kDeviceNet).RootIndex(0)));
        QVERIFY(project.Tree(kEtherNetIP).isVisible());
        const QString log = f->frame->MessageWindow().Text();
        QVERIFY(log.contains("servo_drive.eds is a CANopen EDS file.\n"));
        QVERIFY(log.contains("ethernetip_adapter.eds is an EtherNet/IP EDS file.\n"));
        QCOMPARE(f->frame->RecentFiles().Paths().front(), f->Sample("ethernetip_adapter.eds"));

        // A double click on each section shows the rows of the page the core
        // builds for it.
        CEDSDoc& doc = f->frame->Document();
        for (const EDSKind kind : {EDSKind::CANopen, EDSKind::DeviceNet, EDSKind::EtherNetIP}) {
            // The sections, then the file summary a double click on the root shows.
            std::vector<std::string> sections = BuildProjectTreeFile(doc, {kind, 0}).Sections;
            sections.emplace_back(kFileSummarySection);
            for (const std::string& section : sections) {
                if (section == kFileSummarySection)
                    f->DoubleClickRoot(kind, 0);
                else
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

    // Which save asks for a path is the core's (tests/shell EDSDocTest):
    // here the commands follow the files and the page the save.
    void Save_EnabledWithAFileAndTheSummaryShowsWhereItWent() {
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
        const std::string out = f->folder.File("out.eds");
        QVERIFY(std::filesystem::exists(out));
        QVERIFY(ShownRows(*f->frame).join('\n').contains(QString::fromStdString(out)));
    }

    void RemoveFile_ThePageKeepsShowingItsOwnFile() {
        f->frame->OpenPaths({f->CopyOf("servo_drive.eds", "A.eds"),
                             f->CopyOf("servo_drive.eds", "B.eds"),
                             f->CopyOf("servo_drive.eds", "C.eds")});
        f->DoubleClickRoot(kCANopen, 1);
        QVERIFY(ShownRows(*f->frame).front().endsWith("|B.eds"));

        f->dialogs.answers = {MessageAnswer::No};
        emit f->frame->ProjectWindow().RemoveFileRequested({kCANopen, 0});
        QCOMPARE(f->frame->ProjectWindow().Model(kCANopen).rowCount(), 3);
        f->dialogs.answers = {MessageAnswer::Yes};
        emit f->frame->ProjectWindow().RemoveFileRequested({kCANopen, 0});
        QCOMPARE(f->frame->ProjectWindow().Model(kCANopen).rowCount(), 2);
        QCOMPARE(f->frame->View().ShownFile(), std::optional<EDSFileRef>({kCANopen, 0}));
        QVERIFY(ShownRows(*f->frame).front().endsWith("|B.eds"));
        QCOMPARE(f->frame->windowTitle(), QString("B - Halvard Corvid"));
        // Save acts on the shown file, not on the one now at its old place.
        f->dialogs.saveChoices = {""};
        f->frame->Actions().save->trigger();
        QCOMPARE(f->dialogs.saveDialogs.back().initialName, f->folder.File("B"));

        f->dialogs.answers = {MessageAnswer::Yes};
        emit f->frame->ProjectWindow().RemoveFileRequested({kCANopen, 0});
        QVERIFY(!f->frame->View().ShownFile());
        QCOMPARE(f->frame->View().model()->rowCount(), 0);
        QVERIFY(!f->frame->Actions().save->isEnabled());
        QCOMPARE(f->frame->windowTitle(), QString("Halvard Corvid"));
        QCOMPARE(f->frame->ProjectWindow().Model(kCANopen).RootIndex(0).data().toString(),
                 QString("C"));
    }

    void Commands_ToolbarIconsWindowTogglesAndClear() {
        const CFrameActions& a = f->frame->Actions();
        for (QAction* action : {a.newFile, a.open, a.save, a.saveAll, a.cut, a.copy, a.paste, a.del,
                                a.insert, a.clear, a.helpTopics})
            QVERIFY2(!action->icon().pixmap(22, 22).isNull(), qPrintable(action->text()));
        f->frame->OpenPaths({f->Sample("servo_drive.eds")});
        QAction* project = f->frame->ProjectWindow().toggleViewAction();
        QVERIFY(project->isChecked());
        project->trigger();
        QVERIFY(f->frame->ProjectWindow().isHidden());
        QVERIFY(!project->isChecked());
        QVERIFY(!f->frame->MessageWindow().Text().isEmpty());
        a.clear->trigger();
        QVERIFY(f->frame->MessageWindow().Text().isEmpty());
    }

    void DoubleClick_EmptySpaceChangesNothing() {
        OpenSamples();
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

    void Click_OnTheBoxOpensAndClosesAnEntryUnderItsHeadRow() {
        OpenSamples();
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
        // Only the (+)/(-) box opens an object, so the other cells can be
        // clicked and double-clicked for editing.
        for (const int column : {0, 1}) {
            const QPoint cell = view.visualRect(shown.index(head, column)).center();
            QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, cell);
            QCOMPARE(shown.rowCount(), closedRows);
        }
        const QPoint at = view.ToggleBox(head).center();
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

    void ColumnWidths_AndHiddenColumnsSurviveARestart() {
        f->frame->OpenPaths({f->Sample("ac_drive_devicenet.eds")});
        f->DoubleClickSection(EDSKind::DeviceNet, 0, "Params");
        CEDSView& view = f->frame->View();
        QCOMPARE(view.columnWidth(kLinkPathColumn), 130);
        view.setColumnWidth(kLinkPathColumn, 200); // as the user drags the border
        QVERIFY(f->Close());
        const std::string configure = corvid::test::ReadFile(f->folder.path() / "Configure.ini");
        QVERIFY(configure.find("[DeviceNet]\r\npathSize=60\r\nlinkPath=200\r\n") !=
                std::string::npos);

        f->Restart();
        f->frame->OpenPaths({f->Sample("ac_drive_devicenet.eds")});
        f->DoubleClickSection(EDSKind::DeviceNet, 0, "Params");
        QCOMPARE(f->frame->View().columnWidth(kLinkPathColumn), 200);

        // A column hidden through the "Params" menu stays hidden too.
        f->frame->View().ColumnActions()[kLinkPathField]->trigger();
        QVERIFY(f->Close());
        f->Restart();
        QVERIFY(!f->frame->View().ColumnActions()[kLinkPathField]->isChecked());
        f->frame->OpenPaths({f->Sample("ac_drive_devicenet.eds")});
        f->DoubleClickSection(EDSKind::DeviceNet, 0, "Params");
        QVERIFY(f->frame->View().isColumnHidden(kLinkPathColumn));
    }

    void ParamsMenu_TogglesBetweenHiddenAndTheDefaultWidth() {
        f->frame->OpenPaths({f->Sample("ethernetip_adapter.eds")});
        f->DoubleClickSection(EDSKind::EtherNetIP, 0, "Params");
        CEDSView& view = f->frame->View();
        view.setColumnWidth(kLinkPathColumn, 200);
        QAction* linkPath = view.ColumnActions()[kLinkPathField];
        QVERIFY(linkPath->isChecked());
        linkPath->trigger();
        QVERIFY(view.isColumnHidden(kLinkPathColumn));
        QVERIFY(!linkPath->isChecked());
        QCOMPARE(view.ParamColumnWidths()[kLinkPathField], 0);
        linkPath->trigger();
        QVERIFY(!view.isColumnHidden(kLinkPathColumn));
        QCOMPARE(view.columnWidth(kLinkPathColumn), 130);
        QVERIFY(linkPath->isChecked());
    }

private:
    void OpenSamples() {
        f->frame->OpenPaths({f->Sample("servo_drive.eds"), f->Sample("ac_drive_devicenet.eds"),
                             f->Sample("ethernetip_adapter.eds")});
    }

    std::unique_ptr<FrameFixture> f;
};

} // namespace corvid::app::test

int RunFrameTest(int argc, char** argv) {
    corvid::app::test::FrameTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "FrameTest.moc"
