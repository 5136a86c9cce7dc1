#pragma once

class QLocale;

namespace corvid::app {

// Languages are numbered as the program's settings have always stored them.
inline constexpr int kLanguageEnglish = 1033;
inline constexpr int kLanguageChineseSimplified = 2052;
inline constexpr int kLanguageChineseTraditional = 1028;

// The language of the user interface: the stored "LanguageId" when there is
// one, else the language of the user's locale.
int CurrentLanguageId();

// The number of a locale's language: the two Chinese scripts apart, English
// for every language the program has no number for.
int LanguageIdOf(const QLocale& locale);

} // namespace corvid::app
