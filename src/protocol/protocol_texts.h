#pragma once

#include "protocol/text_table.h"

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

// Every text the protocol library produces, by key, with its arguments (%1,
// %2...) filled in by position: the one place to give them in another
// language.
namespace smscfg {

enum class ProtocolText {
    BrokenFrame,
    UnknownCommand,
    WrongPayloadSize,
    Initialise,
    DeviceCount,
    AddressList,
    PortCountList,
    DeviceDescription,
    PortDescription,
    PortDescriptionMarker,
    SmsCentre,
    RecipientPhone,
    DeviceSwitches,
    ProbeSwitches,
    ProbeType,
    SwitchInput,
    AlarmLimit,
    UpperLimit,
    LowerLimit,
    HighLevel,
    LowLevel,
    Clock,
    WeekdayOutOfRange,
    NoSms,
    SmsToPhones,
    Description,
    DescriptionUnicode,
    DescriptionCodePage,
    BytesAfterNumber,
    Monday,
    Tuesday,
    Wednesday,
    Thursday,
    Friday,
    Saturday,
    Sunday,
    ReplyOf,
    ReplyAccepted,
    ReplyRefused,
    ReplyStatus,
    Count
};

std::u16string protocolText(ProtocolText key, std::initializer_list<std::u16string_view> arguments = {});

// Every entry, for the catalogues.
std::vector<text::CatalogueEntry> protocolTextCatalogue();

}  // namespace smscfg
