#pragma once

// What DeviceNet and EtherNet/IP files share at their top: the header
// comment lines and the [File] and [Device] keywords. An EtherNet/IP file
// has one more optional keyword in each section (HomeURL, Icon), which its
// own reader and writer add.

#include "devicenet/DeviceNetModel.h"
#include "devicenet/EDSFieldLines.h"
#include "devicenet/EDSKeptLinesWriter.h"
#include "dictionaries/EDSLineWriter.h"

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

// The section's header line (through `kept`) and its keyword lines,
// without the empty line that ends the section.
void FormatFileKeywords(CEDSLineWriter& out, CKeptLinesWriter& kept,
                        const DeviceNetFileSection& file);
void FormatDeviceKeywords(CEDSLineWriter& out, CKeptLinesWriter& kept,
                          const DeviceNetDeviceSection& device);

} // namespace corvid
