#pragma once

// What the DeviceNet and EtherNet/IP writer tests expect alike: both
// writers start a file with the same comment lines and the same [File] and
// [Device] keywords.

#include "TestFiles.h"

#include <string>
#include <string_view>

namespace corvid::test {

// The comment lines at the top of a written file whose header names no
// module, device or model.
inline std::string EmptyHeaderComment(std::string_view network) {
    return CrLf({"$ HALVARD ELECTRONIC, INC.", "", "$ Network: " + std::string(network),
                 "$ Modlue:", "$ Device:", "$ Model:", "$ Create by Corvid software", ""});
}

// The [File] and [Device] sections of an empty model: no section names,
// empty texts and zero numbers, each section ended by an empty line.
inline std::string EmptyIdentitySections() {
    return CrLf({"[]", "\tDescText=;", "\tCreateDate=;", "\tCreateTime=;", "\tModDate=;",
                 "\tModTime=;", "\tRevision=;", "", "[]", "\tVendCode=0;", "\tVendName=;",
                 "\tProdType=0;", "\tProdTypeStr=;", "\tProdCode=0x0000;", "\tMajRev=0;",
                 "\tMinRev=0;", "\tProdName=;", "\tCatalog=;", ""});
}

} // namespace corvid::test
