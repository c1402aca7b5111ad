#pragma once

#include "link/exchange.h"

#include <QString>

// The texts the operator reads about the line, the same in the window and
// on the command line.
namespace smscfg {

// "设置成功", "设置失败", "设备无响应", "串口不可用，请重新设置", "串口连接已断开";
// empty for a reply without a verdict, which shows nothing.
QString outcomeMessage(Exchange::Outcome outcome);

// A finished request in a few words: the outcome message, or
// "应答无法识别：<hex>" for a reply without a verdict.
QString verdictText(const Exchange::Result &result);

// verdictText with the round-trip time where there was a round trip:
// "设置成功（28 ms）", or for a verdict after the time-out "设置成功（迟到 3.6 秒）".
QString resultText(const Exchange::Result &result);

// The port named by `portText` cannot be opened: "COM3不能用,请换到另一个串口。"
// ("COM" only before a port number; a path is shown as typed), then on a
// second line why, and for a number the device it stands for
// ("（COM3 即 /dev/ttyS2）").
QString unusablePortMessage(const QString &portText, const OpenError &error);

// A port as the operator reads it: "COM3" for a number, a path as typed.
QString portDisplayName(const QString &portText);

// The port is open: "COM3 已打开（9600,n,8,1）".
QString portOpenedMessage(const QString &portText);

// The port went away while open: "/dev/ttyUSB0 连接已断开（…）". (Qt's own
// reason after a lost line is stale and misleading, so it is not shown.)
QString linkLostMessage(const QString &portText);

// Why a port cannot be opened, in a few words.
QString openErrorText(const OpenError &error);

}  // namespace smscfg
