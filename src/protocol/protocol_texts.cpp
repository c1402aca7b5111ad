#include "protocol/protocol_texts.h"

#include "protocol/text_table.h"

namespace smscfg {
namespace {

#define TEXT(key, chinese) {ProtocolText::key, #key, chinese}
constexpr text::KeyedText<ProtocolText> entries[] = {
    TEXT(BrokenFrame, u"不完整或损坏的帧"),
    TEXT(UnknownCommand, u"%1 未知命令"),
    TEXT(WrongPayloadSize, u"%1 负载%2字节，长度不对"),
    TEXT(Initialise, u"初始化"),
    TEXT(DeviceCount, u"设备总数 = %1"),
    TEXT(AddressList, u"地址 = %1（%2个）"),
    TEXT(PortCountList, u"设备端口数 = %1（%2个）"),
    TEXT(DeviceDescription, u"设备%1描述 = %2，内容 %3"),
    TEXT(PortDescription, u"设备%1端口%2描述 = %3%4"),
    TEXT(PortDescriptionMarker, u"（第7字节是%1，不是01）"),
    TEXT(SmsCentre, u"短信中心号码 = %1"),
    TEXT(RecipientPhone, u"第%1个电话 = %2"),
    TEXT(DeviceSwitches, u"设备%1 %2"),
    TEXT(ProbeSwitches, u"设备%1探头%2 %3"),
    TEXT(ProbeType, u"设备%1探头%2类型 = %3"),
    TEXT(SwitchInput, u"开关量"),
    TEXT(AlarmLimit, u"设备%1探头%2告警%3 = %4"),
    TEXT(UpperLimit, u"上限"),
    TEXT(LowerLimit, u"下限"),
    TEXT(HighLevel, u"高电平"),
    TEXT(LowLevel, u"低电平"),
    TEXT(Clock, u"时间 = %1-%2-%3 %4:%5 %6"),
    TEXT(WeekdayOutOfRange, u"星期0x%1"),
    TEXT(NoSms, u"不发送短信"),
    TEXT(SmsToPhones, u"短信发给电话 %1"),
    TEXT(Description, u"“%1”（%2）"),
    TEXT(DescriptionUnicode, u"Unicode"),
    TEXT(DescriptionCodePage, u"GBK"),
    TEXT(BytesAfterNumber, u"（号码后有多余字节：%1）"),
    TEXT(Monday, u"星期一"),
    TEXT(Tuesday, u"星期二"),
    TEXT(Wednesday, u"星期三"),
    TEXT(Thursday, u"星期四"),
    TEXT(Friday, u"星期五"),
    TEXT(Saturday, u"星期六"),
    TEXT(Sunday, u"星期天"),
    TEXT(ReplyOf, u"%1 的应答：%2"),
    TEXT(ReplyAccepted, u"接受"),
    TEXT(ReplyRefused, u"拒绝"),
    TEXT(ReplyStatus, u"状态%1"),
};
#undef TEXT
static_assert(text::inKeyOrder(entries), "one entry per key, in the order of the keys");

}  // namespace

std::u16string protocolText(ProtocolText key, std::initializer_list<std::u16string_view> arguments)
{
    return text::tableText("ProtocolText", entries, key, arguments);
}

std::vector<text::CatalogueEntry> protocolTextCatalogue()
{
    return text::catalogueOf("ProtocolText", entries);
}

}  // namespace smscfg
