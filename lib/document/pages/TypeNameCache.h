#pragma once

// The dictionary lookups read their file on every call, which is right for
// one cell but not for a page of thousands of rows: a page asks once per
// code and keeps the answer while it is built.

#include <cstdint>
#include <map>
#include <string>

namespace corvid::pages {

class TypeNameCache {
public:
    const std::string& DataType(uint16_t index);
    const std::string& ObjectType(uint8_t code);
    const std::string& FieldbusType(uint8_t code);

private:
    std::map<uint16_t, std::string> dataTypes_;
    std::map<uint8_t, std::string> objectTypes_;
    std::map<uint8_t, std::string> fieldbusTypes_;
};

} // namespace corvid::pages
