// The Insert parameter dialog: the values it opens with (copy buffer,
// selected row, or none), where each Ok puts its parameter, the questions
// and refusals that keep it open, and the lists following the file.

#include "AppTestSupport.h"

#include "InsertParamDialog.h"

#include "devicenet/CIPParamRules.h"
#include "devicenet/DeviceNetModel.h"
#include "ethernetip/EtherNetIPModel.h"

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

class InsertParamDialogTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        f = std::make_unique<FrameFixture>();
        f->frame->OpenPaths({f->CopyOf("ac_drive_devicenet.eds", "ac.eds")});
    }
    void cleanup() { f.reset(); }

    void Open_FromTheSelectedRow() {
        CInsertParamDialog dialog(Doc(), kFile, f->dialogs, std::nullopt, 1, nullptr);
        QCOMPARE(Find<QComboBox>(dialog, "Parameter").count(), 5);
        QCOMPARE(Find<QComboBox>(dialog, "Parameter").currentText(), QString("Param2"));
        QVERIFY(Find<QRadioButton>(dialog, "Back").isChecked());
        QCOMPARE(Text(dialog, "ParameterName"), QString("\"Accel Time\""));
        QCOMPARE(Text(dialog, "LinkPath"), QString("\"20 93 24 02 30 01\""));
        QCOMPARE(Find<QComboBox>(dialog, "PathSize").currentIndex(), 6);
        QCOMPARE(Find<QComboBox>(dialog, "DataType").currentText(), QString("UINT"));
        QCOMPARE(Find<QComboBox>(dialog, "DataSize").currentIndex(), 2);
        QCOMPARE(Text(dialog, "Divider"), QString("10"));
        QCOMPARE(Text(dialog, "Precision"), QString("1"));
        const QList<QCheckBox*> descriptor = dialog.findChildren<QCheckBox*>();
        QCOMPARE(descriptor.size(), 7);
        QVERIFY(descriptor[2]->isChecked() && !descriptor[1]->isChecked()); // 0x04: Scaling
        QComboBox& group = Find<QComboBox>(dialog, "Group");
        QCOMPARE(group.count(), 4);        // none, "Setup", "Monitor", "***new group***"
        QCOMPARE(group.currentIndex(), 1); // Param2 is in "Setup"
        QCOMPARE(group.itemText(3), QString("***new group***"));

        CInsertParamDialog fifth(Doc(), kFile, f->dialogs, std::nullopt, 4, nullptr);
        QCOMPARE(Find<QPlainTextEdit>(fifth, "Enum").toPlainText(),
                 QString("\"Stopped\",\n\"Running\",\n\"Fault\",\n\"Auto tuning\";"));
        QCOMPARE(Text(fifth, "Precision"), QString()); // 0 shows empty
    }

    void Open_TheCopyBufferComesFirstAndSelectsTheLastParameter() {
        CEDSParam copied = Model().ParamAt(3);
        copied.ParameterName = "\"Copied\"";
        CInsertParamDialog dialog(Doc(), kFile, f->dialogs, copied, std::nullopt, nullptr);
        QCOMPARE(Text(dialog, "ParameterName"), QString("\"Copied\""));
        QCOMPARE(Find<QComboBox>(dialog, "Parameter").currentText(), QString("Param5"));
        QCOMPARE(Find<QComboBox>(dialog, "Group").currentIndex(), 2);
    }

    void Ok_WithoutSourceAppendsAndUnselectedListsGiveZero() {
        CInsertParamDialog dialog(Doc(), kFile, f->dialogs, std::nullopt, std::nullopt, nullptr);
        QCOMPARE(Find<QComboBox>(dialog, "Parameter").currentIndex(), -1);
        QCOMPARE(Find<QComboBox>(dialog, "PathSize").currentIndex(), -1);
        QCOMPARE(Find<QComboBox>(dialog, "DataSize").currentIndex(), -1);
        QCOMPARE(Text(dialog, "Multiplier"), QString("1"));
        QCOMPARE(Text(dialog, "Offset"), QString("0"));
        // With no parameter to take a type from, a real type is chosen.
        QVERIFY(!Find<QComboBox>(dialog, "DataType").currentText().isEmpty());
        Type(dialog, "ParameterName", "Torque");
        Find<QRadioButton>(dialog, "Front").click(); // no selection: appended all the same
        ClickOk(dialog);
        QCOMPARE(Model().Params.size(), size_t{6});
        const CEDSParam& added = Model().ParamAt(5);
        QCOMPARE(added.ParameterName, std::string("\"Torque\""));
        QCOMPARE(added.PathSize, uint8_t{0});
        // The chosen type's size, though the size list shows none.
        QCOMPARE(added.DataSize, CIPFixedDataSize(added.DataType));
        QCOMPARE(added.Group, uint8_t{0});
    }

    void Ok_FrontAndBackOfTheChosenParameterAndTheDialogStaysOpen() {
        CInsertParamDialog dialog(Doc(), kFile, f->dialogs, std::nullopt, 2, nullptr);
        std::vector<size_t> placed;
        connect(&dialog, &CInsertParamDialog::ParamInserted,
                [&placed](size_t position) { placed.push_back(position); });
        dialog.show();
        Type(dialog, "ParameterName", "New one");
        Find<QRadioButton>(dialog, "Front").click();
        ClickOk(dialog);
        QVERIFY(dialog.isVisible());
        Find<QRadioButton>(dialog, "Back").click();
        ClickOk(dialog); // Param3 is now the new one: behind it
        QCOMPARE(placed, (std::vector<size_t>{2, 3}));
        QCOMPARE(Model().ParamAt(2).ParameterName, std::string("\"New one\""));
        QCOMPARE(Model().ParamAt(3).ParameterName, std::string("\"New one\""));
        QCOMPARE(Model().ParamAt(4).ParameterName, std::string("\"Decel Time\""));
        // The copies are alike but separate parameters under new numbers.
        QCOMPARE(Model().ParamAt(2).Number, uint32_t{6});
        QCOMPARE(Model().ParamAt(3).Number, uint32_t{7});
        QCOMPARE(Model().ParamClassSection.MaxInst, uint16_t{7});
        QCOMPARE(Find<QComboBox>(dialog, "Parameter").count(), 7); // follows the file
    }

    void Ok_ReplaceAsksAndNoKeepsTheParameter() {
        CInsertParamDialog dialog(Doc(), kFile, f->dialogs, std::nullopt, 1, nullptr);
        Type(dialog, "ParameterName", "Ramp");
        Find<QRadioButton>(dialog, "Replace").click();
        f->dialogs.answers = {MessageAnswer::No};
        ClickOk(dialog);
        QCOMPARE(Model().ParamAt(1).ParameterName, std::string("\"Accel Time\""));
        f->dialogs.answers = {MessageAnswer::Yes};
        ClickOk(dialog);
        QCOMPARE(Model().ParamAt(1).ParameterName, std::string("\"Ramp\""));
        QCOMPARE(Model().Params.size(), size_t{5});
    }

    void Ok_NewGroupAddsOneGroupAndTheListShowsIt() {
        CInsertParamDialog dialog(Doc(), kFile, f->dialogs, std::nullopt, std::nullopt, nullptr);
        QComboBox& group = Find<QComboBox>(dialog, "Group");
        group.setCurrentIndex(3);
        ClickOk(dialog);
        QCOMPARE(Model().GroupNames.size(), size_t{3});
        QCOMPARE(Model().GroupNames[2], std::string("\"***New Group***\""));
        QCOMPARE(Model().ParamAt(5).Group, uint8_t{3});
        // The second Ok joins the group the first one made.
        QCOMPARE(group.currentText(), QString("\"***New Group***\""));
        ClickOk(dialog);
        QCOMPARE(Model().GroupNames.size(), size_t{3});
        QCOMPARE(Model().ParamAt(6).Group, uint8_t{3});
    }

    void Ok_ARefusedFieldAddsNothingAndKeepsTheForm() {
        CInsertParamDialog dialog(Doc(), kFile, f->dialogs, std::nullopt, 0, nullptr);
        dialog.show();
        Type(dialog, "Minimum", "0,5");
        f->dialogs.answers = {MessageAnswer::Ok};
        ClickOk(dialog);
        QCOMPARE(Model().Params.size(), size_t{5});
        QVERIFY(dialog.isVisible());
        QCOMPARE(Text(dialog, "Minimum"), QString("0,5"));
        QVERIFY(f->dialogs.questions.back().text.find("Insert parameter Min") != std::string::npos);
    }

    void Ok_TypedTextKeepsTheEncodingOfTheSourceParameter() {
        Model().ParamAt(0).UnitsStr = "\"\xC2\xB0"
                                      "C\""; // "°C" as UTF-8
        CInsertParamDialog utf8(Doc(), kFile, f->dialogs, std::nullopt, 0, nullptr);
        QCOMPARE(Text(utf8, "UnitsStr"), QString::fromUtf8("\"\u00B0C\""));
        Find<QLineEdit>(utf8, "ParameterName").setText(QString::fromUtf8("Gr\u00F6\u00DFe"));
        ClickOk(utf8);
        QCOMPARE(Model().ParamAt(1).ParameterName, std::string("\"Gr\xC3\xB6\xC3\x9F"
                                                               "e\""));

        // A file of the 8-bit code page gets the same text in its bytes.
        CInsertParamDialog plain(Doc(), kFile, f->dialogs, std::nullopt, 2, nullptr);
        Find<QLineEdit>(plain, "ParameterName").setText(QString::fromUtf8("Gr\u00F6\u00DFe"));
        ClickOk(plain);
        QCOMPARE(Model().ParamAt(3).ParameterName, std::string("\"Gr\xF6\xDF"
                                                               "e\""));
    }

    void EtherNetIP_TheTypeNameKeepsTheNumberingOfItsList() {
        f->frame->OpenPaths({f->CopyOf("ethernetip_adapter.eds", "adapter.eds")});
        CEtherNetIPEDS& model = *Doc().Files<CEtherNetIPEDS>()[0];
        model.ParamAt(0)->DataType = 2; // legacy UINT
        const EDSFileRef file{EDSKind::EtherNetIP, 0};
        CInsertParamDialog dialog(Doc(), file, f->dialogs, std::nullopt, 0, nullptr);
        QCOMPARE(Find<QComboBox>(dialog, "DataType").currentText(), QString("UINT"));
        ClickOk(dialog);
        QCOMPARE(model.ParamAt(1)->DataType, uint8_t{2});
    }

private:
    static constexpr EDSFileRef kFile{EDSKind::DeviceNet, 0};
    CEDSDoc& Doc() { return f->frame->Document(); }
    CDeviceNetEDS& Model() { return *Doc().Files<CDeviceNetEDS>()[0]; }

    std::unique_ptr<FrameFixture> f;
};

} // namespace corvid::app::test

int RunInsertParamDialogTest(int argc, char** argv) {
    corvid::app::test::InsertParamDialogTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "InsertParamDialogTest.moc"
