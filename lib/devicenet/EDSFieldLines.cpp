#include "devicenet/EDSFieldLines.h"

namespace corvid {

void FormatKeyword(CEDSLineWriter& out, std::string_view keyword, std::string_view value) {
    out.Line(std::string("\t").append(keyword).append("=").append(value).append(";"));
}

bool KeywordLineAt(std::string_view line, std::string_view keyword) {
    return KeywordAt(line, keyword) && line.substr(keyword.size()).starts_with('=');
}

} // namespace corvid
