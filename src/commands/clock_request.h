#pragma once

#include "commands/build_result.h"

#include <QDateTime>
#include <QStringList>

namespace smscfg {

// The texts of the clock row: year, month, day, hour, minute (two decimal
// digits each, sent as packed BCD) and the weekday name.
struct ClockTexts {
    QString year, month, day, hour, minute, weekday;
};

// The seven weekday names, Monday first; their codes are 1..7.
const QStringList &weekdayNames();

// The clock row for a moment: two-digit year, month, day, hour and minute,
// and the weekday's name.
ClockTexts clockTextsOf(const QDateTime &moment);

// The weekday code 1..7 of a name; "星期日" is taken as "星期天". 0 for any
// other text.
int weekdayCode(const QString &name);

// Each field must be exactly two decimal digits within the values the lists
// offer, plus 00 (year 00-99, month 01-12, day 01-31, hour 00-24, minute
// 00-60), and the weekday one of the names. Nothing is checked for being a
// real date.
BuildResult buildClock(const ClockTexts &texts);

}  // namespace smscfg
