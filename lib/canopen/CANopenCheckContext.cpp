#include "CANopenCheckContext.h"

#include "canopen/CANopenModel.h"
#include "dictionaries/EDSTextHelper.h"
#include "dictionaries/ProfileText.h"
#include "dictionaries/ValueRange.h"

namespace corvid {

namespace {

std::optional<uint32_t> HexDigits(std::string_view digits, size_t most) {
    if (digits.empty() || digits.size() > most)
        return std::nullopt;
    const std::optional<IntegerValue> value = ParseIntegerValue("0x" + std::string(digits), false);
    if (!value)
        return std::nullopt;
    return static_cast<uint32_t>(value->magnitude);
}

std::optional<CheckedKey> KeyedLine(const SourceLine& line) {
    const size_t equals = line.text.find('=');
    if (equals == std::string_view::npos || IsCommentLine(line.text))
        return std::nullopt;
    CheckedKey key;
    key.written = TrimmedBlanks(line.text.substr(0, equals));
    for (char c : key.written)
        if (c != ' ' && c != '\t')
            key.lower += c;
    key.lower = ToLowerAscii(key.lower);
    key.value = TrimmedBlanks(line.text.substr(equals + 1));
    key.line = line.number;
    return key;
}

} // namespace

ObjectSectionParts ParseObjectSectionName(std::string_view name) {
    using enum ObjectSectionParts::Kind;
    const std::string lower = ToLowerAscii(name);
    const std::string_view text = lower;
    for (const auto& [suffix, kind] : {std::pair{std::string_view("name"), Names},
                                       std::pair{std::string_view("value"), Values}}) {
        if (text.size() > suffix.size() && text.ends_with(suffix)) {
            if (auto index = HexDigits(text.substr(0, text.size() - suffix.size()), 4))
                return {kind, static_cast<uint16_t>(*index), 0};
        }
    }
    if (const size_t sub = text.find("sub"); sub != std::string_view::npos) {
        const auto index = HexDigits(text.substr(0, sub), 4);
        const auto subIndex = HexDigits(text.substr(sub + 3), 2);
        if (index && subIndex)
            return {SubIndex, static_cast<uint16_t>(*index), static_cast<uint8_t>(*subIndex)};
        return {};
    }
    if (auto index = HexDigits(text, 4))
        return {Object, static_cast<uint16_t>(*index), 0};
    return {};
}

const CheckedKey* CheckedSection::Find(std::string_view lower) const {
    for (const CheckedKey& key : keys)
        if (key.lower == lower)
            return &key;
    return nullptr;
}

CANopenCheckContext::CANopenCheckContext(CANopenSource& source, const std::string& path)
    : path_(path) {
    sections_.reserve(source.Sections().size());
    for (const SourceSection& section : source.Sections()) {
        CheckedSection& checked = sections_.emplace_back();
        checked.source = &section;
        checked.name = source.Name(section);
        checked.first = section.first;
        for (const SourceLine& line : source.Lines(section))
            if (std::optional<CheckedKey> key = KeyedLine(line))
                checked.keys.push_back(std::move(*key));
    }
    for (const CheckedSection& section : sections_) {
        if (!section.first)
            continue;
        const ObjectSectionParts name = ParseObjectSectionName(section.Name());
        if (name.kind == ObjectSectionParts::Kind::Object)
            objects_.try_emplace(name.index, &section);
        else if (name.kind == ObjectSectionParts::Kind::SubIndex)
            subIndexes_[name.index].try_emplace(name.subIndex, &section);
    }
}

const CheckedSection* CANopenCheckContext::Find(std::string_view name) const {
    const std::string lower = ToLowerAscii(name);
    for (const CheckedSection& section : sections_)
        if (section.first && ToLowerAscii(section.Name()) == lower)
            return &section;
    return nullptr;
}

const CheckedSection* CANopenCheckContext::FindObject(uint16_t index) const {
    const auto found = objects_.find(index);
    return found == objects_.end() ? nullptr : found->second;
}

const CheckedSection* CANopenCheckContext::FindSubIndex(uint16_t index, uint8_t subIndex) const {
    const auto& subs = SubIndexesOf(index);
    const auto found = subs.find(subIndex);
    return found == subs.end() ? nullptr : found->second;
}

const std::map<uint8_t, const CheckedSection*>&
CANopenCheckContext::SubIndexesOf(uint16_t index) const {
    static const std::map<uint8_t, const CheckedSection*> kNone;
    const auto found = subIndexes_.find(index);
    return found == subIndexes_.end() ? kNone : found->second;
}

void CANopenCheckContext::Report(Severity severity, const CheckedSection& section,
                                 const CheckedKey* key, std::string message) {
    ReportAt(severity, key != nullptr ? key->line : section.source->number,
             std::string(section.Name()), key != nullptr ? key->written : std::string(),
             std::move(message));
}

void CANopenCheckContext::ReportAt(Severity severity, int line, std::string section,
                                   std::string key, std::string message) {
    findings_.push_back(
        {path_, line, severity, std::move(section), std::move(key), std::move(message)});
}

std::optional<uint64_t> UnsignedValue(std::string_view value) {
    const std::optional<IntegerValue> number = ParseIntegerValue(value, true);
    if (!number || (number->negative && number->magnitude != 0))
        return std::nullopt;
    return number->magnitude;
}

std::string IndexText(uint16_t index) {
    return FormatHex16(index);
}

} // namespace corvid
