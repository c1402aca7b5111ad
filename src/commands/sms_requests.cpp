#include "commands/sms_requests.h"

#include "commands/probe_address.h"
#include "protocol/command_codes.h"
#include "protocol/decimal_text.h"

namespace smscfg {
namespace {

// The phone number field, or the refusal that names the box.
std::variant<QByteArray, QString> phoneField(const QString &text, const QString &boxName)
{
    auto field = PhoneNumberField(text);
    if (auto *bytes = std::get_if<QByteArray>(&field))
        return *bytes;
    if (std::get<PhoneNumberProblem>(field) == PhoneNumberProblem::TooLong)
        return QStringLiteral("%1太长，最多%2个字符").arg(boxName).arg(PhoneNumberFieldSize);
    return QStringLiteral("%1只能包含数字、+号等半角字符").arg(boxName);
}

BuildResult buildSwitches(quint8 code, const std::variant<QByteArray, QString> &address, const PhoneTicks &ticked)
{
    if (auto *refusal = std::get_if<QString>(&address))
        return BuildResult::refusal(*refusal);
    return BuildResult::ofFrame(*CommandFrame::build(code, std::get<QByteArray>(address) + PhoneMask(ticked)));
}

}  // namespace

BuildResult buildSmsCentre(const QString &text10)
{
    if (text10.isEmpty())
        return BuildResult::message(QStringLiteral("请输入短信中心号码"));
    auto field = phoneField(text10, QStringLiteral("短信中心号码"));
    if (auto *refusal = std::get_if<QString>(&field))
        return BuildResult::refusal(*refusal);
    return BuildResult::ofFrame(*CommandFrame::build(code::SmsCentre, std::get<QByteArray>(field)));
}

BuildResult buildRecipientPhone(const QString &text11, const QString &text12)
{
    if (text11.isEmpty() || text12.isEmpty())
        return BuildResult::message(QStringLiteral("请输入第几个电话或电话号码"));
    const QString slotRefusal = numberRangeRefusal(QStringLiteral("第几个电话"), 0, PhoneSlotCount);
    const std::optional<DecimalFloor> slot = parseDecimalFloor(trimSpaces(text11));
    if (!slot)
        return BuildResult::refusal(slotRefusal);
    if (slot->value > PhoneSlotCount)
        return BuildResult::message(QStringLiteral("最大只能设置16个电话号码"));
    if (slot->value < 0)
        return BuildResult::refusal(slotRefusal);
    auto field = phoneField(text12, QStringLiteral("电话号码"));
    if (auto *refusal = std::get_if<QString>(&field))
        return BuildResult::refusal(*refusal);
    const QByteArray payload = QByteArray(1, char(slot->value)) + std::get<QByteArray>(field);
    return BuildResult::ofFrame(*CommandFrame::build(code::RecipientPhone, payload));
}

BuildResult buildDeviceSwitches(const QString &text13, const PhoneTicks &ticked)
{
    if (text13.isEmpty())
        return BuildResult::message(QStringLiteral("请输入设备轮训号"));
    return buildSwitches(code::DeviceSwitches, readPollingNumber(text13), ticked);
}

BuildResult buildProbeSwitches(const QString &text13, const QString &text14, const PhoneTicks &ticked)
{
    if (text13.isEmpty() || text14.isEmpty())
        return BuildResult::message(probeAddressMissingMessage());
    return buildSwitches(code::ProbeSwitches, readProbeAddress(text13, text14), ticked);
}

}  // namespace smscfg
