#include "exchange/exchange_machine.h"

#include "protocol/reply.h"

#include <algorithm>

namespace smscfg {
namespace {

// Requests that never got a verdict are kept for a late reply, but not
// without end.
constexpr std::size_t MaxWaiting = 256;
// Bytes without a verdict kept for what follows: a noisy line fills no memory.
constexpr std::size_t MaxUnjudged = 4096;

Outcome outcomeOf(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Accepted: return Outcome::Accepted;
    case Verdict::Refused: return Outcome::Refused;
    case Verdict::None: return Outcome::NoVerdict;
    }
    return Outcome::NoVerdict;
}

using Bytes = ExchangeMachine::Bytes;

// Where `part` first occurs in `whole`.
std::optional<std::size_t> find(const Bytes &whole, const Bytes &part)
{
    const auto at = std::search(whole.begin(), whole.end(), part.begin(), part.end());
    if (part.empty() || at == whole.end())
        return std::nullopt;
    return std::size_t(at - whole.begin());
}

// True when `bytes` end with the first bytes (at least its start bytes and
// length) of `frame`, but not all of it: a copy of it still coming in.
bool endsInPartOf(const Bytes &bytes, const Bytes &frame)
{
    if (frame.empty())
        return false;
    for (std::size_t n = std::min(bytes.size(), frame.size() - 1); n >= 3; --n) {
        if (std::equal(frame.begin(), frame.begin() + std::ptrdiff_t(n), bytes.end() - std::ptrdiff_t(n)))
            return true;
    }
    return false;
}

Bytes joined(const Bytes &first, const Bytes &second)
{
    Bytes all = first;
    all.insert(all.end(), second.begin(), second.end());
    return all;
}

}  // namespace

ExchangeMachine::RequestId ExchangeMachine::requestSent(Bytes frame, Millis now)
{
    // What was read before this request went out cannot be its reply.
    if (settling())
        judge(now);
    handleExpiry(now);
    // Requests that timed out end here: a late reply with their code is no
    // longer theirs.
    std::erase_if(m_waiting, [this](const Request &r) {
        if (r.timedOut && r.frame.size() > 4)
            m_endedUnanswered[r.frame[4]] = true;
        return r.timedOut;
    });
    if (m_waiting.size() >= MaxWaiting)
        m_waiting.pop_front();
    const RequestId id = ++m_lastId;
    m_events.push_back(Sent{id, frame});
    m_waiting.push_back({id, std::move(frame), now});
    m_deadline = now + m_timings.responseTimeout;
    return id;
}

ExchangeMachine::RequestId ExchangeMachine::requestNotSent(Bytes frame, Millis now)
{
    (void)now;
    const RequestId id = ++m_lastId;
    // Nothing went out, so no reply can be missing.
    m_events.push_back(Finished{{id, Outcome::PortUnusable, std::move(frame), {}, Millis(0), false}});
    return id;
}

void ExchangeMachine::bytesReceived(std::span<const std::uint8_t> bytes, Millis now)
{
    if (bytes.empty())
        return;
    if (!settling())
        m_firstByteAt = now;
    m_received.insert(m_received.end(), bytes.begin(), bytes.end());
    // A whole reply frame needs no settle wait, whatever echo came before it,
    // and neither does one completed by what was kept from earlier reads.
    auto wholeReply = [this](Bytes rest) {
        for (const Request &request : m_waiting) {
            if (hasReplyShape(request.frame))
                continue;
            if (const auto at = find(rest, request.frame))
                rest.erase(rest.begin() + std::ptrdiff_t(*at),
                           rest.begin() + std::ptrdiff_t(*at + request.frame.size()));
        }
        return isReplyFrame(rest);
    };
    if (wholeReply(m_received) || (!m_unjudged.empty() && wholeReply(joined(m_unjudged, m_received))))
        judge(now);
}

void ExchangeMachine::linkLost(Millis now)
{
    if (settling())
        judge(now);
    m_unjudged.clear();
    while (!m_waiting.empty()) {
        if (m_waiting.front().timedOut)
            m_waiting.pop_front();
        else
            finish(0, Outcome::LinkLost, {}, now);
    }
}

Millis ExchangeMachine::expiry() const
{
    if (settling())
        return m_firstByteAt + m_timings.settle;
    if (awaitingReply())
        return m_deadline;
    return Millis::max();
}

void ExchangeMachine::handleExpiry(Millis now)
{
    if (settling() && now >= m_firstByteAt + m_timings.settle)
        judge(now);
    if (!settling() && awaitingReply() && now >= m_deadline)
        timeOut(now);
}

bool ExchangeMachine::awaitingReply() const
{
    return std::any_of(m_waiting.cbegin(), m_waiting.cend(), [](const Request &r) { return !r.timedOut; });
}

