#pragma once

#include "protocol/request_text.h"
#include "qt_boundary/core_types.h"

namespace smscfg {

// The core's escapeForLog for a QString.
inline QString escapeForLog(const QString &text)
{
    return toQString(escapeForLog(toU16(text)));
}

}  // namespace smscfg
