#pragma once

// JSON written as it is produced, for dumps of files larger than the memory
// a whole document tree would take. The layout is that of nlohmann's dump
// with an indent of two (the dump's stable form): each member on its own
// line, "key": value, empty containers as {} and [], texts escaped the same
// way and everything above ASCII passed through as UTF-8.

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace corvid {

class CJsonWriter {
public:
    explicit CJsonWriter(std::ostream& out) : out_(out) {}
    ~CJsonWriter() { Flush(); }
    CJsonWriter(const CJsonWriter&) = delete;
    CJsonWriter& operator=(const CJsonWriter&) = delete;

    void BeginObject() { Open('{'); }
    void EndObject() { Close('}'); }
    void BeginArray() { Open('['); }
    void EndArray() { Close(']'); }

    // The name of the next member of the object open; its value follows.
    CJsonWriter& Key(std::string_view utf8);

    void Text(std::string_view utf8);
    void Bool(bool value);
    void Null();
    // Every number of the models fits; a flag given here is written as 0 or 1.
    void Number(int64_t value);

    // Hands what is buffered to the stream.
    void Flush();

private:
    void Open(char bracket);
    void Close(char bracket);
    void BeforeValue();
    void Escaped(std::string_view utf8);
    void Put(std::string_view text);

    std::ostream& out_;
    std::string buffer_;
    std::vector<size_t> counts_; // members or items so far, per open container
    bool afterKey_ = false;
};

} // namespace corvid
