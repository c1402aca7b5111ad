// Writes src/protocol/cp936_table.cpp from glibc's iconv: the code page 936
// table that every build uses, so that no build needs iconv. Run it through
// scripts/cp936-table. It checks the assumptions the table's reader makes
// (two-byte codes are lead 81..FE with trail 40..FE, one UTF-16 unit each) and
// stops if this iconv breaks any of them.
#include <iconv.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace {

class Converter {
public:
    Converter(const char *to, const char *from) : m_cd(iconv_open(to, from))
    {
        if (m_cd == reinterpret_cast<iconv_t>(-1)) {
            std::fprintf(stderr, "cp936_table: iconv cannot convert %s to %s\n", from, to);
            std::exit(1);
        }
    }
    ~Converter() { iconv_close(m_cd); }
    Converter(const Converter &) = delete;
    Converter &operator=(const Converter &) = delete;

    // The whole conversion of `in`, or nullopt when iconv refuses any of it.
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
        char *dst = buffer;
        size_t room = sizeof buffer;
        iconv(m_cd, nullptr, nullptr, &dst, &room);
        out.append(buffer, size_t(dst - buffer));
        return out;
    }

private:
    iconv_t m_cd;
};

[[noreturn]] void fail(const char *what, unsigned value)
{
    std::fprintf(stderr, "cp936_table: %s (0x%X): the table's layout does not hold for this iconv\n", what, value);
    std::exit(1);
}

constexpr unsigned FirstLead = 0x81, LastLead = 0xFE, FirstTrail = 0x40, LastTrail = 0xFE;
constexpr unsigned Trails = LastTrail - FirstTrail + 1;

}  // namespace

int main()
{
    Converter decoder("UTF-16LE", "CP936");
    Converter encoder("CP936", "UTF-32LE");

    // Decoding: one UTF-16 unit per two-byte code, 0 where iconv has none.
    std::vector<std::uint16_t> table((LastLead - FirstLead + 1) * Trails, 0);
    for (unsigned lead = FirstLead; lead <= LastLead; ++lead) {
        for (unsigned trail = 0; trail <= 0xFF; ++trail) {
            const std::optional<std::string> out = decoder.convert(std::string{char(lead), char(trail)});
            const bool inTable = trail >= FirstTrail && trail <= LastTrail;
            if (!out)
                continue;
            if (!inTable || out->size() != 2)
                fail("a two-byte code outside the table", lead << 8 | trail);
            const auto unit = std::uint16_t(std::uint8_t((*out)[0]) | std::uint8_t((*out)[1]) << 8);
            if (unit == 0)
                fail("a code that decodes to U+0000", lead << 8 | trail);
            table[(lead - FirstLead) * Trails + trail - FirstTrail] = unit;
        }
    }
    // Single bytes: ASCII as itself, and whatever iconv makes of 80..FF alone.
    std::map<unsigned, std::uint16_t> singles;
    for (unsigned byte = 0; byte <= 0xFF; ++byte) {
        const std::optional<std::string> out = decoder.convert(std::string(1, char(byte)));
        if (byte < 0x80) {
            if (!out || *out != std::string{char(byte), '\0'})
                fail("an ASCII byte that is not itself", byte);
        } else if (out) {
            if (out->size() != 2 || (byte >= FirstLead && byte <= LastLead))
                fail("a single byte that is not one character", byte);
            singles[byte] = std::uint16_t(std::uint8_t((*out)[0]) | std::uint8_t((*out)[1]) << 8);
        }
    }

    // Encoding: the reader inverts the table, so only what differs from the
    // inverse is written: code points whose code is a single byte or another
    // code than the one that decodes to them. The reader also takes every
    // code in the table to be what its own code point encodes to.
    std::map<std::uint16_t, unsigned> inverse;  // unit -> the code iconv itself chooses
    std::vector<std::pair<unsigned, unsigned>> extras;  // code point -> code
    for (char32_t cp = 0; cp <= 0x10FFFF; ++cp) {
        if (cp >= 0xD800 && cp <= 0xDFFF)
            continue;
        const std::string in{char(cp & 0xFF), char(cp >> 8 & 0xFF), char(cp >> 16 & 0xFF), '\0'};
        const std::optional<std::string> out = encoder.convert(in);
        if (!out || out->empty() || out->size() > 2)
            continue;
        const unsigned code = out->size() == 1 ? std::uint8_t((*out)[0])
                                               : unsigned(std::uint8_t((*out)[0])) << 8 | std::uint8_t((*out)[1]);
        if (cp < 0x80) {
            if (code != cp)
                fail("an ASCII code point that is not itself", unsigned(cp));
            continue;
        }
        const bool decodesBack = code > 0xFF && table[((code >> 8) - FirstLead) * Trails + (code & 0xFF) - FirstTrail] == cp;
        if (cp > 0xFFFF)
            fail("a code point beyond U+FFFF that has a code", unsigned(cp));
        if (!decodesBack)
            extras.emplace_back(unsigned(cp), code);
        else
            inverse[std::uint16_t(cp)] = code;
    }
    for (unsigned i = 0; i < table.size(); ++i) {
        const unsigned code = (FirstLead + i / Trails) << 8 | (FirstTrail + i % Trails);
        if (table[i] == 0)
            continue;
        const auto found = inverse.find(table[i]);
        if (found == inverse.end() || found->second != code)
            fail("a code that its own code point does not encode to", code);
    }

    if (singles.empty() || extras.empty())
        fail("no single byte beyond ASCII", 0);  // an empty array would not compile
    std::printf("// Generated by scripts/cp936-table from glibc's iconv; do not edit.\n"
                "#include \"protocol/cp936_table.h\"\n\n"
                "namespace smscfg::cp936::table {\n\n");
    std::printf("const std::uint16_t doubleByte[LeadCount * TrailCount] = {\n");
    for (unsigned i = 0; i < table.size(); ++i)
        std::printf("%s0x%04X,%s", i % 12 == 0 ? "    " : "", table[i], i % 12 == 11 || i + 1 == table.size() ? "\n" : " ");
    std::printf("};\n\nconst SingleByte singleBytes[] = {\n");
    for (const auto &[byte, unit] : singles)
        std::printf("    {0x%02X, 0x%04X},\n", byte, unit);
    std::printf("};\nconst std::size_t singleByteCount = %zu;\n\n", singles.size());
    std::printf("const EncodeExtra encodeExtras[] = {\n");
    for (const auto &[cp, code] : extras)
        std::printf("    {0x%04X, 0x%04X},\n", cp, code);
    std::printf("};\nconst std::size_t encodeExtraCount = %zu;\n\n", extras.size());
    std::printf("}  // namespace smscfg::cp936::table\n");
    std::fprintf(stderr, "cp936_table: %zu single bytes, %zu encode extras\n", singles.size(), extras.size());
}
