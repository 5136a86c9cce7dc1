// What a Linux desktop user sees beyond the editing: the settings store and
// its move from the old place, column headers in both Chinese scripts,
// dialogs that show their fields uncut in both languages, and the New EDS
// File dialog that reopens where it was left.

#include "AboutDialog.h"
#include "AppTestSupport.h"
#include "ColumnHeaders.h"
#include "IOInsertDialog.h"
#include "NewFileDialog.h"
#include "ObjectDialog.h"
#include "ProgramHome.h"
#include "QtDialogs.h"
#include "UserSettings.h"

#include "shell/PageRows.h"
#include "shell/ProjectTree.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include <memory>
#include <set>

namespace corvid::app::test {

namespace {

using corvid::test::ProgramHome;

const QString kRuntimeFolder = QStringLiteral(CORVID_RUNTIME_DIR);

// Each visible label, button, box title and text field of `dialog` at its
// smallest size that is narrower than its text needs.
QStringList CutControls(QWidget& dialog) {
    dialog.show();
    dialog.resize(dialog.minimumSizeHint());
    QCoreApplication::processEvents();
    QStringList cut;
    for (QWidget* widget : dialog.findChildren<QWidget*>()) {
        if (!widget->isVisible())
            continue;
        const bool text = qobject_cast<QLabel*>(widget) != nullptr ||
                          qobject_cast<QAbstractButton*>(widget) != nullptr ||
                          qobject_cast<QGroupBox*>(widget) != nullptr;
        // A field narrower than it asks for shows only a part of its text.
        const bool field = qobject_cast<QLineEdit*>(widget) != nullptr;
        const int needed = field  ? widget->sizeHint().width()
                           : text ? widget->minimumSizeHint().width()
                                  : 0;
        if (widget->width() < needed)
            cut << QStringLiteral("%1 %2 (%3 < %4)")
                       .arg(QString::fromLatin1(widget->metaObject()->className()),
                            widget->objectName())
                       .arg(widget->width())
                       .arg(needed);
    }
    return cut;
}

} // namespace

class DesktopFitTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FrameFixture> f;
    std::unique_ptr<QTranslator> translator;

    void Install(const QString& locale) {
        translator = std::make_unique<QTranslator>();
        QVERIFY(translator->load(kRuntimeFolder + QStringLiteral("/corvid_") + locale +
                                 QStringLiteral(".qm")));
        QCoreApplication::installTranslator(translator.get());
    }

    // The headers of every page of the three samples.
    std::set<std::string> SampleHeaders() {
        f->frame->OpenPaths({f->Sample("servo_drive.eds"), f->Sample("ac_drive_devicenet.eds"),
                             f->Sample("ethernetip_adapter.eds")});
        std::set<std::string> headers;
        const CEDSDoc& doc = f->frame->Document();
        for (EDSKind kind : {EDSKind::CANopen, EDSKind::DeviceNet, EDSKind::EtherNetIP}) {
            for (size_t position = 0; position < doc.FileCount(kind); ++position) {
                const EDSFileRef file{kind, position};
                std::vector<std::string> sections = BuildProjectTreeFile(doc, file).Sections;
                sections.emplace_back(kFileSummarySection);
                for (const std::string& section : sections)
                    for (const PageColumn& column : BuildPage(doc, file, section).Columns)
                        headers.insert(column.Header);
            }
        }
        return headers;
    }

private slots:
    void init() { f = std::make_unique<FrameFixture>(); }
    void cleanup() {
        f.reset();
        translator.reset();
        QSettings().clear();
    }

    void UserSettings_TheOldStoreIsReadOnceThenLeftAlone() {
        QTemporaryDir folder;
        const QString oldFile = folder.filePath(QStringLiteral("old/Corvid.conf"));
        {
            QSettings old(oldFile, QSettings::IniFormat);
            old.setValue(QStringLiteral("LanguageId"), 2052);
            old.setValue(QStringLiteral("RecentFiles"), QStringList({"/a.eds", "/b.eds"}));
        }
        QSettings store(folder.filePath(QStringLiteral("corvid/corvid.conf")),
                        QSettings::IniFormat);
        QVERIFY(ImportOldUserSettings(oldFile, store));
        QCOMPARE(store.value(QStringLiteral("LanguageId")).toInt(), 2052);
        QCOMPARE(store.value(QStringLiteral("RecentFiles")).toStringList(),
                 QStringList({"/a.eds", "/b.eds"}));
        // The user's later choices win over the old store.
        store.setValue(QStringLiteral("LanguageId"), 1033);
        QVERIFY(!ImportOldUserSettings(oldFile, store));
        QCOMPARE(store.value(QStringLiteral("LanguageId")).toInt(), 1033);
        QVERIFY(!ImportOldUserSettings(folder.filePath(QStringLiteral("none.conf")), store));
    }

