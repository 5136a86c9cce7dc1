#include "dictionaries/TypeDictionaries.h"

#include "dictionaries/EDSTextHelper.h"
#include "dictionaries/ModuleFolder.h"
#include "dictionaries/ProfileFile.h"

namespace corvid {

namespace {

std::string DictionaryPath(const char* file) {
    return ModuleFolder() + file;
}

} // namespace

std::string ObjectTypeName(uint8_t code) {
    return ProfileString(DictionaryPath(kObjectTypeFile), "Code-Name", std::to_string(code));
}

uint8_t ObjectTypeCode(const std::string& name) {
    return static_cast<uint8_t>(
        ProfileInt(DictionaryPath(kObjectTypeFile), "Name-Code", name, 255));
}

std::string DataTypeName(uint16_t index) {
    return ProfileString(DictionaryPath(kDataTypeFile), "Index-Name", std::to_string(index));
}

uint16_t DataTypeIndex(const std::string& name) {
    return static_cast<uint16_t>(
        ProfileInt(DictionaryPath(kDataTypeFile), "Name-Index", name, 0xFFFF));
}

std::string FieldbusTypeName(uint8_t code) {
    if (code > kLastLegacyFieldbusType)
        return ProfileString(DictionaryPath(kDataTypeFile), "New-Index-Type", FormatHex8(code));
    return ProfileString(DictionaryPath(kDataTypeFile), "Index-Type", std::to_string(code));
}

uint8_t FieldbusTypeCode(const std::string& name) {
    const std::string path = DictionaryPath(kDataTypeFile);
    const int legacy = ProfileInt(path, "Type-Index", name, 255);
    if ((legacy & 0xFF) != 255)
        return static_cast<uint8_t>(legacy);
    return static_cast<uint8_t>(ProfileInt(path, "New-Type-Index", name, 255));
}

uint8_t FieldbusTypeCodeInList(const std::string& name, uint8_t listCode) {
    const char* section = listCode > kLastLegacyFieldbusType ? "New-Type-Index" : "Type-Index";
    return static_cast<uint8_t>(ProfileInt(DictionaryPath(kDataTypeFile), section, name, 255));
}

std::vector<std::string> ChoiceList(const std::string& section, const std::string& file) {
    std::vector<std::string> choices;
    for (const std::string& line : ProfileSection(file, section)) {
        const size_t equals = line.find('=');
        choices.push_back(TrimmedBlanks(equals == std::string::npos
                                            ? std::string_view(line)
                                            : std::string_view(line).substr(equals + 1)));
    }
    return choices;
}

std::vector<std::string> FieldbusTypeChoices(uint8_t currentCode) {
    return ChoiceList(currentCode > kLastLegacyFieldbusType ? "New-Index-Type" : "Index-Type",
                      DictionaryPath(kDataTypeFile));
}

} // namespace corvid
