#pragma once

// Where EtherNet/IP entries name each other: assembly members name
// parameters and assemblies ("Param3", "Assem101"), connection fields name
// them too ("Param2,,Assem100"). Only words outside double quotes count, so
// names and help texts that happen to read "Param3" are left alone.

#include "ethernetip/EtherNetIPModel.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvid::refs {

// The entries that name `prefix` + `number`: "Assem100 member 3",
// "Connection1", each once, in page order.
std::vector<std::string> NamedBy(const CEtherNetIPEDS& model, std::string_view prefix,
                                 uint32_t number);

// Gives every reference `prefix` + N the number `renumber`(N); nothing
// clears the reference (the word is removed, the fields around it stay).
void Renumber(CEtherNetIPEDS& model, std::string_view prefix,
              const std::function<std::optional<uint32_t>(uint32_t)>& renumber);

} // namespace corvid::refs
