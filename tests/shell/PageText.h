#pragma once

// Pages as text, so a test can compare a whole page at once: one line per
// row, its look as a mark (' ' plain, '+' closed, '-' open, '.' field row),
// then its cells joined by " | ".

#include "shell/PageRows.h"

#include <string>

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

} // namespace corvid::test
