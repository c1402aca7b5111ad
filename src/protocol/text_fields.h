#pragma once

#include "protocol/wire.h"

#include <QByteArray>
#include <QString>
#include <QList>
#include <array>
#include <optional>
#include <variant>

namespace smscfg {

enum class TextEncoding { Unicode, CodePage };

// A description padded to exactly `width` bytes: the trimmed text as UTF-16
// code units (high byte first) or in code page 936 (0x3F for a character it
// cannot represent), then 00 20 00 20 ... up to the width. Text that would not
// fit is cut at the width.
QByteArray descriptionField(const QString &text, int width, TextEncoding encoding);

// Why a phone number cannot be stored.
enum class PhoneNumberProblem {
    TooLong,           // more than 11 characters after trimming
    NotSingleByte,     // a character without a one-byte code in code page 936
    ControlCharacter,  // below 0x20, or 0x7F
};

// The 11-byte field: the trimmed number's characters as one-byte codes,
// then 0x00 up to the end. Nothing is ever cut off.
std::variant<QByteArray, PhoneNumberProblem> phoneNumberField(const QString &text);

// The number a field holds: its bytes up to the first 0x00. nullopt when
// other bytes follow that 0x00.
std::optional<QString> phoneNumberOfField(const QByteArray &field);

// Ticked phones 1..16 (index 0 is phone 1). Returns two bytes, high first;
// bit n-1 of high*256+low is 0 exactly when phone n is ticked.
using PhoneTicks = std::array<bool, wire::PhoneSlotCount>;
QByteArray phoneMask(const PhoneTicks &ticked);

// The phones (1..16) a mask's two bytes switch on.
QList<int> phonesOfMask(quint8 high, quint8 low);

}  // namespace smscfg
