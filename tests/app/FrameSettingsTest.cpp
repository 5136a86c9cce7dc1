// What the window keeps between runs: the parameter table's column widths
// in Configure.ini and the "Params" menu that hides and shows columns.

#include "AppTestSupport.h"

#include "EDSView.h"

#include <QAction>
#include <QTest>

#include <memory>

namespace corvid::app::test {

namespace {

constexpr int kLinkPathColumn = 2; // column 0 is the row key, 1 PathSize
constexpr size_t kLinkPathField = 1;

} // namespace

class FrameSettingsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { f = std::make_unique<FrameFixture>(); }
    void cleanup() { f.reset(); }

    void ColumnWidths_SurviveARestart() {
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
    }

    void ParamsMenu_TogglesBetweenHiddenAndTheDefaultWidth() {
        f->frame->OpenPaths({f->Sample("ethernetip_adapter.eds")});
        f->DoubleClickSection(EDSKind::EtherNetIP, 0, "Params");
        CEDSView& view = f->frame->View();
        view.setColumnWidth(kLinkPathColumn, 200);
        QAction* linkPath = view.ColumnActions()[kLinkPathField];
        QCOMPARE(linkPath->text(), QString("Link Path"));
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

    void ColumnWidths_AHiddenColumnStaysHiddenAfterARestart() {
        f->frame->View().ColumnActions()[kLinkPathField]->trigger();
        QVERIFY(f->Close());
        f->Restart();
        QVERIFY(!f->frame->View().ColumnActions()[kLinkPathField]->isChecked());
        f->frame->OpenPaths({f->Sample("ac_drive_devicenet.eds")});
        f->DoubleClickSection(EDSKind::DeviceNet, 0, "Params");
        QVERIFY(f->frame->View().isColumnHidden(kLinkPathColumn));
    }

private:
    std::unique_ptr<FrameFixture> f;
};

} // namespace corvid::app::test

int RunFrameSettingsTest(int argc, char** argv) {
    corvid::app::test::FrameSettingsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "FrameSettingsTest.moc"
