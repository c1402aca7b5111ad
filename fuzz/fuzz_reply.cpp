#include "../tests/fake_link.h"
#include "../tests/virtual_time.h"
#include "fuzz_input.h"
#include "link/exchange.h"
#include "protocol/frame.h"
#include "protocol/reply.h"

#include <cstdio>

using namespace smscfg;

// Reply frames found are well formed and really in the bytes; and an
// exchange fed any mix of sends, chunks and pauses gives each request at
// most one verdict and never more outcomes than requests plus time-outs.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray all(reinterpret_cast<const char *>(data), qsizetype(size));
    qsizetype last = -1;
    for (const ReplyFrame &frame : findReplyFrames(all)) {
        FUZZ_CHECK(frame.offset > last);
        FUZZ_CHECK(isWellFormedFrame(frame.bytes) && frame.bytes.size() >= 8);
        FUZZ_CHECK(all.mid(frame.offset, frame.bytes.size()) == frame.bytes);
        last = frame.offset + frame.bytes.size() - 1;
    }
    if (size >= 6)
        FUZZ_CHECK(judgeBySixthByte(all) == verdictOfStatus(data[5]));

    FuzzInput in(data, size);
    FakeLink link;
    link.open(QStringLiteral("1"), nullptr);
    VirtualTime time;
    Exchange exchange(link, {}, time);
    int sends = 0, verdicts = 0, timeouts = 0;
    QObject::connect(&exchange, &Exchange::finished, [&](const Exchange::Result &result) {
        if (result.outcome == Exchange::Outcome::NoResponse)
            ++timeouts;
        else
            ++verdicts;
    });
    for (int step = 0; step < 64; ++step) {
        const uint8_t op = in.byte();
        switch (op % 4) {
        case 0:
            exchange.send(CommandFrame::build(quint8(0x45 + op / 4 % 14), {})->bytes());
            ++sends;
            break;
        case 1: link.deliver(replyFrame(quint8(0x45 + op / 4 % 14), in.byte())); break;
        case 2: link.deliver(in.text().toLatin1()); break;
        case 3: time.advance(std::chrono::milliseconds(in.byte() * 20)); break;
        }
    }
    time.advance(std::chrono::milliseconds(10000));
    FUZZ_CHECK(verdicts <= sends);
    FUZZ_CHECK(!exchange.awaitingReply());
    return 0;
}
