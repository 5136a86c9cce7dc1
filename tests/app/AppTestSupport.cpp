#include "AppTestSupport.h"

#include "EDSView.h"
#include "MessageWindow.h"
#include "ProjectTreeModel.h"
#include "ProjectWindow.h"
#include "Roles.h"

#include "canopen/CANopenModel.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include <cstdlib>
#include <filesystem>

namespace corvid::app::test {

namespace {

const std::filesystem::path kDataFolder = std::filesystem::path(CORVID_SAMPLES_DIR).parent_path();

} // namespace

FrameFixture::FrameFixture() {
    for (const char* dictionary : {"DataType.ini", "ObjectType.ini"})
        std::filesystem::copy_file(kDataFolder / dictionary, folder.path() / dictionary);
    ::setenv("CORVID_HOME", folder.path().c_str(), 1);
    QSettings().clear();
    Restart();
}

FrameFixture::~FrameFixture() {
    frame.reset();
    ::unsetenv("CORVID_HOME");
}

void FrameFixture::Restart() {
    frame.reset();
    frame = std::make_unique<CMainFrame>(dialogs);
    frame->resize(1000, 700);
    frame->show();
}

bool FrameFixture::Close() {
    frame->close();
    return !frame->isVisible();
}

QString FrameFixture::Sample(const char* name) const {
    return QString::fromStdString((kDataFolder / "samples" / name).string());
}

QString FrameFixture::CopyOf(const char* sample, const std::string& name) const {
    std::filesystem::copy_file(kDataFolder / "samples" / sample, folder.path() / name);
    return QString::fromStdString(folder.File(name));
}

void FrameFixture::OpenCopy(const char* sample, const std::string& name) {
    frame->OpenPaths({CopyOf(sample, name)});
    Activate();
}

QString FrameFixture::Write(const std::string& name, const std::string& text) const {
    corvid::test::WriteFile(folder.path() / name, text);
    return QString::fromStdString(folder.File(name));
}

void FrameFixture::DoubleClick(QTreeView& tree, const QModelIndex& index) {
    // A user clicks in the tree in sight.
    if (auto* tabs = frame->ProjectWindow().findChild<QTabWidget*>())
        tabs->setCurrentWidget(&tree);
    tree.scrollTo(index);
    const QPoint at = tree.visualRect(index).center();
    // A double click is a press, release, then a double-click event.
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(tree.viewport(), Qt::LeftButton, {}, at);
}

void FrameFixture::DoubleClickRoot(EDSKind kind, size_t position) {
    CProjectWindow& project = frame->ProjectWindow();
    DoubleClick(project.Tree(kind), project.Model(kind).RootIndex(position));
}

void FrameFixture::DoubleClickSection(EDSKind kind, size_t position, const std::string& section) {
    CProjectWindow& project = frame->ProjectWindow();
    CProjectTreeModel& model = project.Model(kind);
    const QModelIndex root = model.RootIndex(position);
    project.Tree(kind).expand(root);
    for (int row = 0; row < model.rowCount(root); ++row) {
        const QModelIndex child = model.index(row, 0, root);
        if (model.SectionOf(child) == section) {
            DoubleClick(project.Tree(kind), child);
            return;
        }
    }
    QFAIL(("no section " + section).c_str());
}

void FrameFixture::Activate() {
    frame->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(frame.get()));
}

QModelIndex FrameFixture::Cell(const std::string& key, int column) const {
    const QAbstractItemModel& model = *frame->View().model();
    for (int row = 0; row < model.rowCount(); ++row)
        if (model.index(row, 0).data(RowKeyRole).toString().toStdString() == key)
            return model.index(row, column);
    return {};
}

QWidget* FrameFixture::DoubleClickCell(const std::string& key, int column) {
    CEDSView& view = frame->View();
    const QModelIndex cell = Cell(key, column);
    if (!cell.isValid())
        return nullptr;
    view.scrollTo(cell);
    const QPoint at = view.visualRect(cell).center();
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, at);
    return view.OpenEditor();
}

void FrameFixture::ClickCell(const std::string& key, int column) {
    CEDSView& view = frame->View();
    const QModelIndex cell = Cell(key, column);
    QVERIFY(cell.isValid());
    view.scrollTo(cell);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, view.visualRect(cell).center());
}

void FrameFixture::ClickBox(const std::string& key) {
    CEDSView& view = frame->View();
    const QModelIndex cell = Cell(key, 0);
    QVERIFY(cell.isValid());
    view.scrollTo(cell);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, view.ToggleBox(cell.row()).center());
}

void FrameFixture::ClickElsewhere() {
    QWidget* log = frame->MessageWindow().TextView().viewport();
    QTest::mouseClick(log, Qt::LeftButton, {}, QPoint(5, 5));
}

void WhenModalShows(std::function<void(QWidget&)> act) {
    auto* poll = new QTimer(qApp);
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, act = std::move(act)] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            poll->stop();
            poll->deleteLater();
            act(*dialog);
        }
    });
    poll->start();
}

std::string FrameFixture::SaveShownFile() {
    const std::string saved = folder.File("saved.eds");
    dialogs.saveChoices = {saved};
    frame->Actions().save->trigger();
    return corvid::test::ReadFile(saved);
}

std::string ExpectedSave(const char* name, const std::string& saved) {
    const std::filesystem::path expected = std::filesystem::path(CORVID_APP_TEST_DATA) / name;
    if (std::getenv("CORVID_WRITE_EXPECTED") != nullptr)
        corvid::test::WriteFile(expected, saved);
    return corvid::test::ReadFile(expected);
}

void FillObjectDialog(std::vector<std::pair<const char*, QString>> fields, int subIndex) {
    WhenModalShows([fields = std::move(fields), subIndex](QWidget& dialog) {
        if (subIndex >= 0)
            dialog.findChild<QComboBox*>("SubIndex")->setCurrentIndex(subIndex);
        if (QAbstractButton* manufacturer =
                dialog.findChild<QButtonGroup*>()->button(kCategoryManufacturer);
            manufacturer->isEnabled())
            manufacturer->click();
        FillFields(dialog, fields);
        ClickOk(dialog);
    });
}

QStringList Items(const QComboBox& list) {
    QStringList items;
    for (int item = 0; item < list.count(); ++item)
        items << list.itemText(item);
    return items;
}

QString Text(QWidget& dialog, const char* name) {
    return Find<QLineEdit>(dialog, name).text();
}

void Type(QWidget& dialog, const char* name, const QString& text) {
    QLineEdit& field = Find<QLineEdit>(dialog, name);
    field.selectAll();
    QTest::keyClicks(&field, text);
}

void ClickOk(QWidget& dialog) {
    dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
}

void FillFields(QWidget& dialog, const std::vector<std::pair<const char*, QString>>& fields) {
    for (const auto& [name, text] : fields) {
        if (dialog.findChild<QLineEdit*>(name) != nullptr) {
            Type(dialog, name, text);
        } else if (auto* list = dialog.findChild<QComboBox*>(name)) {
            list->setCurrentText(text);
            emit list->activated(list->currentIndex());
        } else {
            Find<QAbstractButton>(dialog, name).click();
        }
    }
}

QStringList ShownRows(CMainFrame& frame) {
    QStringList rows;
    const QAbstractItemModel& model = *frame.View().model();
    for (int row = 0; row < model.rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < model.columnCount(); ++column)
            cells << model.index(row, column).data().toString();
        rows << cells.join(QLatin1Char('|'));
    }
    return rows;
}

} // namespace corvid::app::test
