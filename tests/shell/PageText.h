#pragma once

// Pages as text, so a test can compare a whole page at once: one line per
// row, its look as a mark (' ' plain, '+' closed, '-' open, '.' field row),
// then its cells joined by " | ".

#include "TestFiles.h"
#include "pages/PageRows.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <string>
#include <string_view>

namespace corvid::test {

inline char LookMark(RowLook look) {
    switch (look) {
    case RowLook::Collapsed:
        return '+';
    case RowLook::Expanded:
        return '-';
    case RowLook::Field:
        return '.';
    case RowLook::Plain:
        break;
    }
    return ' ';
}

inline std::string RowText(const PageRow& row) {
    std::string text(1, LookMark(row.Look));
    for (size_t c = 0; c < row.Cells.size(); ++c)
        text += (c == 0 ? "" : " | ") + row.Cells[c].Text;
    return text;
}

inline std::string PageText(const Page& page) {
    std::string text;
    for (const PageRow& row : page.Rows)
        text += RowText(row) + "\n";
    return text;
}

// The row of a key, or nullptr.
inline const PageRow* FindRow(const Page& page, std::string_view key) {
    for (const PageRow& row : page.Rows)
        if (row.Key == key)
            return &row;
    return nullptr;
}

inline std::string HeaderText(const Page& page) {
    std::string text;
    for (const PageColumn& column : page.Columns)
        text += (text.empty() ? "" : "|") + column.Header;
    return text;
}

// The model of a shipped sample file.
inline std::string SamplePath(const std::string& name) {
    return std::string(CORVID_SAMPLES_DIR) + "/" + name;
}
// A file of tests/data.
inline std::string DataPath(const std::string& name) {
    return std::string(CORVID_TEST_DATA_DIR) + "/" + name;
}

// What each cell of a row lets the user do: r read-only, t a text field,
// dN a list of N items, p1 to p3 the type mask, descriptor and enumeration
// popups.
inline std::string EditorText(const Page& page) {
    std::string text;
    for (const PageRow& row : page.Rows) {
        text += row.Key + ":";
        for (const PageCell& cell : row.Cells) {
            switch (cell.Editor) {
            case CellEditor::ReadOnly:
                text += " r";
                break;
            case CellEditor::Text:
                text += " t";
                break;
            case CellEditor::DropDown:
                text += " d" + std::to_string(page.Choices.at(size_t(cell.Choices)).size());
                break;
            case CellEditor::Popup:
                text += " p" + std::to_string(int(cell.Popup));
                break;
            }
        }
        text += "\n";
    }
    return text;
}

inline std::string Lowered(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// Compares the page, header line first, then its editors, with
// tests/data/pages/NAME.txt;
// CORVID_WRITE_EXPECTED=1 writes the file instead, for a page that is new.
inline void ExpectPageAs(const Page& page, const std::string& name) {
    const std::string shown =
        HeaderText(page) + "\n" + PageText(page) + "\neditors\n" + EditorText(page);
    const std::string expected = DataPath("pages/" + name + ".txt");
    if (std::getenv("CORVID_WRITE_EXPECTED") != nullptr)
        WriteFile(expected, shown);
    EXPECT_EQ(shown, ReadFile(expected)) << name;
}

} // namespace corvid::test
