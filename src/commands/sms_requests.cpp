#include "commands/sms_requests.h"

#include "commands/probe_address.h"
#include "protocol/wire.h"
#include "protocol/decimal_text.h"

namespace smscfg {
namespace {

// The phone number field, or the refusal that names the box.
std::variant<QByteArray, QString> phoneField(const QString &text, const QString &boxName)
{
    auto field = phoneNumberField(text);
    if (auto *bytes = std::get_if<QByteArray>(&field))
        return *bytes;
    switch (std::get<PhoneNumberProblem>(field)) {
    case PhoneNumberProblem::TooLong:
        return QStringLiteral("%1太长，最多%2个字符").arg(boxName).arg(wire::PhoneNumberFieldSize);
    case PhoneNumberProblem::ControlCharacter:
        return QStringLiteral("%1含有控制字符，只能包含数字、+号等半角字符").arg(boxName);
    case PhoneNumberProblem::NotSingleByte: break;
    }
    return QStringLiteral("%1只能包含数字、+号等半角字符").arg(boxName);
}

BuildResult buildSwitches(quint8 code, const std::variant<QByteArray, QString> &address, const PhoneTicks &ticked)
{
    if (auto *refusal = std::get_if<QString>(&address))
        return BuildResult::refusal(*refusal);
    return BuildResult::ofFrame(*CommandFrame::build(code, std::get<QByteArray>(address) + phoneMask(ticked)));
}

}  // namespace

BuildResult buildSmsCentre(const QString &number)
{
    if (number.isEmpty())
        return BuildResult::message(QStringLiteral("请输入短信中心号码"));
    auto field = phoneField(number, QStringLiteral("短信中心号码"));
    if (auto *refusal = std::get_if<QString>(&field))
        return BuildResult::refusal(*refusal);
    return BuildResult::ofFrame(*CommandFrame::build(code::SmsCentre, std::get<QByteArray>(field)));
}

BuildResult buildRecipientPhone(const QString &slot, const QString &number)
{
    if (slot.isEmpty() || number.isEmpty())
        return BuildResult::message(QStringLiteral("请输入第几个电话或电话号码"));
    const QString slotRefusal = numberRangeRefusal(QStringLiteral("第几个电话"), 0, wire::PhoneSlotCount);
    const std::optional<DecimalFloor> slotNumber = parseDecimalFloor(trimSpaces(slot));
    if (!slotNumber)
        return BuildResult::refusal(slotRefusal);
    if (slotNumber->value > wire::PhoneSlotCount)
        return BuildResult::message(QStringLiteral("最大只能设置16个电话号码"));
    if (slotNumber->value < 0)
        return BuildResult::refusal(slotRefusal);
    auto field = phoneField(number, QStringLiteral("电话号码"));
    if (auto *refusal = std::get_if<QString>(&field))
        return BuildResult::refusal(*refusal);
    const QByteArray payload = QByteArray(1, char(slotNumber->value)) + std::get<QByteArray>(field);
    return BuildResult::ofFrame(*CommandFrame::build(code::RecipientPhone, payload));
}

BuildResult buildDeviceSwitches(const QString &pollingNumber, const PhoneTicks &ticked)
{
    if (pollingNumber.isEmpty())
        return BuildResult::message(QStringLiteral("请输入设备轮训号"));
    return buildSwitches(code::DeviceSwitches, readPollingNumber(pollingNumber), ticked);
}

BuildResult buildProbeSwitches(const QString &pollingNumber, const QString &probeNumber, const PhoneTicks &ticked)
{
    if (pollingNumber.isEmpty() || probeNumber.isEmpty())
        return BuildResult::message(probeAddressMissingMessage());
    return buildSwitches(code::ProbeSwitches, readProbeAddress(pollingNumber, probeNumber), ticked);
}

}  // namespace smscfg
