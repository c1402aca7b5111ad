#include "protocol/protocol_texts.h"

#include "protocol/text.h"

#include <array>

namespace smscfg {
namespace {

struct Entry {
    ProtocolText key;
    std::u16string_view chinese;
};

constexpr Entry entries[] = {
    {ProtocolText::BrokenFrame, u"不完整或损坏的帧"},
    {ProtocolText::UnknownCommand, u"%1 未知命令"},
    {ProtocolText::WrongPayloadSize, u"%1 负载%2字节，长度不对"},
    {ProtocolText::Initialise, u"初始化"},
    {ProtocolText::DeviceCount, u"设备总数 = %1"},
    {ProtocolText::AddressList, u"地址 = %1（%2个）"},
    {ProtocolText::PortCountList, u"设备端口数 = %1（%2个）"},
    {ProtocolText::DeviceDescription, u"设备%1描述 = %2，内容 %3"},
    {ProtocolText::PortDescription, u"设备%1端口%2描述 = %3%4"},
    {ProtocolText::PortDescriptionMarker, u"（第7字节是%1，不是01）"},
    {ProtocolText::SmsCentre, u"短信中心号码 = %1"},
    {ProtocolText::RecipientPhone, u"第%1个电话 = %2"},
    {ProtocolText::DeviceSwitches, u"设备%1 %2"},
    {ProtocolText::ProbeSwitches, u"设备%1探头%2 %3"},
    {ProtocolText::ProbeType, u"设备%1探头%2类型 = %3"},
    {ProtocolText::SwitchInput, u"开关量"},
    {ProtocolText::AlarmLimit, u"设备%1探头%2告警%3 = %4"},
    {ProtocolText::UpperLimit, u"上限"},
    {ProtocolText::LowerLimit, u"下限"},
    {ProtocolText::HighLevel, u"高电平"},
    {ProtocolText::LowLevel, u"低电平"},
    {ProtocolText::Clock, u"时间 = %1-%2-%3 %4:%5 %6"},
    {ProtocolText::WeekdayOutOfRange, u"星期0x%1"},
    {ProtocolText::NoSms, u"不发送短信"},
    {ProtocolText::SmsToPhones, u"短信发给电话 %1"},
    {ProtocolText::Description, u"“%1”（%2）"},
    {ProtocolText::DescriptionUnicode, u"Unicode"},
    {ProtocolText::DescriptionCodePage, u"GBK"},
    {ProtocolText::BytesAfterNumber, u"（号码后有多余字节：%1）"},
    {ProtocolText::Monday, u"星期一"},
    {ProtocolText::Tuesday, u"星期二"},
    {ProtocolText::Wednesday, u"星期三"},
    {ProtocolText::Thursday, u"星期四"},
    {ProtocolText::Friday, u"星期五"},
    {ProtocolText::Saturday, u"星期六"},
    {ProtocolText::Sunday, u"星期天"},
    {ProtocolText::ReplyOf, u"%1 的应答：%2"},
    {ProtocolText::ReplyAccepted, u"接受"},
    {ProtocolText::ReplyRefused, u"拒绝"},
    {ProtocolText::ReplyStatus, u"状态%1"},
};
static_assert(std::size(entries) == std::size_t(ProtocolText::Count));

constexpr bool inKeyOrder()
{
    for (std::size_t i = 0; i < std::size(entries); ++i)
        if (entries[i].key != ProtocolText(i))
            return false;
    return true;
}
static_assert(inKeyOrder(), "one entry per key, in the order of the keys");

}  // namespace

std::u16string protocolText(ProtocolText key, std::initializer_list<std::u16string_view> arguments)
{
    return text::fill(entries[std::size_t(key)].chinese, arguments);
}

}  // namespace smscfg
