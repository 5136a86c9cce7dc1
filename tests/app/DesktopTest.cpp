// What a Linux desktop user sees beyond the editing. The interface language
// and what follows it: which language the program starts in, what the Language menu offers and that
// a choice waits for the next start; the core's English texts shown translated (values carried
// over, reasons inside them translated too, everything else untouched, and every core text in both
// translation files); Help Topics and Revision History, which file beside the program opens for
// each language, and what the user is told when none does. The settings store and its move from the
// old place, column headers in both Chinese scripts, and dialogs that show their fields uncut in
// both languages.

#include "AboutDialog.h"
#include "AppTestSupport.h"
#include "ColumnHeaders.h"
#include "CoreTextTranslation.h"
#include "HelpCommands.h"
#include "HelpWindow.h"
#include "IOInsertDialog.h"
#include "Language.h"
#include "LanguageChoice.h"
#include "LanguageMenu.h"
#include "MessageWindow.h"
#include "NewFileDialog.h"
#include "ObjectDialog.h"
#include "ProgramHome.h"
#include "QtDialogs.h"
#include "UserSettings.h"

#include "coretexts/CoreTexts.h"
#include "pages/PageRows.h"
#include "pages/ProjectTree.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTranslator>
#include <QUrl>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <set>

namespace corvid::app::test {

namespace {

using corvid::test::ProgramHome;

const std::filesystem::path kRuntimeFolder = CORVID_RUNTIME_DIR;

QStringList Names(const QList<QAction*>& actions) {
    QStringList names;
    for (const QAction* action : actions)
        names << action->text();
    return names;
}

QString Checked(const QList<QAction*>& actions) {
    QString checked;
    for (const QAction* action : actions)
        if (action->isChecked())
            checked += action->text();
    return checked;
}

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

// Stands in for the desktop's opener: records the names it is given.
class OpenedFiles : public QObject {
    Q_OBJECT
public:
    QStringList names;
public slots:
    void Open(const QUrl& url) { names << QFileInfo(url.toLocalFile()).fileName(); }
};

class DesktopTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FrameFixture> f;
    OpenedFiles opened;
    std::unique_ptr<QTranslator> translator;

    void PutTranslation(const char* name) {
        std::filesystem::copy_file(kRuntimeFolder / name, f->folder.path() / name);
    }
    void Install(const QString& file) {
        translator = std::make_unique<QTranslator>();
        QVERIFY(translator->load(QString::fromStdString(kRuntimeFolder.string()) + '/' + file));
        QCoreApplication::installTranslator(translator.get());
    }
    // Runs a Help menu command with only `present` beside the program.
    QStringList Run(QAction* command, int languageId, const QStringList& present) {
        for (const QString& name : present)
            f->Write(name.toStdString(), "document");
        QSettings().setValue(QStringLiteral("LanguageId"), languageId);
        command->trigger();
        return opened.names;
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
    void init() {
        f = std::make_unique<FrameFixture>(); // CORVID_HOME is its folder
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &opened, "Open");
    }
    void cleanup() {
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        opened.names.clear();
        translator.reset();
        RemoveTranslations();
        f.reset();
        QSettings().clear();
    }

    void ChooseLanguage_StoredChoiceFirstThenTheDesktop() {
        const std::vector<uint16_t> both = {2052, 1028};
        const struct {
            uint16_t stored;
            std::vector<std::string> desktop;
            std::vector<uint16_t> translated;
            uint16_t chosen;
        } cases[] = {
            {1028, {"zh-CN"}, both, 1028},
            {1033, {"zh-CN"}, both, 1033},
            // The user asked for this language: without its translation the
            // program stays in its own language rather than guessing another.
            {1028, {"zh-CN"}, {2052}, 1033},
            {1031, {"zh-CN"}, both, 1033},
            {0, {"zh-Hant-TW", "zh-TW", "en-US"}, both, 1028},
            {0, {"zh-CN"}, both, 2052},
            {0, {"en-GB", "zh-CN"}, both, 1033},
            // A desktop language nobody translated gives way to the next one.
            {0, {"de-DE", "zh-CN"}, both, 2052},
            {0, {"zh-CN"}, {}, 1033},
            {0, {"C"}, both, 1033},
            {0, {}, both, 1033},
        };
        for (const auto& c : cases)
            QCOMPARE(ChooseLanguage(c.stored, c.desktop, c.translated), c.chosen);
    }

