#include "controller/controller_texts.h"

#include "protocol/text_table.h"

namespace smscfg::controller {
namespace {

#define TEXT(key, chinese) {ControllerText::key, #key, chinese}
constexpr text::KeyedText<ControllerText> entries[] = {
    TEXT(UnknownCommand, u"未知命令"),
    TEXT(WrongPayloadSize, u"负载%1字节，长度不对"),
    TEXT(PortMarker, u"第7字节不是01"),
    TEXT(BytesAfterNumber, u"号码的0x00后面还有字节"),
    TEXT(PhoneSlot, u"电话序号%1不在1到16之间"),
    TEXT(ProbeType, u"探头类型%1不是11"),
    TEXT(Level, u"电平%1既不是55也不是AA"),
    TEXT(NotBcd, u"第%1字节不是两位BCD数字"),
    TEXT(NoSuchDate, u"没有这个日期或时间"),
    TEXT(Weekday, u"星期%1不在1到7之间"),
    TEXT(BrokenFrame, u"帧不完整或已损坏"),
    TEXT(RefuseAll, u"--refuse"),
    TEXT(Refused, u"%1，拒绝：%2"),
    TEXT(RefusalRules,
         u"  拒绝（09）：格式不对的帧（LEN、保留字节、校验和或结束字节不对）、未知的命令码、\n"
         u"  负载长度与命令码不符、第7字节不是01的端口描述、电话序号为0或大于16、\n"
         u"  电话号码在第一个00之后还有字节、探头类型不是11（开关量）、告警电平不是55（高电平）\n"
         u"  或AA（低电平），以及这样的时间：不是BCD、月为0或大于12、日为0或大于31、\n"
         u"  时大于24、分大于60（窗口的列表到24和60为止），或星期不在1到7之间。\n"
         u"  其余一律接受（06）。\n"),
    TEXT(FieldProblem, u"%1：%2"),
    TEXT(Missing, u"缺少"),
    TEXT(NotWholeNumber, u"不是%1到%2之间的整数"),
    TEXT(NotText, u"不是文字"),
    TEXT(NotHex, u"不是成对的16进制数字"),
    TEXT(NotObject, u"不是对象"),
    TEXT(DeviceOutOfRange, u"不是0到255之间的设备号"),
    TEXT(NotProbeKey, u"不是“设备号/探头号”"),
    TEXT(NotDeviceKey, u"不是设备号"),
    TEXT(NotList, u"不是列表"),
    TEXT(BadEncoding, u"既不是 unicode 也不是 codepage"),
    TEXT(NotFlag, u"既不是 true 也不是 false"),
    TEXT(NotPhoneList, u"不是%1个文字组成的列表"),
    TEXT(NotSwitch, u"不是 \"switch\""),
    TEXT(NotLevel, u"既不是 \"high\" 也不是 \"low\""),
    TEXT(NotWrittenBack, u"不能原样写回"),
    TEXT(NotAField, u"不是控制器状态里的字段"),
    TEXT(NotJsonObject, u"不是 JSON 对象"),
};
#undef TEXT
static_assert(text::inKeyOrder(entries), "one entry per key, in the order of the keys");

}  // namespace

std::u16string controllerText(ControllerText key, std::initializer_list<std::u16string_view> arguments)
{
    return text::tableText("ControllerText", entries, key, arguments);
}

std::vector<text::CatalogueEntry> controllerTextCatalogue()
{
    return text::catalogueOf("ControllerText", entries);
}

}  // namespace smscfg::controller
