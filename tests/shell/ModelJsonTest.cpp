// The JSON dump, written as it walks the model, gives the bytes it has
// always given: scripts compare dumps as text.

#include "door/EDSFile.h"
#include "reports/JsonWriter.h"

#include "canopen/CANopenWriter.h"
#include "devicenet/DeviceNetWriter.h"
#include "ethernetip/EtherNetIPWriter.h"

#include "BenchFiles.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <sstream>

namespace corvid {
namespace {

std::string Dumped(const LoadedEDSFile& file) {
    std::ostringstream out;
    WriteEDSFileJson(out, file);
    out << '\n';
    return out.str();
}

// Escapes and layout as nlohmann writes them with an indent of two, the
// form dumps have always had: empty and nested containers, every ASCII
// control, quotes, text above ASCII, keys that need escaping, and more text
// than the writer holds before it passes it on.
TEST(JsonWriter, WritesTheBytesNlohmannWrites) {
    std::string ascii;
    for (int c = 0; c < 0x80; ++c)
        ascii += static_cast<char>(c);
    const std::string utf8 = "\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80";
    const std::string large(100'000, 'x');
    const Json expected{{"ascii", ascii},
                        {"say \"\\\n", utf8},
                        {"empty", Json::array()},
                        {"none", Json::object()},
                        {"nested", {{{"n", -32768}, {"u", 4294967295u}}, nullptr, true, false}},
                        {"large", large}};
    std::ostringstream text;
    {
        CJsonWriter out(text);
        out.BeginObject();
        out.Key("ascii").Text(ascii);
        out.Key("say \"\\\n").Text(utf8);
        out.Key("empty").BeginArray();
        out.EndArray();
        out.Key("none").BeginObject();
        out.EndObject();
        out.Key("nested").BeginArray();
        out.BeginObject();
        out.Key("n").Number(-32768);
        out.Key("u").Number(4294967295u);
        out.EndObject();
        out.Null();
        out.Bool(true);
        out.Bool(false);
        out.EndArray();
        out.Key("large").Text(large);
        out.EndObject();
    }
    EXPECT_EQ(text.str(), expected.dump(2));
}

// The benchmarks' files, cut down to a few entries of each kind. Their
// fixtures were written by the JSON document builder the dump used before.
struct BenchShape {
    const char* name;
    EDSKind kind;
    std::string (*text)();
};

std::ostream& operator<<(std::ostream& out, const BenchShape& shape) {
    return out << shape.name;
}

std::string CANopenShape() {
    return FormatCANopenEDS(bench::LargeCANopenModel(3));
}

std::string DeviceNetShape() {
    CDeviceNetEDS model = bench::LargeDeviceNetModel();
    model.Params.resize(11); // the first and the eleventh have enumerations
    return FormatDeviceNetEDS(model);
}

std::string EtherNetIPShape() {
    CEtherNetIPEDS model = bench::LargeEtherNetIPModel();
    model.Params.resize(11);
    model.AssemblySection.Assemblies.resize(3);
    return FormatEtherNetIPEDS(model);
}

class BenchShapeDump : public testing::TestWithParam<BenchShape> {};

TEST_P(BenchShapeDump, GivesTheBytesOfItsFixture) {
    const BenchShape& shape = GetParam();
    LoadedEDSFile file;
    ASSERT_TRUE(LoadEDSFileText(file, shape.kind, shape.text(), "bench.eds"));
    const std::string fixture =
        std::string(CORVID_TEST_DATA_DIR) + "/dump/bench_" + shape.name + ".json";
    EXPECT_EQ(Dumped(file), test::ReadFile(fixture));
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, BenchShapeDump,
    testing::Values(BenchShape{"canopen", EDSKind::CANopen, CANopenShape},
                    BenchShape{"devicenet", EDSKind::DeviceNet, DeviceNetShape},
                    BenchShape{"ethernetip", EDSKind::EtherNetIP, EtherNetIPShape}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace corvid
