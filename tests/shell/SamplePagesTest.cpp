// Whole pages of the shipped sample files and of small test files, compared
// with tests/data/pages/NAME.txt: a page's header, order, texts, comments
// and editors at once.

#include "PageText.h"
#include "ScriptedUserInterface.h"
#include "door/EDSDoc.h"
#include "door/EDSKind.h"
#include "pages/KeptContent.h"

#include <gtest/gtest.h>

namespace corvid {
namespace {

struct PageCase {
    std::string file;
    std::string_view section;
    PageState state; // the entries shown open
    const char* expected;
};

void PrintTo(const PageCase& page, std::ostream* out) {
    *out << page.expected;
}

class SamplePages : public testing::TestWithParam<PageCase> {};

TEST_P(SamplePages, ShownAsExpected) {
    const std::string& path = GetParam().file;
    test::ScriptedUserInterface ui;
    CEDSDoc doc(ui);
    doc.OpenPaths({path});
    std::string error;
    const Page page =
        BuildPage(doc, {DetectEDSKind(path, error), 0}, GetParam().section, GetParam().state);
    test::ExpectPageAs(page, GetParam().expected);
}

const std::string kCANopen = test::SamplePath("servo_drive.eds");
const std::string kDeviceNet = test::SamplePath("ac_drive_devicenet.eds");
const std::string kEtherNetIP = test::SamplePath("ethernetip_adapter.eds");

INSTANTIATE_TEST_SUITE_P(
    Samples, SamplePages,
    testing::Values(
        PageCase{kCANopen, "MandatoryObjects", {}, "canopen_mandatory"},
        PageCase{kCANopen, "MandatoryObjects", {{"1018"}}, "canopen_mandatory_1018"},
        PageCase{kCANopen, "OptionalObjects", {}, "canopen_optional"},
        PageCase{kCANopen, "FileInfo", {}, "canopen_fileinfo"},
        PageCase{kCANopen, "DeviceInfo", {}, "canopen_deviceinfo"},
        PageCase{kCANopen, "Comments", {}, "canopen_comments"},
        PageCase{kDeviceNet, "IO_Info", {{"COSInfo", "Input1"}}, "devicenet_ioinfo"},
        PageCase{kDeviceNet, "Params", {}, "devicenet_params"},
        PageCase{kDeviceNet, "EnumPar", {}, "devicenet_enumpar"},
        PageCase{kDeviceNet, "Groups", {}, "devicenet_groups"},
        PageCase{kDeviceNet, "File", {}, "devicenet_file"},
        PageCase{kDeviceNet, "Device", {}, "devicenet_device"},
        PageCase{kDeviceNet, "ParamClass", {}, "devicenet_paramclass"},
        PageCase{kEtherNetIP, "Assembly", {}, "ethernetip_assembly"},
        PageCase{kEtherNetIP, "Assembly", {{"Assem100"}}, "ethernetip_assembly_100"},
        PageCase{kEtherNetIP, "Capacity", {}, "ethernetip_capacity"},
        PageCase{kEtherNetIP, "Connection Manager", {{"Connection2"}}, "ethernetip_connections"},
        PageCase{kEtherNetIP, "Modular", {{"Rack1"}}, "ethernetip_modular"},
        PageCase{kEtherNetIP, "Port", {}, "ethernetip_port"},
        PageCase{kEtherNetIP, "Ethernet Link Class", {}, "ethernetip_link_class"},
        PageCase{kEtherNetIP, "Params", {}, "ethernetip_params"},
        PageCase{kEtherNetIP, "EnumPar", {}, "ethernetip_enumpar"},
        // What each kind of file keeps beyond the model.
        PageCase{test::DataPath("pages/kept_canopen.eds"), kKeptSection, {}, "kept_canopen"},
        PageCase{test::DataPath("pages/kept_devicenet.eds"), kKeptSection, {}, "kept_devicenet"},
        PageCase{
            test::DataPath("pages/kept_ethernetip.eds"), kKeptSection, {}, "kept_ethernetip"}));

} // namespace
} // namespace corvid
