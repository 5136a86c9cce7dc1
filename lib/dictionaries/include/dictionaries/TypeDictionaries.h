#pragma once

// Names of object types and data types, from DataType.ini and
// ObjectType.ini in the program folder. Every lookup reads the file afresh,
// so an edited dictionary takes effect at once; a missing file or name gives
// an empty name or the "none" code of the model.

#include <cstdint>
#include <string>
#include <vector>

namespace corvid {

inline constexpr const char* kDataTypeFile = "DataType.ini";
inline constexpr const char* kObjectTypeFile = "ObjectType.ini";

// Codes at or below this use the old numbering of the DeviceNet parameter
// object (decimal keys); codes above it are CIP elementary types (hex keys).
inline constexpr uint8_t kLastLegacyFieldbusType = 150;

std::string ObjectTypeName(uint8_t code);
uint8_t ObjectTypeCode(const std::string& name); // 255 when unknown

std::string DataTypeName(uint16_t index);
uint16_t DataTypeIndex(const std::string& name); // 0xFFFF when unknown

std::string FieldbusTypeName(uint8_t code);
uint8_t FieldbusTypeCode(const std::string& name); // 255 when unknown
// The code of `name` in the one section FieldbusTypeChoices(listCode)
// offers, so a name both numberings share keeps the numbering of its list;
// 255 when the name is not in that section.
uint8_t FieldbusTypeCodeInList(const std::string& name, uint8_t listCode);

// The texts a choice box offers for one dictionary section, in file order:
// the text after the first "=" (the whole line without one), blanks removed.
std::vector<std::string> ChoiceList(const std::string& section, const std::string& file);

// The fieldbus data type list that fits a parameter's current code.
std::vector<std::string> FieldbusTypeChoices(uint8_t currentCode);

} // namespace corvid
