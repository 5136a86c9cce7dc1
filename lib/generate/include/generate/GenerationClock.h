#pragma once

// The time a generated file is stamped with. Generation takes its clock as a
// function, so tests and reproducible runs fix it and compare files whole.

#include <functional>
#include <string>

namespace corvid {

struct GenerationTime {
    int year = 1970;
    int month = 1; // 1 to 12
    int day = 1;   // 1 to 31
    int hour = 0;  // 0 to 23
    int minute = 0;
    int second = 0;
};

using GenerationClock = std::function<GenerationTime()>;

// The local time now.
GenerationTime LocalTimeNow();

// Seconds since 1970 as a time of day in UTC.
GenerationTime UtcTime(long long secondsSinceEpoch);

// "mm-dd-yyyy", the EDS date form.
std::string FormatEDSDate(const GenerationTime& time);
// "hh:mm:ss" on a 24-hour clock (DeviceNet files).
std::string FormatEDSTime24(const GenerationTime& time);
// "hh:mmAM" or "hh:mmPM" on a 12-hour clock (CANopen files).
std::string FormatEDSTime12(const GenerationTime& time);

} // namespace corvid
