// The core's English texts shown in the interface language: values carried
// over, reasons inside them translated too, everything else untouched.

#include "CoreTextTranslation.h"
#include "MessageWindow.h"

#include "coretexts/CoreTexts.h"

#include <QCoreApplication>
#include <QTest>
#include <QTranslator>

#include <memory>

namespace corvid::app::test {

namespace {

const QString kRuntimeFolder = QStringLiteral(CORVID_RUNTIME_DIR);

std::string Utf8(const char* text) {
    return text;
}

} // namespace

class CoreTextTranslationTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTranslator> translator;

    void Install(const QString& file) {
        translator = std::make_unique<QTranslator>();
        QVERIFY(translator->load(kRuntimeFolder + QLatin1Char('/') + file));
        QCoreApplication::installTranslator(translator.get());
    }

private slots:
    void init() { Install(QStringLiteral("corvid_zh_CN.qm")); }
    void cleanup() { translator.reset(); }

    void TranslateCoreText_CarriesTheValuesOver() {
        QCOMPARE(TranslateCoreText("Open File:  /tmp/a.eds is a CANopen EDS file.\r\n"),
                 Utf8("打开文件：/tmp/a.eds 是 CANopen EDS 文件。\r\n"));
        // A translation may put the values in another order.
        QCOMPARE(TranslateCoreText("Save File:  Failure to save file /x.eds: Permission denied"),
                 Utf8("保存文件：保存文件 /x.eds 失败：Permission denied"));
        // A path in the file system's bytes is shown as the window shows it.
        QCOMPARE(TranslateCoreText("Load File:  Reading data from /caf\xE9.dat\r\n"),
                 Utf8("载入文件：正在从 /café.dat 读取数据\r\n"));
    }

    void TranslateCoreText_TranslatesTheReasonsInsideAndTheStateLine() {
        QCOMPARE(
            TranslateCoreText("Edit:  FileInfo FileVersion: \"x\" refused, not a number from "
                              "0 to 255; the value is unchanged.\r\n"),
            Utf8("编辑：FileInfo FileVersion：“x”被拒绝，不是 0 到 255 之间的数字；值保持不变。"
                 "\r\n"));
        QCOMPARE(
            TranslateCoreText("Open File:  /a.eds keeps 1 line and 2 sections that Corvid "
                              "does not edit; they are saved as read.\r\n"),
            Utf8("打开文件：/a.eds 含有 Corvid 不编辑的 1 行和 2 个节；保存时将按原样写回。\r\n"));
        QCOMPARE(TranslateCoreText("State: COM2, 19200, 8 N 2 RTU, 1"),
                 Utf8("状态：COM2，19200，8 N 2 RTU，1"));
    }

    void TranslateCoreText_LeavesOtherTextsAsTheyAre() {
        for (const std::string& text : {std::string("Configure.ini: denied\r\n"),
                                        std::string("caf\xE9 \xFF\r\n"), std::string()})
            QCOMPARE(TranslateCoreText(text), text);
        translator.reset();
        QCOMPARE(TranslateCoreText("Load File:  Reading data from /caf\xE9.dat\r\n"),
                 std::string("Load File:  Reading data from /caf\xE9.dat\r\n"));
    }

    void TranslationFiles_CoverEveryCoreText() {
        for (const char* file : {"corvid_zh_CN.qm", "corvid_zh_TW.qm"}) {
            Install(QString::fromLatin1(file));
            for (const CoreText& text : CoreTexts()) {
                const std::string source = NumberedTemplate(text.Template);
                const QString shown = QCoreApplication::translate(kCoreTextContext, source.c_str());
                QVERIFY2(!shown.isEmpty() && shown != QString::fromStdString(source),
                         (std::string(file) + ": " + source).c_str());
            }
        }
    }

    void MessageWindow_ShowsTheCoreLinesTranslated() {
        CMessageWindow window;
        window.AppendMessage("Load File:  Loading CANopen EDS file.\r\n");
        window.AppendMessage("Configure.ini: denied\r\n");
        QCOMPARE(
            window.Text(),
            QString::fromUtf8("载入文件：正在载入 CANopen EDS 文件。\nConfigure.ini: denied\n"));
    }
};

} // namespace corvid::app::test

int RunCoreTextTranslationTest(int argc, char** argv) {
    corvid::app::test::CoreTextTranslationTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "CoreTextTranslationTest.moc"
