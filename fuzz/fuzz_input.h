#pragma once

#include <QString>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

// Carves control states and texts out of a fuzzer's bytes. A text is a
// header byte (length in the low 7 bits, UTF-16 when the top bit is set,
// UTF-8 otherwise) and that many bytes; UTF-16 keeps lone surrogates.
class FuzzInput {
public:
    FuzzInput(const uint8_t *data, size_t size) : m_data(data), m_size(size) {}

    uint8_t byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }

    QString text()
    {
        const uint8_t header = byte();
        const size_t wanted = header & 0x7F;
        const size_t length = std::min(wanted * ((header & 0x80) ? 2 : 1), m_size - m_pos);
        const char *start = reinterpret_cast<const char *>(m_data + m_pos);
        m_pos += length;
        QString text = (header & 0x80)
            ? QString::fromUtf16(reinterpret_cast<const char16_t *>(start), qsizetype(length / 2))
            : QString::fromUtf8(start, qsizetype(length));
        // Now and then a pasted wall of text.
        if (wanted == 0x7F && !text.isEmpty())
            text = text.repeated(10000 / text.size() + 1);
        return text;
    }

    QByteArray rest()
    {
        const QByteArray out(reinterpret_cast<const char *>(m_data + m_pos), qsizetype(m_size - m_pos));
        m_pos = m_size;
        return out;
    }

private:
    const uint8_t *m_data;
    size_t m_size;
    size_t m_pos = 0;
};

// Invariant checks stay on in release builds.
#define FUZZ_CHECK(condition)                                                                                \
    do {                                                                                                     \
        if (!(condition)) {                                                                                  \
            fprintf(stderr, "%s:%d: invariant failed: %s\n", __FILE__, __LINE__, #condition);               \
            abort();                                                                                         \
        }                                                                                                    \
    } while (0)
