#pragma once

// Builds the text of an EDS file line by line, every line ended with CR LF,
// in memory: writers format the whole file first and save it in one step.

#include "dictionaries/EDSTextHelper.h"

#include <string>
#include <string_view>

namespace corvid {

class CEDSLineWriter {
public:
    CEDSLineWriter& Line(std::string_view text) {
        text_.append(text).append("\r\n");
        return *this;
    }
    CEDSLineWriter& Line(std::string_view key, std::string_view value) {
        text_.append(key).append("=").append(value).append("\r\n");
        return *this;
    }
    // "key=value", only when the value is set.
    CEDSLineWriter& Optional(std::string_view key, std::string_view value) {
        if (!value.empty())
            Line(key, value);
        return *this;
    }
    CEDSLineWriter& Number(std::string_view key, unsigned long long value) {
        return Line(key, std::to_string(value));
    }
    CEDSLineWriter& Flag(std::string_view key, bool value) { return Line(key, FormatFlag(value)); }
    CEDSLineWriter& Section(std::string_view name) {
        text_.append("[").append(name).append("]\r\n");
        return *this;
    }
    // Raw text, for layouts that build their own line ends.
    CEDSLineWriter& Append(std::string_view text) {
        text_.append(text);
        return *this;
    }
    // Room for `bytes` of text at once, so a large file is not copied over
    // and over as it grows; pages not written to cost no memory.
    void Reserve(size_t bytes) { text_.reserve(bytes); }
    const std::string& Text() const { return text_; }
    std::string Take() { return std::move(text_); }

private:
    std::string text_;
};

} // namespace corvid
