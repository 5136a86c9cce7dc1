#pragma once

// Builds the text of an EDS file line by line, every line ended with CR LF:
// in memory, or handed to a file in blocks as it is made, so that saving a
// large file never holds its whole text.

#include "dictionaries/EDSTextHelper.h"
#include "dictionaries/FileIO.h"

#include <algorithm>
#include <charconv>
#include <string>
#include <string_view>

namespace corvid {

class CEDSLineWriter {
public:
    CEDSLineWriter() = default;
    // Text goes to `file` a block at a time; Flush hands it the rest.
    explicit CEDSLineWriter(CReplacingFile& file) : file_(&file) { text_.resize(2 * kBlockBytes); }

    CEDSLineWriter& Line(std::string_view text) { return Put(text, "\r\n"); }
    CEDSLineWriter& Line(std::string_view key, std::string_view value) {
        return Put(key, "=", value, "\r\n");
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
    CEDSLineWriter& Section(std::string_view name) { return Put("[", name, "]\r\n"); }
    // Raw text, for layouts that build their own line ends.
    CEDSLineWriter& Append(std::string_view text) { return Put(text); }
    // Room for `bytes` of text at once, so a large file is not copied over
    // and over as it grows; pages not written to cost no memory.
    void Reserve(size_t bytes) {
        if (!file_)
            text_.reserve(bytes);
    }
    std::string Take() {
        text_.resize(used_);
        used_ = 0;
        return std::move(text_);
    }
    void Flush() {
        if (file_)
            file_->Write({text_.data(), used_});
        used_ = 0;
    }

private:
    // Large enough that the system calls cost nothing beside the copying,
    // small enough to stay in the processor's cache.
    static constexpr size_t kBlockBytes = 64 * 1024;

    // All parts of a line copied into room made for them at once. A literal
    // part ("=", CR LF) has its length known where the line is written, so
    // it is copied in place instead of by a call per part.
    template <typename... Parts> CEDSLineWriter& Put(const Parts&... parts) {
        char* at = Room((PartSize(parts) + ...));
        ((at = CopyPart(parts, at)), ...);
        used_ = static_cast<size_t>(at - text_.data());
        return Flushed();
    }
    static size_t PartSize(std::string_view part) { return part.size(); }
    template <size_t N> static constexpr size_t PartSize(const char (&)[N]) { return N - 1; }
    static char* CopyPart(std::string_view part, char* at) {
        return std::copy(part.begin(), part.end(), at);
    }
    template <size_t N> static char* CopyPart(const char (&literal)[N], char* at) {
        return std::copy_n(literal, N - 1, at);
    }

    // Where `bytes` more of text go. The string is grown ahead of the text
    // a block at a time, not a line at a time: growing a string fills its
    // new room with zeros, which cost as much as the line itself.
    char* Room(size_t bytes) {
        if (text_.size() - used_ < bytes)
            text_.resize(std::max(used_ + bytes, std::min(text_.capacity(), used_ + kBlockBytes)));
        return text_.data() + used_;
    }

    // Whole blocks go to the file, so every write starts and ends on a
    // block's bound: the system caches a file in pages, and a write that
    // cuts a page costs near twice one that fills it.
    CEDSLineWriter& Flushed() {
        if (!file_ || used_ < kBlockBytes)
            return *this;
        const size_t whole = used_ - used_ % kBlockBytes;
        file_->Write({text_.data(), whole});
        used_ = static_cast<size_t>(std::copy(text_.begin() + static_cast<ptrdiff_t>(whole),
                                              text_.begin() + static_cast<ptrdiff_t>(used_),
                                              text_.begin()) -
                                    text_.begin());
        return *this;
    }

    std::string text_; // its first used_ bytes are the text, the rest room made for it
    size_t used_ = 0;
    CReplacingFile* file_ = nullptr;
};

} // namespace corvid
