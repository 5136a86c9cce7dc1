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

    // The rules of OK are the core's (tests/canopen ObjectEditingTest): here a
    // refusal and a No keep the dialog open, and the fields reach the object.
    void NewObject_RefusalAndNoStayOpenAndOkStoresTheFields() {
        CObjectDialog dialog(f->frame->Document(), FileId(), nullptr, f->frame.get());
        QCOMPARE(dialog.windowTitle(), QString("New Object"));
        Type(dialog, "Index", "FFF");
        f->dialogs.answers = {MessageAnswer::Ok};
        ClickOk(dialog);
        QCOMPARE(f->dialogs.questions.back().text, std::string("Invalid Index!"));
        QCOMPARE(dialog.result(), 0);

        Type(dialog, "Index", "1018");
        Type(dialog, "ParameterName", "Brake delay");
        Find<QComboBox>(dialog, "DataType").setCurrentText("UNSIGNED16");
        Find<QComboBox>(dialog, "AccessType").setCurrentText("rw");
        Find<QComboBox>(dialog, "ObjectType").setCurrentText("VAR");
        Find<QCheckBox>(dialog, "Mappable").setChecked(true);
        Type(dialog, "DefaultValue", "100");
        dialog.findChild<QButtonGroup*>()->button(kCategoryManufacturer)->click();
        f->dialogs.answers = {MessageAnswer::No};
        ClickOk(dialog);
        QCOMPARE(dialog.result(), 0);
        QCOMPARE(Object(Model(), 0x1018)->ParameterName, std::string("Identity object"));
        f->dialogs.answers = {MessageAnswer::Yes};
        ClickOk(dialog);
        QCOMPARE(dialog.result(), static_cast<int>(QDialog::Accepted));
        QCOMPARE(dialog.Placed(), (ObjectKey{0x1018, std::nullopt}));
        const CANopenObject& added = *Object(Model(), 0x1018);
        QCOMPARE(added.ParameterName, std::string("Brake delay"));
        QCOMPARE(added.DataType, uint16_t{6});
        QCOMPARE(added.ObjectType, uint8_t{7});
        QCOMPARE(added.AccessType, std::string("rw"));
        QCOMPARE(added.DefaultValue, std::string("100"));
        QVERIFY(added.PDOMapping);
        // 0x1018 is mandatory whichever list was chosen.
        QCOMPARE(added.Category, kCategoryMandatory);
    }

    void NewSubIndex_OffersSubIndexes1ToFEWithoutACategory() {
        CObjectDialog dialog(f->frame->Document(), FileId(), nullptr, f->frame.get());
        Type(dialog, "Index", "2000");
        QComboBox& subIndex = Find<QComboBox>(dialog, "SubIndex");
        QCOMPARE(subIndex.count(), 0xFF);
        subIndex.setCurrentIndex(3);
        QVERIFY(!dialog.findChild<QButtonGroup*>()->button(kCategoryMandatory)->isEnabled());
        Type(dialog, "ParameterName", "Entry 3");
        ClickOk(dialog);
        QCOMPARE(dialog.result(), static_cast<int>(QDialog::Accepted));
        QCOMPARE(dialog.Placed(), (ObjectKey{0x2000, uint8_t{3}}));
        QCOMPARE(Object(Model(), 0x2000)->SubObjects->back().ParameterName, std::string("Entry 3"));
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