void ExchangeMachine::judge(Millis now)
{
    Bytes fresh = std::exchange(m_received, {});
    m_events.push_back(Received{fresh});
    // Read together with what earlier reads left without a verdict, as if
    // it had all come in one read.
    Bytes bytes = joined(std::exchange(m_unjudged, {}), fresh);

    // Copies of requests that no reply resembles are echoes.
    for (const Request &request : m_waiting) {
        if (hasReplyShape(request.frame))
            continue;
        if (const auto at = find(bytes, request.frame)) {
            bytes.erase(bytes.begin() + std::ptrdiff_t(*at), bytes.begin() + std::ptrdiff_t(*at + request.frame.size()));
            m_events.push_back(Dropped{request.frame, Ignored::Echo});
        }
    }

    std::vector<ReplyFrame> replies = findReplyFrames(bytes);
    // A copy that looks like a reply is the reply, unless more frames with
    // its code came than requests with it wait: then the first copy is the
    // echo. (Two requests with one code take two replies, one of which may
    // be the very bytes of the first request.)
    for (const Request &request : m_waiting) {
        if (!hasReplyShape(request.frame))
            continue;
        const std::uint8_t code = request.frame[4];
        const auto frames =
            std::count_if(replies.begin(), replies.end(), [&](const ReplyFrame &f) { return f.code() == code; });
        const auto asking = std::count_if(m_waiting.begin(), m_waiting.end(),
                                          [&](const Request &r) { return r.frame.size() > 4 && r.frame[4] == code; });
        const auto copy = std::find_if(replies.begin(), replies.end(),
                                       [&](const ReplyFrame &f) { return f.bytes == request.frame; });
        if (copy != replies.end() && frames > asking) {
            m_events.push_back(Dropped{copy->bytes, Ignored::Echo});
            replies.erase(copy);
        }
    }

    for (ReplyFrame &reply : replies) {
        const auto match = std::find_if(m_waiting.begin(), m_waiting.end(),
                                        [&](const Request &r) { return r.frame.size() > 4 && r.frame[4] == reply.code(); });
        if (match == m_waiting.end()) {
            const Ignored why = m_endedUnanswered[reply.code()] ? Ignored::LateReply : Ignored::OtherRequest;
            m_events.push_back(Dropped{std::move(reply.bytes), why});
            continue;
        }
        const Outcome outcome = outcomeOf(verdictOfStatus(reply.status()));
        finish(std::size_t(match - m_waiting.begin()), outcome, std::move(reply.bytes), now);
    }

    if (replies.empty() && !bytes.empty()) {
        // The sixth-byte rule answers only a request that waits within its
        // time-out: bytes at any other time say nothing about one.
        const auto waiting = std::find_if(m_waiting.begin(), m_waiting.end(), [](const Request &r) { return !r.timedOut; });
        // An echo of a long request takes longer than the settle wait (255
        // bytes at 9600 baud take 266 ms): its first part is no reply, and
        // its sixth byte is the request's own.
        const bool echoUnderway = std::any_of(m_waiting.begin(), m_waiting.end(),
                                              [&](const Request &r) { return endsInPartOf(bytes, r.frame); });
        const Verdict verdict = echoUnderway ? Verdict::None : judgeBySixthByte(bytes);
        if (waiting == m_waiting.end()) {
            m_events.push_back(Dropped{std::move(bytes), Ignored::Unrecognised});
        } else if (verdict != Verdict::None) {
            finish(std::size_t(waiting - m_waiting.begin()), outcomeOf(verdict), std::move(bytes), now);
        } else {
            // No verdict yet: a stray byte, the first part of the reply or
            // of an echo.
            // Kept and read again with what follows; the reply itself may
            // still come within the time-out.
            if (bytes.size() > MaxUnjudged)
                bytes.erase(bytes.begin(), bytes.end() - std::ptrdiff_t(MaxUnjudged));
            m_unjudged = std::move(bytes);
        }
    }
    // The time-out may have passed while the bytes were gathered.
    if (awaitingReply() && now >= m_deadline)
        timeOut(now);
}

void ExchangeMachine::timeOut(Millis now)
{
    // Bytes kept without a verdict were read for the oldest request waiting.
    const Request *oldest = nullptr;
    const Request *latest = nullptr;
    for (Request &request : m_waiting) {
        if (!request.timedOut) {
            request.timedOut = true;
            if (!oldest)
                oldest = &request;
            latest = &request;
        }
    }
    if (!latest)
        return;
    // Bytes came but gave no verdict: a reply without one, not silence.
    Bytes reply = std::exchange(m_unjudged, {});
    const bool answered = !reply.empty();
    if (answered) {
        m_events.push_back(
            Finished{{oldest->id, Outcome::NoVerdict, oldest->frame, std::move(reply), now - oldest->sentAt, false}});
    }
    if (!answered || latest != oldest)
        m_events.push_back(Finished{{latest->id, Outcome::NoResponse, latest->frame, {}, now - latest->sentAt, false}});
}

void ExchangeMachine::finish(std::size_t index, Outcome outcome, Bytes reply, Millis now)
{
    Request request = std::move(m_waiting[index]);
    m_waiting.erase(m_waiting.begin() + std::ptrdiff_t(index));
    m_events.push_back(
        Finished{{request.id, outcome, std::move(request.frame), std::move(reply), now - request.sentAt, request.timedOut}});
}

}  // namespace smscfg
