#include "generate/GenerateTexts.h"

namespace corvid::generate_texts {

std::string Format(std::string_view pattern, std::initializer_list<std::string_view> values) {
    std::string text;
    const auto* value = values.begin();
    size_t from = 0;
    for (size_t at = pattern.find("%s"); at != std::string_view::npos;
         at = pattern.find("%s", from)) {
        text.append(pattern.substr(from, at - from));
        if (value != values.end())
            text.append(*value++);
        from = at + 2;
    }
    text.append(pattern.substr(from));
    return text;
}

} // namespace corvid::generate_texts
