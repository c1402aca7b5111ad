#pragma once

#include <QString>

namespace smscfg {

// The version the project was built as ("1.0").
QString programVersion();

}  // namespace smscfg
