#include "commands/probe_address.h"

#include "commands/build_result.h"
#include "protocol/decimal_text.h"

namespace smscfg {

std::variant<QByteArray, QString> readPollingNumber(const QString &pollingNumber)
{
    const std::optional<quint8> device = decimalTextToByte(pollingNumber);
    if (!device)
        return numberRangeRefusal(QStringLiteral("设备轮训号"), 0, 255);
    return QByteArray(1, char(*device));
}

std::variant<QByteArray, QString> readProbeAddress(const QString &pollingNumber, const QString &probeNumber)
{
    auto device = readPollingNumber(pollingNumber);
    if (std::holds_alternative<QString>(device))
        return device;
    const std::optional<quint8> probe = decimalTextToByte(probeNumber);
    if (!probe)
        return numberRangeRefusal(QStringLiteral("探头号"), 0, 255);
    return std::get<QByteArray>(device) + char(*probe);
}

QString probeAddressMissingMessage()
{
    return QStringLiteral("请输入设备轮训号或探头号");
}

}  // namespace smscfg
