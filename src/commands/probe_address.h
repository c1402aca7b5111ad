#pragma once

#include <QByteArray>
#include <QString>
#include <variant>

namespace smscfg {

// The device polling number and the probe number as two bytes, or the
// refusal that names the box that cannot be encoded. The boxes must already
// have passed their emptiness test.
std::variant<QByteArray, QString> readProbeAddress(const QString &pollingNumber, const QString &probeNumber);

// The device polling number alone, one byte, or its refusal.
std::variant<QByteArray, QString> readPollingNumber(const QString &pollingNumber);

// The message shown when either box is empty.
QString probeAddressMissingMessage();

}  // namespace smscfg
