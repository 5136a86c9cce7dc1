#pragma once

// A main window with scripted dialogs over a program folder of its own, so
// each test reads and writes its own Configure.ini.

#include "MainFrame.h"

#include "ScriptedUserInterface.h"
#include "TestFiles.h"

#include "door/EDSDoc.h"

#include <QModelIndex>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

class QComboBox;
class QTreeView;

namespace corvid::app::test {

class FrameFixture {
public:
    FrameFixture();
    ~FrameFixture();

    // A new window over the same program folder, as after a restart.
    void Restart();
    // Closes the window as the user would; true when it closed.
    bool Close();

    QString Sample(const char* name) const;
    // A copy of a sample under another name in the test's own folder.
    QString CopyOf(const char* sample, const std::string& name) const;
    QString Write(const std::string& name, const std::string& text) const;
    // Opens a copy of a sample and brings the window to the front, as a
    // user starts editing.
    void OpenCopy(const char* sample, const std::string& name);

    // Double-clicks the item of the tree the way a user does.
    void DoubleClick(QTreeView& tree, const QModelIndex& index);
    void DoubleClickRoot(EDSKind kind, size_t position);
    void DoubleClickSection(EDSKind kind, size_t position, const std::string& section);

    // The window in front with the focus, as a user has it while typing.
    void Activate();
    // The view's cell of the row keyed `key`; invalid when the page has none.
    QModelIndex Cell(const std::string& key, int column) const;
    // Double-clicks a cell of the view; returns the editor that opened.
    QWidget* DoubleClickCell(const std::string& key, int column);
    // Clicks the row's cell once, as to select it.
    void ClickCell(const std::string& key, int column);
    // Clicks the (+)/(-) box of a head row, which opens or closes its entry.
    void ClickBox(const std::string& key);
    // A click elsewhere in the window: into the message window.
    void ClickElsewhere();
    // Saves the shown file (to a file of the test's folder when the save
    // asks where) and gives the bytes written.
    std::string SaveShownFile();

    corvid::test::TempFolder folder;
    corvid::test::ScriptedUserInterface dialogs;
    std::unique_ptr<CMainFrame> frame;
};

// Runs `act` on the next modal dialog once it shows (a command that opens
// one waits in it until `act` closes it).
void WhenModalShows(std::function<void(QWidget&)> act);

// The control of a dialog named `name`; a test error when there is none.
template <typename Control> Control& Find(QWidget& dialog, const char* name) {
    auto* control = dialog.findChild<Control*>(QString::fromLatin1(name));
    if (control == nullptr)
        throw std::logic_error(std::string("no control ") + name);
    return *control;
}

// The text of the dialog's field `name`.
QString Text(QWidget& dialog, const char* name);
// Replaces the text of the dialog's field `name` as typing does.
void Type(QWidget& dialog, const char* name, const QString& text);
// Presses the dialog's Ok button.
void ClickOk(QWidget& dialog);
// Sets each named control as a user does: types into a text field,
// chooses the item of a list, clicks a button (the text is then unused).
void FillFields(QWidget& dialog, const std::vector<std::pair<const char*, QString>>& fields);

// Fills the object dialog the next command opens: each field by its name,
// the sub-index item `subIndex` when not negative, an object of the
// manufacturer's category, then OK.
void FillObjectDialog(std::vector<std::pair<const char*, QString>> fields, int subIndex = -1);

// The items of a drop-down list, in order.
QStringList Items(const QComboBox& list);

// The expected file of tests/app/data a save should give: with CORVID_WRITE_EXPECTED set, `saved`
// becomes the expected file first (for a change of what saves write).
std::string ExpectedSave(const char* name, const std::string& saved);

// Every cell of the view's page as shown, row by row, "|" between cells.
QStringList ShownRows(CMainFrame& frame);

} // namespace corvid::app::test
