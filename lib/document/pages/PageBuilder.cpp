#include "PageBuilder.h"

#include "dictionaries/EDSTextHelper.h"

namespace corvid::pages {

PageCell ReadOnlyCell(std::string text) {
    PageCell cell;
    cell.Text = std::move(text);
    return cell;
}

PageCell TextCell(std::string text) {
    PageCell cell = ReadOnlyCell(std::move(text));
    cell.Editor = CellEditor::Text;
    cell.EditorWidth = kTextEditorWidth;
    return cell;
}

PageCell PopupCell(std::string text, PopupKind popup) {
    PageCell cell = ReadOnlyCell(std::move(text));
    cell.Editor = CellEditor::Popup;
    cell.Popup = popup;
    return cell;
}

PageBuilder::PageBuilder(EDSKind kind, std::string_view section, PageLayout layout,
                         const PageState& state)
    : state_(state) {
    page_.Kind = kind;
    page_.Section = std::string(section);
    page_.Layout = layout;
}

void PageBuilder::AddColumn(std::string header, int width) {
    page_.Columns.push_back({std::move(header), width});
}

void PageBuilder::AddKeywordColumns(bool withComments) {
    AddColumn("    Keywords", 200);
    AddColumn("\tValue", 240);
    if (withComments)
        AddColumn("\tComments", 360);
}

PageCell PageBuilder::DropDownCell(std::string text, std::string_view name,
                                   const std::function<std::vector<std::string>()>& items,
                                   int width) {
    auto known = choiceIndex_.find(name);
    if (known == choiceIndex_.end()) {
        page_.Choices.push_back(items());
        known = choiceIndex_.emplace(std::string(name), int(page_.Choices.size() - 1)).first;
    }
    PageCell cell = ReadOnlyCell(std::move(text));
    cell.Editor = CellEditor::DropDown;
    cell.Choices = known->second;
    cell.EditorWidth = width;
    return cell;
}

PageRow& PageBuilder::Append(std::string indent, std::string key, std::vector<PageCell> cells) {
    PageRow& row = page_.Rows.emplace_back();
    cells.insert(cells.begin(), ReadOnlyCell(indent + key));
    // Pages with a comment column may leave it out on rows without one.
    cells.resize(page_.Columns.size());
    // The key is what a view remembers of the selected row, so blanks in a
    // shown keyword ("File Title") never make two spellings of one row.
    std::erase_if(key, [](char c) { return c == ' ' || c == '\t'; });
    row.Key = std::move(key);
    row.Indent = std::move(indent);
    row.Cells = std::move(cells);
    return row;
}

PageRow& PageBuilder::AddRow(std::string firstCell, std::vector<PageCell> cells) {
    head_ = kNoHeadRow;
    return Append({}, std::move(firstCell), std::move(cells));
}

PageRow& PageBuilder::AddKeyword(std::string keyword, PageCell value) {
    return AddRow(std::move(keyword), {std::move(value)});
}

PageRow& PageBuilder::AddKeyword(std::string keyword, PageCell value, std::string comment) {
    return AddRow(std::move(keyword), {std::move(value), ReadOnlyCell(std::move(comment))});
}

PageRow& PageBuilder::AddEntry(std::string key, std::vector<PageCell> cells) {
    head_ = page_.Rows.size();
    PageRow& row = Append({}, std::move(key), std::move(cells));
    row.Head = head_;
    return row;
}

bool PageBuilder::AddHead(std::string key, std::vector<PageCell> cells) {
    const bool open = IsOpen(key);
    AddEntry(std::move(key), std::move(cells)).Look = open ? RowLook::Expanded : RowLook::Collapsed;
    return open;
}

PageRow& PageBuilder::AddField(std::string indent, std::string key, std::vector<PageCell> cells) {
    const size_t head = head_;
    PageRow& row = Append(std::move(indent), std::move(key), std::move(cells));
    row.Look = RowLook::Field;
    row.Head = head;
    row.Distance = head == kNoHeadRow ? 0 : page_.Rows.size() - 1 - head;
    return row;
}

std::vector<std::string> DecimalItems(int first, int last) {
    std::vector<std::string> items;
    for (int value = first; value <= last; ++value)
        items.push_back(std::to_string(value));
    return items;
}

std::vector<std::string> HexByteItems(int first, int last) {
    std::vector<std::string> items;
    for (int value = first; value <= last; ++value)
        items.push_back(FormatHex8(static_cast<uint32_t>(value)));
    return items;
}

std::vector<std::string> FlagItems() {
    return {"0", "1"};
}

} // namespace corvid::pages
