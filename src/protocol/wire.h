#pragma once

#include "protocol/frame.h"

// What travels on the line besides the frame layout itself: the command
// codes, the fixed bytes and the payload sizes of each request. The request
// builders, the simulator and the tests all take them from here.

namespace smscfg::code {

inline constexpr std::uint8_t Initialise = 0x45;
inline constexpr std::uint8_t DeviceCount = 0x46;
inline constexpr std::uint8_t AddressList = 0x47;
inline constexpr std::uint8_t PortCountList = 0x48;
inline constexpr std::uint8_t DeviceDescription = 0x49;
inline constexpr std::uint8_t PortDescription = 0x4A;
inline constexpr std::uint8_t SmsCentre = 0x4B;
inline constexpr std::uint8_t RecipientPhone = 0x4C;
inline constexpr std::uint8_t DeviceSwitches = 0x4D;
inline constexpr std::uint8_t ProbeSwitches = 0x4E;
inline constexpr std::uint8_t ProbeType = 0x4F;
inline constexpr std::uint8_t AlarmUpperLimit = 0x50;
inline constexpr std::uint8_t AlarmLowerLimit = 0x51;
inline constexpr std::uint8_t Clock = 0x52;

inline constexpr std::uint8_t First = Initialise;
inline constexpr std::uint8_t Last = Clock;

}  // namespace smscfg::code

namespace smscfg::wire {

// Status byte of a reply.
inline constexpr std::uint8_t StatusAccepted = 0x06;
inline constexpr std::uint8_t StatusRefused = 0x09;

// Probe type byte: the only type the tool sets is a switch input.
inline constexpr std::uint8_t SwitchInputProbeType = 0x11;
// Alarm level bytes; each is the other's bit complement.
inline constexpr std::uint8_t HighLevel = 0x55;
inline constexpr std::uint8_t LowLevel = 0xAA;
// Byte 7 of every port description request.
inline constexpr std::uint8_t PortDescriptionMarker = 0x01;

inline constexpr int PhoneSlotCount = 16;
inline constexpr int PhoneNumberFieldSize = 11;
inline constexpr int PhoneMaskSize = 2;
inline constexpr int DeviceDescriptionWidth = 16;
inline constexpr int DeviceDescriptionMaxChars = 8;
inline constexpr int PortDescriptionWidth = 10;
inline constexpr int PortDescriptionMaxChars = 5;
inline constexpr int ClockFieldCount = 5;  // year, month, day, hour, minute; then the weekday

// What the controller takes in each clock field (two BCD digits), in payload
// order, and in the weekday byte.
struct ClockRange {
    int low;
    int high;
};
inline constexpr ClockRange ClockFieldRanges[ClockFieldCount] = {{0, 99}, {1, 12}, {1, 31}, {0, 24}, {0, 60}};
inline constexpr ClockRange WeekdayRange = {1, 7};

inline constexpr int MaxPayload = CommandFrame::MaxPayload;  // 248
// Device description: address, field, then at least one content byte.
inline constexpr int DeviceContentMaxBytes = MaxPayload - 1 - DeviceDescriptionWidth;  // 231

// The payload sizes a request of each code may have.
struct PayloadSize {
    int min;
    int max;
    constexpr bool contains(std::size_t n) const { return min >= 0 && n >= std::size_t(min) && n <= std::size_t(max); }
};

constexpr PayloadSize payloadSize(std::uint8_t code)
{
    switch (code) {
    case code::Initialise: return {0, 0};
    case code::DeviceCount: return {1, 1};
    case code::AddressList:
    case code::PortCountList: return {0, MaxPayload};
    case code::DeviceDescription: return {1 + DeviceDescriptionWidth + 1, MaxPayload};
    case code::PortDescription: return {3 + PortDescriptionWidth, 3 + PortDescriptionWidth};
    case code::SmsCentre: return {PhoneNumberFieldSize, PhoneNumberFieldSize};
    case code::RecipientPhone: return {1 + PhoneNumberFieldSize, 1 + PhoneNumberFieldSize};
    case code::DeviceSwitches: return {1 + PhoneMaskSize, 1 + PhoneMaskSize};
    case code::ProbeSwitches: return {2 + PhoneMaskSize, 2 + PhoneMaskSize};
    case code::ProbeType: return {3, 3};
    case code::AlarmUpperLimit:
    case code::AlarmLowerLimit: return {6, 6};
    case code::Clock: return {ClockFieldCount + 1, ClockFieldCount + 1};
    default: return {-1, -1};  // not a request
    }
}

// How many payload bytes name what a request sets (a device, a probe, a
// phone slot): two requests with the same code and the same leading bytes
// set the same thing, and the later one replaces the earlier.
constexpr int targetBytes(std::uint8_t code)
{
    switch (code) {
    case code::DeviceDescription:
    case code::RecipientPhone:
    case code::DeviceSwitches: return 1;
    case code::PortDescription:
    case code::ProbeSwitches:
    case code::ProbeType:
    case code::AlarmUpperLimit:
    case code::AlarmLowerLimit: return 2;
    default: return 0;
    }
}

constexpr bool isRequestCode(std::uint8_t code)
{
    return code >= code::First && code <= code::Last;
}

}  // namespace smscfg::wire
