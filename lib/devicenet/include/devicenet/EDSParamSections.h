#pragma once

// The [Params], [EnumPar] and [Groups] sections, read and written the same
// way in DeviceNet and EtherNet/IP files. Enumeration strings and group
// membership are kept inside the parameters, and written under the
// parameters' numbers (ParamNumbers).

#include "devicenet/EDSKeptLinesWriter.h"
#include "devicenet/EDSLineScanner.h"
#include "devicenet/EDSParam.h"
#include "dictionaries/EDSLineWriter.h"
#include "dictionaries/ReaderDiagnostics.h"

#include <string>
#include <string_view>
#include <vector>

namespace corvid {

enum class ParamSection { Params, EnumPar, Groups };

// An [EnumPar] or [Groups] entry, read once every parameter is known, so
// those sections may stand in front of [Params].
struct PendingParamEntry {
    ParamSection Section = ParamSection::EnumPar;
    std::string Entry;     // joined, normalised
    int Line = 0;          // where it began
    std::string_view Text; // its lines as written, in the text being read
    // [EnumPar] lines kept in front of it, so an enumeration for no
    // parameter goes back among them where the file had it.
    size_t KeptBefore = 0;
};

// Where a section's lines go, and where what was passed over is noted.
struct ParamSectionTarget {
    CEDSParamList& Params;
    std::vector<std::string>& GroupNames;
    ReaderDiagnostics* Diagnostics = nullptr;
    std::string Path;              // for the notes
    CEDSKeptLines* Kept = nullptr; // where an enumeration for no parameter goes
    std::vector<PendingParamEntry> Pending = {};
    std::vector<uint32_t> Numbers = {}; // the ParamN numbers read so far, ascending
    CEntryFieldEnds Ends = {};          // of the ParamN entry being read
};

// One line of the given section (the section reader's onLine): a ParamN or
// GroupN entry is joined and read (an [EnumPar] or [Groups] one when
// FinishParamSections runs); other lines are not read. CutOff when the entry
// is cut off by the end of the text (it is dropped and the read must end).
LineUse ReadParamSectionLine(ParamSection section, std::string& line, CEDSLineSource& source,
                             ParamSectionTarget& target);

// Reads the [EnumPar] and [Groups] entries met, in file order. An
// enumeration that names no parameter is kept as written.
void FinishParamSections(ParamSectionTarget& target);

// A joined ParamN entry as a new parameter (its 21 fields; the N is read by
// the section reader).
CEDSParam ParamFromEntry(CEntryFieldCursor fields);
inline CEDSParam ParamFromEntry(std::string_view entry) {
    return ParamFromEntry(CEntryFieldCursor(entry));
}

// A joined [EnumPar] entry replaces the enumeration strings of the parameter
// it names (by ParamNumbers). Returns false, changing nothing, when it names
// no parameter.
bool ReadEnumParEntry(std::string_view entry, CEDSParamList& params);

// A joined [Groups] entry: its name is appended to the group names (the k-th
// line names group k) and each member parameter (by ParamNumbers) joins
// group k; the number in the key is not read. Returns the number of members skipped: those that
// name no parameter, or all of them past group 255.
size_t ReadGroupEntry(std::string_view entry, CEDSParamList& params,
                      std::vector<std::string>& groupNames);

// The three sections in the writer's layout, each with its kept entries
// when `kept` is given; a section with kept entries is written even when it
// has nothing else.
void FormatParamSections(CEDSLineWriter& out, const CEDSParamList& params,
                         const std::vector<std::string>& groupNames,
                         CKeptLinesWriter* kept = nullptr);

} // namespace corvid
