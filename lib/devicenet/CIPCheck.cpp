#include "devicenet/CIPCheck.h"

#include "CIPCheckEntries.h"

#include "devicenet/CIPParamRules.h"
#include "devicenet/DeviceNetFields.h"
#include "devicenet/EDSLineScanner.h"
#include "devicenet/EDSParamSections.h"
#include "dictionaries/EDSTextHelper.h"
#include "dictionaries/ValueRange.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <set>

namespace corvid {

namespace {

class CIPCheck {
public:
    CIPCheck(const CIPFileEntries& file, const std::string& path) : file_(file), path_(path) {}

    void Report(Severity severity, const CIPEntry& entry, std::string message) {
        findings_.push_back(
            {path_, entry.line, severity, entry.section, entry.keyword, std::move(message)});
    }

    const CIPFileEntries& file_;
    const std::string& path_;
    CheckFindings findings_;
};

bool IsNumberText(std::string_view value) {
    return ParseIntegerValue(value, false).has_value();
}

// The keywords the section's table marks MustHave; numbers must read as
// numbers.
template <typename Record, size_t N>
void CheckRequired(CIPCheck& check, std::string_view section, const FieldTable<Record, N>& keys) {
    const auto header = std::find_if(check.file_.sections.begin(), check.file_.sections.end(),
                                     [&](const CIPSectionHeader& s) { return s.name == section; });
    if (header == check.file_.sections.end()) {
        check.findings_.push_back({check.path_, 1, Severity::Error, std::string(section), "",
                                   "section [" + std::string(section) + "] missing."});
        return;
    }
    for (const FieldEntry<Record>& key : keys) {
        if (!key.Traits.Required)
            continue;
        const CIPEntry* entry = check.file_.Find(section, key.Keyword);
        if (entry == nullptr) {
            check.findings_.push_back({check.path_, header->line, Severity::Error,
                                       std::string(section), std::string(key.Keyword),
                                       "required key missing."});
        } else if (key.Traits.Kind == ValueKind::Number) {
            const std::string value = SingleValue(entry->entry);
            if (!IsNumberText(value))
                check.Report(Severity::Error, *entry, value + " is no number.");
        }
    }
}

void CheckDuplicates(CIPCheck& check) {
    std::set<std::string> sections;
    for (const CIPSectionHeader& header : check.file_.sections)
        if (!sections.insert(header.name).second)
            check.findings_.push_back({check.path_, header.line, Severity::Warning, header.name, "",
                                       "section given again."});
    std::map<std::pair<std::string, std::string>, int> seen;
    for (const CIPEntry& entry : check.file_.entries) {
        const auto [first, fresh] = seen.try_emplace({entry.section, entry.keyword}, entry.line);
        if (!fresh)
            check.Report(Severity::Warning, entry,
                         "given again (first at line " + std::to_string(first->second) + ").");
    }
}

// Field positions of a ParamN entry that hold numbers, with their names.
constexpr std::pair<size_t, std::string_view> kParamNumberFields[] = {
    {0, "Reserved"},  {1, "Path Size"},      {3, "Descriptor"}, {4, "Data Type"},
    {5, "Data Size"}, {12, "Multiplier"},    {13, "Divider"},   {14, "Base"},
    {15, "Offset"},   {20, "Decimal Places"}};

// The parameter numbers the file has, and those that carry an enumeration.
struct ParamIndex {
    std::set<uint32_t> params;
    std::set<uint32_t> enumerated;
    std::set<uint32_t> assemblies;
};

// Enumerations stand in [EnumPar] as ParamN or EnumN, or in [Params] as
// EnumN beside their parameter.
uint32_t EnumeratedParam(const CIPEntry& entry) {
    if (entry.section == "EnumPar" && NumberedKeyword(entry.keyword, "Param") != 0)
        return NumberedKeyword(entry.keyword, "Param");
    if (entry.section == "EnumPar" || entry.section == "Params")
        return NumberedKeyword(entry.keyword, "Enum");
    return 0;
}

ParamIndex IndexParams(const CIPFileEntries& file) {
    ParamIndex index;
    for (const CIPEntry& entry : file.entries) {
        if (entry.section == "Params" && NumberedKeyword(entry.keyword, "Param") != 0)
            index.params.insert(NumberedKeyword(entry.keyword, "Param"));
        if (const uint32_t enumerated = EnumeratedParam(entry); enumerated != 0)
            index.enumerated.insert(enumerated);
        if (entry.section == "Assembly" && NumberedKeyword(entry.keyword, "Assem") != 0)
            index.assemblies.insert(NumberedKeyword(entry.keyword, "Assem"));
    }
    return index;
}

void CheckParam(CIPCheck& check, const CIPEntry& entry, const ParamIndex& index) {
    const std::vector<std::string> fields = EntryFields(entry.entry);
    if (fields.size() < 21)
        check.Report(Severity::Warning, entry,
                     "has " + std::to_string(fields.size()) + " fields; a parameter has 21.");
    bool numbers = true;
    for (const auto& [position, name] : kParamNumberFields) {
        if (position < fields.size() && !fields[position].empty() &&
            !IsNumberText(fields[position])) {
            check.Report(Severity::Error, entry,
                         std::string(name) + " " + fields[position] + " is no number.");
            numbers = false;
        }
    }
    if (!numbers)
        return;
    CEDSParam param = ParamFromEntry(entry.entry);
    if (index.enumerated.contains(NumberedKeyword(entry.keyword, "Param")))
        param.EnumStrings.emplace();
    for (RuleFault& fault : CIPParamFaults(param))
        check.Report(fault.severity, entry, std::move(fault.message));
}

// Words such as "Param12" or "Assem100" outside double quotes.
std::vector<std::pair<std::string, uint32_t>> References(std::string_view text) {
    std::vector<std::pair<std::string, uint32_t>> found;
    bool quoted = false;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '"')
            quoted = !quoted;
        const bool wordStart = i == 0 || !std::isalnum(static_cast<unsigned char>(text[i - 1]));
        if (quoted || !wordStart)
            continue;
        for (std::string_view word : {"Param", "Assem"}) {
            if (text.substr(i).starts_with(word)) {
                size_t end = i + word.size();
                while (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end])))
                    ++end;
                if (end > i + word.size() && end - i - word.size() <= 9 &&
                    (end == text.size() || !std::isalpha(static_cast<unsigned char>(text[end]))))
                    found.emplace_back(
                        std::string(word),
                        ParseNumber(text.substr(i + word.size(), end - i - word.size())));
            }
        }
    }
    return found;
}

