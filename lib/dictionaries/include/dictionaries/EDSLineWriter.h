#pragma once

// Builds the text of an EDS file line by line, every line ended with CR LF:
// in memory, or handed to a file in blocks as it is made, so that saving a
// large file never holds its whole text.

#include "dictionaries/EDSTextHelper.h"
#include "dictionaries/FileIO.h"

#include <charconv>
#include <initializer_list>
#include <string>
#include <string_view>

namespace corvid {

class CEDSLineWriter {
public:
    CEDSLineWriter() = default;
    // Text goes to `file` a block at a time; Flush hands it the rest.
    explicit CEDSLineWriter(CReplacingFile& file) : file_(&file) { text_.reserve(2 * kBlockBytes); }

    CEDSLineWriter& Line(std::string_view text) { return Put({text, "\r\n"}); }
    CEDSLineWriter& Line(std::string_view key, std::string_view value) {
        return Put({key, "=", value, "\r\n"});
    }
    // "key=value", only when the value is set.
    CEDSLineWriter& Optional(std::string_view key, std::string_view value) {
        if (!value.empty())
            Line(key, value);
        return *this;
    }
    CEDSLineWriter& Number(std::string_view key, unsigned long long value) {
        char digits[20];
        const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
        return Line(key, std::string_view(digits, static_cast<size_t>(end - digits)));
    }
    CEDSLineWriter& Flag(std::string_view key, bool value) { return Line(key, FormatFlag(value)); }
    CEDSLineWriter& Section(std::string_view name) { return Put({"[", name, "]\r\n"}); }
    // Raw text, for layouts that build their own line ends.
    CEDSLineWriter& Append(std::string_view text) {
        text_.append(text);
        return Flushed();
    }
    // Room for `bytes` of text at once, so a large file is not copied over
    // and over as it grows; pages not written to cost no memory.
    void Reserve(size_t bytes) {
        if (!file_)
            text_.reserve(bytes);
    }
    const std::string& Text() const { return text_; }
    std::string Take() { return std::move(text_); }
    void Flush() {
        if (file_)
            file_->Write(text_);
        text_.clear();
    }

private:
    // Large enough that the system calls cost nothing beside the copying,
    // small enough to stay in the processor's cache.
    static constexpr size_t kBlockBytes = 64 * 1024;

    // One growth of the text for all parts of a line, which are views made
    // where the line is written, so the length of a literal is known there
    // and not counted at run time.
    CEDSLineWriter& Put(std::initializer_list<std::string_view> parts) {
        size_t size = 0;
        for (std::string_view part : parts)
            size += part.size();
        size_t at = text_.size();
        text_.resize(at + size);
        for (std::string_view part : parts)
            at += part.copy(text_.data() + at, part.size());
        return Flushed();
    }

    CEDSLineWriter& Flushed() {
        if (file_ && text_.size() >= kBlockBytes)
            Flush();
        return *this;
    }

    std::string text_;
    CReplacingFile* file_ = nullptr;
};

} // namespace corvid
