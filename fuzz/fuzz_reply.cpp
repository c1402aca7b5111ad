#include "exchange/exchange_machine.h"
#include "fuzz_input.h"
#include "protocol/reply.h"

#include <cstdio>
#include <map>

using namespace smscfg;

// Reply frames found are well formed and really in the bytes; and an
// exchange fed any mix of sends, failed sends, chunks, pauses and a lost
// line gives each request at most one verdict, a late one only after its
// time-out and never once a newer request went out, and waits for nothing
// in the end.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::span<const uint8_t> all(data, size);
    std::size_t next = 0;
    for (const ReplyFrame &frame : findReplyFrames(all)) {
        FUZZ_CHECK(frame.offset >= next);
        FUZZ_CHECK(isReplyFrame(frame.bytes) && frame.bytes.size() >= 8);
        FUZZ_CHECK(std::equal(frame.bytes.begin(), frame.bytes.end(), data + frame.offset));
        next = frame.offset + frame.bytes.size();
    }
    if (size >= 6)
        FUZZ_CHECK(judgeBySixthByte(all) == verdictOfStatus(data[5]));

    FuzzInput in(data, size);
    ExchangeMachine machine;
    Millis now{0};
    struct Seen {
        int verdicts = 0;
        bool timedOut = false;
        bool superseded = false;  // timed out, and a newer request went out
    };
    std::map<ExchangeMachine::RequestId, Seen> seen;
    auto check = [&] {
        for (const auto &event : machine.takeEvents()) {
            // In the order of events: bytes read before a send are judged
            // before it, and may still be a timed-out request's late reply.
            if (const auto *sent = std::get_if<ExchangeMachine::Sent>(&event)) {
                for (auto &[id, s] : seen)
                    s.superseded = s.superseded || s.timedOut;
                seen[sent->id];
            }
            const auto *finished = std::get_if<ExchangeMachine::Finished>(&event);
            if (!finished)
                continue;
            const ExchangeMachine::Result &r = finished->result;
            Seen &s = seen[r.id];
            // The end of the wait: silence, or bytes that never gave a
            // verdict (no reply frame among them). A late reply may follow.
            const bool waitEnded = r.outcome == Outcome::NoResponse
                || (r.outcome == Outcome::NoVerdict && findReplyFrames(r.reply).empty());
            if (waitEnded) {
                FUZZ_CHECK(!s.timedOut && s.verdicts == 0);
                s.timedOut = true;
                // One time-out covers every request waiting: the older ones
                // time out with it, silently.
                for (auto &[id, older] : seen)
                    older.timedOut = older.timedOut || (id < r.id && older.verdicts == 0);
                continue;
            }
            FUZZ_CHECK(s.verdicts++ == 0);
            FUZZ_CHECK(r.late == s.timedOut);
            FUZZ_CHECK(!s.superseded);
        }
    };
    auto advance = [&](Millis by) {
        const Millis until = now + by;
        while (machine.expiry() <= until) {
            now = std::max(now, machine.expiry());
            machine.handleExpiry(now);
            check();
        }
        now = until;
    };
    for (int step = 0; step < 64; ++step) {
        const uint8_t op = in.byte();
        const uint8_t code = uint8_t(0x45 + op / 8 % 14);
        std::vector<uint8_t> request{0x7E, 0xFE, 0x07, 0x00, code, uint8_t(0x07 + code), 0x16};
        switch (op % 8) {
        case 0:
        case 1: machine.requestSent(request, now); break;
        case 2: machine.requestNotSent(request, now); break;
        case 3: machine.bytesReceived(replyFrame(code, in.byte()), now); break;
        case 4: machine.bytesReceived(request, now); break;
        case 5: {
            // Each code unit as one byte, '?' past Latin-1.
            std::vector<uint8_t> noise;
            for (const char16_t unit : in.text())
                noise.push_back(unit <= 0xFF ? uint8_t(unit) : uint8_t('?'));
            machine.bytesReceived(noise, now);
            break;
        }
        case 6: advance(Millis(in.byte() * 20)); break;
        case 7:
            if (in.byte() < 16)
                machine.linkLost(now);
            break;
        }
        check();
    }
    advance(Millis(10000));
    FUZZ_CHECK(!machine.awaitingReply());
    FUZZ_CHECK(machine.expiry() == Millis::max());
    return 0;
}
