#pragma once

// What the project window shows for one open file: a root named by the
// file's title and one child per section page, in the order the tree lists
// them. Built from the model on every call, so the tree never holds a copy
// that can go stale; a tree model asks again whenever the document set
// changes.

#include "canopen/CANopenModel.h"
#include "devicenet/DeviceNetModel.h"
#include "door/EDSDoc.h"
#include "ethernetip/EtherNetIPModel.h"
#include "pages/KeptContent.h"

#include <string>
#include <string_view>
#include <vector>

namespace corvid {

// The section name of a file's summary page: "File" reversed, so that it
// never equals the DeviceNet or EtherNet/IP section "File". A double click
// on a root shows this page.
inline constexpr std::string_view kFileSummarySection = "eliF";

struct ProjectTreeFile {
    std::string RootText;              // the file's title
    std::vector<std::string> Sections; // child texts, each a section name for BuildPage
};

// The optional sections (CANopen FileInfo ... Comments; DeviceNet File ...
// ParamClass; EtherNet/IP File, Device) appear only when the file had them;
// the others always. A file that holds more than the model gets a last
// child, kKeptSection, for the page that lists it.
ProjectTreeFile BuildProjectTreeFile(const CCANopenEDS& model);
ProjectTreeFile BuildProjectTreeFile(const CDeviceNetEDS& model);
ProjectTreeFile BuildProjectTreeFile(const CEtherNetIPEDS& model);
// The same for an open file of the document set; empty (no root text, no
// sections) when there is no such file.
ProjectTreeFile BuildProjectTreeFile(const CEDSDoc& doc, EDSFileRef file);

} // namespace corvid
