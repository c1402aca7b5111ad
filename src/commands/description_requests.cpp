#include "commands/description_requests.h"

#include "commands/command_texts.h"
#include "protocol/decimal_text.h"
#include "protocol/hex_text.h"
#include "protocol/text.h"

namespace smscfg {

using T = CommandText;

namespace {

// Half of a UTF-16 pair without the other half would go out as two bytes
// that are no character.
bool hasLoneSurrogate(std::u16string_view text)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t u = text[i];
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF)
            ++i;
        else if (u >= 0xD800 && u <= 0xDFFF)
            return true;
    }
    return false;
}

}  // namespace

BuildResult buildDeviceDescription(std::u16string_view address, std::u16string_view description,
                                   std::u16string_view content, TextEncoding encoding)
{
    if (address.empty() || description.empty() || content.empty())
        return BuildResult::message(commandText(T::MissingDeviceDescription));
    if (description.size() > std::size_t(wire::DeviceDescriptionMaxChars))
        return BuildResult::message(commandText(T::DeviceDescriptionTooLong));
    if (hasLoneSurrogate(description))
        return BuildResult::refusal(commandText(T::LoneSurrogate, {commandText(T::BoxDeviceDescription)}));

    const std::optional<Bytes> contentBytes = hexListToBytes(content);
    if (!contentBytes)
        return BuildResult::refusal(hexPairsRefusal(commandText(T::BoxContent)));
    if (contentBytes->empty())
        return BuildResult::refusal(commandText(T::ContentEmpty));
    if (contentBytes->size() > std::size_t(wire::DeviceContentMaxBytes))
        return BuildResult::refusal(commandText(T::ContentTooLong, {text::number(wire::DeviceContentMaxBytes),
                                                                    text::number(2 * wire::DeviceContentMaxBytes)}));
    const std::optional<std::uint8_t> addressByte = decimalTextToByte(address);
    if (!addressByte)
        return BuildResult::refusal(numberRangeRefusal(commandText(T::BoxDeviceDescriptionAddress), 0, 255));

    Bytes payload{*addressByte};
    const Bytes field = descriptionField(description, wire::DeviceDescriptionWidth, encoding);
    payload.insert(payload.end(), field.begin(), field.end());
    payload.insert(payload.end(), contentBytes->begin(), contentBytes->end());
    return BuildResult::ofFrame(*CommandFrame::build(code::DeviceDescription, payload));
}

BuildResult buildPortDescription(std::u16string_view address, std::u16string_view port,
                                 std::u16string_view description, TextEncoding encoding)
{
    if (address.empty() || port.empty() || description.empty())
        return BuildResult::message(commandText(T::MissingPortDescription));
    if (trimSpaces(description).size() > std::size_t(wire::PortDescriptionMaxChars))
        return BuildResult::message(commandText(T::PortDescriptionTooLong));
    if (hasLoneSurrogate(description))
        return BuildResult::refusal(commandText(T::LoneSurrogate, {commandText(T::BoxPortDescription)}));

    const std::optional<std::uint8_t> addressByte = decimalTextToByte(address);
    if (!addressByte)
        return BuildResult::refusal(numberRangeRefusal(commandText(T::BoxPortDescriptionAddress), 0, 255));
    const std::optional<std::uint8_t> portByte = decimalTextToByte(port);
    if (!portByte)
        return BuildResult::refusal(numberRangeRefusal(commandText(T::BoxPort), 0, 255));

    Bytes payload{*addressByte, *portByte, wire::PortDescriptionMarker};
    const Bytes field = descriptionField(description, wire::PortDescriptionWidth, encoding);
    payload.insert(payload.end(), field.begin(), field.end());
    return BuildResult::ofFrame(*CommandFrame::build(code::PortDescription, payload));
}

}  // namespace smscfg
