#include "protocol/cp936.h"

#include <iconv.h>

#include <cerrno>
#include <mutex>

namespace smscfg::cp936 {
namespace {

// iconv descriptors are stateful and not thread safe: one per direction,
// guarded, and reset before each use.
class Converter {
public:
    Converter(const char *to, const char *from) : m_cd(iconv_open(to, from)) {}
    ~Converter()
    {
        if (valid())
            iconv_close(m_cd);
    }
    Converter(const Converter &) = delete;
    Converter &operator=(const Converter &) = delete;

    bool valid() const { return m_cd != reinterpret_cast<iconv_t>(-1); }

    // Converts all of `in`; returns false if iconv refused any of it.
    bool convert(const char *in, size_t inSize, QByteArray &out)
    {
        std::lock_guard lock(m_mutex);
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        char buffer[64];
        char *src = const_cast<char *>(in);
        size_t left = inSize;
        while (left > 0) {
            char *dst = buffer;
            size_t room = sizeof buffer;
            const size_t rc = iconv(m_cd, &src, &left, &dst, &room);
            out.append(buffer, dst - buffer);
            if (rc == size_t(-1) && errno != E2BIG)
                return false;
        }
        char *dst = buffer;
        size_t room = sizeof buffer;
        iconv(m_cd, nullptr, nullptr, &dst, &room);
        out.append(buffer, dst - buffer);
        return true;
    }

private:
    iconv_t m_cd;
    std::mutex m_mutex;
};

Converter &encoder()
{
    static Converter c("CP936", "UTF-32LE");
    return c;
}

}  // namespace

QByteArray encodeCodePoint(char32_t codePoint)
{
    // Surrogates are not characters; iconv would reject them anyway.
    if (codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
        return {};
    Converter &c = encoder();
    if (!c.valid())
        return codePoint < 0x80 ? QByteArray(1, char(codePoint)) : QByteArray();
    const unsigned char in[4] = {quint8(codePoint), quint8(codePoint >> 8), quint8(codePoint >> 16), 0};
    QByteArray out;
    if (!c.convert(reinterpret_cast<const char *>(in), sizeof in, out))
        return {};
    // iconv accepts some code points (tag characters) and emits nothing.
    if (out.isEmpty() || out.size() > 2)
        return {};
    return out;
}

QString decode(const QByteArray &bytes)
{
    QString result;
    qsizetype i = 0;
    // Decode one character at a time so a bad byte costs one U+FFFD only.
    while (i < bytes.size()) {
        const quint8 lead = quint8(bytes[i]);
        if (lead < 0x80) {
            result += QChar(lead);
            ++i;
            continue;
        }
        const qsizetype width = (lead == 0x80 || lead == 0xFF || i + 1 >= bytes.size()) ? 1 : 2;
        static Converter decoder("UTF-16LE", "CP936");
        QByteArray out;
        if (decoder.valid() && decoder.convert(bytes.constData() + i, size_t(width), out) && out.size() >= 2) {
            result += QString::fromUtf16(reinterpret_cast<const char16_t *>(out.constData()), out.size() / 2);
            i += width;
        } else {
            result += QChar(QChar::ReplacementCharacter);
            ++i;  // the next byte may still start a character of its own
        }
    }
    return result;
}

}  // namespace smscfg::cp936
