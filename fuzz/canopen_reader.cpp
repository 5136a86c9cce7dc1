// Any bytes read as a CANopen file: no crash, no hang, the written form is a
// fixed point (writing what was read from it gives it back), and what the
// reader kept comes back kept, unchanged and in the same place. A save in
// the file's own layout gives the bytes back (KeptLayoutOracle.h).

#include "KeptLayoutOracle.h"

#include "canopen/CANopenReader.h"
#include "canopen/CANopenWriter.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

using corvid::CANopenObject;
using corvid::CCANopenEDS;

void AddLines(std::vector<std::string>& out, const std::string& where,
              const std::vector<std::string>& lines) {
    for (const std::string& line : lines)
        out.push_back(where + "|" + line);
}

// Every kept line with the section it belongs to, every kept section with
// its place. Kept sections are compared by the section they follow, in
// their order there: a second reading meets them in the writer's order of
// sections, which is not the order of the first file.
std::vector<std::string> KeptContent(const CCANopenEDS& model) {
    std::vector<std::string> out;
    AddLines(out, "FileInfo", model.FileInfo.KeptLines);
    AddLines(out, "DeviceInfo", model.DeviceInfo.KeptLines);
    AddLines(out, "DummyUsage", model.DummyUsage.KeptLines);
    AddLines(out, "Comments", model.Comments.KeptLines);
    for (size_t list = 0; list < model.ListKeptLines.size(); ++list)
        AddLines(out, "list" + std::to_string(list), model.ListKeptLines[list]);
    for (const CANopenObject& object : model.Objects) {
        AddLines(out, corvid::ObjectSectionName(object.Index), object.KeptLines.Lines());
        for (const CANopenObject& sub : object.SubObjects)
            AddLines(out, corvid::SubIndexSectionName(sub.Index, sub.SubIndex),
                     sub.KeptLines.Lines());
    }
    std::vector<const corvid::CANopenKeptSection*> sections;
    for (const auto& section : model.KeptSections)
        sections.push_back(&section);
    std::stable_sort(sections.begin(), sections.end(),
                     [](const auto* a, const auto* b) { return a->After < b->After; });
    for (const auto* section : sections)
        AddLines(out, section->After + "|" + section->Header, section->Lines);
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CCANopenEDS first;
    corvid::LoadCANopenEDSText(first, text, "fuzz.eds");
    const std::string once = corvid::FormatCANopenEDS(first);
    CCANopenEDS second;
    corvid::LoadCANopenEDSText(second, once, "fuzz.eds");
    if (corvid::FormatCANopenEDS(second) != once)
        std::abort();
    if (KeptContent(second) != KeptContent(first) || second.ByteOrderMark != first.ByteOrderMark)
        std::abort();
    const bool kept = corvid::fuzz::KeptLayoutHolds<CCANopenEDS>(
        text, corvid::kCANopenLayout,
        [](CCANopenEDS& model, std::string_view source) {
            corvid::LoadCANopenEDSText(model, source, "fuzz.eds");
        },
        [](const CCANopenEDS& model) { return corvid::FormatCANopenEDS(model); });
    if (!kept)
        std::abort();
    return 0;
}
