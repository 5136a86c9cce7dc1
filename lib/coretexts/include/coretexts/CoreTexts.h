#pragma once

// Every text the core shows the user, by number, so a front end can show
// them in another language while the core itself speaks only English. The
// core keeps handing out finished English texts; a front end that
// translates finds the template a text was made from, takes the values out
// of it and puts them into the translated template.
//
// Templates mark their values printf-style: "%s" any text, "%d" and "%u"
// decimal numbers, "%X" upper-case hexadecimal digits. The line end a log
// line carries is not part of its template.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvid {

struct CoreText {
    int Number; // the program's string number where it has one, else 70000 and up
    std::string Template;
};

// Ordered by number; no two entries share a number or a template.
const std::vector<CoreText>& CoreTexts();

struct CoreTextMatch {
    const CoreText* Text = nullptr;
    std::vector<std::string> Values; // in the order of the template's marks
    std::string LineEnd;             // "\r\n", "\n" or nothing, as the text ended
};

// The template `text` was made from. Where several fit, the one with the
// most fixed text wins, so "Open File:  %s is a CANopen EDS file." beats a
// looser one. Texts of no template give nothing.
std::optional<CoreTextMatch> MatchCoreText(std::string_view text);

// A template with its marks numbered "%1", "%2"... as translators write them,
// so a translation may put the values in another order.
std::string NumberedTemplate(std::string_view printfTemplate);

// Puts `values` in place of "%1" to "%9" of a numbered template ("%%" is a
// percent sign); a mark without a value stays as it is.
std::string FillNumberedTemplate(std::string_view numbered, const std::vector<std::string>& values);

} // namespace corvid
