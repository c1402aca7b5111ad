#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace smscfg {

// What a reply says about the request it answers.
enum class Verdict {
    Accepted,  // status byte 06
    Refused,   // status byte 09
    None,      // fewer than six bytes, or another status
};

// The verdict a status byte gives.
Verdict verdictOfStatus(std::uint8_t status);

// The sixth-byte rule for bytes that hold no reply frame: the byte at index
// 5 is the status; nothing else is examined.
Verdict judgeBySixthByte(std::span<const std::uint8_t> bytes);

// A well-formed reply frame found in received bytes:
// 7E FE LEN 00 code status ... checksum 16.
struct ReplyFrame {
    std::size_t offset = 0;  // where it starts in the bytes searched
    std::vector<std::uint8_t> bytes;
    std::uint8_t code() const { return bytes[4]; }
    std::uint8_t status() const { return bytes[5]; }
};

// Every well-formed reply frame in `bytes`, in order, wherever it starts;
// bytes between them are skipped.
std::vector<ReplyFrame> findReplyFrames(std::span<const std::uint8_t> bytes);

// True when `bytes` is exactly one well-formed reply frame.
bool isReplyFrame(std::span<const std::uint8_t> bytes);

// True when `bytes` could be the controller's answer: the reply frame it
// sends, 7E FE 08 00 code status checksum 16, with status 06 or 09. A copy of
// a request with this shape (device count 6, say) cannot be told from its
// reply.
bool hasReplyShape(std::span<const std::uint8_t> bytes);

// The controller's reply to a request with code `code`:
// 7E FE 08 00 code status checksum 16, the status at index 5.
std::vector<std::uint8_t> replyFrame(std::uint8_t code, std::uint8_t status);

}  // namespace smscfg
