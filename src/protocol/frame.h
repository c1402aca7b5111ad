#pragma once

#include "protocol/bytes.h"

#include <optional>
#include <string>
#include <string_view>

namespace smscfg {

// One request on the wire: 7E FE LEN 00 CMD payload... CS 16.
// A CommandFrame is always well formed: LEN equals its size (7..255) and
// the checksum is correct, because the only way to get one is build().
class CommandFrame {
public:
    static constexpr std::uint8_t Start1 = 0x7E;
    static constexpr std::uint8_t Start2 = 0xFE;
    static constexpr std::uint8_t End = 0x16;
    static constexpr int MinSize = 7;
    static constexpr int MaxSize = 255;
    static constexpr int MaxPayload = MaxSize - MinSize;  // 248

    // Returns the finished frame, or nullopt when the payload is longer than
    // MaxPayload (LEN could not describe the frame).
    static std::optional<CommandFrame> build(std::uint8_t code, ByteView payload);

    const Bytes &bytes() const { return m_bytes; }
    int size() const { return int(m_bytes.size()); }
    std::uint8_t code() const { return m_bytes[4]; }
    Bytes payload() const { return Bytes(m_bytes.begin() + 5, m_bytes.end() - 2); }

    // Upper-case hex pairs separated by single spaces: "7E FE 07 00 45 4C 16".
    std::u16string toHex() const;

    friend bool operator==(const CommandFrame &, const CommandFrame &) = default;

private:
    explicit CommandFrame(Bytes bytes) : m_bytes(std::move(bytes)) {}
    Bytes m_bytes;
};

// Sum of bytes 2 .. N-3 (LEN through the last payload byte), modulo 256.
// Returns 0 for an array shorter than a minimal frame.
std::uint8_t frameChecksum(ByteView frame);

// True when `bytes` is a well formed request: start bytes, LEN equal to the
// size, reserved byte 0, size 7..255, valid checksum and end byte.
bool isWellFormedFrame(ByteView bytes);

// Bytes as upper-case hex pairs joined by `separator` ("" or " ").
std::u16string hexText(ByteView bytes, std::u16string_view separator = u" ");

}  // namespace smscfg
