#include "EntryReferences.h"

#include <array>
#include <cctype>
#include <charconv>

namespace corvid::refs {

namespace {

struct Word {
    size_t Begin = 0;
    size_t End = 0;
    uint32_t Number = 0;
};

bool IsWordChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_';
}

// The words `prefix` + digits outside double quotes, in text order.
std::vector<Word> WordsIn(std::string_view text, std::string_view prefix) {
    std::vector<Word> words;
    bool quoted = false;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '"') {
            quoted = !quoted;
            continue;
        }
        if (quoted || !text.substr(i).starts_with(prefix) || (i > 0 && IsWordChar(text[i - 1])))
            continue;
        size_t end = i + prefix.size();
        while (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end])))
            ++end;
        if (end == i + prefix.size() || (end < text.size() && IsWordChar(text[end])))
            continue;
        uint32_t number = 0;
        const auto [last, error] =
            std::from_chars(text.data() + i + prefix.size(), text.data() + end, number);
        if (error == std::errc() && last == text.data() + end)
            words.push_back({i, end, number});
        i = end - 1;
    }
    return words;
}

bool Names(std::string_view text, std::string_view prefix, uint32_t number) {
    for (const Word& word : WordsIn(text, prefix))
        if (word.Number == number)
            return true;
    return false;
}

void RenumberText(std::string& text, std::string_view prefix,
                  const std::function<std::optional<uint32_t>(uint32_t)>& renumber) {
    const std::vector<Word> words = WordsIn(text, prefix);
    // From the back, so the places of earlier words stay right.
    for (auto word = words.rbegin(); word != words.rend(); ++word) {
        const std::optional<uint32_t> number = renumber(word->Number);
        if (number == word->Number)
            continue;
        const std::string replacement =
            number ? std::string(prefix) + std::to_string(*number) : std::string();
        text.replace(word->Begin, word->End - word->Begin, replacement);
    }
}

std::array<std::string*, 9> ConnectionFields(ConnectionEntry& connection) {
    return {&connection.Hex1,    &connection.Hex2,    &connection.String1,
            &connection.String2, &connection.String3, &connection.String4,
            &connection.String5, &connection.String6, &connection.Path};
}

std::array<const std::string*, 9> ConnectionFields(const ConnectionEntry& connection) {
    return {&connection.Hex1,    &connection.Hex2,    &connection.String1,
            &connection.String2, &connection.String3, &connection.String4,
            &connection.String5, &connection.String6, &connection.Path};
}

} // namespace

std::vector<std::string> NamedBy(const CEtherNetIPEDS& model, std::string_view prefix,
                                 uint32_t number) {
    std::vector<std::string> names;
    for (const AssemblyEntry& assembly : model.AssemblySection.Assemblies)
        for (size_t k = 0; k < assembly.MemberReferences.size(); ++k)
            if (Names(assembly.MemberReferences[k], prefix, number))
                names.push_back("Assem" + std::to_string(assembly.Number) + " member " +
                                std::to_string(k + 1));
    for (const ConnectionEntry& connection : model.ConnectionManagerSection.Connections)
        for (const std::string* field : ConnectionFields(connection))
            if (Names(*field, prefix, number)) {
                names.push_back("Connection" + std::to_string(connection.Number));
                break;
            }
    return names;
}

void Renumber(CEtherNetIPEDS& model, std::string_view prefix,
              const std::function<std::optional<uint32_t>(uint32_t)>& renumber) {
    for (AssemblyEntry& assembly : model.AssemblySection.Assemblies)
        for (std::string& reference : assembly.MemberReferences)
            RenumberText(reference, prefix, renumber);
    for (ConnectionEntry& connection : model.ConnectionManagerSection.Connections)
        for (std::string* field : ConnectionFields(connection))
            RenumberText(*field, prefix, renumber);
}

} // namespace corvid::refs
