#include "canopen/CANopenFields.h"

#include "dictionaries/EDSTextHelper.h"

namespace corvid {

std::string CommentLineKey(size_t number) {
    return std::string(kCommentLineKeyword) + std::to_string(number);
}

unsigned CommentLineNumber(std::string_view key, KeywordMatch match) {
    const size_t prefix = kCommentLineKeyword.size();
    if (key.size() <= prefix || key.size() > prefix + 5 ||
        !KeywordEquals(key.substr(0, prefix), kCommentLineKeyword, match) || key[prefix] == '0')
        return 0;
    const std::string_view digits = key.substr(prefix);
    return IsDecimal(digits) ? ParseNumber(digits) : 0;
}

} // namespace corvid
