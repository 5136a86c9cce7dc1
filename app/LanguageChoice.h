#pragma once

// Which interface language the program starts in. Kept free of Qt so the
// order of the rules can be tested on plain values.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace corvid::app {

// Languages keep the numbers earlier versions stored as "LanguageId".
inline constexpr uint16_t kEnglishLanguageId = 1033;
inline constexpr uint16_t kSimplifiedChineseLanguageId = 2052;
inline constexpr uint16_t kTraditionalChineseLanguageId = 1028;

struct LanguageInfo {
    uint16_t Id;
    std::string_view Locale;     // as translation files are named: "zh_CN"
    std::string_view NativeName; // as its readers write it: "简体中文"
};

// The languages the program knows a number for; English first.
const std::vector<LanguageInfo>& KnownLanguages();
const LanguageInfo* LanguageById(uint16_t id);

// The language of a locale name as the desktop ("zh-Hant-TW", "de-DE") or a
// translation file ("zh_TW") writes it; 0 when it has no number.
uint16_t LanguageIdOfLocale(std::string_view locale);

// The first of these that gives a language wins: the stored choice, then the
// user's interface languages in the desktop's order. A stored language
// without a translation falls back to English, as the user asked for that
// one and no other; of the desktop's languages the first that English or a
// translation covers is taken.
uint16_t ChooseLanguage(uint16_t stored, const std::vector<std::string>& interfaceLanguages,
                        const std::vector<uint16_t>& translated);

} // namespace corvid::app
