#pragma once

#include "link/exchange.h"

#include <QString>

// The texts the operator reads about the line, the same in the window and
// on the command line.
namespace smscfg {

// "设置成功", "设置失败", "设备无响应", "串口不可用，请重新设置"; empty for a
// reply without a verdict, which shows nothing.
QString outcomeMessage(Exchange::Outcome outcome);

// The port named by `portText` cannot be opened.
QString unusablePortMessage(const QString &portText);

}  // namespace smscfg
