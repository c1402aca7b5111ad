#pragma once

#include <QByteArray>
#include <QString>

// "7E FE 07" -> bytes; test data is written as the frames appear on the line.
inline QByteArray hexBytes(const QString &spaced)
{
    return QByteArray::fromHex(spaced.toLatin1());
}
