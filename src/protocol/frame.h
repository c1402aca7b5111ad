#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace smscfg {

// One request on the wire: 7E FE LEN 00 CMD payload... CS 16.
// A CommandFrame is always well formed: LEN equals its size (7..255) and
// the checksum is correct, because the only way to get one is build().
class CommandFrame {
public:
    static constexpr quint8 Start1 = 0x7E;
    static constexpr quint8 Start2 = 0xFE;
    static constexpr quint8 End = 0x16;
    static constexpr int MinSize = 7;
    static constexpr int MaxSize = 255;
    static constexpr int MaxPayload = MaxSize - MinSize;  // 248

    // Returns the finished frame, or nullopt when the payload is longer than
    // MaxPayload (LEN could not describe the frame).
    static std::optional<CommandFrame> build(quint8 code, const QByteArray &payload);

    const QByteArray &bytes() const { return m_bytes; }
    int size() const { return int(m_bytes.size()); }
    quint8 code() const { return quint8(m_bytes.at(4)); }
    QByteArray payload() const { return m_bytes.mid(5, m_bytes.size() - MinSize); }

    // Upper-case hex pairs separated by single spaces: "7E FE 07 00 45 4C 16".
    QString toHex() const;

    friend bool operator==(const CommandFrame &, const CommandFrame &) = default;

private:
    explicit CommandFrame(QByteArray bytes) : m_bytes(std::move(bytes)) {}
    QByteArray m_bytes;
};

// Sum of bytes 2 .. N-3 (LEN through the last payload byte), modulo 256.
// Returns 0 for an array shorter than a minimal frame.
quint8 frameChecksum(const QByteArray &frame);

// True when `bytes` is a well formed request: start bytes, LEN equal to the
// size, reserved byte 0, size 7..255, valid checksum and end byte.
bool isWellFormedFrame(const QByteArray &bytes);

// Bytes as upper-case hex pairs joined by `separator` ("" or " ").
QString hexText(const QByteArray &bytes, const QString &separator = QStringLiteral(" "));

}  // namespace smscfg
