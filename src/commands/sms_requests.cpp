#include "commands/sms_requests.h"

#include "commands/command_texts.h"
#include "commands/probe_address.h"
#include "protocol/decimal_text.h"
#include "protocol/text.h"
#include "protocol/wire.h"

namespace smscfg {
namespace {

using T = CommandText;

// The phone number field, or the refusal that names the box.
std::variant<Bytes, std::u16string> phoneField(std::u16string_view text, T box)
{
    auto field = phoneNumberField(text);
    if (auto *bytes = std::get_if<Bytes>(&field))
        return *bytes;
    const std::u16string boxName = commandText(box);
    switch (std::get<PhoneNumberProblem>(field)) {
    case PhoneNumberProblem::TooLong:
        return commandText(T::PhoneTooLong, {boxName, text::number(wire::PhoneNumberFieldSize)});
    case PhoneNumberProblem::ControlCharacter: return commandText(T::PhoneControlCharacter, {boxName});
    case PhoneNumberProblem::NotSingleByte: break;
    }
    return commandText(T::PhoneNotSingleByte, {boxName});
}

BuildResult buildSwitches(std::uint8_t code, const std::variant<Bytes, std::u16string> &address,
                          const PhoneTicks &ticked)
{
    if (auto *refusal = std::get_if<std::u16string>(&address))
        return BuildResult::refusal(*refusal);
    Bytes payload = std::get<Bytes>(address);
    const Bytes mask = phoneMask(ticked);
    payload.insert(payload.end(), mask.begin(), mask.end());
    return BuildResult::ofFrame(*CommandFrame::build(code, payload));
}

}  // namespace

BuildResult buildSmsCentre(std::u16string_view number)
{
    if (number.empty())
        return BuildResult::message(commandText(T::MissingSmsCentre));
    auto field = phoneField(number, T::BoxSmsCentre);
    if (auto *refusal = std::get_if<std::u16string>(&field))
        return BuildResult::refusal(*refusal);
    return BuildResult::ofFrame(*CommandFrame::build(code::SmsCentre, std::get<Bytes>(field)));
}

BuildResult buildRecipientPhone(std::u16string_view slot, std::u16string_view number)
{
    if (slot.empty() || number.empty())
        return BuildResult::message(commandText(T::MissingRecipientPhone));
    const std::u16string slotRefusal = numberRangeRefusal(commandText(T::BoxPhoneSlot), 0, wire::PhoneSlotCount);
    const std::optional<DecimalFloor> slotNumber = parseDecimalFloor(trimSpaces(slot));
    if (!slotNumber)
        return BuildResult::refusal(slotRefusal);
    if (slotNumber->value > wire::PhoneSlotCount)
        return BuildResult::message(commandText(T::TooManyPhones));
    if (slotNumber->value < 0)
        return BuildResult::refusal(slotRefusal);
    auto field = phoneField(number, T::BoxPhoneNumber);
    if (auto *refusal = std::get_if<std::u16string>(&field))
        return BuildResult::refusal(*refusal);
    Bytes payload{std::uint8_t(slotNumber->value)};
    const Bytes &numberField = std::get<Bytes>(field);
    payload.insert(payload.end(), numberField.begin(), numberField.end());
    return BuildResult::ofFrame(*CommandFrame::build(code::RecipientPhone, payload));
}

BuildResult buildDeviceSwitches(std::u16string_view pollingNumber, const PhoneTicks &ticked)
{
    if (pollingNumber.empty())
        return BuildResult::message(commandText(T::MissingPollingNumber));
    return buildSwitches(code::DeviceSwitches, readPollingNumber(pollingNumber), ticked);
}

BuildResult buildProbeSwitches(std::u16string_view pollingNumber, std::u16string_view probeNumber,
                               const PhoneTicks &ticked)
{
    if (pollingNumber.empty() || probeNumber.empty())
        return BuildResult::message(probeAddressMissingMessage());
    return buildSwitches(code::ProbeSwitches, readProbeAddress(pollingNumber, probeNumber), ticked);
}

}  // namespace smscfg
