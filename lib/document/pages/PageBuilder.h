#pragma once

// Builds one page row by row. The page kinds share how cells are made, how
// item lists of drop-downs are held once per page, and how an entry's head
// row and field rows are tied together, so each page file only says which
// rows its section has.

#include "pages/PageRows.h"

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace corvid::pages {

// Widths every caller of the single-line editor and of the drop-down lists
// passes.
inline constexpr int kTextEditorWidth = 100;
inline constexpr int kFlagListWidth = 40;
inline constexpr int kNumberListWidth = 70;

PageCell ReadOnlyCell(std::string text);
PageCell TextCell(std::string text);
PageCell PopupCell(std::string text, PopupKind popup);

class PageBuilder {
public:
    PageBuilder(EDSKind kind, std::string_view section, PageLayout layout, const PageState& state);

    void AddColumn(std::string header, int width);
    // The usual columns of a keyword page: "    Keywords", "\tValue" and,
    // with comments, "\tComments".
    void AddKeywordColumns(bool withComments);

    // A drop-down cell over the item list `name`; `items` makes the list the
    // first time a page asks for it.
    PageCell DropDownCell(std::string text, std::string_view name,
                          const std::function<std::vector<std::string>()>& items, int width);

    // A row that belongs to no entry: a keyword row of a keyword page.
    PageRow& AddRow(std::string firstCell, std::vector<PageCell> cells);
    // A keyword row with its value and, on pages with comments, its comment.
    PageRow& AddKeyword(std::string keyword, PageCell value);
    PageRow& AddKeyword(std::string keyword, PageCell value, std::string comment);

    // The head row of an entry that may open: Collapsed or Expanded by the
    // state. Returns whether it is open; its field rows follow with AddField.
    bool AddHead(std::string key, std::vector<PageCell> cells);
    // The head row of an entry that does not open (a table row, a CANopen
    // object without sub-indexes): a plain row that is its own entry.
    PageRow& AddEntry(std::string key, std::vector<PageCell> cells);
    // A row of the entry begun last, `indent` put in front of its key (" "
    // for a field row without key).
    PageRow& AddField(std::string indent, std::string key, std::vector<PageCell> cells);

    bool IsOpen(const std::string& key) const { return state_.Expanded.count(key) != 0; }
    Page Take() { return std::move(page_); }

private:
    PageRow& Append(std::string indent, std::string key, std::vector<PageCell> cells);

    Page page_;
    const PageState& state_;
    std::map<std::string, int, std::less<>> choiceIndex_;
    size_t head_ = kNoHeadRow;
};

// The item lists that several pages offer.
std::vector<std::string> DecimalItems(int first, int last); // "0" ... "255"
std::vector<std::string> HexByteItems(int first, int last); // "0x00" ...
std::vector<std::string> FlagItems();                       // "0", "1"

} // namespace corvid::pages
