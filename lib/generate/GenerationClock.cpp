#include "generate/GenerationClock.h"

#include <cstdio>
#include <ctime>

namespace corvid {

namespace {

GenerationTime FromTm(const std::tm& tm) {
    return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

} // namespace

GenerationTime LocalTimeNow() {
    const std::time_t now = std::time(nullptr);
    std::tm tm{};
    localtime_r(&now, &tm);
    return FromTm(tm);
}

GenerationTime UtcTime(long long secondsSinceEpoch) {
    const auto seconds = static_cast<std::time_t>(secondsSinceEpoch);
    std::tm tm{};
    gmtime_r(&seconds, &tm);
    return FromTm(tm);
}

std::string FormatEDSDate(const GenerationTime& time) {
    char text[32];
    std::snprintf(text, sizeof text, "%02d-%02d-%04d", time.month, time.day, time.year);
    return text;
}

std::string FormatEDSTime24(const GenerationTime& time) {
    char text[32];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", time.hour, time.minute, time.second);
    return text;
}

std::string FormatEDSTime12(const GenerationTime& time) {
    const int hour12 = time.hour % 12 == 0 ? 12 : time.hour % 12;
    char text[32];
    std::snprintf(text, sizeof text, "%02d:%02d%s", hour12, time.minute,
                  time.hour < 12 ? "AM" : "PM");
    return text;
}

} // namespace corvid
