// A user's session on a DeviceNet and on an EtherNet/IP file: parameters
// added through the Insert parameter dialog, an output through the IO_Info
// Insert dialog, descriptor bits, enumeration strings and type masks changed
// through their popups, then saved. The
// saved files must hold exactly those changes.

#include "AppTestSupport.h"

#include "CellPopups.h"
#include "EDSView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <memory>

namespace corvid::app::test {

namespace {

constexpr int kDescriptorColumn = 3;
constexpr int kEnumColumn = 16;

// Fills the Insert parameter dialog, presses Ok once and closes it.
void FillParamDialog(std::vector<std::pair<const char*, QString>> fields) {
    WhenModalShows([fields = std::move(fields)](QWidget& dialog) {
        FillFields(dialog, fields);
        ClickOk(dialog);
        dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click();
    });
}

} // namespace

class CIPEditSessionTest : public QObject {
    Q_OBJECT

private slots:
    void init() { f = std::make_unique<FrameFixture>(); }
    void cleanup() { f.reset(); }

    void DeviceNet_SavedFileHoldsExactlyTheEdits() {
        f->frame->OpenPaths({f->CopyOf("ac_drive_devicenet.eds", "ac.eds")});
        f->Activate();
        f->DoubleClickSection(EDSKind::DeviceNet, 0, "Params");
        f->ClickCell("Param2", 0);
        FillParamDialog({{"ParameterName", "Jog Time"},
                         {"HelpStr", "Time of one jog"},
                         {"Maximum", "600"},
                         {"Back", {}}});
        f->frame->Actions().insert->trigger();
        f->Activate();
        QCOMPARE(f->frame->View().SelectedKey(), std::string("Param6"));

        ToggleBoxes("Param3", kDescriptorColumn, {3}); // Supports Scaling Links
        TypeEnumStrings("Param6", "\"Short\",\n\"Long\";");

        f->DoubleClickSection(EDSKind::DeviceNet, 0, "IO_Info");
        ToggleBoxes("Default", 1, {1}); // Strobe
        f->ClickCell("Output1", 0);
        WhenModalShows([](QWidget& dialog) {
            // Opened from Output1: a second output like it.
            FillFields(dialog, {{"Index", "2"},
                                {"Size", "2"},
                                {"Poll", {}},
                                {"ChangeOfState", {}},
                                {"NameString", "Torque limit"},
                                {"Path", "20 04 24 16 30 03"},
                                {"HelpString", "Torque limit in percent"}});
            ClickOk(dialog);
        });
        f->frame->Actions().insert->trigger();
        f->Activate();
        QCOMPARE(f->frame->View().SelectedKey(), std::string("Output2"));

        const std::string saved = f->SaveShownFile();
        QCOMPARE(saved, ExpectedSave("ac_drive_devicenet_edited.eds", saved));
    }

    void EtherNetIP_SavedFileHoldsExactlyTheEdits() {
        f->frame->OpenPaths({f->CopyOf("ethernetip_adapter.eds", "adapter.eds")});
        f->Activate();
        f->DoubleClickSection(EDSKind::EtherNetIP, 0, "Params");
        // A click below the rows selects none: the new parameter goes to
        // the end.
        QWidget* rows = f->frame->View().viewport();
        QTest::mouseClick(rows, Qt::LeftButton, {}, QPoint(5, rows->height() - 5));
        FillParamDialog({{"ParameterName", "Setpoint"},
                         {"UnitsStr", "%"},
                         {"DataType", "INT"},
                         {"DataSize", "2"},
                         {"Minimum", "-100"},
                         {"Maximum", "100"},
                         {"Default", "0"},
                         {"Offset", "-5"}});
        f->frame->Actions().insert->trigger();
        f->Activate();
        const std::string added = f->frame->View().SelectedKey();
        QVERIFY(!added.empty());

        ToggleBoxes(added, kDescriptorColumn, {4}); // Read-only parameter
        TypeEnumStrings(added, "\"Low\",\n\"High\";");

        const std::string saved = f->SaveShownFile();
        QCOMPARE(saved, ExpectedSave("ethernetip_adapter_edited.eds", saved));
    }

private:
    void ToggleBoxes(const std::string& key, int column, std::vector<int> bits) {
        QWidget* popup = f->DoubleClickCell(key, column);
        QVERIFY(qobject_cast<CBitsPopup*>(popup) != nullptr);
        const QList<QCheckBox*> boxes = popup->findChildren<QCheckBox*>();
        for (const int bit : bits)
            QTest::mouseClick(boxes[bit], Qt::LeftButton);
        f->ClickElsewhere();
        QVERIFY(f->frame->View().OpenEditor() == nullptr);
    }

    void TypeEnumStrings(const std::string& key, const QString& text) {
        auto* popup = qobject_cast<QPlainTextEdit*>(f->DoubleClickCell(key, kEnumColumn));
        QVERIFY(popup != nullptr);
        popup->selectAll();
        const QStringList lines = text.split(QLatin1Char('\n'));
        for (qsizetype line = 0; line < lines.size(); ++line) {
            if (line > 0)
                QTest::keyClick(popup, Qt::Key_Return);
            QTest::keyClicks(popup, lines[line]);
        }
        f->ClickElsewhere();
        QVERIFY(f->frame->View().OpenEditor() == nullptr);
    }

    std::unique_ptr<FrameFixture> f;
};

} // namespace corvid::app::test

int RunCIPEditSessionTest(int argc, char** argv) {
    corvid::app::test::CIPEditSessionTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "CIPEditSessionTest.moc"
