#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Where the Qt programs meet the core: QString is UTF-16 like the core's
// texts, QByteArray holds bytes like the core's byte vectors.
namespace smscfg {

inline std::u16string toU16(const QString &text)
{
    return text.toStdU16String();
}

inline QString toQString(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), qsizetype(text.size()));
}

inline std::vector<std::u16string> toU16List(const QStringList &texts)
{
    std::vector<std::u16string> out;
    out.reserve(std::size_t(texts.size()));
    for (const QString &t : texts)
        out.push_back(toU16(t));
    return out;
}

inline QStringList toQStringList(const std::vector<std::u16string> &texts)
{
    QStringList out;
    out.reserve(qsizetype(texts.size()));
    for (const std::u16string &t : texts)
        out << toQString(t);
    return out;
}

// A view of the bytes, valid while `bytes` lives unchanged.
inline std::span<const std::uint8_t> bytesOf(const QByteArray &bytes)
{
    return {reinterpret_cast<const std::uint8_t *>(bytes.constData()), std::size_t(bytes.size())};
}

inline std::vector<std::uint8_t> toBytes(const QByteArray &bytes)
{
    const std::span<const std::uint8_t> view = bytesOf(bytes);
    return {view.begin(), view.end()};
}

inline QByteArray toQByteArray(std::span<const std::uint8_t> bytes)
{
    return QByteArray(reinterpret_cast<const char *>(bytes.data()), qsizetype(bytes.size()));
}

}  // namespace smscfg
