// corvid-core-texts: writes the core's texts as a C++ file that lupdate
// reads, so the translation files carry them beside the program's own
// texts. Run by the update_translations target.

#include "CoreTextTranslation.h"

#include "coretexts/CoreTexts.h"

#include <fstream>
#include <iostream>
#include <string>

namespace {

std::string Quoted(const std::string& text) {
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\')
            quoted += '\\';
        if (c == '\n')
            quoted += "\\n";
        else if (c == '\r')
            quoted += "\\r";
        else
            quoted += c;
    }
    return quoted + '"';
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: corvid-core-texts OUTPUT.cpp\n";
        return 2;
    }
    std::ofstream out(argv[1], std::ios::binary);
    out << "// Made by corvid-core-texts for lupdate; not compiled.\n";
    for (const corvid::CoreText& text : corvid::CoreTexts())
        out << "//: " << text.Number << "\nQT_TRANSLATE_NOOP(\"" << corvid::app::kCoreTextContext
            << "\", " << Quoted(corvid::NumberedTemplate(text.Template)) << ");\n";
    if (!out) {
        std::cerr << "corvid-core-texts: cannot write " << argv[1] << "\n";
        return 1;
    }
    return 0;
}
