// Help Topics and Revision History: which file beside the program opens
// for each language, and what the user is told when none does; the About
// box's texts.

#include "AboutDialog.h"
#include "AppTestSupport.h"
#include "CurrentLanguage.h"
#include "HelpCommands.h"
#include "HelpWindow.h"

#include <QAction>
#include <QDesktopServices>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QSettings>
#include <QTest>
#include <QTextBrowser>
#include <QUrl>

#include <cstdlib>
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
        QCOMPARE(help.windowTitle(), QString("Corvid Help"));
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
