#pragma once

#include "commands/clock_request.h"

#include <QDateTime>

namespace smscfg {

// The PC's clock as the core takes it.
inline LocalTime localTimeOf(const QDateTime &moment)
{
    const QDate date = moment.date();
    const QTime time = moment.time();
    return {date.year(), date.month(), date.day(), time.hour(), time.minute(), date.dayOfWeek()};
}

}  // namespace smscfg
