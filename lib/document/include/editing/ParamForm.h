#pragma once

// The Insert parameter dialog's form as the core sees it: the values it
// opens with for a parameter, and the parameter its fields describe at Ok.
// The fields are checked by the rules of the Params page's cells, so a
// value means the same whether it was typed into the dialog or a cell.

#include "devicenet/EDSParam.h"
#include "editing/CellCommit.h"

#include <cstdint>
#include <optional>
#include <string>

namespace corvid {

struct ParamForm {
    // Quoted when stored.
    std::string ParameterName;
    std::string LinkPath;
    std::string UnitsStr;
    std::string HelpStr;
    // Stored without their outer blanks; "," ";" "$" outside quotes are
    // refused, since they would split the entry on the next read.
    std::string Minimum;
    std::string Maximum;
    std::string Default;
    std::string MultiplierLink;
    std::string DivisorLink;
    std::string BaseLink;
    std::string OffsetLink;
    // Numbers as typed: a value that does not fit is refused, never cut;
    // an empty one leaves the field empty (scaling by 1, 1, 1, 0; no
    // precision).
    std::string Multiplier = "1";
    std::string Divider = "1";
    std::string Base = "1";
    std::string Offset = "0";
    std::string Precision;
    // The Size lists' selection; none selected leaves the field empty.
    std::optional<uint8_t> PathSize;
    std::optional<uint8_t> DataSize;
    uint8_t Descriptor = 0; // the seven boxes, bits 0 to 6
    // The chosen name of the Type list and the code whose list it came
    // from: the two numberings share names.
    std::string DataTypeName;
    uint8_t DataTypeList = 0;
    // The Group list's index: 0 the empty entry (none selected is 0 too),
    // the group names from 1, then "***new group***".
    size_t Group = 0;
    std::string EnumText; // read by the enumeration rule
};

// The form the dialog opens with for `param`: texts as held, Precision
// empty when 0, a Group naming no group as the empty entry.
ParamForm FormOfParam(const CEDSParam& param, size_t groupCount);

// The parameter the form describes (Number 0: it gets its number when
// inserted). The first field refused gives Refused with a message naming
// it, and `param` is then not to be used.
CommitResult ParamFromForm(const ParamForm& form, CEDSParam& param);

} // namespace corvid
