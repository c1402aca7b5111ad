#include "commands/probe_address.h"

#include "commands/build_result.h"
#include "commands/command_texts.h"
#include "protocol/decimal_text.h"

namespace smscfg {

std::variant<Bytes, std::u16string> readPollingNumber(std::u16string_view pollingNumber)
{
    const std::optional<std::uint8_t> device = decimalTextToByte(pollingNumber);
    if (!device)
        return numberRangeRefusal(commandText(CommandText::BoxPollingNumber), 0, 255);
    return Bytes{*device};
}

std::variant<Bytes, std::u16string> readProbeAddress(std::u16string_view pollingNumber, std::u16string_view probeNumber)
{
    auto device = readPollingNumber(pollingNumber);
    if (std::holds_alternative<std::u16string>(device))
        return device;
    const std::optional<std::uint8_t> probe = decimalTextToByte(probeNumber);
    if (!probe)
        return numberRangeRefusal(commandText(CommandText::BoxProbeNumber), 0, 255);
    Bytes address = std::get<Bytes>(device);
    address.push_back(*probe);
    return address;
}

std::u16string probeAddressMissingMessage()
{
    return commandText(CommandText::MissingProbeAddress);
}

}  // namespace smscfg
