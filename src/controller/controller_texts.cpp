#include "controller/controller_texts.h"

#include "protocol/text.h"

#include <iterator>

namespace smscfg::controller {
namespace {

struct Entry {
    ControllerText key;
    std::u16string_view chinese;  // with the English that has not been translated yet
};

constexpr Entry entries[] = {
    {ControllerText::UnknownCommand, u"未知命令"},
    {ControllerText::WrongPayloadSize, u"负载%1字节，长度不对"},
    {ControllerText::PortMarker, u"第7字节不是01"},
    {ControllerText::BytesAfterNumber, u"号码的0x00后面还有字节"},
    {ControllerText::PhoneSlot, u"电话序号%1不在1到16之间"},
    {ControllerText::ProbeType, u"探头类型%1不是11"},
    {ControllerText::Level, u"电平%1既不是55也不是AA"},
    {ControllerText::NotBcd, u"第%1字节不是两位BCD数字"},
    {ControllerText::NoSuchDate, u"没有这个日期或时间"},
    {ControllerText::Weekday, u"星期%1不在1到7之间"},
    {ControllerText::BrokenFrame, u"帧不完整或已损坏"},
    {ControllerText::RefuseAll, u"--refuse"},
    {ControllerText::Refused, u"%1，拒绝：%2"},
    {ControllerText::RefusalRules,
     u"  Refused (09): a malformed frame (LEN, reserved byte, checksum or end byte\n"
     u"  wrong), an unknown command code, a payload of the wrong size for its code,\n"
     u"  a port description whose byte 7 is not 01, a phone slot of 0 or above 16,\n"
     u"  a phone field with bytes after its first 00, a probe type other than 11\n"
     u"  (switch input), an alarm level other than 55 (high) or AA (low), and a clock\n"
     u"  that is not BCD, has month 0 or above 12, day 0 or above 31, hour above 24,\n"
     u"  minute above 60 (the window's lists run to 24 and 60), or weekday not 1..7.\n"
     u"  Everything else is accepted (06).\n"},
    {ControllerText::FieldProblem, u"%1: %2"},
    {ControllerText::Missing, u"missing"},
    {ControllerText::NotWholeNumber, u"not a whole number from %1 to %2"},
    {ControllerText::NotText, u"not a text"},
    {ControllerText::NotHex, u"not hex digit pairs"},
    {ControllerText::NotObject, u"not an object"},
    {ControllerText::DeviceOutOfRange, u"not a device number from 0 to 255"},
    {ControllerText::NotProbeKey, u"not device/probe numbers"},
    {ControllerText::NotDeviceKey, u"not a device number"},
    {ControllerText::NotList, u"not a list"},
    {ControllerText::BadEncoding, u"neither unicode nor codepage"},
    {ControllerText::NotFlag, u"neither true nor false"},
    {ControllerText::NotPhoneList, u"not a list of %1 texts"},
    {ControllerText::NotSwitch, u"not \"switch\""},
    {ControllerText::NotLevel, u"neither \"high\" nor \"low\""},
    {ControllerText::NotWrittenBack, u"would not be written back as it is"},
    {ControllerText::NotAField, u"not a field of the controller's state"},
    {ControllerText::NotJsonObject, u"not a JSON object"},
};
static_assert(std::size(entries) == std::size_t(ControllerText::Count));

constexpr bool inKeyOrder()
{
    for (std::size_t i = 0; i < std::size(entries); ++i)
        if (entries[i].key != ControllerText(i))
            return false;
    return true;
}
static_assert(inKeyOrder(), "one entry per key, in the order of the keys");

}  // namespace

std::u16string controllerText(ControllerText key, std::initializer_list<std::u16string_view> arguments)
{
    return text::fill(entries[std::size_t(key)].chinese, arguments);
}

}  // namespace smscfg::controller
