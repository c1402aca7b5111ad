#pragma once

#include <QString>
#include <optional>

namespace smscfg {

// The device behind a port text: a decimal number N (its floor, 1..65535;
// "2.9" is port 2) is the platform's Nth serial port, COMN on Windows and
// `numberedPrefix` + (N-1) elsewhere; a text starting with "/" is a device
// path (not on Windows). Anything else names no port: nullopt.
std::optional<QString> portDeviceName(const QString &portText,
                                      const QString &numberedPrefix = QStringLiteral("/dev/ttyS"));

// Whether `portText` will name the same device next time: a number, or a
// path that does not lead to a pseudo-terminal. A pseudo-terminal's number
// is handed out again once it is closed, often to someone's shell, and so is
// the one a link to it names.
bool portStaysTheSame(const QString &portText);

// Whether `path`, links followed, is a pseudo-terminal (either side).
bool isPseudoTerminal(const QString &path);

}  // namespace smscfg
