#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <deque>
#include <optional>
#include <span>
#include <utility>
#include <variant>
#include <vector>

namespace smscfg {

// Moments as milliseconds since any fixed origin the caller chooses.
using Millis = std::chrono::milliseconds;

struct ExchangeTimings {
    // No reply within this: "设备无响应".
    Millis responseTimeout{3000};
    // After the first bytes of a reply, wait this long for the rest.
    Millis settle{100};
};

// What became of a request.
enum class Outcome {
    Accepted,      // status 06
    Refused,       // status 09
    NoVerdict,     // a reply without a verdict: too short, or another status
    NoResponse,    // nothing came within the time-out
    PortUnusable,  // the frame could not be written
    LinkLost,      // the line went away while the request waited
};

// Bytes that gave no verdict, and why.
enum class Ignored {
    Echo,          // a copy of a request sent, in a shape no reply has
    OtherRequest,  // a reply frame whose code no waiting request has
    LateReply,     // a reply frame for a request that timed out and that a newer request ended
    Unrecognised,  // bytes holding no reply frame while no request waited for them
};

// The exchange of request frames and replies, as a state machine without
// I/O or timers (the caller owns both): it is told what was written, what
// was read and what time it is, and says what each request's verdict is.
//
// Received bytes are gathered from their first byte for the settle time
// and judged together, or at once when they are exactly one reply frame.
// Judging:
// - a copy of a waiting request is an echo and dropped, unless it has the
//   shape of a reply (hasReplyShape), when it is judged as the reply; if
//   more frames with its code came with it than requests with that code
//   wait, the copy is the echo;
// - each reply frame is the verdict of the oldest waiting request with its
//   code (status 06 accepted, 09 refused, else no verdict);
// - bytes that hold no reply frame are judged by their sixth byte, only for
//   a request within its time-out; otherwise they are Unrecognised. When
//   that gives no verdict (a stray byte, the first part of a reply) the
//   request waits on and the bytes are read again with what follows; if
//   its time-out passes first it ends NoVerdict with them (no NoResponse
//   for it; a newer request waiting still gets its NoResponse).
//   Bytes that end in the first part of a waiting request (its echo still
//   coming in) are never judged by their sixth byte.
// One time-out covers the requests waiting: each send restarts it, bytes
// being gathered hold it off. When it runs out they have timed out (one
// NoResponse, for the latest). A timed-out request still takes a late reply
// frame with its code until a newer request is sent; from then on such a
// frame is a LateReply and credited to no request.
class ExchangeMachine {
public:
    using Bytes = std::vector<std::uint8_t>;
    using RequestId = std::uint64_t;

    struct Result {
        RequestId id = 0;
        Outcome outcome = Outcome::NoResponse;
        Bytes request;  // the frame sent
        Bytes reply;    // the bytes judged; empty without a reply
        Millis roundTrip{0};  // from the send to the outcome
        bool late = false;    // judged after the request had timed out
    };

    // Events, in the order they happened.
    struct Sent {
        RequestId id;
        Bytes frame;
    };
    // Bytes read and judged together (one reply that came in pieces is one).
    struct Received {
        Bytes bytes;
    };
    struct Finished {
        Result result;
    };
    struct Dropped {
        Bytes bytes;
        Ignored why;
    };
    using Event = std::variant<Sent, Received, Finished, Dropped>;

    explicit ExchangeMachine(ExchangeTimings timings = {}) : m_timings(timings) {}

    // `frame` was written at `now`. Returns its id.
    RequestId requestSent(Bytes frame, Millis now);
    // `frame` could not be written: finished at once with PortUnusable.
    RequestId requestNotSent(Bytes frame, Millis now);
    // `bytes` were read at `now`.
    void bytesReceived(std::span<const std::uint8_t> bytes, Millis now);
    // The line went away at `now`: what was read is judged, and every request
    // still waiting ends with LinkLost.
    void linkLost(Millis now);

    // The next moment handleExpiry() must be called; Millis::max() for none.
    Millis expiry() const;
    void handleExpiry(Millis now);

    // The events since the last call.
    std::vector<Event> takeEvents() { return std::exchange(m_events, {}); }

    // True while a request waits for its reply within the time-out.
    bool awaitingReply() const;
    RequestId nextRequestId() const { return m_lastId + 1; }
    const ExchangeTimings &timings() const { return m_timings; }

private:
    struct Request {
        RequestId id;
        Bytes frame;
        Millis sentAt;
        bool timedOut = false;
    };

    void judge(Millis now);
    void timeOut(Millis now);
    void finish(std::size_t index, Outcome outcome, Bytes reply, Millis now);
    bool settling() const { return !m_received.empty(); }

    ExchangeTimings m_timings;
    std::deque<Request> m_waiting;  // in the order sent
    Bytes m_received;               // read since the last judgement
    Bytes m_unjudged;               // judged without a verdict while a request waits
    Millis m_firstByteAt{0};        // when the first of them came
    Millis m_deadline{0};           // of the requests within their time-out
    std::array<bool, 256> m_endedUnanswered{};  // codes of requests ended without a reply
    std::vector<Event> m_events;
    RequestId m_lastId = 0;
};

}  // namespace smscfg
