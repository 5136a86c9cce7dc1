#include "CoreTextTranslation.h"

#include "coretexts/CoreTexts.h"
#include "dictionaries/TextEncoding.h"

#include <QCoreApplication>

namespace corvid::app {

namespace {

std::optional<std::string> Translated(const std::string& text, bool translateValues) {
    const std::optional<CoreTextMatch> match = MatchCoreText(text);
    if (!match)
        return std::nullopt;
    const std::string source = NumberedTemplate(match->Text->Template);
    const QByteArray translation =
        QCoreApplication::translate(kCoreTextContext, source.c_str()).toUtf8();
    if (translation.toStdString() == source)
        return std::nullopt;
    std::vector<std::string> values;
    for (const std::string& value : match->Values) {
        const std::optional<std::string> inner =
            translateValues ? Translated(value, false) : std::nullopt;
        // Paths and other values are file bytes; the translation is UTF-8.
        values.push_back(inner ? *inner : DecodeForDisplay(value));
    }
    return FillNumberedTemplate(translation.toStdString(), values) + match->LineEnd;
}

} // namespace

std::string TranslateCoreText(const std::string& text) {
    return Translated(text, true).value_or(text);
}

} // namespace corvid::app
