#pragma once

#include <QString>

namespace smscfg {

inline QString applicationTitle()
{
    return QStringLiteral("短信报警控制器设置");
}

}  // namespace smscfg