    // A describing header without its translation would show in English
    // amid Chinese; a keyword header must show as files write it.
    void ColumnHeaders_DescribingTranslatedKeywordsAsWritten_data() {
        QTest::addColumn<QString>("locale");
        QTest::newRow("simplified") << "zh_CN";
        QTest::newRow("traditional") << "zh_TW";
    }
    void ColumnHeaders_DescribingTranslatedKeywordsAsWritten() {
        QFETCH(QString, locale);
        Install(locale);
        for (const std::string& header : SampleHeaders()) {
            const std::string text = header.substr(header.find_first_not_of(" \t"));
            const QString shown = ShownColumnHeader(header);
            if (IsDescribingHeader(text)) {
                QVERIFY2(shown.trimmed() != QString::fromStdString(text), header.c_str());
                QVERIFY(shown.startsWith(QString::fromStdString(
                    header.substr(0, header.size() - text.size())))); // the indent is kept
            } else {
                // Not in the list: a keyword, which has no blank.
                QVERIFY2(text.find(' ') == std::string::npos, header.c_str());
                QCOMPARE(shown, QString::fromStdString(header));
            }
        }
        QCOMPARE(ShownColumnHeader("ParameterName"), QString("ParameterName"));
        QCOMPARE(ShownColumnHeader("Descriptor"), QString("Descriptor"));
    }

    void Dialogs_ShowTheirFieldsUncut_data() {
        QTest::addColumn<QString>("locale");
        QTest::newRow("English") << "";
        QTest::newRow("simplified") << "zh_CN";
        QTest::newRow("traditional") << "zh_TW";
    }
    void Dialogs_ShowTheirFieldsUncut() {
        QFETCH(QString, locale);
        if (!locale.isEmpty())
            Install(locale);
        CEDSDoc& doc = f->frame->Document();
        CIOInsertDialog io(doc, doc.AddFile(std::make_unique<CDeviceNetEDS>()), "", f->frame.get());
        io.findChild<QComboBox*>(QStringLiteral("Select"))->setCurrentIndex(0); // an Input
        QCOMPARE(CutControls(io), QStringList());
        CObjectDialog object(doc, doc.AddFile(std::make_unique<CCANopenEDS>()), nullptr,
                             f->frame.get());
        QCOMPARE(CutControls(object), QStringList());
        CAboutDialog about(f->frame.get());
        QCOMPARE(CutControls(about), QStringList());
        ProgramHome home;
        CNewFileDialog newFile(f->frame->Document(), f->dialogs, f->frame.get());
        QCOMPARE(CutControls(newFile), QStringList());
    }

    void FileDialogs_OpenWideEnoughForLongNamesAndDates() {
        QFileDialog dialog;
        SizeForLongNames(dialog);
        const QFontMetrics metrics = dialog.fontMetrics();
        const int name = metrics.averageCharWidth() * 60;
        const int date = metrics.horizontalAdvance(QStringLiteral("2026-12-07 12:08:24"));
        QVERIFY(dialog.width() > name + date + metrics.horizontalAdvance("1024 KiB EDS File"));
        QVERIFY(dialog.height() > metrics.lineSpacing() * 20);
    }

    void NewFileDialog_ReopensOnTheLastChoiceWithItsMenuOpenWhileTicking() {
        ProgramHome home;
        {
            CNewFileDialog dialog(f->frame->Document(), f->dialogs, f->frame.get());
            dialog.show();
            const CNewFileWidgets& w = dialog.Widgets();
            w.devicenet->click();
            w.module->setCurrentIndex(w.module->findText("Wrenfold-2(WRF-N1)"));
            w.address->setText(QStringLiteral("7"));
            // A tick leaves the options menu open for the next one.
            w.optionsMenu->popup(QPoint(0, 0));
            QVERIFY(QTest::qWaitForWindowExposed(w.optionsMenu));
            w.optionsMenu->setActiveAction(w.testPorts);
            QTest::keyClick(w.optionsMenu, Qt::Key_Return);
            QVERIFY(w.testPorts->isChecked());
            w.optionsMenu->setActiveAction(w.testAddress);
            QTest::mouseClick(w.optionsMenu, Qt::LeftButton, {},
                              w.optionsMenu->actionGeometry(w.testAddress).center());
            QVERIFY(w.testAddress->isChecked());
            QVERIFY(w.optionsMenu->isVisible());
            w.optionsMenu->close();
            dialog.reject();
        }
        CNewFileDialog again(f->frame->Document(), f->dialogs, f->frame.get());
        const CNewFileWidgets& w = again.Widgets();
        QVERIFY(w.devicenet->isChecked());
        QCOMPARE(w.module->currentText(), QString("Wrenfold-2(WRF-N1)"));
        QCOMPARE(w.device->currentText(), QString("VFD-E"));
        QCOMPARE(w.address->text(), QString("7"));
        QCOMPARE(w.settings->title(), QString("Communication setting"));
    }
};

} // namespace corvid::app::test

int RunDesktopFitTest(int argc, char** argv) {
    corvid::app::test::DesktopFitTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "DesktopFitTest.moc"
