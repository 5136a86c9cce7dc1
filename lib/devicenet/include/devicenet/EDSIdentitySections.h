#pragma once

// What DeviceNet and EtherNet/IP files share at their top: the header
// comment lines and the [File] and [Device] keywords. An EtherNet/IP file
// has one more optional keyword in each section (HomeURL, Icon), which its
// own reader and writer add.

#include "devicenet/DeviceNetModel.h"
#include "devicenet/EDSFieldLines.h"
#include "devicenet/EDSKeptLinesWriter.h"
#include "dictionaries/EDSLineWriter.h"

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace corvid {

// A normalised [File] or [Device] line into its field; false when the line
// begins with none of the section's keywords.
bool ReadFileLine(const std::string& line, DeviceNetFileSection& file);
bool ReadDeviceLine(const std::string& line, DeviceNetDeviceSection& device);

// The comment lines at the top of a written file, naming its network.
void FormatHeaderComment(CEDSLineWriter& out, const EDSFileHeader& header,
                         std::string_view network);

// The name a section of keywords ([File], [Device], [IO_Info]) is written
// under, or nothing when it is left out. A section the file had keeps its
// name. A file read without it gets it only once something was put in it
// (a keyword of `given`, or `holdsEntries`), and then under `ownName`:
// empty keywords are taken as values by other tools. A model Corvid made
// writes every such section, a nameless one under "[]" as it always has.
std::optional<std::string_view> WrittenSectionName(std::string_view sectionName,
                                                   std::string_view ownName,
                                                   std::initializer_list<const GivenFields*> given,
                                                   bool holdsEntries = false);

// The section's header line "[name]" (through `kept`) and its keyword
// lines, without the empty line that ends the section.
void FormatFileKeywords(CEDSLineWriter& out, CKeptLinesWriter& kept, std::string_view name,
                        const DeviceNetFileSection& file);
void FormatDeviceKeywords(CEDSLineWriter& out, CKeptLinesWriter& kept, std::string_view name,
                          const DeviceNetDeviceSection& device);

} // namespace corvid