    void LanguageIdOfLocale_TellsTheChineseScriptsApart() {
        const std::pair<const char*, uint16_t> cases[] = {{"zh_CN", 2052},
                                                          {"zh-Hans-SG", 2052},
                                                          {"zh", 2052},
                                                          {"zh_TW", 1028},
                                                          {"zh-HK", 1028},
                                                          {"zh-Hant", 1028},
                                                          {"zh_TW.UTF-8", 1028},
                                                          {"en_US", 1033},
                                                          {"de-AT", 1031},
                                                          {"xx_YY", 0},
                                                          {"", 0}};
        for (const auto& [locale, id] : cases)
            QCOMPARE(LanguageIdOfLocale(locale), id);
    }

    void LanguageMenu_ListsTheTranslationsBesideTheProgram() {
        {
            CLanguageMenu alone(f->dialogs, nullptr);
            QCOMPARE(Names(alone.actions()), QStringList{"English"});
        }
        PutTranslation("corvid_zh_TW.qm");
        PutTranslation("corvid_zh_CN.qm");
        corvid::test::WriteFile(f->folder.path() / "corvid_xx.qm", "");   // no language number
        corvid::test::WriteFile(f->folder.path() / "other_de_DE.qm", ""); // not ours
        CLanguageMenu menu(f->dialogs, nullptr);
        QCOMPARE(Names(menu.actions()), (QStringList{"English", QString::fromUtf8("简体中文"),
                                                     QString::fromUtf8("繁體中文")}));
        QCOMPARE(Checked(menu.actions()), QString("English"));
    }

    void LanguageMenu_StoresTheChoiceForTheNextStart() {
        PutTranslation("corvid_zh_TW.qm");
        f->dialogs.answers = {MessageAnswer::Ok};
        CLanguageMenu menu(f->dialogs, nullptr);
        menu.actions().at(1)->trigger();
        QCOMPARE(StoredLanguageId(), uint16_t{1028});
        QCOMPARE(f->dialogs.questions.size(), size_t{1}); // to restart
        // The running program keeps its language, and the mark with it.
        QCOMPARE(InterfaceLanguageId(), uint16_t{1033});
        QCOMPARE(Checked(menu.actions()), QString("English"));
    }

    void InstallInterfaceLanguage_LoadsTheStoredChoice() {
        PutTranslation("corvid_zh_CN.qm");
        StoreLanguageId(2052);
        InstallInterfaceLanguage(*QCoreApplication::instance());
        QCOMPARE(InterfaceLanguageId(), uint16_t{2052});
        QVERIFY(QCoreApplication::translate("corvid::app::CLanguageMenu", "&Language") !=
                "&Language");
        RemoveTranslations();

        // Stored, but its translation is gone: English, silently.
        std::filesystem::remove(f->folder.path() / "corvid_zh_CN.qm");
        InstallInterfaceLanguage(*QCoreApplication::instance());
        QCOMPARE(InterfaceLanguageId(), uint16_t{1033});
        QCOMPARE(QCoreApplication::translate("corvid::app::CLanguageMenu", "&Language"),
                 QString("&Language"));
    }

