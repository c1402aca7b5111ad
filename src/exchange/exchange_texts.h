#pragma once

#include "protocol/text_table.h"

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

// Every text the exchange library produces, by key, with its arguments (%1,
// %2...) filled in by position: the one place to give them in another
// language.
namespace smscfg {

enum class ExchangeText {
    Accepted,
    Refused,
    NoResponse,
    PortUnusable,
    LinkLost,
    NoVerdict,
    WithRoundTrip,
    WithLateness,
    NoReplyInLog,
    OtherRequestReply,
    LateReply,
    Unrecognised,
    Echo,
    Sent,
    Received,
    Outcome,
    Ignored,
    Port,
    NotSent,
    Day,
    BytesElided,
    Count
};

std::u16string exchangeText(ExchangeText key, std::initializer_list<std::u16string_view> arguments = {});

// Every entry, for the catalogues.
std::vector<text::CatalogueEntry> exchangeTextCatalogue();

}  // namespace smscfg
