// The object dialog on its own: what new and paste mode build, the refusals
// and questions of OK (the dialog stays open and the model unchanged), and
// paste mode writing into the clipboard record but never its index.

#include "AppTestSupport.h"

#include "ObjectDialog.h"

#include "canopen/CANopenModel.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <memory>

namespace corvid::app::test {

namespace {

const CANopenObject* Object(const CCANopenEDS& model, uint16_t index) {
    const FindResult at = FindObject(model.Objects, index);
    return at.relation == FindRelation::Found ? &model.Objects[*at.position] : nullptr;
}

} // namespace

class ObjectDialogTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        f = std::make_unique<FrameFixture>();
        f->frame->OpenPaths({f->Sample("servo_drive.eds")});
    }
    void cleanup() { f.reset(); }

    void NewObject_RefusesAnIndexBelow1000AndStaysOpen() {
        CObjectDialog dialog(f->frame->Document(), FileId(), nullptr, f->frame.get());
        QCOMPARE(dialog.windowTitle(), QString("New Object"));
        const size_t objects = Model().Objects.size();
        for (const char* index : {"FFF", "0x1000", "", "10000"}) {
            Type(dialog, "Index", index);
            f->dialogs.answers = {MessageAnswer::Ok};
            ClickOk(dialog);
            QCOMPARE(f->dialogs.questions.back().text, std::string("Invalid Index!"));
            QCOMPARE(f->dialogs.questions.back().icon, MessageIcon::Error);
            QVERIFY(!dialog.Placed());
            QCOMPARE(dialog.result(), 0);
        }
        QCOMPARE(Model().Objects.size(), objects);
    }

    void NewObject_InsertsInOrderAndAsksBeforeReplacing() {
        {
            CObjectDialog dialog(f->frame->Document(), FileId(), nullptr, f->frame.get());
            Type(dialog, "Index", "2050");
            Type(dialog, "ParameterName", "Brake delay");
            Find<QComboBox>(dialog, "DataType").setCurrentText("UNSIGNED16");
            Find<QComboBox>(dialog, "AccessType").setCurrentText("rw");
            Find<QComboBox>(dialog, "ObjectType").setCurrentText("VAR");
            Find<QCheckBox>(dialog, "Mappable").setChecked(true);
            Type(dialog, "DefaultValue", "100");
            dialog.findChild<QButtonGroup*>()->button(kCategoryManufacturer)->click();
            ClickOk(dialog);
            QCOMPARE(dialog.result(), static_cast<int>(QDialog::Accepted));
            QCOMPARE(dialog.Placed(), (ObjectKey{0x2050, std::nullopt}));
        }
        const CANopenObject* added = Object(Model(), 0x2050);
        QVERIFY(added != nullptr);
        QCOMPARE(added->ParameterName, std::string("Brake delay"));
        QCOMPARE(added->DataType, uint16_t{6});
        QCOMPARE(added->ObjectType, uint8_t{7});
        QCOMPARE(added->AccessType, std::string("rw"));
        QVERIFY(added->PDOMapping);
        QCOMPARE(added->Category, kCategoryManufacturer);
        QVERIFY(Object(Model(), 0x2001) < added && added < Object(Model(), 0x2100));

        CObjectDialog again(f->frame->Document(), FileId(), nullptr, f->frame.get());
        Type(again, "Index", "2050");
        f->dialogs.answers = {MessageAnswer::No};
        ClickOk(again);
        QCOMPARE(f->dialogs.questions.back().text,
                 std::string("Index [2050] has already existed! Do you want to replace it?"));
        QCOMPARE(again.result(), 0);
        QCOMPARE(Object(Model(), 0x2050)->ParameterName, std::string("Brake delay"));
        f->dialogs.answers = {MessageAnswer::Yes};
        ClickOk(again);
        QCOMPARE(again.result(), static_cast<int>(QDialog::Accepted));
        QCOMPARE(Object(Model(), 0x2050)->ParameterName, std::string());
    }

    void NewSubIndex_NeedsItsObjectAndKeepsSubIndexZeroAtTheHighest() {
        const auto addSub = [this](const char* index, int sub) {
            CObjectDialog dialog(f->frame->Document(), FileId(), nullptr, f->frame.get());
            Type(dialog, "Index", index);
            QComboBox& subIndex = Find<QComboBox>(dialog, "SubIndex");
            subIndex.setCurrentIndex(sub);
            // The list offers sub-indexes 1 to FE; a sub-index has no
            // category of its own.
            const bool offered =
                subIndex.count() == 0xFF &&
                !dialog.findChild<QButtonGroup*>()->button(kCategoryMandatory)->isEnabled();
            Type(dialog, "ParameterName", QString("Entry %1").arg(sub));
            ClickOk(dialog);
            return offered && dialog.result() == QDialog::Accepted;
        };
        f->dialogs.answers = {MessageAnswer::Ok};
        QVERIFY(!addSub("2300", 1));
        QCOMPARE(f->dialogs.questions.back().text,
                 std::string("Object [2300] does not exist, you can not add subindex!"));

        QVERIFY(addSub("2000", 1));
        const CANopenObject& object = *Object(Model(), 0x2000);
        QCOMPARE(object.SubNumber, uint8_t{2});
        QCOMPARE((*object.SubObjects)[0].ParameterName, std::string("Number of entries"));
        QCOMPARE((*object.SubObjects)[0].DefaultValue, std::string("0x1"));
        QVERIFY(addSub("2000", 3));
        QVERIFY(addSub("2000", 2));
        QCOMPARE(object.SubNumber, uint8_t{4});
        QCOMPARE((*object.SubObjects)[0].DefaultValue, std::string("0x3"));
        QCOMPARE((*object.SubObjects)[2].ParameterName, std::string("Entry 2"));

        f->dialogs.answers = {MessageAnswer::No};
        QVERIFY(!addSub("2000", 2));
        QCOMPARE(
            f->dialogs.questions.back().text,
            std::string("Subindex [2000sub2] has already existed! Do you want to replace it?"));
    }

    void PasteObject_EditsTheClipboardButNotItsIndex() {
        CANopenObject clipboard = *Object(Model(), 0x1018);
        {
            CObjectDialog dialog(f->frame->Document(), FileId(), &clipboard, f->frame.get());
            QCOMPARE(dialog.windowTitle(), QString("Paste Object"));
            QCOMPARE(Find<QLineEdit>(dialog, "Index").text(), QString("1018"));
            QComboBox& subIndex = Find<QComboBox>(dialog, "SubIndex");
            QCOMPARE(subIndex.count(), 5); // the object, then sub-indexes 0 to 3
            Type(dialog, "ParameterName", "Copied identity");
            subIndex.setCurrentIndex(2);
            QCOMPARE(Find<QLineEdit>(dialog, "ParameterName").text(),
                     QString::fromStdString((*clipboard.SubObjects)[1].ParameterName));
            Type(dialog, "ParameterName", "Copied code");
            Type(dialog, "Index", "2400");
            ClickOk(dialog);
            QCOMPARE(dialog.result(), static_cast<int>(QDialog::Accepted));
        }
        QCOMPARE(clipboard.Index, uint16_t{0x1018});
        QCOMPARE(clipboard.ParameterName, std::string("Copied identity"));
        QCOMPARE((*clipboard.SubObjects)[1].ParameterName, std::string("Copied code"));
        const CANopenObject* pasted = Object(Model(), 0x2400);
        QVERIFY(pasted != nullptr);
        QCOMPARE(pasted->ParameterName, std::string("Copied identity"));
        QCOMPARE(pasted->SubObjects->size(), clipboard.SubObjects->size());
        for (const CANopenObject& sub : *pasted->SubObjects)
            QCOMPARE(sub.Index, uint16_t{0x2400});
        QCOMPARE(Object(Model(), 0x1018)->ParameterName, std::string("Identity object"));

        // Cancel keeps what was changed on the clipboard.
        CObjectDialog cancelled(f->frame->Document(), FileId(), &clipboard, f->frame.get());
        Type(cancelled, "ParameterName", "Kept on the clipboard");
        cancelled.reject();
        QCOMPARE(clipboard.ParameterName, std::string("Kept on the clipboard"));
    }

private:
    EDSFileId FileId() { return *f->frame->Document().IdAt({EDSKind::CANopen, 0}); }
    CCANopenEDS& Model() { return *f->frame->Document().Files<CCANopenEDS>()[0]; }

    std::unique_ptr<FrameFixture> f;
};

} // namespace corvid::app::test

int RunObjectDialogTest(int argc, char** argv) {
    corvid::app::test::ObjectDialogTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ObjectDialogTest.moc"
