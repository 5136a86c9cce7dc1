#pragma once

// The kept content of a file as groups of lines, one group per section, in
// the order a page lists them. The page and the counts both read it, so they
// never disagree.

#include "PageBuilder.h"
#include "canopen/CANopenModel.h"
#include "devicenet/DeviceNetModel.h"
#include "ethernetip/EtherNetIPModel.h"

#include <optional>
#include <string>
#include <vector>

namespace corvid::pages {

struct KeptGroup {
    std::string Section;                   // as the file names it, brackets included
    std::string Comment;                   // what kind of group it is
    bool WholeSection = false;             // a section Corvid does not read
    const std::vector<std::string>* Lines; // as written
};

std::vector<KeptGroup> KeptGroups(const CCANopenEDS& model);
std::vector<KeptGroup> KeptGroups(const CEDSKeptLines& kept);

// The read-only page that lists the groups: a row per section, then its
// lines.
Page KeptPage(const std::vector<KeptGroup>& groups, PageBuilder page);

} // namespace corvid::pages
