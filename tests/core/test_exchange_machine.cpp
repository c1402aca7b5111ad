#include "bytes.h"
#include "exchange/exchange_machine.h"

#include <doctest/doctest.h>

#include <string>
#include <vector>

using namespace smscfg;

namespace {

const std::string Init = "7E FE 07 00 45 4C 16";
const std::string InitAccepted = "7E FE 08 00 45 06 53 16";
const std::string InitRefused = "7E FE 08 00 45 09 56 16";
const std::string CountAccepted = "7E FE 08 00 46 06 54 16";  // also: device count 6
const std::string CountRefused = "7E FE 08 00 46 09 57 16";   // also: device count 9
const std::string Count12 = "7E FE 08 00 46 0C 5A 16";
const std::string ClockRequest = "7E FE 0D 00 52 26 12 06 20 38 07 FC 16";
const std::string ClockRefused = "7E FE 08 00 52 09 63 16";

const char *nameOf(Outcome outcome)
{
    switch (outcome) {
    case Outcome::Accepted: return "Accepted";
    case Outcome::Refused: return "Refused";
    case Outcome::NoVerdict: return "NoVerdict";
    case Outcome::NoResponse: return "NoResponse";
    case Outcome::PortUnusable: return "PortUnusable";
    case Outcome::LinkLost: return "LinkLost";
    }
    return "?";
}

const char *nameOf(Ignored why)
{
    switch (why) {
    case Ignored::Echo: return "Echo";
    case Ignored::OtherRequest: return "OtherRequest";
    case Ignored::LateReply: return "LateReply";
    case Ignored::Unrecognised: return "Unrecognised";
    }
    return "?";
}

struct Record {
    std::vector<std::string> outcomes;  // "#1 Accepted@40", "#1 Accepted@4000 late"
    std::vector<std::string> ignored;   // "Echo@105"
    std::vector<std::string> received;  // each unit judged, as hex
};

// Runs a script on plain numbers with the default timings (3000 ms time-out,
// 100 ms settle). Each line is "MS send HEX", "MS recv HEX", "MS fail HEX"
// (a write that failed) or "MS lost"; lines in time order. The machine is
// woken at every expiry it asks for, as a driver's timer would.
Record run(const std::vector<std::string> &script)
{
    ExchangeMachine machine;
    Record record;
    auto collect = [&](long long now) {
        for (auto &event : machine.takeEvents()) {
            const std::string at = "@" + std::to_string(now);
            if (const auto *f = std::get_if<ExchangeMachine::Finished>(&event))
                record.outcomes.push_back("#" + std::to_string(f->result.id) + " " + nameOf(f->result.outcome) + at
                                          + (f->result.late ? " late" : ""));
            else if (const auto *d = std::get_if<ExchangeMachine::Dropped>(&event))
                record.ignored.push_back(nameOf(d->why) + at);
            else if (const auto *r = std::get_if<ExchangeMachine::Received>(&event))
                record.received.push_back(hexOf(r->bytes));
        }
    };
    auto wakeUntil = [&](long long until) {
        while (machine.expiry() <= Millis(until)) {
            const Millis now = machine.expiry();
            machine.handleExpiry(now);
            collect(now.count());
        }
    };
    for (const std::string &line : script) {
        const auto firstSpace = line.find(' ');
        const long long at = std::stoll(line.substr(0, firstSpace));
        const std::string rest = line.substr(firstSpace + 1);
        const std::string verb = rest.substr(0, rest.find(' '));
        const auto bytes = bytesOf(rest.substr(verb.size()));
        wakeUntil(at);
        if (verb == "send")
            machine.requestSent(bytes, Millis(at));
        else if (verb == "fail")
            machine.requestNotSent(bytes, Millis(at));
        else if (verb == "recv")
            machine.bytesReceived(bytes, Millis(at));
        else if (verb == "lost")
            machine.linkLost(Millis(at));
        else
            FAIL("unknown verb " << verb);
        collect(at);
    }
    wakeUntil(60000);
    return record;
}

using Lines = std::vector<std::string>;

std::string joined(const Lines &lines)
{
    std::string out;
    for (const std::string &line : lines)
        out += (out.empty() ? "" : " | ") + line;
    return out;
}

}  // namespace

