#include "bytes.h"
#include "protocol/frame.h"

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

TEST_CASE("hex text joins pairs")
{
    CHECK(utf8Of(hexText(bytesOf("7E FE 08"), u"")) == "7EFE08");
    CHECK(utf8Of(hexText(bytesOf("00 0A 06"))) == "00 0A 06");
    CHECK(hexText(Bytes()).empty());
}
