#include "fuzz_input.h"
#include "protocol/reply.h"

#include <cstdio>

using namespace smscfg;

// The judgement agrees with reading byte 5 directly.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray reply(reinterpret_cast<const char *>(data), qsizetype(size));
    Verdict expected = Verdict::None;
    if (size >= 6 && data[5] == 0x06)
        expected = Verdict::Accepted;
    else if (size >= 6 && data[5] == 0x09)
        expected = Verdict::Refused;
    FUZZ_CHECK(judgeReply(reply) == expected);
    return 0;
}