TEST_CASE("exchange: the verdict of each request")
{
    struct Row {
        const char *name;
        Lines script;
        Lines outcomes;
        Lines ignored;
    };
    const std::string send = "0 send " + Init;
    const Row rows[] = {
        {"reply in one chunk: judged at once", {send, "40 recv " + InitAccepted}, {"#1 Accepted@40"}, {}},
        {"refused", {send, "40 recv " + InitRefused}, {"#1 Refused@40"}, {}},
        {"other status: no verdict", {send, "40 recv 7E FE 08 00 45 07 54 16"}, {"#1 NoVerdict@40"}, {}},
        {"six bytes, judged by the sixth after the settle", {send, "40 recv 00 11 22 33 44 06"}, {"#1 Accepted@140"}, {}},
        {"split within the settle: judged when whole", {send, "40 recv 7E FE 08", "139 recv 00 45 06 53 16"},
         {"#1 Accepted@139"}, {}},
        {"split past the settle: the pieces are read together", {send, "40 recv 7E FE 08", "141 recv 00 45 06 53 16"},
         {"#1 Accepted@141"}, {}},
        {"five bytes: no verdict, and no time-out at the end of the wait", {send, "40 recv 7E FE 08 00 45"},
         {"#1 NoVerdict@3000"}, {}},
        {"a stray byte long before the reply does not end the wait", {send, "40 recv 00", "300 recv " + InitAccepted},
         {"#1 Accepted@300"}, {}},
        {"a stray byte for the first of two requests is not the second's reply",
         {send, "40 recv 00", "1000 send " + ClockRequest}, {"#1 NoVerdict@4000", "#2 NoResponse@4000"}, {}},
        {"a byte after one reply is not the next request's verdict",
         {send, "40 recv " + InitAccepted, "40 send " + ClockRequest, "60 recv 0D", "300 recv " + ClockRefused},
         {"#1 Accepted@40", "#2 Refused@300"}, {}},
        {"stray byte before an accepting frame", {send, "40 recv EE " + InitAccepted}, {"#1 Accepted@140"}, {}},
        {"reply just before the time-out", {send, "2999 recv " + InitAccepted}, {"#1 Accepted@2999"}, {}},
        {"pieces around the time-out hold it off", {send, "2950 recv 7E FE 08 00", "3020 recv 45 06 53 16"},
         {"#1 Accepted@3020"}, {}},
        {"no reply: one time-out", {send}, {"#1 NoResponse@3000"}, {}},
        {"failed write: finished at once, no time-out", {"0 fail " + Init}, {"#1 PortUnusable@0"}, {}},
        {"second send restarts the time-out", {send, "1000 send " + Init}, {"#2 NoResponse@4000"}, {}},

        // Late replies.
        {"late reply before a newer request: still its verdict", {send, "4000 recv " + InitAccepted},
         {"#1 NoResponse@3000", "#1 Accepted@4000 late"}, {}},
        {"late reply after a newer request: credited to none",
         {send, "4000 send " + ClockRequest, "4050 recv " + InitAccepted, "4100 recv " + ClockRefused},
         {"#1 NoResponse@3000", "#2 Refused@4100"}, {"LateReply@4050"}},
        {"missed request, then the next answered at once",
         {send, "3000 send " + Init, "3040 recv " + InitAccepted}, {"#1 NoResponse@3000", "#2 Accepted@3040"}, {}},
        {"noise on an idle line after a time-out gives no verdict",
         {send, "5000 recv 06 06 06 06 06 06 06 06"}, {"#1 NoResponse@3000"}, {"Unrecognised@5100"}},
        {"the same noise within the time-out is judged by the sixth byte",
         {send, "100 recv 06 06 06 06 06 06 06 06"}, {"#1 Accepted@200"}, {}},

        // Replies that are not this request's.
        {"frame with another code: the wait goes on", {send, "40 recv " + CountAccepted}, {"#1 NoResponse@3000"},
         {"OtherRequest@40"}},
        {"that frame, then this request's own", {send, "40 recv " + CountAccepted, "60 recv " + InitAccepted},
         {"#1 Accepted@60"}, {"OtherRequest@40"}},
        {"both in one chunk", {send, "40 recv " + CountAccepted + " " + InitAccepted}, {"#1 Accepted@140"},
         {"OtherRequest@140"}},
        {"bytes with nothing sent", {"40 recv 00 11 22 33 44 06"}, {}, {"Unrecognised@140"}},
        {"a reply frame with nothing sent", {"40 recv " + InitAccepted}, {}, {"OtherRequest@40"}},
        {"bytes after a verdict", {send, "40 recv " + InitAccepted, "50 recv EE"}, {"#1 Accepted@40"},
         {"Unrecognised@150"}},

        // Echoes.
        {"echo, then the reply", {send, "30 recv " + Init + " " + InitAccepted}, {"#1 Accepted@30"}, {"Echo@30"}},
        {"echo alone", {send, "5 recv " + Init}, {"#1 NoResponse@3000"}, {"Echo@105"}},
        {"reply equal to its request, accepted (device count 6)",
         {"0 send " + CountAccepted, "40 recv " + CountAccepted}, {"#1 Accepted@40"}, {}},
        {"reply equal to its request, refused (device count 9)",
         {"0 send " + CountRefused, "40 recv " + CountRefused}, {"#1 Refused@40"}, {}},
        {"echo equal to a reply, and the controller's other answer with it",
         {"0 send " + CountAccepted, "5 recv " + CountAccepted + " " + CountRefused}, {"#1 Refused@105"},
         {"Echo@105"}},
        {"an echo slower than the settle (a long request at 9600 baud) gives no verdict by its sixth byte",
         {"0 send 7E FE 09 00 47 06 07 5D 16", "1 recv 7E FE 09 00 47 06", "150 recv 07 5D 16",
          "400 recv 7E FE 08 00 47 09 58 16"},
         {"#1 Refused@400"}, {"Echo@250"}},
        {"noise, then an echo slower than the settle whose first read ends in its start and length",
         {"0 send 7E FE 09 00 47 06 07 5D 16", "1 recv 00 00 00 7E FE 09", "150 recv 00 47 06 07 5D 16",
          "400 recv 7E FE 08 00 47 06 55 16"},
         {"#1 Accepted@400"}, {"Echo@250"}},
        {"a longer request with 06 in its sixth byte is only an echo (addresses 0606)",
         {"0 send 7E FE 09 00 47 06 06 5C 16", "5 recv 7E FE 09 00 47 06 06 5C 16"}, {"#1 NoResponse@3000"},
         {"Echo@105"}},

        // Several requests.
        {"two sends then two replies", {send, "10 send " + Init, "50 recv " + InitAccepted, "60 recv " + InitRefused},
         {"#1 Accepted@50", "#2 Refused@60"}, {}},
        {"two sends before one reply", {send, "10 send " + Init, "50 recv " + InitAccepted},
         {"#1 Accepted@50", "#2 NoResponse@3010"}, {}},
        {"two requests with one code, the first equal to its reply, both replies in one read",
         {"0 send " + CountAccepted, "10 send " + Count12, "50 recv " + CountAccepted + " " + CountRefused},
         {"#1 Accepted@150", "#2 Refused@150"}, {}},
        {"the same with both echoes in that read",
         {"0 send " + CountAccepted, "10 send " + Count12,
          "50 recv " + CountAccepted + " " + Count12 + " " + CountAccepted + " " + CountRefused},
         {"#1 Accepted@150", "#2 Refused@150"}, {"Echo@150", "Echo@150"}},
        {"a send while bytes are gathered: they are judged first",
         {send, "40 recv EE " + InitAccepted, "50 send " + Init, "60 recv " + InitAccepted},
         {"#1 Accepted@50", "#2 Accepted@60"}, {}},

        // The line goes away.
        {"port lost while waiting: at once, no time-out after", {send, "500 lost"}, {"#1 LinkLost@500"}, {}},
        {"port lost after the time-out", {send, "4000 lost"}, {"#1 NoResponse@3000"}, {}},
        {"port lost with a reply read: the reply counts", {send, "40 recv 00 11 22 33 44 09", "60 lost"},
         {"#1 Refused@60"}, {}},
    };
    for (const Row &row : rows) {
        INFO(std::string(row.name));
        const Record r = run(row.script);
        CHECK(joined(r.outcomes) == joined(row.outcomes));
        CHECK(joined(r.ignored) == joined(row.ignored));
    }
}

TEST_CASE("exchange: a reply that comes in pieces is read as one")
{
    const Record r = run({"0 send " + Init, "40 recv 7E FE 08", "60 recv 00 45 06", "70 recv 53 16"});
    CHECK(joined(r.received) == InitAccepted);
    CHECK(joined(r.outcomes) == "#1 Accepted@70");
}

TEST_CASE("exchange: when it needs to be woken")
{
    ExchangeMachine machine;
    CHECK(machine.expiry() == Millis::max());
    machine.requestSent(bytesOf(Init), Millis(1000));
    CHECK(machine.expiry() == Millis(4000));
    CHECK(machine.awaitingReply());
    machine.bytesReceived(bytesOf("7E FE"), Millis(1200));
    CHECK(machine.expiry() == Millis(1300));
    machine.handleExpiry(Millis(1300));
    // Two bytes give no verdict: the rest of the reply may still come.
    CHECK(machine.expiry() == Millis(4000));
    CHECK(machine.awaitingReply());
    machine.handleExpiry(Millis(4000));
    CHECK(machine.expiry() == Millis::max());
    CHECK_FALSE(machine.awaitingReply());
}
