#pragma once

// The time a save writes into a file's modification keys, in the form the
// file already uses for them ("03-17-2023" or "07-Feb-2016", "04:23PM" or
// "13:51:00"), so a stamp changes the value and nothing of its form.

#include <string>
#include <string_view>

namespace corvid {

struct StampTime {
    int year = 1970;
    int month = 1; // 1 to 12
    int day = 1;
    int hour = 0; // 0 to 23
    int minute = 0;
    int second = 0;
};

// SOURCE_DATE_EPOCH (seconds since 1970, in UTC) when it is set to a number,
// so saves can be repeated byte for byte; else the local time now.
StampTime SaveTimeNow();

// `time` as a date in the form of `previous`; "mm-dd-yyyy" when that form
// is not recognised.
std::string DateLike(std::string_view previous, const StampTime& time);

// `time` as a time of day in the form of `previous`: a 12-hour clock when it
// ends in AM or PM, seconds when it has them. Unrecognised: "hh:mmAM" when
// `twelveHour`, else "hh:mm:ss".
std::string TimeLike(std::string_view previous, const StampTime& time, bool twelveHour);

} // namespace corvid
