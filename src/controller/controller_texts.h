#pragma once

#include "protocol/text_table.h"

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

// Every text of the controller's decisions (refusals, the rules for --help,
// problems of a stored state), by key, with its arguments (%1, %2...) filled
// in by position: the one place to give them in another language.
namespace smscfg::controller {

enum class ControllerText {
    UnknownCommand,
    WrongPayloadSize,
    PortMarker,
    BytesAfterNumber,
    PhoneSlot,
    ProbeType,
    Level,
    NotBcd,
    NoSuchDate,
    Weekday,
    BrokenFrame,
    RefuseAll,
    Refused,
    RefusalRules,
    FieldProblem,
    Missing,
    NotWholeNumber,
    NotText,
    NotHex,
    NotObject,
    DeviceOutOfRange,
    NotProbeKey,
    NotDeviceKey,
    NotList,
    BadEncoding,
    NotFlag,
    NotPhoneList,
    NotSwitch,
    NotLevel,
    NotWrittenBack,
    NotAField,
    NotJsonObject,
    Count
};

std::u16string controllerText(ControllerText key, std::initializer_list<std::u16string_view> arguments = {});

// Every entry, for the catalogues.
std::vector<text::CatalogueEntry> controllerTextCatalogue();

}  // namespace smscfg::controller
