#pragma once

#include "commands/build_result.h"

#include <QStringList>

namespace smscfg {

// The texts of the clock row: year, month, day, hour, minute (two digits
// each, sent as packed BCD) and the weekday name.
struct ClockTexts {
    QString year, month, day, hour, minute, weekday;
};

// The seven weekday names, Monday first; their codes are 1..7.
const QStringList &weekdayNames();

// Nothing is checked for being a real date; a weekday that is none of the
// names is sent as 0. A field of fewer than two characters is refused.
BuildResult buildClock(const ClockTexts &texts);

}  // namespace smscfg
