#pragma once

#include "link/serial_link.h"

#include <QString>

// The texts the operator reads about the serial port, the same in the
// window and on the command line (the verdicts' are the core's).
namespace smscfg {

// The port named by `portText` cannot be opened: "COM3不能用,请换到另一个串口。"
// ("COM" only before a port number; a path is shown as typed), then on a
// second line why, and for a number the device it stands for
// ("（COM3 即 /dev/ttyS2）").
QString unusablePortMessage(const QString &portText, const OpenError &error);

// A port as the operator reads it: "COM3" for a number, a path as typed
// (control characters escaped: "/dev/\x1b[2J").
QString portDisplayName(const QString &portText);

// The port is open: "COM3 已打开（9600,n,8,1）".
QString portOpenedMessage(const QString &portText);

// The port went away while open: "/dev/ttyUSB0 连接已断开（…）". (Qt's own
// reason after a lost line is stale and misleading, so it is not shown.)
QString linkLostMessage(const QString &portText);

// Why a port cannot be opened, in a few words.
QString openErrorText(const OpenError &error);

}  // namespace smscfg
