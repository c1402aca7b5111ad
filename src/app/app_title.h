#pragma once

#include <QCoreApplication>
#include <QString>

namespace smscfg {

inline QString applicationTitle()
{
    return QCoreApplication::translate("AppTitle", "短信报警控制器设置");
}

}  // namespace smscfg
