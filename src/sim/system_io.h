#pragma once

#include <QByteArray>
#include <QString>

namespace smscfg::sim {

// The system's words for the last failed call (errno).
QString errnoText();

// Writes all of `bytes`, going on after a signal interrupts. False when a
// write fails, a full non-blocking descriptor included (errno says why).
bool writeAll(int fd, const QByteArray &bytes);

}  // namespace smscfg::sim
