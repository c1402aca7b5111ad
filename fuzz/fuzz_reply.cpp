#include "fuzz_input.h"
#include "protocol/exchange.h"

#include <cstdio>

using namespace smscfg;

// The judgement by hex text agrees with reading byte 5 directly.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray reply(reinterpret_cast<const char *>(data), qsizetype(size));
    Exchange::Outcome expected = Exchange::Outcome::NoVerdict;
    if (size >= 6 && data[5] == 0x06)
        expected = Exchange::Outcome::Accepted;
    else if (size >= 6 && data[5] == 0x09)
        expected = Exchange::Outcome::Refused;
    FUZZ_CHECK(Exchange::judge(reply) == expected);
    return 0;
}