void CheckReferences(CIPCheck& check, const CIPEntry& entry, const ParamIndex& index) {
    const size_t equals = static_cast<size_t>(FindOutsideQuotes(entry.entry, '='));
    for (const auto& [word, number] : References(std::string_view(entry.entry).substr(equals))) {
        const std::set<uint32_t>& known = word == "Param" ? index.params : index.assemblies;
        if (!known.contains(number))
            check.Report(Severity::Error, entry,
                         "names " + word + std::to_string(number) +
                             ", which the file does not have.");
    }
}

// A group's members are parameter numbers, after its name and member count.
void CheckGroup(CIPCheck& check, const CIPEntry& entry, const ParamIndex& index) {
    const std::vector<std::string> fields = EntryFields(entry.entry);
    const size_t members = fields.size() > 2 ? fields.size() - 2 : 0;
    if (fields.size() > 1 && ParseIntegerValue(fields[1], false).has_value() &&
        ParseNumber(fields[1]) != members)
        check.Report(Severity::Warning, entry,
                     "says " + fields[1] + " members, but lists " + std::to_string(members) + ".");
    for (size_t i = 2; i < fields.size(); ++i) {
        if (!IsNumberText(fields[i]))
            check.Report(Severity::Error, entry, "member " + fields[i] + " is no number.");
        else if (!index.params.contains(ParseNumber(fields[i])))
            check.Report(Severity::Error, entry,
                         "names Param" + fields[i] + ", which the file does not have.");
    }
}

void CheckEntries(CIPCheck& check) {
    const ParamIndex index = IndexParams(check.file_);
    for (const CIPEntry& entry : check.file_.entries) {
        if (entry.section == "Params" && NumberedKeyword(entry.keyword, "Param") != 0)
            CheckParam(check, entry, index);
        else if (entry.section == "Groups" && NumberedKeyword(entry.keyword, "Group") != 0)
            CheckGroup(check, entry, index);
        else if (EnumeratedParam(entry) != 0 && !index.params.contains(EnumeratedParam(entry)))
            check.Report(Severity::Error, entry,
                         "enumerates " + entry.keyword + ", which the file does not have.");
        else if (entry.section == "Assembly" || entry.section == "Connection Manager" ||
                 entry.section == "IO_Info")
            CheckReferences(check, entry, index);
    }
}

} // namespace

CheckFindings CheckCIPText(std::string_view text, const std::string& path, CIPFileKind kind,
                           const ReaderDiagnostics& kept) {
    const CIPFileEntries file = ScanCIPEntries(text, kind);
    CIPCheck check(file, path);
    CheckRequired(check, "File", kFileFields);
    CheckRequired(check, "Device", kDeviceFields);
    CheckDuplicates(check);
    CheckEntries(check);
    std::set<int> found;
    for (const CheckFinding& finding : check.findings_)
        found.insert(finding.line);
    for (const ReaderDiagnostic& note : kept)
        if (!found.contains(note.line))
            check.findings_.push_back({path, note.line, Severity::Note, "", "", note.text});
    std::stable_sort(check.findings_.begin(), check.findings_.end(),
                     [](const CheckFinding& a, const CheckFinding& b) { return a.line < b.line; });
    return std::move(check.findings_);
}

} // namespace corvid
