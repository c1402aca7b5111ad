#include "bytes.h"
#include "protocol/frame.h"
#include "protocol/reply.h"

#include <doctest/doctest.h>

using namespace smscfg;

TEST_CASE("frames are built with LEN, checksum and end byte")
{
    struct Row {
        const char *name;
        std::uint8_t code;
        Bytes payload;
        const char *expected;
    };
    const Row rows[] = {
        {"no payload", 0x45, {}, "7E FE 07 00 45 4C 16"},
        {"one byte", 0x46, bytesOf("0C"), "7E FE 08 00 46 0C 5A 16"},
        {"sum 0x29B keeps 9B", 0x4B, bytesOf("31 32 33 34 35 36 37 38 39 30 31"),
         "7E FE 12 00 4B 31 32 33 34 35 36 37 38 39 30 31 9B 16"},
        // Payloads chosen so that LEN + CMD + payload hits the wrap points.
        {"sum exactly 256", 0x45, bytesOf("B3"), "7E FE 08 00 45 B3 00 16"},
        {"sum 255", 0x45, bytesOf("B2"), "7E FE 08 00 45 B2 FF 16"},
        {"sum 0x14C", 0x45, bytesOf("FE 00"), "7E FE 09 00 45 FE 00 4C 16"},
        {"framing bytes in payload unchanged", 0x47, bytesOf("7E FE 16"), "7E FE 0A 00 47 7E FE 16 E3 16"},
    };
    for (const Row &row : rows) {
        INFO(row.name);
        const auto frame = CommandFrame::build(row.code, row.payload);
        REQUIRE(frame);
        CHECK(utf8Of(frame->toHex()) == row.expected);
        CHECK(isWellFormedFrame(frame->bytes()));
        CHECK(frame->payload() == row.payload);
    }
}

TEST_CASE("a frame holds at most 248 payload bytes")
{
    const auto largest = CommandFrame::build(0x47, Bytes(248, 0xAB));
    REQUIRE(largest);
    CHECK(largest->size() == 255);
    CHECK(largest->bytes()[2] == 255);
    CHECK(isWellFormedFrame(largest->bytes()));
    CHECK_FALSE(CommandFrame::build(0x47, Bytes(249, 0xAB)));
    CHECK_FALSE(CommandFrame::build(0x47, Bytes(100000, 0)));
}

// Every truncation and every single-byte corruption of a good frame is caught.
TEST_CASE("well-formedness rejects damage")
{
    const Bytes good = CommandFrame::build(0x49, bytesOf("01 6E 29 5E A6 00 20"))->bytes();
    for (std::size_t n = 0; n < good.size(); ++n) {
        CAPTURE(n);
        CHECK_FALSE(isWellFormedFrame(ByteView(good).first(n)));
    }
    Bytes longer = good;
    longer.push_back(0x16);
    CHECK_FALSE(isWellFormedFrame(longer));
    for (std::size_t i = 0; i < good.size(); ++i) {
        CAPTURE(i);
        Bytes bad = good;
        bad[i] ^= 0x01;
        CHECK_FALSE(isWellFormedFrame(bad));
    }
}

// Replies as they come off the line, found wherever they start.
TEST_CASE("reply frames are found only whole and well-formed")
{
    struct Row {
        const char *name;
        const char *bytes;
        std::vector<std::size_t> offsets;  // of the frames found
    };
    const Row rows[] = {
        {"one reply", "7E FE 08 00 45 06 53 16", {0}},
        {"after noise", "EE 7E FE 08 00 45 09 56 16", {1}},
        {"two replies", "7E FE 08 00 45 06 53 16 7E FE 08 00 46 09 57 16", {0, 8}},
        {"a wrong checksum", "7E FE 08 00 45 06 52 16", {}},
        {"a wrong end byte", "7E FE 08 00 45 06 53 17", {}},
        {"a request (no status) is no reply", "7E FE 07 00 45 4C 16", {}},
        {"cut short", "7E FE 08 00 45 06 53", {}},
    };
    for (const Row &row : rows) {
        INFO(row.name);
        std::vector<std::size_t> offsets;
        for (const ReplyFrame &frame : findReplyFrames(bytesOf(row.bytes)))
            offsets.push_back(frame.offset);
        CHECK(offsets == row.offsets);
    }
    CHECK_FALSE(isReplyFrame(bytesOf("7E FE 08 00 45 06 52 16")));
    CHECK(hasReplyShape(bytesOf("7E FE 08 00 45 06 53 16")));
    CHECK_FALSE(hasReplyShape(bytesOf("7E FE 08 00 45 07 54 16")));
}

// The sixth byte decides only when there is one: five bytes say nothing,
// whatever follows them in memory.
TEST_CASE("the sixth-byte rule")
{
    const Bytes six = bytesOf("7E FE 08 00 45 06");
    CHECK(judgeBySixthByte(six) == Verdict::Accepted);
    CHECK(judgeBySixthByte(bytesOf("00 00 00 00 00 09")) == Verdict::Refused);
    CHECK(judgeBySixthByte(bytesOf("7E FE 08 00 45 07")) == Verdict::None);
    CHECK(judgeBySixthByte(ByteView(six).first(5)) == Verdict::None);
}

TEST_CASE("hex text joins pairs")
{
    CHECK(utf8Of(hexText(bytesOf("7E FE 08"), u"")) == "7EFE08");
    CHECK(utf8Of(hexText(bytesOf("00 0A 06"))) == "00 0A 06");
    CHECK(hexText(Bytes()).empty());
}
