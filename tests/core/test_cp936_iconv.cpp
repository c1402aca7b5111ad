// The code page 936 table against this machine's glibc iconv, converting one
// character at a time as the table's reader does: every code point, every
// byte and every pair of bytes. Native builds only (WebAssembly has no GBK).
#include "protocol/cp936.h"

#include <doctest/doctest.h>
#include <iconv.h>

#include <cerrno>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace {

class Converter {
public:
    Converter(const char *to, const char *from) : m_cd(iconv_open(to, from)) {}
    ~Converter()
    {
        if (m_cd != reinterpret_cast<iconv_t>(-1))
            iconv_close(m_cd);
    }
    Converter(const Converter &) = delete;
    Converter &operator=(const Converter &) = delete;

    bool valid() const { return m_cd != reinterpret_cast<iconv_t>(-1); }

    std::optional<std::string> convert(const std::string &in)
    {
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        std::string out;
        char buffer[64];
        char *src = const_cast<char *>(in.data());
        size_t left = in.size();
        while (left > 0) {
            char *dst = buffer;
            size_t room = sizeof buffer;
            const size_t rc = iconv(m_cd, &src, &left, &dst, &room);
            out.append(buffer, size_t(dst - buffer));
            if (rc == size_t(-1) && errno != E2BIG)
                return std::nullopt;
        }
        return out;
    }

private:
    iconv_t m_cd;
};

// iconv's code for one code point, empty when it has none of one or two bytes.
std::vector<std::uint8_t> iconvEncode(Converter &c, char32_t cp)
{
    if (cp >= 0xD800 && cp <= 0xDFFF)
        return {};
    const std::optional<std::string> out =
        c.convert({char(cp & 0xFF), char(cp >> 8 & 0xFF), char(cp >> 16 & 0xFF), '\0'});
    if (!out || out->empty() || out->size() > 2)
        return {};
    return {out->begin(), out->end()};
}

// iconv's reading of bytes, a character at a time: a lead byte 81..FE takes
// the next byte with it; what iconv refuses costs one byte and one U+FFFD.
std::u16string iconvDecode(Converter &c, const std::vector<std::uint8_t> &bytes)
{
    std::u16string text;
    std::size_t i = 0;
    while (i < bytes.size()) {
        const std::size_t width = (bytes[i] >= 0x81 && bytes[i] <= 0xFE && i + 1 < bytes.size()) ? 2 : 1;
        const std::optional<std::string> out = c.convert(std::string(bytes.begin() + long(i), bytes.begin() + long(i + width)));
        if (out && out->size() >= 2) {
            for (std::size_t k = 0; k + 1 < out->size(); k += 2)
                text += char16_t(std::uint8_t((*out)[k]) | std::uint8_t((*out)[k + 1]) << 8);
            i += width;
        } else {
            text += u'\uFFFD';
            ++i;
        }
    }
    return text;
}

}  // namespace

TEST_CASE("code page 936: the table encodes every code point as iconv does")
{
    Converter encoder("CP936", "UTF-32LE");
    REQUIRE(encoder.valid());
    int differences = 0;
    for (char32_t cp = 0; cp <= 0x10FFFF; ++cp) {
        if (smscfg::cp936::encodeCodePoint(cp) != iconvEncode(encoder, cp) && ++differences <= 10)
            FAIL_CHECK("code point " << unsigned(cp));
    }
    CHECK(differences == 0);
}

TEST_CASE("code page 936: the table decodes every byte and pair of bytes as iconv does")
{
    Converter decoder("UTF-16LE", "CP936");
    REQUIRE(decoder.valid());
    int differences = 0;
    for (unsigned first = 0; first <= 0xFF; ++first) {
        const std::vector<std::uint8_t> one{std::uint8_t(first)};
        if (smscfg::cp936::decode(one) != iconvDecode(decoder, one) && ++differences <= 10)
            FAIL_CHECK("byte " << first);
        for (unsigned second = 0; second <= 0xFF; ++second) {
            const std::vector<std::uint8_t> two{std::uint8_t(first), std::uint8_t(second)};
            if (smscfg::cp936::decode(two) != iconvDecode(decoder, two) && ++differences <= 10)
                FAIL_CHECK("bytes " << first << " " << second);
        }
    }
    CHECK(differences == 0);
}
