#include "protocol/frame.h"

#include "protocol/text.h"

namespace smscfg {

std::optional<CommandFrame> CommandFrame::build(std::uint8_t code, ByteView payload)
{
    if (payload.size() > std::size_t(MaxPayload))
        return std::nullopt;
    const std::size_t n = std::size_t(MinSize) + payload.size();
    Bytes bytes(n, 0);
    bytes[0] = Start1;
    bytes[1] = Start2;
    bytes[2] = std::uint8_t(n);
    bytes[3] = 0;
    bytes[4] = code;
    for (std::size_t i = 0; i < payload.size(); ++i)
        bytes[5 + i] = payload[i];
    bytes[n - 2] = frameChecksum(bytes);
    bytes[n - 1] = End;
    return CommandFrame(std::move(bytes));
}

std::u16string CommandFrame::toHex() const
{
    return hexText(m_bytes);
}

std::uint8_t frameChecksum(ByteView frame)
{
    const std::size_t n = frame.size();
    if (n < std::size_t(CommandFrame::MinSize))
        return 0;
    unsigned sum = 0;
    for (std::size_t i = 2; i <= n - 3; ++i)
        sum += frame[i];
    return std::uint8_t(sum & 0xFF);
}

bool isWellFormedFrame(ByteView bytes)
{
    const std::size_t n = bytes.size();
    if (n < std::size_t(CommandFrame::MinSize) || n > std::size_t(CommandFrame::MaxSize))
        return false;
    return bytes[0] == CommandFrame::Start1 && bytes[1] == CommandFrame::Start2 && bytes[2] == n && bytes[3] == 0
        && bytes[n - 2] == frameChecksum(bytes) && bytes[n - 1] == CommandFrame::End;
}

std::u16string hexText(ByteView bytes, std::u16string_view separator)
{
    std::u16string out;
    out.reserve(bytes.size() * (2 + separator.size()));
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i > 0)
            out += separator;
        out += text::hexByte(bytes[i]);
    }
    return out;
}

}  // namespace smscfg
