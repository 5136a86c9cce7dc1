#pragma once

// The check of a file while it is open. It checks the text a save in the
// file's own layout would write, so what the window lists follows every
// edit and its lines are those of the file the user will have.

#include "door/EDSDoc.h"
#include "reports/EDSCheck.h"

#include <string>

namespace corvid {

// Every problem of an open file, named by the path it was last saved to or
// read from (its title for a file never saved); none when there is no such
// file.
CheckFindings CheckOpenFile(const CEDSDoc& doc, EDSFileRef file);

// "1 error", "3 warnings", "2 notes".
std::string SeverityCount(size_t count, Severity severity);

// The log line after opening a file that has errors or warnings:
// "Check:  3 errors, 12 warnings in /path/file.eds\r\n"; empty when it has
// neither, since notes only repeat what the open line already says.
std::string CheckMessage(const std::string& path, const CheckCounts& counts);

} // namespace corvid
