#pragma once

#include "protocol/bytes.h"

#include <string>

namespace smscfg {

// A description field read back into text. The frame does not say which
// encoding the tool used, so it is inferred: the fill (00 20 00 20 ...) is
// stripped, an odd byte count can only be code page 936, and an even one is
// taken as UTF-16 when every code unit is a character a description would
// plausibly hold (ASCII, CJK, CJK punctuation, full-width forms), otherwise
// as code page 936.
struct DecodedDescription {
    std::u16string text;
    std::u16string encoding;  // "unicode" or "codepage"
    Bytes textBytes;
};

DecodedDescription decodeDescriptionField(ByteView field);

}  // namespace smscfg
