#include "reports/JsonWriter.h"

#include <charconv>

namespace corvid {

namespace {

// Buffered up to this size before it goes to the stream: large enough that
// the stream is called rarely, small beside any file worth streaming.
constexpr size_t kBufferSize = 64 * 1024;

} // namespace

CJsonWriter& CJsonWriter::Key(std::string_view utf8) {
    BeforeValue();
    Escaped(utf8);
    Put(": ");
    afterKey_ = true;
    return *this;
}

void CJsonWriter::Text(std::string_view utf8) {
    BeforeValue();
    Escaped(utf8);
}

void CJsonWriter::Bool(bool value) {
    BeforeValue();
    Put(value ? "true" : "false");
}

void CJsonWriter::Null() {
    BeforeValue();
    Put("null");
}

void CJsonWriter::Number(int64_t value) {
    BeforeValue();
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    Put(std::string_view(digits, static_cast<size_t>(end - digits)));
}

void CJsonWriter::Flush() {
    out_.write(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    buffer_.clear();
}

void CJsonWriter::Open(char bracket) {
    BeforeValue();
    buffer_ += bracket;
    counts_.push_back(0);
}

// An empty container closes on its own line: {} or [].
void CJsonWriter::Close(char bracket) {
    const size_t count = counts_.back();
    counts_.pop_back();
    if (count > 0) {
        buffer_ += '\n';
        buffer_.append(2 * counts_.size(), ' ');
    }
    buffer_ += bracket;
}

// A value after its key stands on the key's line; any other member or item
// starts a line of its own, indented by its depth.
void CJsonWriter::BeforeValue() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (counts_.empty())
        return;
    Put(counts_.back()++ == 0 ? "\n" : ",\n");
    buffer_.append(2 * counts_.size(), ' ');
}

// Quotes, backslashes and control characters escaped; every other byte,
// UTF-8 included, as it is.
void CJsonWriter::Escaped(std::string_view utf8) {
    static constexpr char kHex[] = "0123456789abcdef";
    buffer_ += '"';
    for (const char c : utf8) {
        switch (c) {
        case '"':
            buffer_ += "\\\"";
            break;
        case '\\':
            buffer_ += "\\\\";
            break;
        case '\b':
            buffer_ += "\\b";
            break;
        case '\f':
            buffer_ += "\\f";
            break;
        case '\n':
            buffer_ += "\\n";
            break;
        case '\r':
            buffer_ += "\\r";
            break;
        case '\t':
            buffer_ += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                buffer_ += "\\u00";
                buffer_ += kHex[(c >> 4) & 0xF];
                buffer_ += kHex[c & 0xF];
            } else {
                buffer_ += c;
            }
        }
    }
    buffer_ += '"';
    if (buffer_.size() >= kBufferSize)
        Flush();
}

void CJsonWriter::Put(std::string_view text) {
    buffer_ += text;
    if (buffer_.size() >= kBufferSize)
        Flush();
}

} // namespace corvid
