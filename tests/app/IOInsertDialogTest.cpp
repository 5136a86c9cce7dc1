// The Insert dialog of the DeviceNet IO_Info page: the form of each kind,
// what it opens with, and what OK stores or refuses (a refusal or a No keeps
// the dialog open and the model unchanged). The whole Insert from the window
// is part of the DeviceNet session in CIPEditSessionTest.

#include "AppTestSupport.h"

#include "IOInsertDialog.h"

#include "devicenet/DeviceNetModel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QTest>

#include <memory>

namespace corvid::app::test {

namespace {

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

QStringList Items(QComboBox& list) {
    QStringList items;
    for (int item = 0; item < list.count(); ++item)
        items << list.itemText(item);
    return items;
}

} // namespace

class IOInsertDialogTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        f = std::make_unique<FrameFixture>();
        f->frame->OpenPaths({f->CopyOf("ac_drive_devicenet.eds", "ac.eds")});
    }
    void cleanup() { f.reset(); }

    void Layout_FollowsTheChosenKind() {
        CIOInsertDialog dialog(f->frame->Document(), FileId(), "", f->frame.get());
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QString("Insert"));
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

    void Opening_FillsTheFormFromTheSelectedEntry() {
        CIOInsertDialog poll(f->frame->Document(), FileId(), "PollInfo", f->frame.get());
        QCOMPARE(Find<QComboBox>(poll, "Select").currentText(), QString("PollInfo"));
        QCOMPARE(MaskShown(poll), 0x5);
        QComboBox& defaultInput = Find<QComboBox>(poll, "DefaultInput");
        QCOMPARE(Items(defaultInput), (QStringList{"1", "2"}));
        QCOMPARE(defaultInput.currentText(), QString("1"));
        QCOMPARE(Items(Find<QComboBox>(poll, "DefaultOutput")), QStringList{"1"});
        QCOMPARE(Find<QComboBox>(poll, "DefaultOutput").currentText(), QString("1"));

        CIOInsertDialog input(f->frame->Document(), FileId(), "Input1", f->frame.get());
        QCOMPARE(Find<QComboBox>(input, "Select").currentText(), QString("Input"));
        QCOMPARE(Text(input, "Index"), QString("1"));
        QCOMPARE(Text(input, "Size"), QString("4"));
        QCOMPARE(Text(input, "Bit"), QString("0"));
        QCOMPARE(MaskShown(input), 0x5);
        QCOMPARE(Text(input, "NameString"), QString("\"Status and speed\""));
        QCOMPARE(Text(input, "PathSize"), QString("6"));
        QCOMPARE(Text(input, "Path"), QString("\"20 04 24 46 30 03\""));
        QCOMPARE(Text(input, "HelpString"), QString("\"Drive status word and actual speed\""));

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
    void ReplacingKeepsWhatTheFormCouldNotOffer() {
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

    void Ok_AddsANewOutputWithQuotedTexts() {
        CIOInsertDialog dialog(f->frame->Document(), FileId(), "", f->frame.get());
        Find<QComboBox>(dialog, "Select").setCurrentIndex(static_cast<int>(IOInsertKind::Output));
        Type(dialog, "Index", "3");
        Type(dialog, "Size", "2");
        Type(dialog, "Bit", "12");
        Find<QCheckBox>(dialog, "Cyclic").setChecked(true);
        Type(dialog, "NameString", "Speed reference");
        Type(dialog, "PathSize", "6");
        Type(dialog, "Path", "20 04 24 16 30 03");
        ClickOk(dialog);
        QCOMPARE(dialog.result(), static_cast<int>(QDialog::Accepted));
        QVERIFY(f->dialogs.questions.empty());
        QCOMPARE(dialog.StoredKey(), std::string("Output3"));

        const std::vector<IOEntry>& outputs = Model().IOInfoSection.Outputs;
        QCOMPARE(outputs.size(), size_t{2});
        const IOEntry& added = outputs[1];
        QCOMPARE(added.Number, uint32_t{3});
        QCOMPARE(added.Size, uint16_t{2});
        QCOMPARE(added.SigBits, uint16_t{12});
        QCOMPARE(added.TypeMask, uint16_t{8});
        QCOMPARE(added.Name, std::string("\"Speed reference\""));
        QCOMPARE(added.PathSize, uint16_t{6});
        QCOMPARE(added.Path, std::string("\"20 04 24 16 30 03\""));
        QCOMPARE(added.Help, std::string("\"\""));
    }

    void Ok_RefusesNumbersThatDoNotFitAndStaysOpen() {
        const std::vector<IOEntry> inputs = Model().IOInfoSection.Inputs;
        CIOInsertDialog dialog(f->frame->Document(), FileId(), "", f->frame.get());
        Find<QComboBox>(dialog, "Select").setCurrentIndex(static_cast<int>(IOInsertKind::Input));
        // The ranges are the core's (tests/shell IOInfoEditingTest); a number
        // too large for any integer is refused too, never cut.
        Type(dialog, "Index", "3");
        Type(dialog, "Size", "123456789012345678901234567890");
        f->dialogs.answers = {MessageAnswer::Ok};
        ClickOk(dialog);
        QCOMPARE(f->dialogs.questions.back().text,
                 std::string("Size, Bit and Path Size are from 0 to 65535."));
        QCOMPARE(dialog.result(), 0);
        Type(dialog, "Size", "-4");
        QCOMPARE(Text(dialog, "Size"), QString("4"));
        QCOMPARE(Model().IOInfoSection.Inputs.size(), inputs.size());
        QVERIFY(!dialog.Stored());
    }

    void Ok_ReplacesOnlyWhenTheUserSaysYes() {
        CIOInsertDialog dialog(f->frame->Document(), FileId(), "Input2", f->frame.get());
        Type(dialog, "NameString", "Status word");
        f->dialogs.answers = {MessageAnswer::No};
        ClickOk(dialog);
        QCOMPARE(f->dialogs.questions.back().text,
                 std::string("Input2 has already existed! Do you want to replace it?"));
        QCOMPARE(dialog.result(), 0);
        QCOMPARE(Model().IOInfoSection.Inputs[1].Name, std::string("\"Status only\""));

        f->dialogs.answers = {MessageAnswer::Yes};
        ClickOk(dialog);
        QCOMPARE(dialog.result(), static_cast<int>(QDialog::Accepted));
        QCOMPARE(Model().IOInfoSection.Inputs[1].Name, std::string("\"Status word\""));

        CIOInsertDialog cos(f->frame->Document(), FileId(), "COSInfo", f->frame.get());
        Find<QCheckBox>(cos, "Strobe").setChecked(true);
        f->dialogs.answers = {MessageAnswer::No};
        ClickOk(cos);
        QCOMPARE(f->dialogs.questions.back().text,
                 std::string("COSInfo has already existed! Do you want to replace it?"));
        QCOMPARE(cos.result(), 0);
        QCOMPARE(Model().IOInfoSection.COSInfo.TypeMask, uint16_t{5});
    }

    void NothingChosenOrCancel_ChangeNothing() {
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

private:
    EDSFileId FileId() { return *f->frame->Document().IdAt({EDSKind::DeviceNet, 0}); }
    CDeviceNetEDS& Model() { return *f->frame->Document().Files<CDeviceNetEDS>()[0]; }

    static int MaskShown(QDialog& dialog) {
        int mask = 0;
        int bit = 1;
        for (const char* name : {"Poll", "Strobe", "ChangeOfState", "Cyclic"}) {
            if (Find<QCheckBox>(dialog, name).isChecked())
                mask |= bit;
            bit <<= 1;
        }
        return mask;
    }

    std::unique_ptr<FrameFixture> f;
};

} // namespace corvid::app::test

int RunIOInsertDialogTest(int argc, char** argv) {
    corvid::app::test::IOInsertDialogTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "IOInsertDialogTest.moc"