    void TranslateCoreText_CarriesTheValuesAndTranslatesTheReasonsInside() {
        Install("corvid_zh_CN.qm");
        const std::pair<std::string, const char*> cases[] = {
            {"Open File:  /tmp/a.eds is a CANopen EDS file.\r\n",
             "打开文件：/tmp/a.eds 是 CANopen EDS 文件。\r\n"},
            // A translation may put the values in another order.
            {"Save File:  Failure to save file /x.eds: Permission denied",
             "保存文件：保存文件 /x.eds 失败：Permission denied"},
            // A path in the file system's bytes is shown as the window shows it.
            {"Load File:  Reading data from /caf\xE9.dat\r\n",
             "载入文件：正在从 /café.dat 读取数据\r\n"},
            {"Edit:  FileInfo FileVersion: \"x\" refused, not a number from 0 to 255; the value "
             "is unchanged.\r\n",
             "编辑：FileInfo FileVersion：“x”被拒绝，不是 0 到 255 之间的数字；值保持不变。\r\n"},
            {"Open File:  /a.eds keeps 1 line and 2 sections that Corvid does not edit; they are "
             "saved as read.\r\n",
             "打开文件：/a.eds 含有 Corvid 不编辑的 1 行和 2 个节；保存时将按原样写回。\r\n"},
            {"State: COM2, 19200, 8 N 2 RTU, 1", "状态：COM2，19200，8 N 2 RTU，1"},
            // Texts that are not the core's stay as they are.
            {"Configure.ini: denied\r\n", "Configure.ini: denied\r\n"},
            {"caf\xE9 \xFF\r\n", "caf\xE9 \xFF\r\n"},
            {"", ""},
        };
        for (const auto& [english, shown] : cases)
            QCOMPARE(TranslateCoreText(english), std::string(shown));
        translator.reset();
        QCOMPARE(TranslateCoreText("Load File:  Reading data from /caf\xE9.dat\r\n"),
                 std::string("Load File:  Reading data from /caf\xE9.dat\r\n"));
    }

    void TranslationFiles_CoverEveryCoreText() {
        for (const char* file : {"corvid_zh_CN.qm", "corvid_zh_TW.qm"}) {
            Install(file);
            for (const CoreText& text : CoreTexts()) {
                const std::string source = NumberedTemplate(text.Template);
                const QString shown = QCoreApplication::translate(kCoreTextContext, source.c_str());
                QVERIFY2(!shown.isEmpty() && shown != QString::fromStdString(source),
                         (std::string(file) + ": " + source).c_str());
            }
        }
    }

    void MessageWindow_ShowsTheCoreLinesTranslated() {
        Install("corvid_zh_CN.qm");
        CMessageWindow window;
        window.AppendMessage("Load File:  Loading CANopen EDS file.\r\n");
        window.AppendMessage("Configure.ini: denied\r\n");
        QCOMPARE(
            window.Text(),
            QString::fromUtf8("载入文件：正在载入 CANopen EDS 文件。\nConfigure.ini: denied\n"));
    }
    void HelpTopics_TriesTheLanguagesInTheOrderOfTheCurrentOne_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QString>("shown");
        const QStringList all = {"Corvid-Enu.html", "Corvid-Chs.html", "Corvid-Cht.html"};
        QTest::newRow("English") << 1033 << all << "Corvid-Enu.html";
        QTest::newRow("Simplified") << 2052 << all << "Corvid-Chs.html";
        QTest::newRow("Traditional") << 1028 << all << "Corvid-Cht.html";
        QTest::newRow("German has English") << 1031 << all << "Corvid-Enu.html";
        QTest::newRow("Simplified missing: traditional")
            << 2052 << QStringList({"Corvid-Enu.html", "Corvid-Cht.html"}) << "Corvid-Cht.html";
        QTest::newRow("Simplified, only English")
            << 2052 << QStringList({"Corvid-Enu.html"}) << "Corvid-Enu.html";
    }
    // The guide needs no program of the desktop: it shows in the program's
    // own window, and the desktop is never asked.
    void HelpTopics_TriesTheLanguagesInTheOrderOfTheCurrentOne() {
        QFETCH(int, language);
        QFETCH(QStringList, present);
        QFETCH(QString, shown);
        QVERIFY(Run(f->frame->Actions().helpTopics, language, present).isEmpty());
        const CHelpWindow& help = HelpWindowOf(*f->frame);
        QCOMPARE(help.Browser().source().fileName(), shown);
        QVERIFY(help.isVisible());
        QVERIFY(f->dialogs.questions.empty());
    }

