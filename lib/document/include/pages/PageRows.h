#pragma once

// The rows of the editing view: what one page (one section of one open file,
// or the file's summary "eliF") shows, as plain data built from the model.
// Nothing here is kept between builds except PageState, so a page always
// shows what the model holds now.
//
// How a view uses it:
//  1. Show: on a double click in the project tree, start a fresh PageState
//     (every entry closed) and call BuildPage(doc, file, section, state).
//     Columns give the header texts exactly as shown (leading blanks and tabs
//     included) and default widths; Rows[r].Cells[c] is row r, column c. On
//     pages with a "\tComments" column the comment is the last cell.
//  2. Render: Look picks the row's icon (closed entry, open entry, plain row)
//     and Indent is the leading part of the first cell that only indents it.
//  3. Open or close: a click on a row whose Look is Collapsed or Expanded
//     (on CANopen object pages, a click in its "Index" cell; on the other
//     pages, anywhere in the row) calls ToggleRow(state, page, r); when it
//     answers true, build the page again with the same state.
//     ToggledRows(before, after, r) says which rows below r left and which
//     came, for views that announce row moves. Keys in the state that no
//     longer name an entry open nothing.
//  4. Edit: a double click on a cell opens the editor the cell names (a text
//     field at least EditorWidth wide, a drop-down list of
//     page.Choices[cell.Choices] with the item equal to the cell's text
//     selected, or a popup). Read-only cells open nothing.
//  5. After any change of the model, build the page again with the same
//     state. Rows are never patched by hand.
// The entry a row belongs to is its Head row (the walk up to the nearest
// head row has already been done); Distance counts the rows below it.

#include "canopen/CANopenModel.h"
#include "devicenet/DeviceNetModel.h"
#include "door/EDSKind.h"
#include "ethernetip/EtherNetIPModel.h"

#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace corvid {

class CEDSDoc;
struct EDSFileRef;

enum class PageLayout : uint8_t {
    Keywords, // one row per keyword (and per field of an open entry)
    Table,    // one row per entry, one column per field
};

enum class CellEditor : uint8_t {
    ReadOnly,
    Text,     // single-line text field holding the cell's text
    DropDown, // list without free text: page.Choices[cell.Choices]
    Popup,    // a small window of its own kind: cell.Popup
};

enum class PopupKind : uint8_t {
    None,
    TypeMask,    // four boxes: Poll, Strobe, Change of State, Cyclic
    Descriptor,  // seven boxes: the parameter descriptor bits 0 to 6
    EnumStrings, // multi-line text: one enumeration string per line
};

struct PageCell {
    std::string Text;
    CellEditor Editor = CellEditor::ReadOnly;
    int Choices = -1;    // DropDown: index into Page::Choices
    int EditorWidth = 0; // Text: least width; DropDown: width of the list
    PopupKind Popup = PopupKind::None;
};

enum class RowLook : uint8_t {
    Plain,     // keyword row, table row, CANopen object without sub-indexes
    Collapsed, // entry or object whose rows are closed: a click opens them
    Expanded,  // entry or object whose rows are open: a click closes them
    Field,     // a row of an open entry (a field, a sub-index, a member)
};

// The row mark of the multi-row pages: 0 keyword row or closed entry, 1 open
// entry, 2 field row.
int RowMark(RowLook look);

inline constexpr size_t kNoHeadRow = static_cast<size_t>(-1);

struct PageRow {
    // The first column without blanks and tabs ("Param12", "2000sub1",
    // "PollInfo", "Assem3"); empty on field rows, whose first cell is " ".
    std::string Key;
    std::string Indent;          // leading part of Cells[0].Text that only indents it
    std::vector<PageCell> Cells; // one per column
    RowLook Look = RowLook::Plain;
    // The row of the entry this row belongs to (itself on a head row);
    // kNoHeadRow on rows that belong to no entry.
    size_t Head = kNoHeadRow;
    size_t Distance = 0; // rows between Head and this row
};

struct PageColumn {
    std::string Header; // exactly as shown
    int Width = 0;      // default width in pixels
};

struct Page {
    EDSKind Kind = EDSKind::Unknown;
    std::string Section; // as asked; "eliF" for the file summary
    PageLayout Layout = PageLayout::Keywords;
    std::vector<PageColumn> Columns; // empty for a section no page shows
    std::vector<PageRow> Rows;
    std::vector<std::vector<std::string>> Choices; // item lists of drop-down cells
};

// What a page keeps between builds: the keys of the entries shown open
// (CANopen objects by their index key "1018", entries by their head key
// "PollInfo", "Input3", "Assem2", "Class1"). A fresh state shows every entry
// closed.
struct PageState {
    std::set<std::string> Expanded;
};

// The page of `section` of a file (kFileSummarySection for its summary). An
// unknown section gives a page without columns and rows.
Page BuildPage(const CCANopenEDS& model, std::string_view section, const PageState& state = {});
Page BuildPage(const CDeviceNetEDS& model, std::string_view section, const PageState& state = {});
Page BuildPage(const CEtherNetIPEDS& model, std::string_view section, const PageState& state = {});
// The same for an open file of the document set; an empty page when there is
// no such file.
Page BuildPage(const CEDSDoc& doc, EDSFileRef file, std::string_view section,
               const PageState& state = {});
// The summary page "eliF" of a file: its title with ".eds", the path it was
// opened from and the path it was last saved to.
Page BuildFileSummaryPage(const EDSFileHeader& header, EDSKind kind);

// Opens a closed entry or closes an open one in `state`; false when `row` is
// no head row that opens (nothing changes then).
bool ToggleRow(PageState& state, const Page& page, size_t row);

// The rows below `headRow` that went away (Removed, starting at First in
// `before`) and came (Inserted, starting at First in `after`) when only that
// entry was opened or closed between the two builds.
struct RowSplice {
    size_t First = 0;
    size_t Removed = 0;
    size_t Inserted = 0;
};
RowSplice ToggledRows(const Page& before, const Page& after, size_t headRow);

// The head row of the entry `row` belongs to, or nullptr for a row that
// belongs to no entry (or a row outside the page).
const PageRow* HeadRowOf(const Page& page, size_t row);

} // namespace corvid
