#include "protocol/reply.h"

#include <algorithm>

namespace smscfg {
namespace {

constexpr std::uint8_t Start1 = 0x7E;
constexpr std::uint8_t Start2 = 0xFE;
constexpr std::uint8_t End = 0x16;
constexpr std::size_t MinFrame = 7;
constexpr std::size_t ReplySize = 8;
constexpr std::uint8_t StatusAccepted = 0x06;
constexpr std::uint8_t StatusRefused = 0x09;

std::uint8_t checksum(std::span<const std::uint8_t> frame)
{
    unsigned sum = 0;
    for (std::size_t i = 2; i + 2 < frame.size(); ++i)
        sum += frame[i];
    return std::uint8_t(sum & 0xFF);
}

bool isWellFormed(std::span<const std::uint8_t> bytes)
{
    const std::size_t n = bytes.size();
    return n >= MinFrame && bytes[0] == Start1 && bytes[1] == Start2 && bytes[2] == n && bytes[3] == 0
        && bytes[n - 1] == End && bytes[n - 2] == checksum(bytes);
}

}  // namespace

Verdict verdictOfStatus(std::uint8_t status)
{
    switch (status) {
    case StatusAccepted: return Verdict::Accepted;
    case StatusRefused: return Verdict::Refused;
    default: return Verdict::None;
    }
}

Verdict judgeBySixthByte(std::span<const std::uint8_t> bytes)
{
    return bytes.size() < 6 ? Verdict::None : verdictOfStatus(bytes[5]);
}

bool isReplyFrame(std::span<const std::uint8_t> bytes)
{
    // A reply carries at least its status byte.
    return bytes.size() > MinFrame && isWellFormed(bytes);
}

bool hasReplyShape(std::span<const std::uint8_t> bytes)
{
    return bytes.size() == ReplySize && isWellFormed(bytes) && verdictOfStatus(bytes[5]) != Verdict::None;
}

std::vector<ReplyFrame> findReplyFrames(std::span<const std::uint8_t> bytes)
{
    std::vector<ReplyFrame> frames;
    std::size_t at = 0;
    while (at + 2 < bytes.size()) {
        if (bytes[at] != Start1 || bytes[at + 1] != Start2) {
            ++at;
            continue;
        }
        const std::size_t size = bytes[at + 2];
        if (at + size <= bytes.size() && isReplyFrame(bytes.subspan(at, size))) {
            const auto first = bytes.begin() + std::ptrdiff_t(at);
            frames.push_back({at, {first, first + std::ptrdiff_t(size)}});
            at += size;
        } else {
            ++at;
        }
    }
    return frames;
}

std::vector<std::uint8_t> replyFrame(std::uint8_t code, std::uint8_t status)
{
    std::vector<std::uint8_t> frame{Start1, Start2, std::uint8_t(ReplySize), 0x00, code, status, 0x00, End};
    frame[6] = checksum(frame);
    return frame;
}

}  // namespace smscfg
