#pragma once

#include "commands/build_result.h"

#include <array>
#include <string>
#include <vector>

namespace smscfg {

// A moment on the PC's clock as the caller reads it (the core reads no
// clock): the date, the time to the minute, and the weekday 1..7 from Monday.
struct LocalTime {
    int year, month, day, hour, minute, weekday;
};

// The texts of the clock row: year, month, day, hour, minute (two decimal
// digits each, sent as packed BCD) and the weekday name.
struct ClockTexts {
    std::u16string year, month, day, hour, minute, weekday;
};

// The clock row for a moment: two-digit year, month, day, hour and minute,
// and the weekday's name.
ClockTexts clockTextsOf(const LocalTime &moment);

// A weekday name that buildClock takes, as the Chinese name ("Saturday" in
// English: "星期六"), so that a profile reads the same in every language;
// any other text as it is.
std::u16string chineseWeekday(std::u16string_view name);

// The row's six texts in the order of its boxes, which is also the order of
// `clock`'s words on the command line.
std::vector<std::u16string> clockWords(const ClockTexts &texts);

// Each field must be exactly two decimal digits within the values the lists
// offer, plus 00 (year 00-99, month 01-12, day 01-31, hour 00-24, minute
// 00-60), and the weekday one of the names ("星期一" to "星期天", "星期日", or
// a name in the language chosen). Nothing is checked for being a
// real date.
BuildResult buildClock(const ClockTexts &texts);

}  // namespace smscfg
