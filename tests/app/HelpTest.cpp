// Help Topics and Revision History: which file beside the program opens
// for each language, and what the user is told when none does; the About
// box's texts.

#include "AboutDialog.h"
#include "AppTestSupport.h"
#include "CurrentLanguage.h"

#include <QAction>
#include <QDesktopServices>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QSettings>
#include <QTest>
#include <QUrl>

#include <memory>

namespace corvid::app::test {

// Stands in for the desktop's opener: records the names it is given.
class OpenedFiles : public QObject {
    Q_OBJECT
public:
    QStringList names;
public slots:
    void Open(const QUrl& url) { names << QFileInfo(url.toLocalFile()).fileName(); }
};

class HelpTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FrameFixture> f;
    OpenedFiles opened;

    // Runs a Help menu command with only `present` beside the program.
    QStringList Run(QAction* command, int languageId, const QStringList& present) {
        for (const QString& name : present)
            f->Write(name.toStdString(), "document");
        QSettings().setValue(QStringLiteral("LanguageId"), languageId);
        command->trigger();
        return opened.names;
    }

private slots:
    void init() {
        f = std::make_unique<FrameFixture>();
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &opened, "Open");
    }
    void cleanup() {
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        opened.names.clear();
        f.reset();
        QSettings().clear();
    }

    void HelpTopics_TriesTheLanguagesInTheOrderOfTheCurrentOne_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QString>("opened");
        const QStringList all = {"Corvid-Enu.html", "Corvid-Chs.html", "Corvid-Cht.html"};
        QTest::newRow("English") << 1033 << all << "Corvid-Enu.html";
        QTest::newRow("Simplified") << 2052 << all << "Corvid-Chs.html";
        QTest::newRow("Traditional") << 1028 << all << "Corvid-Cht.html";
        QTest::newRow("German has English") << 1031 << all << "Corvid-Enu.html";
        QTest::newRow("Simplified missing: traditional")
            << 2052 << QStringList({"Corvid-Enu.html", "Corvid-Cht.html"}) << "Corvid-Cht.html";
        QTest::newRow("Simplified, only English")
            << 2052 << QStringList({"Corvid-Enu.html"}) << "Corvid-Enu.html";
        QTest::newRow("A help file before its page")
            << 1033 << QStringList({"Corvid-Enu.html", "Corvid-Enu.chm"}) << "Corvid-Enu.chm";
    }
    void HelpTopics_TriesTheLanguagesInTheOrderOfTheCurrentOne() {
        QFETCH(int, language);
        QFETCH(QStringList, present);
        QFETCH(QString, opened);
        QCOMPARE(Run(f->frame->Actions().helpTopics, language, present), QStringList({opened}));
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

    void CurrentLanguage_StoredFirstThenTheLocale() {
        QSettings().remove(QStringLiteral("LanguageId"));
        QCOMPARE(CurrentLanguageId(), LanguageIdOf(QLocale()));
        QSettings().setValue(QStringLiteral("LanguageId"), 1028);
        QCOMPARE(CurrentLanguageId(), 1028);
        QCOMPARE(LanguageIdOf(QLocale(QStringLiteral("zh_CN"))), 2052);
        QCOMPARE(LanguageIdOf(QLocale(QStringLiteral("zh_TW"))), 1028);
        QCOMPARE(LanguageIdOf(QLocale(QStringLiteral("zh_HK"))), 1028);
        QCOMPARE(LanguageIdOf(QLocale(QStringLiteral("en_US"))), 1033);
        QCOMPARE(LanguageIdOf(QLocale(QStringLiteral("de_DE"))), 1033);
    }

    void About_NamesVersionDateAndALiveLink() {
        CAboutDialog about(f->frame.get());
        QCOMPARE(about.findChild<QLabel*>("version")->text(), QString("Corvid Version 3.00"));
        QVERIFY(about.findChild<QLabel*>("releaseDate")->text().startsWith("Release date: "));
        const QLabel* link = about.findChild<QLabel*>("webAddress");
        QVERIFY(link->openExternalLinks());
        QVERIFY(link->text().startsWith("<a href=\"https://"));
    }
};

} // namespace corvid::app::test

int RunHelpTest(int argc, char** argv) {
    corvid::app::test::HelpTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "HelpTest.moc"
