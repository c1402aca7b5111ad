#pragma once

#include "protocol/text_table.h"

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

// Every text the commands library produces (box names, refusals, messages,
// the words' problems, the profiles' errors), by key, with its arguments
// (%1, %2...) filled in by position: the one place to give them in another
// language.
namespace smscfg {

enum class CommandText {
    BoxDeviceCount,
    BoxAddresses,
    BoxPortCounts,
    BoxContent,
    BoxDeviceDescriptionAddress,
    BoxPortDescriptionAddress,
    BoxPort,
    BoxSmsCentre,
    BoxPhoneNumber,
    BoxPhoneSlot,
    BoxPollingNumber,
    BoxProbeNumber,
    BoxDeviceDescription,
    BoxPortDescription,
    ClockYear,
    ClockMonth,
    ClockDay,
    ClockHour,
    ClockMinute,
    NumberRange,
    HexPairs,
    HexListTooLong,
    ContentTooLong,
    ContentEmpty,
    PhoneTooLong,
    PhoneControlCharacter,
    PhoneNotSingleByte,
    LoneSurrogate,
    ClockField,
    ClockWeekday,
    MissingDeviceDescription,
    DeviceDescriptionTooLong,
    MissingPortDescription,
    PortDescriptionTooLong,
    MissingSmsCentre,
    MissingRecipientPhone,
    TooManyPhones,
    MissingPollingNumber,
    MissingProbeAddress,
    ChooseSwitchInput,
    ChooseLevel,
    NoCommand,
    UnknownCommand,
    PhonesNeedList,
    PhonesList,
    NotAnOption,
    Usage,
    BadLevel,
    ProfileJsonError,
    JsonUnterminatedObject,
    JsonMissingNameSeparator,
    JsonUnterminatedArray,
    JsonMissingValueSeparator,
    JsonIllegalValue,
    JsonTerminationByNumber,
    JsonIllegalNumber,
    JsonIllegalEscape,
    JsonIllegalUtf8,
    JsonUnterminatedString,
    JsonMissingObject,
    JsonDeepNesting,
    JsonGarbageAtEnd,
    NotAProfile,
    UnknownProfileVersion,
    ProfileNameNotText,
    ProfileStepsNotList,
    ProfileStepNotWords,
    ProfileStep,
    ProfileStepHelp,
    Count
};

std::u16string commandText(CommandText key, std::initializer_list<std::u16string_view> arguments = {});

// Every entry, for the catalogues.
std::vector<text::CatalogueEntry> commandTextCatalogue();

}  // namespace smscfg
