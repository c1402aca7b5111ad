#pragma once

#include <QByteArray>
#include <QString>
#include <variant>

namespace smscfg {

// The device polling number (Text13) and probe number (Text14) as two bytes,
// or the refusal that names the box that cannot be encoded. The boxes must
// already have passed their emptiness test.
std::variant<QByteArray, QString> readProbeAddress(const QString &text13, const QString &text14);

// The device polling number alone, one byte, or its refusal.
std::variant<QByteArray, QString> readPollingNumber(const QString &text13);

// The message shown when either box is empty.
QString probeAddressMissingMessage();

}  // namespace smscfg
