#include "devicenet/EDSParamSections.h"

#include "devicenet/EDSFieldLines.h"
#include "devicenet/EDSParamFields.h"
#include "devicenet/EDSPlainEntry.h"
#include "dictionaries/EDSTextHelper.h"

#include <algorithm>
#include <iterator>
#include <limits>
#include <utility>

namespace corvid {

namespace {

// Each parameter by the number it is written under, ascending; the numbers
// are unique.
using ParamIndex = std::vector<std::pair<uint32_t, CEDSParam*>>;

ParamIndex ParamsByNumber(CEDSParamList& params) {
    const std::vector<uint32_t> numbers = ParamNumbers(params);
    ParamIndex byNumber;
    byNumber.reserve(params.size());
    for (size_t i = 0; i < params.size(); ++i)
        byNumber.emplace_back(numbers[i], &params[i]);
    if (!std::is_sorted(byNumber.begin(), byNumber.end()))
        std::sort(byNumber.begin(), byNumber.end());
    return byNumber;
}

std::string PaddedRight(std::string text, size_t width) {
    if (text.size() < width)
        text.append(width - text.size(), ' ');
    return text;
}

// The blanks behind each member number keep the numbers roughly in columns.
size_t BlanksAfterMember(size_t number) {
    if (number <= 10)
        return 5;
    if (number <= 100)
        return 4;
    if (number <= 1000)
        return 3;
    if (number <= 10000)
        return 2;
    return 1;
}

// The header of a section that has something to write, through `kept`
// when given.
void SectionHeader(CEDSLineWriter& out, CKeptLinesWriter* kept, std::string_view name) {
    if (kept != nullptr)
        kept->Section(name);
    else
        out.Section(name);
}

void WriteKeptEntries(CKeptLinesWriter* kept, std::string_view name) {
    if (kept != nullptr)
        kept->Entries(name);
}

bool HasKeptEntries(const CKeptLinesWriter* kept, std::string_view name) {
    return kept != nullptr && kept->HasEntries(name);
}

void FormatEnumPar(CEDSLineWriter& out, const CEDSParamList& params,
                   const std::vector<uint32_t>& numbers, CKeptLinesWriter* kept) {
    bool first = true;
    const auto header = [&] {
        if (first)
            SectionHeader(out, kept, "EnumPar");
        first = false;
    };
    for (size_t i = 0; i < params.size(); ++i) {
        const auto& strings = params[i].EnumStrings;
        // An entry without strings would have no ";" to end it and would
        // swallow the next entry when read back; it is left out instead.
        if (!strings || strings->empty())
            continue;
        header();
        out.Line("\tParam" + std::to_string(numbers[i]) + "=");
        for (size_t s = 0; s < strings->size(); ++s)
            out.Line("\t      " + (*strings)[s] + (s + 1 < strings->size() ? "," : ";"));
        out.Line("");
    }
    if (HasKeptEntries(kept, "EnumPar")) {
        header();
        WriteKeptEntries(kept, "EnumPar");
    }
    out.Line("");
}

// The member field of a group line: "2,     10;". A group without members
// ends its count field with ";" instead, so it reads back with no members.
std::string GroupLine(size_t group, const std::string& name, size_t nameWidth,
                      const CEDSParamList& params, const std::vector<uint32_t>& numbers) {
    std::vector<uint32_t> memberNumbers;
    for (size_t i = 0; i < params.size(); ++i)
        if (params[i].Group == group)
            memberNumbers.push_back(numbers[i]);
    std::sort(memberNumbers.begin(), memberNumbers.end());
    std::string members;
    for (const uint32_t number : memberNumbers)
        members += std::to_string(number) + "," + std::string(BlanksAfterMember(number), ' ');
    std::string line = PaddedRight("\tGroup" + std::to_string(group) + "=", 10) +
                       PaddedRight(name + ",", nameWidth + 10);
    if (memberNumbers.empty())
        return line + PaddedRight("0;", 5);
    members.erase(members.find_last_not_of(' ') + 1);
    members.back() = ';';
    return line + PaddedRight(std::to_string(memberNumbers.size()) + ",", 5) +
           PaddedRight(members, 5);
}

void FormatGroups(CEDSLineWriter& out, const CEDSParamList& params,
                  const std::vector<uint32_t>& numbers, const std::vector<std::string>& groupNames,
                  CKeptLinesWriter* kept) {
    if (groupNames.empty() && !HasKeptEntries(kept, "Groups"))
        return;
    size_t nameWidth = 0;
    for (const std::string& name : groupNames)
        nameWidth = std::max(nameWidth, name.size());
    SectionHeader(out, kept, "Groups");
    for (size_t g = 0; g < groupNames.size(); ++g)
        out.Line(GroupLine(g + 1, groupNames[g], nameWidth, params, numbers));
    WriteKeptEntries(kept, "Groups");
}

} // namespace

CEDSParam ParamFromEntry(CEntryFieldCursor fields) {
    CEDSParam param;
    StoreParamFields(param, EntryFieldViews<kParamFields.size()>(fields));
    return param;
}

namespace {

CEDSParam* ParamIn(const ParamIndex& byNumber, uint32_t number) {
    // Parameters are mostly numbered 1, 2, 3 ...: then the number is the
    // place, and a large file's group members need no search.
    if (number != 0 && number <= byNumber.size() && byNumber[number - 1].first == number)
        return byNumber[number - 1].second;
    const auto found =
        std::lower_bound(byNumber.begin(), byNumber.end(), number,
                         [](const auto& item, uint32_t n) { return item.first < n; });
    return found == byNumber.end() || found->first != number || number == 0 ? nullptr
                                                                            : found->second;
}

// `strings` is room for the strings' views, kept from entry to entry.
bool ReadEnumParInto(std::string_view entry, const ParamIndex& byNumber,
                     std::vector<std::string_view>& strings) {
    CEDSParam* param = ParamIn(byNumber, EntryNumber(entry, "Param") & 0xFFFF);
    if (param == nullptr)
        return false;
    TakeFieldViews(CEntryFieldCursor(entry), strings);
    param->EnumStrings.emplace(strings.begin(), strings.end());
    return true;
}

// Calls onNumber with the number of each field of `members`, which holds
// no quote: its fields end at each "," and the last at the first ";" or
// its end. A group lists up to hundreds of members, mostly in decimal: such
// a number is read as its digits are checked, any other form by
// ParseNumber.
template <typename OnNumber> void ForEachNumber(std::string_view members, OnNumber&& onNumber) {
    const char* at = members.data();
    const char* const end = at + members.size();
    const auto digitAt = [&] { return static_cast<unsigned char>(*at) - uint32_t{'0'}; };
    for (;;) {
        const char* const start = at;
        uint32_t number = 0;
        for (; at != end && digitAt() <= 9; ++at)
            number = number * 10u + digitAt();
        if (at != end && *at != ',' && *at != ';') {
            while (at != end && *at != ',' && *at != ';')
                ++at;
            number = ParseNumber({start, static_cast<size_t>(at - start)});
        }
        onNumber(number);
        if (at == end || *at == ';')
            return;
        ++at;
    }
}

size_t ReadGroupInto(std::string_view entry, const ParamIndex& byNumber,
                     std::vector<std::string>& groupNames) {
    CEntryFieldCursor fields(entry);
    std::string_view field;
    groupNames.emplace_back(fields.Next(field) ? field : std::string_view());
    // Members join the group this line names, whatever number its key
    // carries: the writer numbers groups by position, so a file whose group
    // numbers have gaps or come out of order keeps each name with its
    // members. A group past what Group can hold keeps its name only.
    const size_t group = groupNames.size();
    // The second field is the member count; the writer counts for itself.
    fields.Next(field);
    const bool fits = group <= std::numeric_limits<uint8_t>::max();
    size_t skipped = 0;
    const auto join = [&](uint32_t number) {
        CEDSParam* member = fits ? ParamIn(byNumber, number) : nullptr;
        if (member != nullptr)
            member->Group = static_cast<uint8_t>(group);
        else
            ++skipped;
    };
    if (fields.AtEnd())
        return skipped;
    // The members follow the "," behind the count. Commas inside quotes end
    // no member: only a line without quotes there is split at every comma.
    const std::string_view members = entry.substr(field.data() + field.size() + 1 - entry.data());
    if (members.find('"') == std::string_view::npos)
        ForEachNumber(members, join);
    else
        while (fields.Next(field))
            join(ParseNumber(field));
    return skipped;
}

} // namespace

bool ReadEnumParEntry(std::string_view entry, CEDSParamList& params) {
    std::vector<std::string_view> strings;
    return ReadEnumParInto(entry, ParamsByNumber(params), strings);
}

size_t ReadGroupEntry(std::string_view entry, CEDSParamList& params,
                      std::vector<std::string>& groupNames) {
    return ReadGroupInto(entry, ParamsByNumber(params), groupNames);
}

namespace {

// A file may hold thousands of parameters. The list is given room for them
// all when the first is read, so that records are not moved as it grows:
// as many as entries of the first one's size fill the section (up to the
// next line that begins with "["). A short guess only lets the list grow;
// room left over is never written, so it costs address space rather than
// memory. The guess is held to the numbers a parameter can have. The first
// was read from `offset` (a LineOffset()) to the source's place.
void MakeRoom(CEDSParamList& params, const CEDSLineSource& source, size_t offset) {
    if (!params.empty())
        return;
    const std::string_view first = source.RawTextSince(offset);
    const std::string_view rest = source.Rest();
    if (first.empty())
        return;
    size_t end = rest.find('[');
    while (end != std::string_view::npos && end != 0 && rest[end - 1] != '\n')
        end = rest.find('[', end + 1);
    const size_t section = first.size() + std::min(end, rest.size());
    params.reserve(std::min<size_t>(section / first.size(), std::numeric_limits<uint16_t>::max()));
}

// The parameter keeps the number of its key; one that repeats an earlier
// number, or has none, gets the next free one, so no two share a number.
void AppendParam(const ParamFieldTexts& texts, uint32_t number, int line,
                 ParamSectionTarget& target) {
    // Read into its place in the list: a record moved there would cost
    // a move of each of its texts.
    CEDSParam& param = target.Params.emplace_back();
    StoreParamFields(param, texts);
    param.Number = number;
    std::vector<uint32_t>& numbers = target.Numbers;
    // Files number their parameters in order, so the number mostly goes
    // last, with no search.
    const auto last = [&](uint32_t number) { return numbers.empty() || number > numbers.back(); };
    if (param.Number == 0 ||
        (!last(param.Number) && std::binary_search(numbers.begin(), numbers.end(), param.Number))) {
        const uint32_t given = numbers.empty() ? 1 : numbers.back() + 1;
        Note(target.Diagnostics, target.Path, line,
             "parameter number 0 or already used, read as Param" + std::to_string(given));
        param.Number = given;
    }
    if (last(param.Number))
        numbers.push_back(param.Number);
    else
        numbers.insert(std::upper_bound(numbers.begin(), numbers.end(), param.Number),
                       param.Number);
}

// A ParamN entry, split as it is read: straight from the file's text when
// it is plain, else joined into `line` first.
LineUse ReadParamEntry(std::string& line, const NumberedKey& key, CEDSLineSource& source,
                       ParamSectionTarget& target) {
    const size_t offset = source.LineOffset();
    const int firstLine = source.LineNumber();
    ParamFieldTexts texts{};
    if (!TakePlainEntry(source, texts)) {
        if (!JoinEntry(line, source, target.Diagnostics, target.Path, &target.Ends, key.Equals))
            return LineUse::CutOff;
        texts = EntryFieldViews<kParamFields.size()>(CEntryFieldCursor(line, target.Ends));
    }
    MakeRoom(target.Params, source, offset);
    AppendParam(texts, key.Number, firstLine, target);
    return LineUse::Read;
}

} // namespace

LineUse ReadParamSectionLine(ParamSection section, std::string& line, CEDSLineSource& source,
                             ParamSectionTarget& target) {
    const std::string_view keyword = section == ParamSection::Groups ? "Group" : "Param";
    const std::optional<NumberedKey> key = NumberedKeyAt(line, keyword);
    if (!key)
        return LineUse::NotRead;
    if (section == ParamSection::Params)
        return ReadParamEntry(line, *key, source, target);
    // The other entries wait until every parameter is known.
    const size_t offset = source.LineOffset();
    const int firstLine = source.LineNumber();
    if (!JoinEntry(line, source, target.Diagnostics, target.Path))
        return LineUse::CutOff;
    target.Pending.push_back(
        {section, line, firstLine, source.RawTextSince(offset),
         target.Kept == nullptr ? 0 : std::as_const(*target.Kept).EntriesOf("EnumPar").size()});
    return LineUse::Read;
}

void FinishParamSections(ParamSectionTarget& target) {
    const ParamIndex byNumber = ParamsByNumber(target.Params);
    std::vector<std::string_view> strings; // see ReadEnumParInto
    size_t keptInserted = 0;
    for (PendingParamEntry& pending : target.Pending) {
        if (pending.Section == ParamSection::Groups) {
            if (ReadGroupInto(pending.Entry, byNumber, target.GroupNames) != 0)
                Note(target.Diagnostics, target.Path, pending.Line,
                     "group member that names no parameter");
        } else if (!ReadEnumParInto(pending.Entry, byNumber, strings)) {
            Note(target.Diagnostics, target.Path, pending.Line,
                 "enumeration for a parameter that does not exist, kept as written");
            if (target.Kept != nullptr) {
                std::vector<std::string>& kept = target.Kept->EntriesOf("EnumPar");
                const auto at = kept.begin() + std::ptrdiff_t(pending.KeptBefore + keptInserted);
                std::vector<std::string> lines = RawLinesOf(pending.Text);
                kept.insert(at, std::make_move_iterator(lines.begin()),
                            std::make_move_iterator(lines.end()));
                keptInserted += lines.size();
            }
        }
    }
    target.Pending.clear();
}

void FormatParamSections(CEDSLineWriter& out, const CEDSParamList& params,
                         const std::vector<std::string>& groupNames, CKeptLinesWriter* kept) {
    const std::vector<uint32_t> numbers = ParamNumbers(params);
    if (!params.empty() || HasKeptEntries(kept, "Params"))
        SectionHeader(out, kept, "Params");
    for (size_t i = 0; i < params.size(); ++i)
        FormatParamEntry(out, numbers[i], params[i]);
    WriteKeptEntries(kept, "Params");
    out.Line("");
    FormatEnumPar(out, params, numbers, kept);
    FormatGroups(out, params, numbers, groupNames, kept);
}

} // namespace corvid
