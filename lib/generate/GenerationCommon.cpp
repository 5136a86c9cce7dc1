#include "generate/GenerationCommon.h"

#include <algorithm>
#include <string_view>

namespace corvid {

std::string CollapseBlanks(std::string_view text) {
    std::string collapsed;
    for (char c : text) {
        if (c == ' ' && (collapsed.empty() || collapsed.back() == ' '))
            continue;
        collapsed += c;
    }
    if (!collapsed.empty() && collapsed.back() == ' ')
        collapsed.pop_back();
    return collapsed;
}

std::string ProductText(const CModbusMaster& master) {
    return CollapseBlanks(master.modelName + " " + master.modelSuffix);
}

std::string SafeTitle(std::string text) {
    constexpr std::string_view kUnsafe = "\\/:*?\"<>|";
    std::replace_if(
        text.begin(), text.end(), [&](char c) { return kUnsafe.find(c) != std::string_view::npos; },
        ' ');
    return CollapseBlanks(text);
}

bool IsSignedParameter(uint8_t driveType, const DriveParameter& parameter) {
    return HonoursSignedAttribute(driveType) && (parameter.attribute & kAttributeSigned) != 0;
}

LimitCheck CheckLimits(const DriveParameter& parameter) {
    if (parameter.minimum > parameter.maximum)
        return LimitCheck::MinimumAboveMaximum;
    if (parameter.defaultValue > parameter.maximum || parameter.defaultValue < parameter.minimum)
        return LimitCheck::DefaultOutside;
    return LimitCheck::Good;
}

std::string QuotedName(const std::string& name) {
    std::string quoted = name;
    std::replace(quoted.begin(), quoted.end(), '"', '\'');
    return "\"" + quoted + "\"";
}

} // namespace corvid
