#include "devicenet/EDSParamSections.h"

#include "dictionaries/EDSTextHelper.h"

#include <algorithm>
#include <limits>

namespace corvid {

namespace {

// The parameter at a 1-based number, when there is one.
CEDSParam* ParamNumbered(CEDSParamList& params, uint32_t number) {
    if (number == 0 || number > params.size())
        return nullptr;
    return params[number - 1].get();
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

void FormatParam(CEDSLineWriter& out, size_t number, const CEDSParam& p) {
    const auto dec = [](auto value) { return std::to_string(value); };
    out.Line("\tParam" + dec(number) + "=");
    out.Line("\t\t" + dec(p.Reserved) + ",");
    out.Line("\t\t" + dec(p.PathSize) + ", " + p.LinkPath + ",");
    out.Line("\t\t" + FormatHex8(p.Descriptor) + ",");
    out.Line("\t\t" + FormatHex8(p.DataType) + ", " + dec(p.DataSize) + ",");
    out.Line("\t\t" + p.ParameterName + ",");
    out.Line("\t\t" + p.UnitsStr + ",");
    out.Line("\t\t" + p.HelpStr + ",");
    out.Line("\t\t" + p.Minimum + ", " + p.Maximum + ", " + p.Default + ",");
    out.Line("\t\t" + dec(p.Multiplier) + ", " + dec(p.Divider) + ", " + dec(p.Base) + ", " +
             dec(p.Offset) + ",");
    const std::string precision = p.Precision == 0 ? std::string() : dec(p.Precision);
    out.Line("\t\t" + p.MultiplierLink + ", " + p.DivisorLink + ", " + p.BaseLink + ", " +
             p.OffsetLink + ", " + precision + ";");
    out.Line("");
}

void FormatEnumPar(CEDSLineWriter& out, const CEDSParamList& params) {
    bool first = true;
    for (size_t i = 0; i < params.size(); ++i) {
        const auto& strings = params[i]->EnumStrings;
        // An entry without strings would have no ";" to end it and would
        // swallow the next entry when read back; it is left out instead.
        if (!strings || strings->empty())
            continue;
        if (first)
            out.Line("[EnumPar]");
        first = false;
        out.Line("\tParam" + std::to_string(i + 1) + "=");
        for (size_t s = 0; s < strings->size(); ++s)
            out.Line("\t      " + (*strings)[s] + (s + 1 < strings->size() ? "," : ";"));
        out.Line("");
    }
    out.Line("");
}

// The member field of a group line: "2,     10;". A group without members
// ends its count field with ";" instead, so it reads back with no members.
std::string GroupLine(size_t group, const std::string& name, size_t nameWidth,
                      const CEDSParamList& params) {
    std::string members;
    size_t count = 0;
    for (size_t i = 0; i < params.size(); ++i) {
        if (params[i]->Group != group)
            continue;
        ++count;
        members += std::to_string(i + 1) + "," + std::string(BlanksAfterMember(i + 1), ' ');
    }
    std::string line = PaddedRight("\tGroup" + std::to_string(group) + "=", 10) +
                       PaddedRight(name + ",", nameWidth + 10);
    if (count == 0)
        return line + PaddedRight("0;", 5);
    members.erase(members.find_last_not_of(' ') + 1);
    members.back() = ';';
    return line + PaddedRight(std::to_string(count) + ",", 5) + PaddedRight(members, 5);
}

void FormatGroups(CEDSLineWriter& out, const CEDSParamList& params,
                  const std::vector<std::string>& groupNames) {
    if (groupNames.empty())
        return;
    size_t nameWidth = 0;
    for (const std::string& name : groupNames)
        nameWidth = std::max(nameWidth, name.size());
    out.Line("[Groups]");
    for (size_t g = 0; g < groupNames.size(); ++g)
        out.Line(GroupLine(g + 1, groupNames[g], nameWidth, params));
}

} // namespace

std::unique_ptr<CEDSParam> ParamFromEntry(std::string_view entry) {
    const std::vector<std::string> f = EntryFields(entry, 21);
    auto param = std::make_unique<CEDSParam>();
    param->Reserved = Number8(f[0]);
    param->PathSize = Number8(f[1]);
    param->LinkPath = f[2];
    param->Descriptor = Number8(f[3]);
    param->DataType = Number8(f[4]);
    param->DataSize = Number8(f[5]);
    param->ParameterName = f[6];
    param->UnitsStr = f[7];
    param->HelpStr = f[8];
    param->Minimum = f[9];
    param->Maximum = f[10];
    param->Default = f[11];
    param->Multiplier = Number16(f[12]);
    param->Divider = Number16(f[13]);
    param->Base = Number16(f[14]);
    // The writer writes a negative offset with its sign; read it back.
    param->Offset = ParseSigned16(f[15]);
    param->MultiplierLink = f[16];
    param->DivisorLink = f[17];
    param->BaseLink = f[18];
    param->OffsetLink = f[19];
    param->Precision = Number8(f[20]);
    return param;
}

bool ReadEnumParEntry(std::string_view entry, CEDSParamList& params) {
    CEDSParam* param = ParamNumbered(params, EntryNumber(entry, "Param") & 0xFFFF);
    if (param == nullptr)
        return false;
    param->EnumStrings = EntryFields(entry);
    return true;
}

size_t ReadGroupEntry(std::string_view entry, CEDSParamList& params,
                      std::vector<std::string>& groupNames) {
    const std::vector<std::string> fields = EntryFields(entry);
    groupNames.push_back(fields.empty() ? std::string() : fields[0]);
    // Members join the group this line names, whatever number its key
    // carries: the writer numbers groups by position, so a file whose group
    // numbers have gaps or come out of order keeps each name with its
    // members. A group past what Group can hold keeps its name only.
    const size_t group = groupNames.size();
    // The second field is the member count; the writer counts for itself.
    const size_t members = fields.size() > 2 ? fields.size() - 2 : 0;
    if (group > std::numeric_limits<uint8_t>::max())
        return members;
    size_t skipped = 0;
    for (size_t i = 2; i < fields.size(); ++i) {
        if (CEDSParam* member = ParamNumbered(params, ParseNumber(fields[i])))
            member->Group = static_cast<uint8_t>(group);
        else
            ++skipped;
    }
    return skipped;
}

bool ReadParamSectionLine(ParamSection section, std::string& line, CEDSLineSource& source,
                          ParamSectionTarget& target) {
    const std::string_view keyword = section == ParamSection::Groups ? "Group" : "Param";
    if (!KeywordAt(line, keyword))
        return true;
    const int firstLine = source.LineNumber();
    if (!JoinEntry(line, source, target.Diagnostics, target.Path))
        return false;
    switch (section) {
    case ParamSection::Params:
        target.Params.push_back(ParamFromEntry(line));
        break;
    case ParamSection::EnumPar:
        if (!ReadEnumParEntry(line, target.Params))
            Note(target.Diagnostics, target.Path, firstLine,
                 "enumeration for a parameter that does not exist");
        break;
    case ParamSection::Groups:
        if (ReadGroupEntry(line, target.Params, target.GroupNames) != 0)
            Note(target.Diagnostics, target.Path, firstLine,
                 "group member that names no parameter");
        break;
    }
    return true;
}

void FormatParamSections(CEDSLineWriter& out, const CEDSParamList& params,
                         const std::vector<std::string>& groupNames) {
    if (!params.empty())
        out.Line("[Params]");
    for (size_t i = 0; i < params.size(); ++i)
        FormatParam(out, i + 1, *params[i]);
    out.Line("");
    FormatEnumPar(out, params);
    FormatGroups(out, params, groupNames);
}

} // namespace corvid
