// What keeps the user's place in the window: commands that follow the
// selection after every change, head rows that edit on a double click and
// open only from their box, pages that start at their top-left, the view
// that follows the fieldbus tab, and the project tree's own commands.

#include "AppTestSupport.h"

#include "EDSView.h"
#include "ProjectTreeModel.h"
#include "ProjectWindow.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QTreeView>

#include <memory>

namespace corvid::app::test {

class ViewComfortsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FrameFixture> f;

    CEDSView& View() { return f->frame->View(); }

    QAction* MenuAction(QMenu& menu, const QString& text) {
        for (QAction* action : menu.actions())
            if (action->text() == text)
                return action;
        return nullptr;
    }

private slots:
    void init() { f = std::make_unique<FrameFixture>(); }
    void cleanup() { f.reset(); }

    void Commands_FollowTheSelectionAfterAChange() {
        f->OpenCopy("ac_drive_devicenet.eds", "ac.eds");
        f->DoubleClickSection(EDSKind::DeviceNet, 0, "Params");
        f->ClickCell("Param2", 0);
        const CFrameActions& a = f->frame->Actions();
        QVERIFY(a.del->isEnabled() && a.cut->isEnabled());
        f->dialogs.answers = {MessageAnswer::Yes};
        a.del->trigger();
        QCOMPARE(View().SelectedKey(), std::string("Param2"));
        QVERIFY(a.del->isEnabled() && a.cut->isEnabled() && a.copy->isEnabled() &&
                a.insert->isEnabled());

        // The last parameter gone, no row is selected: nothing to delete.
        f->ClickCell("Param4", 0);
        f->dialogs.answers = {MessageAnswer::Yes};
        a.del->trigger();
        QCOMPARE(View().SelectedKey(), std::string());
        QVERIFY(!a.del->isEnabled() && !a.cut->isEnabled() && !a.copy->isEnabled());
    }

    // Assem100's name is edited by a double click on the open head row; a
    // click beside the box leaves the entry as it is.
    void HeadRows_EditOnADoubleClickAndOpenFromTheirBoxAlone() {
        f->OpenCopy("ethernetip_adapter.eds", "adapter.eds");
        f->DoubleClickSection(EDSKind::EtherNetIP, 0, "Assembly");
        f->ClickCell("Assem100", 0);
        QCOMPARE(View().CurrentPage().Rows[0].Look, RowLook::Collapsed);
        f->ClickBox("Assem100");
        QCOMPARE(View().CurrentPage().Rows[0].Look, RowLook::Expanded);

        auto* editor = qobject_cast<QLineEdit*>(f->DoubleClickCell("Assem100", 1));
        QVERIFY(editor != nullptr);
        editor->setText("\"Speed Output\"");
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_VERIFY(View().OpenEditor() == nullptr);
        QCOMPARE(View().CurrentPage().Rows[0].Look, RowLook::Expanded);
        QCOMPARE(f->Cell("Assem100", 1).data().toString(), QString("\"Speed Output\""));

        f->ClickBox("Assem100");
        QCOMPARE(View().CurrentPage().Rows[0].Look, RowLook::Collapsed);
    }

    void PageSwitch_StartsAtTheTopLeft() {
        f->OpenCopy("ac_drive_devicenet.eds", "ac.eds");
        f->frame->resize(500, 400);
        f->DoubleClickSection(EDSKind::DeviceNet, 0, "Params");
        f->ClickCell("Param5", 20);
        QTRY_VERIFY(View().horizontalScrollBar()->value() > 0);
        f->DoubleClickSection(EDSKind::DeviceNet, 0, "EnumPar");
        QCOMPARE(View().horizontalScrollBar()->value(), 0);
        QCOMPARE(View().verticalScrollBar()->value(), 0);
        QVERIFY(!View().currentIndex().isValid());
    }

    void View_FollowsTheTabInFrontWithItsLastPage() {
        f->OpenCopy("servo_drive.eds", "drive.eds");
        f->OpenCopy("ac_drive_devicenet.eds", "ac.eds");
        // The new file's tab came to the front, and with it its summary.
        QCOMPARE(View().ShownFile()->kind, EDSKind::DeviceNet);
        QCOMPARE(View().Section(), std::string("eliF"));
        f->DoubleClickSection(EDSKind::CANopen, 0, "DeviceInfo");
        f->DoubleClickSection(EDSKind::DeviceNet, 0, "EnumPar");
        auto& tabs = *f->frame->ProjectWindow().findChild<QTabWidget*>();

        tabs.setCurrentIndex(static_cast<int>(EDSKind::CANopen));
        QCOMPARE(View().ShownFile()->kind, EDSKind::CANopen);
        QCOMPARE(View().Section(), std::string("DeviceInfo"));
        QCOMPARE(f->frame->NetworkText(), QString("CANopen"));
        tabs.setCurrentIndex(static_cast<int>(EDSKind::DeviceNet));
        QCOMPARE(View().Section(), std::string("EnumPar"));
        tabs.setCurrentIndex(static_cast<int>(EDSKind::EtherNetIP));
        QVERIFY(!View().ShownFile());

        // A page whose file was removed is not shown again.
        tabs.setCurrentIndex(static_cast<int>(EDSKind::DeviceNet));
        f->dialogs.answers = {MessageAnswer::Yes};
        emit f->frame->ProjectWindow().RemoveFileRequested({EDSKind::DeviceNet, 0});
        tabs.setCurrentIndex(static_cast<int>(EDSKind::CANopen));
        tabs.setCurrentIndex(static_cast<int>(EDSKind::DeviceNet));
        QVERIFY(!View().ShownFile());
    }

    void Tree_DoubleClickKeepsTheFileOpenAndTheMenuCollapsesAndExpands() {
        f->OpenCopy("servo_drive.eds", "a.eds");
        f->OpenCopy("servo_drive.eds", "b.eds");
        CProjectWindow& project = f->frame->ProjectWindow();
        QTreeView& tree = project.Tree(EDSKind::CANopen);
        const CProjectTreeModel& model = project.Model(EDSKind::CANopen);
        f->DoubleClickRoot(EDSKind::CANopen, 0);
        QCOMPARE(View().Section(), std::string("eliF"));
        QVERIFY(tree.isExpanded(model.RootIndex(0)));

        for (QMenu* menu : {&project.RootMenu(), &project.TreeMenu()}) {
            MenuAction(*menu, "&Collapse All")->trigger();
            QVERIFY(!tree.isExpanded(model.RootIndex(0)) && !tree.isExpanded(model.RootIndex(1)));
            MenuAction(*menu, "&Expand All")->trigger();
            QVERIFY(tree.isExpanded(model.RootIndex(0)) && tree.isExpanded(model.RootIndex(1)));
        }
    }
};

} // namespace corvid::app::test

int RunViewComfortsTest(int argc, char** argv) {
    corvid::app::test::ViewComfortsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ViewComfortsTest.moc"
