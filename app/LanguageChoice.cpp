#include "LanguageChoice.h"

#include <algorithm>
#include <cctype>

namespace corvid::app {

namespace {

std::string Lower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

// "zh-Hant-TW" as {"zh", "hant", "tw"}, lower case.
std::vector<std::string> LocaleParts(std::string_view locale) {
    std::vector<std::string> parts;
    size_t start = 0;
    while (start <= locale.size()) {
        const size_t end = locale.find_first_of("-_.@", start);
        const size_t stop = end == std::string_view::npos ? locale.size() : end;
        parts.push_back(Lower(locale.substr(start, stop - start)));
        if (end == std::string_view::npos || locale[end] == '.' || locale[end] == '@')
            break;
        start = end + 1;
    }
    return parts;
}

// Chinese is told apart by its script: Taiwan, Hong Kong and Macao read the
// traditional characters, everyone else the simplified ones.
uint16_t ChineseLanguageId(const std::vector<std::string>& parts) {
    for (size_t i = 1; i < parts.size(); ++i) {
        if (parts[i] == "hant" || parts[i] == "tw" || parts[i] == "hk" || parts[i] == "mo")
            return kTraditionalChineseLanguageId;
        if (parts[i] == "hans")
            return kSimplifiedChineseLanguageId;
    }
    return kSimplifiedChineseLanguageId;
}

bool Covered(uint16_t id, const std::vector<uint16_t>& translated) {
    return id == kEnglishLanguageId ||
           std::find(translated.begin(), translated.end(), id) != translated.end();
}

} // namespace

const std::vector<LanguageInfo>& KnownLanguages() {
    static const std::vector<LanguageInfo> languages = {
        {kEnglishLanguageId, "en_US", "English"},
        {kSimplifiedChineseLanguageId, "zh_CN", "简体中文"},
        {kTraditionalChineseLanguageId, "zh_TW", "繁體中文"},
        {1031, "de_DE", "Deutsch"},
        {1036, "fr_FR", "Français"},
        {1040, "it_IT", "Italiano"},
        {1041, "ja_JP", "日本語"},
        {1042, "ko_KR", "한국어"},
        {1045, "pl_PL", "Polski"},
        {1049, "ru_RU", "Русский"},
        {1055, "tr_TR", "Türkçe"},
        {1046, "pt_BR", "Português"},
        {3082, "es_ES", "Español"},
    };
    return languages;
}

const LanguageInfo* LanguageById(uint16_t id) {
    for (const LanguageInfo& language : KnownLanguages())
        if (language.Id == id)
            return &language;
    return nullptr;
}

uint16_t LanguageIdOfLocale(std::string_view locale) {
    const std::vector<std::string> parts = LocaleParts(locale);
    if (parts.empty() || parts.front().empty())
        return 0;
    if (parts.front() == "zh")
        return ChineseLanguageId(parts);
    // One number per language: a regional variant reads the same translation.
    for (const LanguageInfo& language : KnownLanguages())
        if (Lower(language.Locale.substr(0, language.Locale.find('_'))) == parts.front())
            return language.Id;
    return 0;
}

uint16_t ChooseLanguage(uint16_t stored, const std::vector<std::string>& interfaceLanguages,
                        const std::vector<uint16_t>& translated) {
    if (stored != 0)
        return Covered(stored, translated) ? stored : kEnglishLanguageId;
    for (const std::string& locale : interfaceLanguages) {
        const uint16_t id = LanguageIdOfLocale(locale);
        if (id != 0 && Covered(id, translated))
            return id;
    }
    return kEnglishLanguageId;
}

} // namespace corvid::app
