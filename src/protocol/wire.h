#pragma once

#include "protocol/frame.h"

// What travels on the line besides the frame layout itself: the command
// codes, the fixed bytes and the payload sizes of each request. The request
// builders, the simulator and the tests all take them from here.

namespace smscfg::code {

inline constexpr quint8 Initialise = 0x45;
inline constexpr quint8 DeviceCount = 0x46;
inline constexpr quint8 AddressList = 0x47;
inline constexpr quint8 PortCountList = 0x48;
inline constexpr quint8 DeviceDescription = 0x49;
inline constexpr quint8 PortDescription = 0x4A;
inline constexpr quint8 SmsCentre = 0x4B;
inline constexpr quint8 RecipientPhone = 0x4C;
inline constexpr quint8 DeviceSwitches = 0x4D;
inline constexpr quint8 ProbeSwitches = 0x4E;
inline constexpr quint8 ProbeType = 0x4F;
inline constexpr quint8 AlarmUpperLimit = 0x50;
inline constexpr quint8 AlarmLowerLimit = 0x51;
inline constexpr quint8 Clock = 0x52;

inline constexpr quint8 First = Initialise;
inline constexpr quint8 Last = Clock;

}  // namespace smscfg::code

namespace smscfg::wire {

// Status byte of a reply.
inline constexpr quint8 StatusAccepted = 0x06;
inline constexpr quint8 StatusRefused = 0x09;

// Probe type byte: the only type the tool sets is a switch input.
inline constexpr quint8 SwitchInputProbeType = 0x11;
// Alarm level bytes; each is the other's bit complement.
inline constexpr quint8 HighLevel = 0x55;
inline constexpr quint8 LowLevel = 0xAA;
// Byte 7 of every port description request.
inline constexpr quint8 PortDescriptionMarker = 0x01;

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
    constexpr bool contains(qsizetype n) const { return n >= min && n <= max; }
};

constexpr PayloadSize payloadSize(quint8 code)
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
constexpr int targetBytes(quint8 code)
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

constexpr bool isRequestCode(quint8 code)
{
    return code >= code::First && code <= code::Last;
}

}  // namespace smscfg::wire
