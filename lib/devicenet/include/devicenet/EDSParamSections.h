#pragma once

// The [Params], [EnumPar] and [Groups] sections, read and written the same
// way in DeviceNet and EtherNet/IP files. Enumeration strings and group
// membership are kept inside the parameters, so the numbers in [EnumPar] and
// [Groups] are derived from the parameters' positions when written.

#include "devicenet/EDSLineScanner.h"
#include "devicenet/EDSParam.h"
#include "dictionaries/EDSLineWriter.h"
#include "dictionaries/ReaderDiagnostics.h"

#include <string>
#include <string_view>
#include <vector>

namespace corvid {

enum class ParamSection { Params, EnumPar, Groups };

// Where a section's lines go, and where what was passed over is noted.
struct ParamSectionTarget {
    CEDSParamList& Params;
    std::vector<std::string>& GroupNames;
    ReaderDiagnostics* Diagnostics = nullptr;
    std::string Path; // for the notes
};

// One line of the given section (the section reader's onLine): a "Param" or
// "Group" entry is joined and read, other lines are passed over. Returns
// false when the entry is cut off by the end of the text (it is dropped and
// the read must end).
bool ReadParamSectionLine(ParamSection section, std::string& line, CEDSLineSource& source,
                          ParamSectionTarget& target);

// A joined ParamN entry as a new parameter (its 21 fields; the N is not
// read: parameters are numbered by their order).
std::unique_ptr<CEDSParam> ParamFromEntry(std::string_view entry);

// A joined [EnumPar] entry replaces the enumeration strings of the parameter
// it names. Returns false, changing nothing, when it names no parameter.
bool ReadEnumParEntry(std::string_view entry, CEDSParamList& params);

// A joined [Groups] entry: its name is appended to the group names (the k-th
// line names group k) and each member parameter joins group k; the number in
// the key is not read. Returns the number of members skipped: those that
// name no parameter, or all of them past group 255.
size_t ReadGroupEntry(std::string_view entry, CEDSParamList& params,
                      std::vector<std::string>& groupNames);

// The three sections in the writer's layout.
void FormatParamSections(CEDSLineWriter& out, const CEDSParamList& params,
                         const std::vector<std::string>& groupNames);

} // namespace corvid
