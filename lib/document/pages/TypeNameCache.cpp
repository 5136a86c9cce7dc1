#include "TypeNameCache.h"

#include "dictionaries/TypeDictionaries.h"

namespace corvid::pages {

namespace {

template <typename Code, typename Lookup>
const std::string& Remembered(std::map<Code, std::string>& names, Code code, Lookup lookup) {
    auto known = names.find(code);
    if (known == names.end())
        known = names.emplace(code, lookup(code)).first;
    return known->second;
}

} // namespace

const std::string& TypeNameCache::DataType(uint16_t index) {
    return Remembered(dataTypes_, index, DataTypeName);
}

const std::string& TypeNameCache::ObjectType(uint8_t code) {
    return Remembered(objectTypes_, code, ObjectTypeName);
}

const std::string& TypeNameCache::FieldbusType(uint8_t code) {
    return Remembered(fieldbusTypes_, code, FieldbusTypeName);
}

} // namespace corvid::pages