    // The shipped guide, as built beside the program: its headings fill the
    // contents, a click on one goes there, and links to the other
    // languages' pages open in the same window.
    void HelpTopics_TheGuideWithContentsAndLinks() {
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        ::setenv("CORVID_HOME", CORVID_RUNTIME_DIR, 1);
        QSettings().setValue(QStringLiteral("LanguageId"), 1033);
        f->frame->Actions().helpTopics->trigger();
        CHelpWindow& help = HelpWindowOf(*f->frame);
        QVERIFY(help.Browser().toPlainText().contains("Corvid"));
        QVERIFY(help.Contents().count() > 3);
        QVERIFY(f->dialogs.questions.empty());

        auto& browser = *help.findChild<QTextBrowser*>(QStringLiteral("helpText"));
        browser.setSource(QUrl(QStringLiteral("Corvid-Chs.html")));
        QCOMPARE(browser.source().fileName(), QString("Corvid-Chs.html"));
        QVERIFY(browser.toPlainText().contains(QString::fromUtf8("用户指南")));
        QVERIFY(help.Contents().item(0)->text().contains(QString::fromUtf8("用户指南")));
    }

    // Every document the Help menu tries is built beside the program.
    void HelpFiles_AllBesideTheProgram() {
        for (int language : {1033, 2052, 1028}) {
            for (const QString& name : HelpFileNames(language) + RevisionHistoryNames(language))
                QVERIFY2(QFileInfo::exists(QString(CORVID_RUNTIME_DIR "/") + name),
                         qPrintable(name));
            for (const QString& pdf : RevisionHistoryNames(language))
                QVERIFY(QFileInfo::exists(QString(CORVID_RUNTIME_DIR "/") +
                                          RevisionHistorySource(pdf)));
        }
    }

    // With no program for PDF files, the revision history is the Markdown
    // it was typeset from, in the help window: no "Can't find file".
    void RevisionHistory_WithoutAPdfProgramShowsTheMarkdown() {
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        f->Write("EDS_Revision_History_CHT.md", "# Revision\n\n## Version 3.00\n");
        Run(f->frame->Actions().revisionHistory, 1028, {"EDS_Revision_History_CHT.pdf"});
        const CHelpWindow& help = HelpWindowOf(*f->frame);
        QCOMPARE(help.Browser().source().fileName(), QString("EDS_Revision_History_CHT.md"));
        QCOMPARE(help.Contents().count(), 2);
        QVERIFY(f->dialogs.questions.empty());
    }

    void RevisionHistory_FollowsTheLanguageToo() {
        QCOMPARE(Run(f->frame->Actions().revisionHistory, 1028,
                     {"EDS_Revision_History_ENG.pdf", "EDS_Revision_History_CHS.pdf"}),
                 QStringList({"EDS_Revision_History_CHS.pdf"}));
    }

    void Missing_EachCommandSaysWhatItCouldNotOpen() {
        f->dialogs.answers = {MessageAnswer::Ok, MessageAnswer::Ok};
        Run(f->frame->Actions().helpTopics, 2052, {});
        Run(f->frame->Actions().revisionHistory, 2052, {});
        QVERIFY(opened.names.isEmpty());
        QCOMPARE(f->dialogs.questions.size(), size_t{2});
        QCOMPARE(f->dialogs.questions[0].text, std::string("Error occurs when loading help file."));
        QCOMPARE(f->dialogs.questions[1].text,
                 std::string("Can't find file :EDS_Revision_History_CHS.pdf."));
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
        Install("corvid_" + locale + ".qm");
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
            Install("corvid_" + locale + ".qm");
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

private:
    // Other suites of this executable expect the English texts.
    static void RemoveTranslations() {
        for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>())
            delete translator;
    }
};

} // namespace corvid::app::test

int RunDesktopTest(int argc, char** argv) {
    corvid::app::test::DesktopTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "DesktopTest.moc"
