// Editing DeviceNet and EtherNet/IP files in the window. A user's session on
// each: parameters added through the Insert parameter dialog, an output
// through the IO_Info Insert dialog, descriptor bits, enumeration strings and
// type masks changed through their popups, then saved; the saved files must
// hold exactly those changes. The popups on their own: they are cell editors,
// a click elsewhere stores what they show, Escape keeps the model as it was,
// and they edit only the bits they show. The Insert dialogs on their own:
// what they open with, and the questions and refusals that keep them open
// with the model unchanged.

#include "AppTestSupport.h"

#include "CellPopups.h"
#include "EDSView.h"
#include "IOInsertDialog.h"
#include "InsertParamDialog.h"

#include "devicenet/CIPParamRules.h"
#include "devicenet/DeviceNetModel.h"
#include "ethernetip/EtherNetIPModel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGroupBox>
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

const std::vector<const char*> kEntryFields = {"Index",    "Size", "Bit",       "NameString",
                                               "PathSize", "Path", "HelpString"};
const std::vector<const char*> kDefaultLists = {"DefaultInput", "DefaultOutput"};

// Which of the named controls the form shows; "" when all of them, else the
// first that does not match `shown`.
std::string Mismatch(QDialog& dialog, const std::vector<const char*>& names, bool shown) {
    for (const char* name : names)
        if (Find<QWidget>(dialog, name).isVisibleTo(&dialog) != shown)
            return name;
    return {};
}

} // namespace

class CIPEditingTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        f = std::make_unique<FrameFixture>();
        f->OpenCopy("ac_drive_devicenet.eds", "ac.eds");
    }
    void cleanup() { f.reset(); }

    void DeviceNet_SavedFileHoldsExactlyTheEdits() {
        f->DoubleClickSection(EDSKind::DeviceNet, 0, "Params");
        f->ClickCell("Param2", 0);
        FillParamDialog({{"ParameterName", "Jog Time"},
                         {"HelpStr", "Time of one jog"},
                         {"Maximum", "600"},
                         {"Back", {}}});
        f->frame->Actions().insert->trigger();
        f->Activate();
        QCOMPARE(f->frame->View().SelectedKey(), std::string("Param3")); // behind Param2

        ToggleBoxes("Param4", kDescriptorColumn, {3}); // the old Param3: Supports Scaling Links
        TypeEnumStrings("Param3", "\"Short\",\n\"Long\";");

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
        f->OpenCopy("ethernetip_adapter.eds", "adapter.eds");
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

    // The group "***new group***" adds is renamed on the Groups page, as
    // in a DeviceNet file, and saved under its new name.
    void EtherNetIP_NewGroupIsRenamedOnTheGroupsPage() {
        f->OpenCopy("ethernetip_adapter.eds", "adapter.eds");
        f->DoubleClickSection(EDSKind::EtherNetIP, 0, "Params");
        f->ClickCell("Param2", 0);
        FillParamDialog({{"ParameterName", "Ramp"}, {"Group", "***new group***"}});
        f->frame->Actions().insert->trigger();
        f->Activate();

        f->DoubleClickSection(EDSKind::EtherNetIP, 0, "Groups");
        QCOMPARE(f->Cell("Group3", 2).data().toString(), QString("\"***New Group***\""));
        auto* editor = qobject_cast<QLineEdit*>(f->DoubleClickCell("Group3", 2));
        QVERIFY(editor != nullptr);
        editor->setText("Ramps");
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_VERIFY(f->frame->View().OpenEditor() == nullptr);
        QCOMPARE(f->Cell("Group3", 2).data().toString(), QString("\"Ramps\""));
        const std::string saved = f->SaveShownFile();
        QVERIFY(saved.find("\"Ramps\"") != std::string::npos);
        QVERIFY(saved.find("***New Group***") == std::string::npos);
    }

    void Descriptor_BoxesShowAndSetBitsZeroToSix() {
        f->DoubleClickSection(EDSKind::DeviceNet, 0, "Params");
        Model().ParamAt(3).Descriptor = 0xB4; // bit 7 is no box of the popup
        f->frame->View().Refresh();
        QWidget* popup = f->DoubleClickCell("Param4", kDescriptorColumn);
        QVERIFY(qobject_cast<CBitsPopup*>(popup) != nullptr);
        const QList<QCheckBox*> boxes = Boxes(popup);
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
        QVERIFY(boxes[0]->isChecked() && !boxes[1]->isChecked());
        QTest::mouseClick(boxes[3], Qt::LeftButton);
        QTest::keyClick(popup, Qt::Key_Return);
        QTRY_VERIFY(f->frame->View().OpenEditor() == nullptr);
        QCOMPARE(Model().IOInfoSection.Default, uint16_t{0x0109});

        // The mask of an open entry is its first field row.
        f->ClickBox("PollInfo");
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

    // Enter starting a new line, and what the lines store, are in the
    // sessions' saved files.
    void EnumStrings_PopupShowsOneStringALineAndKeepsItsKeys() {
        f->DoubleClickSection(EDSKind::DeviceNet, 0, "Params");
        auto* popup = qobject_cast<QPlainTextEdit*>(f->DoubleClickCell("Param1", kEnumColumn));
        QVERIFY(popup != nullptr);
        QCOMPARE(popup->toPlainText(), QString("\"Keypad\",\n\"Terminals\",\n\"Network\";"));
        // Editing keys edit the text; they never reach the commands.
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

    void IO_Layout_FollowsTheChosenKind() {
        CIOInsertDialog dialog(f->frame->Document(), FileId(), "", f->frame.get());
        dialog.show();
        QComboBox& select = Find<QComboBox>(dialog, "Select");
        QCOMPARE(select.currentIndex(), -1);
        const auto connectionLayout = [&] {
            return Mismatch(dialog, kEntryFields, false) + Mismatch(dialog, kDefaultLists, true);
        };
        QCOMPARE(connectionLayout(), std::string());
        QVERIFY(dialog.findChild<QGroupBox*>()->isVisible());

        select.setCurrentIndex(static_cast<int>(IOInsertKind::Input));
        QCOMPARE(Mismatch(dialog, kEntryFields, true) + Mismatch(dialog, kDefaultLists, false),
                 std::string());
        QVERIFY(dialog.findChild<QGroupBox*>()->isVisible());
        const int entryHeight = dialog.height();

        select.setCurrentIndex(static_cast<int>(IOInsertKind::PollInfo));
        QCOMPARE(connectionLayout(), std::string());
        QVERIFY(dialog.height() < entryHeight);
    }

    void IO_Opening_FillsTheFormFromTheSelectedEntry() {
        CIOInsertDialog poll(f->frame->Document(), FileId(), "PollInfo", f->frame.get());
        QCOMPARE(Find<QComboBox>(poll, "Select").currentText(), QString("PollInfo"));
        QVERIFY(Find<QCheckBox>(poll, "Poll").isChecked() &&
                !Find<QCheckBox>(poll, "Strobe").isChecked());
        QComboBox& defaultInput = Find<QComboBox>(poll, "DefaultInput");
        QCOMPARE(Items(defaultInput), (QStringList{"1", "2"}));
        QCOMPARE(defaultInput.currentText(), QString("1"));

        CIOInsertDialog input(f->frame->Document(), FileId(), "Input1", f->frame.get());
        QCOMPARE(Find<QComboBox>(input, "Select").currentText(), QString("Input"));
        QCOMPARE(Text(input, "Index"), QString("1"));
        QCOMPARE(Text(input, "NameString"), QString("\"Status and speed\""));

        // A number with no entry yet: the kind and the number, empty fields.
        CIOInsertDialog missing(f->frame->Document(), FileId(), "Output7", f->frame.get());
        QCOMPARE(Text(missing, "Index"), QString("7"));
        QCOMPARE(Text(missing, "NameString"), QString());
        QCOMPARE(Find<QComboBox>(missing, "DefaultInput").currentIndex(), -1);

        CIOInsertDialog other(f->frame->Document(), FileId(), "Default", f->frame.get());
        QCOMPARE(Find<QComboBox>(other, "Select").currentIndex(), -1);

        // A default holds 16 bits: a larger number is not offered, so it is
        // never stored cut to another entry's number.
        Model().IOInfoSection.Inputs.push_back(IOEntry{70001, 1, 0, 0, {}, 0, {}, {}});
        CIOInsertDialog large(f->frame->Document(), FileId(), "CyclicInfo", f->frame.get());
        QCOMPARE(Items(Find<QComboBox>(large, "DefaultInput")), (QStringList{"1", "2"}));
    }

    // What the form cannot offer as it stands is kept, not lost on OK: a
    // name longer than the field lets the user type, a default naming an
    // entry that is gone.
    void IO_ReplacingKeepsWhatTheFormCouldNotOffer() {
        const std::string longName = "\"Status word, speed and torque of the drive\"";
        Model().IOInfoSection.Inputs[0].Name = longName;
        Model().IOInfoSection.PollInfo.DefaultInput = 7;
        for (const char* key : {"Input1", "PollInfo"}) {
            CIOInsertDialog dialog(f->frame->Document(), FileId(), key, f->frame.get());
            f->dialogs.answers = {MessageAnswer::Yes};
            ClickOk(dialog);
            QCOMPARE(dialog.result(), static_cast<int>(QDialog::Accepted));
        }
        QCOMPARE(Model().IOInfoSection.Inputs[0].Name, longName);
        QCOMPARE(Model().IOInfoSection.PollInfo.DefaultInput, uint16_t{7});
    }

    void IO_Ok_RefusesNumbersThatDoNotFitAndStaysOpen() {
        const std::vector<IOEntry> inputs = Model().IOInfoSection.Inputs;
        CIOInsertDialog dialog(f->frame->Document(), FileId(), "", f->frame.get());
        Find<QComboBox>(dialog, "Select").setCurrentIndex(static_cast<int>(IOInsertKind::Input));
        // The ranges are the core's (tests/shell IOInfoEditingTest); a number
        // too large for any integer is refused too, never cut.
        Type(dialog, "Index", "3");
        Type(dialog, "Size", "123456789012345678901234567890");
        f->dialogs.answers = {MessageAnswer::Ok};
        ClickOk(dialog);
        QCOMPARE(dialog.result(), 0);
        Type(dialog, "Size", "-4");
        QCOMPARE(Text(dialog, "Size"), QString("4"));
        QCOMPARE(Model().IOInfoSection.Inputs.size(), inputs.size());
        QVERIFY(!dialog.Stored());
    }

    void IO_NothingChosenOrCancel_ChangeNothing() {
        const size_t inputs = Model().IOInfoSection.Inputs.size();
        CIOInsertDialog none(f->frame->Document(), FileId(), "", f->frame.get());
        ClickOk(none);
        QCOMPARE(none.result(), static_cast<int>(QDialog::Accepted));
        QVERIFY(!none.Stored());

        CIOInsertDialog cancelled(f->frame->Document(), FileId(), "", f->frame.get());
        cancelled.show();
        Find<QComboBox>(cancelled, "Select").setCurrentIndex(static_cast<int>(IOInsertKind::Input));
        Type(cancelled, "Index", "9");
        QTest::keyClick(&cancelled, Qt::Key_Escape);
        QCOMPARE(cancelled.result(), static_cast<int>(QDialog::Rejected));
        QVERIFY(f->dialogs.questions.empty());
        QCOMPARE(Model().IOInfoSection.Inputs.size(), inputs);
        QVERIFY(!f->frame->windowTitle().contains('*'));
    }

    void Param_Open_FromTheSelectedRow() {
        CInsertParamDialog dialog(Doc(), kFile, f->dialogs, std::nullopt, 1, nullptr);
        // The rest of what it takes from Param2 is in the DeviceNet session's
        // saved file.
        QCOMPARE(Find<QComboBox>(dialog, "Parameter").currentText(), QString("Param2"));
        QVERIFY(Find<QRadioButton>(dialog, "Back").isChecked());
        const QList<QCheckBox*> descriptor = dialog.findChildren<QCheckBox*>();
        QVERIFY(descriptor[2]->isChecked() && !descriptor[1]->isChecked()); // 0x04: Scaling
        QCOMPARE(Find<QComboBox>(dialog, "Group").currentIndex(), 1);       // Param2 is in "Setup"

        CInsertParamDialog fifth(Doc(), kFile, f->dialogs, std::nullopt, 4, nullptr);
        QCOMPARE(Find<QPlainTextEdit>(fifth, "Enum").toPlainText(),
                 QString("\"Stopped\",\n\"Running\",\n\"Fault\",\n\"Auto tuning\";"));
        QCOMPARE(Text(fifth, "Precision"), QString()); // 0 shows empty
    }

    void Param_Open_TheCopyBufferComesFirstAndSelectsTheLastParameter() {
        CEDSParam copied = Model().ParamAt(3);
        copied.ParameterName = "\"Copied\"";
        CInsertParamDialog dialog(Doc(), kFile, f->dialogs, copied, std::nullopt, nullptr);
        QCOMPARE(Text(dialog, "ParameterName"), QString("\"Copied\""));
        QCOMPARE(Find<QComboBox>(dialog, "Parameter").currentText(), QString("Param5"));
        QCOMPARE(Find<QComboBox>(dialog, "Group").currentIndex(), 2);
    }

    // What else an Ok without a source stores is in the EtherNet/IP session's
    // saved file.
    void Param_Ok_WithoutSourceTakesTheSizeOfTheChosenType() {
        CInsertParamDialog dialog(Doc(), kFile, f->dialogs, std::nullopt, std::nullopt, nullptr);
        QCOMPARE(Find<QComboBox>(dialog, "DataSize").currentIndex(), -1);
        // With no parameter to take a type from, a real type is chosen.
        QVERIFY(!Find<QComboBox>(dialog, "DataType").currentText().isEmpty());
        ClickOk(dialog);
        QCOMPARE(Model().Params.size(), size_t{6});
        QCOMPARE(Model().ParamAt(5).DataSize, CIPFixedDataSize(Model().ParamAt(5).DataType));
    }

    // The question a replace asks, and its No, are the core's
    // (tests/shell ParamEditingTest): here each place reaches it.
    void Param_Ok_FrontBackAndReplaceOfTheChosenParameterAndTheDialogStaysOpen() {
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
        QCOMPARE(Find<QComboBox>(dialog, "Parameter").count(), 7); // follows the file

        Type(dialog, "ParameterName", "Ramp");
        Find<QRadioButton>(dialog, "Replace").click();
        f->dialogs.answers = {MessageAnswer::Yes};
        ClickOk(dialog); // Param3 is still chosen: the first new one
        QCOMPARE(Model().ParamAt(2).ParameterName, std::string("\"Ramp\""));
        QCOMPARE(Model().Params.size(), size_t{7});
    }

    void Param_Ok_NewGroupAddsOneGroupAndTheListShowsIt() {
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

    void Param_Ok_ARefusedFieldAddsNothingAndKeepsTheForm() {
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

    void Param_Ok_TypedTextKeepsTheEncodingOfTheSourceParameter() {
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

    void Param_EtherNetIP_TheTypeNameKeepsTheNumberingOfItsList() {
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
    EDSFileId FileId() { return *f->frame->Document().IdAt({EDSKind::DeviceNet, 0}); }

    CDeviceNetEDS& Model() { return *f->frame->Document().Files<CDeviceNetEDS>()[0]; }
    bool Modified() { return (Model().Header.Flags & FLAG_MODIFIED) != 0; }
    static QList<QCheckBox*> Boxes(QWidget* popup) { return popup->findChildren<QCheckBox*>(); }

    void ToggleBoxes(const std::string& key, int column, std::vector<int> bits) {
        QWidget* popup = f->DoubleClickCell(key, column);
        QVERIFY(qobject_cast<CBitsPopup*>(popup) != nullptr);
        const QList<QCheckBox*> boxes = Boxes(popup);
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

int RunCIPEditingTest(int argc, char** argv) {
    corvid::app::test::CIPEditingTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "CIPEditingTest.moc"
