#pragma once

#include <QByteArray>
#include <QString>

// Code page 936 (GBK) conversion, kept behind two functions so that a build
// for another platform can supply its own converter.
namespace smscfg::cp936 {

// The bytes of one code point in code page 936: one byte (ASCII, 0x80 for the
// euro sign) or two (lead, trail). Empty when the code point has no code.
QByteArray encodeCodePoint(char32_t codePoint);

// Decodes code page 936 bytes; bytes that do not decode become U+FFFD.
QString decode(const QByteArray &bytes);

}  // namespace smscfg::cp936
