#pragma once

// The Insert dialog of the DeviceNet IO_Info page, as rules a dialog (and a
// test) calls: the values it opens with, and what its OK adds or replaces.
// Cell commits and Delete of the page go through CommitCell and DeleteRow
// (CellCommit.h).

#include "devicenet/DeviceNetModel.h"
#include "dictionaries/UserInterface.h"
#include "editing/CellCommit.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace corvid {

// The dialog's "Select:" list, in its order.
enum class IOInsertKind { Input, Output, PollInfo, StrobeInfo, COSInfo, CyclicInfo };

// The dialog's fields as they stand at OK. Numbers are taken as typed, so
// that values which do not fit are refused rather than cut.
struct IOInsertRequest {
    IOInsertKind Kind = IOInsertKind::Input;
    uint64_t Index = 0; // N of InputN / OutputN
    uint64_t Size = 0;
    uint64_t SigBits = 0;
    uint16_t TypeMask = 0; // the four boxes: Poll 1, Strobe 2, Change of State 4, Cyclic 8
    std::string Name;      // quoted when stored
    uint64_t PathSize = 0;
    std::string Path; // quoted when stored
    std::string Help; // quoted when stored
    // Connection entries: the chosen N of the Default Input and Default
    // Output lists; none selected is 0.
    std::optional<uint16_t> DefaultInput;
    std::optional<uint16_t> DefaultOutput;
};

// The values the dialog opens with for the row keyed `rowKey` ("PollInfo",
// "Input3"); nothing for any other row (the dialog then selects nothing).
std::optional<IOInsertRequest> IOInsertSource(const CDeviceNetEDS& model, std::string_view rowKey);

// OK of the dialog. An Index outside 1 to 65535 shows "Index is from 1 to
// 65535." in a warning box and gives Refused, as do Size, Bit or Path Size
// above 65535; an entry that exists is replaced only when the user answers
// Yes (No gives Declined). Input and Output entries stay sorted by number.
CommitResult InsertIOInfo(CDeviceNetEDS& model, const IOInsertRequest& request, IUserInterface& ui);

} // namespace corvid
