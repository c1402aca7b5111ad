#pragma once

#include "protocol/bytes.h"
#include "protocol/text.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

// Carves control states and texts out of a fuzzer's bytes. A text is a
// header byte (length in the low 7 bits, UTF-16 when the top bit is set,
// UTF-8 otherwise) and that many bytes; UTF-16 keeps lone surrogates.
class FuzzInput {
public:
    FuzzInput(const uint8_t *data, size_t size) : m_data(data), m_size(size) {}

    uint8_t byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }

    std::u16string text()
    {
        const uint8_t header = byte();
        const size_t wanted = header & 0x7F;
        const size_t length = std::min(wanted * ((header & 0x80) ? 2 : 1), m_size - m_pos);
        const uint8_t *start = m_data + m_pos;
        m_pos += length;
        std::u16string text;
        if (header & 0x80) {
            for (size_t i = 0; i + 1 < length; i += 2)
                text += char16_t(start[i] | start[i + 1] << 8);
        } else {
            text = smscfg::text::fromUtf8(std::string(reinterpret_cast<const char *>(start), length));
        }
        // Now and then a pasted wall of text.
        if (wanted == 0x7F && !text.empty()) {
            const std::u16string once = text;
            for (size_t n = 10000 / once.size() + 1; n > 1; --n)
                text += once;
        }
        return text;
    }

    smscfg::Bytes rest()
    {
        const smscfg::Bytes out(m_data + m_pos, m_data + m_size);
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
