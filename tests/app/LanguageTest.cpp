// The interface language: which one the program starts in, what the
// Language menu offers, and that a choice waits for the next start.

#include "Language.h"
#include "LanguageChoice.h"
#include "LanguageMenu.h"

#include "ScriptedUserInterface.h"
#include "TestFiles.h"

#include <QAction>
#include <QCoreApplication>
#include <QSettings>
#include <QTest>
#include <QTranslator>

#include <cstdlib>
#include <filesystem>

namespace corvid::app::test {

namespace {

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

} // namespace

class LanguageTest : public QObject {
    Q_OBJECT

    corvid::test::TempFolder folder;

    void PutTranslation(const char* name) {
        std::filesystem::copy_file(kRuntimeFolder / name, folder.path() / name,
                                   std::filesystem::copy_options::overwrite_existing);
    }

private slots:
    void init() {
        ::setenv("CORVID_HOME", folder.path().c_str(), 1);
        QSettings().clear();
    }
    void cleanup() {
        ::unsetenv("CORVID_HOME");
        for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
            std::filesystem::remove(entry.path());
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
        corvid::test::ScriptedUserInterface dialogs;
        {
            CLanguageMenu alone(dialogs, nullptr);
            QCOMPARE(Names(alone.actions()), QStringList{"English"});
        }
        PutTranslation("corvid_zh_TW.qm");
        PutTranslation("corvid_zh_CN.qm");
        corvid::test::WriteFile(folder.path() / "corvid_xx.qm", "");   // no language number
        corvid::test::WriteFile(folder.path() / "other_de_DE.qm", ""); // not ours
        CLanguageMenu menu(dialogs, nullptr);
        QCOMPARE(Names(menu.actions()), (QStringList{"English", QString::fromUtf8("简体中文"),
                                                     QString::fromUtf8("繁體中文")}));
        QCOMPARE(Checked(menu.actions()), QString("English"));
    }

    void LanguageMenu_StoresTheChoiceForTheNextStart() {
        PutTranslation("corvid_zh_TW.qm");
        corvid::test::ScriptedUserInterface dialogs;
        dialogs.answers = {MessageAnswer::Ok};
        CLanguageMenu menu(dialogs, nullptr);
        menu.actions().at(1)->trigger();
        QCOMPARE(StoredLanguageId(), uint16_t{1028});
        QCOMPARE(dialogs.questions.size(), size_t{1});
        QCOMPARE(dialogs.questions[0].text,
                 std::string("In order to make language setup effective, please restart the "
                             "software!"));
        QCOMPARE(dialogs.questions[0].caption, std::string(kMessageCaption));
        QCOMPARE(dialogs.questions[0].icon, MessageIcon::Information);
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
        std::filesystem::remove(folder.path() / "corvid_zh_CN.qm");
        InstallInterfaceLanguage(*QCoreApplication::instance());
        QCOMPARE(InterfaceLanguageId(), uint16_t{1033});
        QCOMPARE(QCoreApplication::translate("corvid::app::CLanguageMenu", "&Language"),
                 QString("&Language"));
    }

private:
    // Other suites of this executable expect the English texts.
    static void RemoveTranslations() {
        for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>())
            delete translator;
    }
};

} // namespace corvid::app::test

int RunLanguageTest(int argc, char** argv) {
    corvid::app::test::LanguageTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "LanguageTest.moc"
