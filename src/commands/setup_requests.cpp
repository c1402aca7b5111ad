#include "commands/setup_requests.h"

#include "commands/command_texts.h"
#include "protocol/decimal_text.h"
#include "protocol/hex_text.h"
#include "protocol/text.h"
#include "protocol/wire.h"

namespace smscfg {
namespace {

BuildResult buildHexList(std::uint8_t code, std::u16string_view text, CommandText box)
{
    const std::u16string boxName = commandText(box);
    if (text.empty())
        return BuildResult::message(boxName);
    const std::optional<Bytes> list = hexListToBytes(text);
    if (!list)
        return BuildResult::refusal(hexPairsRefusal(boxName));
    if (list->size() > std::size_t(wire::MaxPayload))
        return BuildResult::refusal(commandText(CommandText::HexListTooLong, {boxName, text::number(wire::MaxPayload),
                                                                              text::number(2 * wire::MaxPayload)}));
    return BuildResult::ofFrame(*CommandFrame::build(code, *list));
}

}  // namespace

BuildResult buildInitialise()
{
    return BuildResult::ofFrame(*CommandFrame::build(code::Initialise, {}));
}

BuildResult buildDeviceCount(std::u16string_view deviceCount)
{
    const std::u16string boxName = commandText(CommandText::BoxDeviceCount);
    if (deviceCount.empty())
        return BuildResult::message(boxName);
    const std::optional<std::uint8_t> count = decimalTextToByte(deviceCount);
    if (!count)
        return BuildResult::refusal(numberRangeRefusal(boxName, 0, 255));
    const std::uint8_t payload[] = {*count};
    return BuildResult::ofFrame(*CommandFrame::build(code::DeviceCount, payload));
}

BuildResult buildAddressList(std::u16string_view addresses)
{
    return buildHexList(code::AddressList, addresses, CommandText::BoxAddresses);
}

BuildResult buildPortCountList(std::u16string_view portCounts)
{
    return buildHexList(code::PortCountList, portCounts, CommandText::BoxPortCounts);
}

}  // namespace smscfg
