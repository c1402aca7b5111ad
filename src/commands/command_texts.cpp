#include "commands/command_texts.h"

#include "protocol/text_table.h"

namespace smscfg {
namespace {

#define TEXT(key, chinese) {CommandText::key, #key, chinese}
constexpr text::KeyedText<CommandText> entries[] = {
    TEXT(BoxDeviceCount, u"设备总数"),
    TEXT(BoxAddresses, u"地址数"),
    TEXT(BoxPortCounts, u"设备端口数"),
    TEXT(BoxContent, u"内容"),
    TEXT(BoxDeviceDescriptionAddress, u"设备描述的地址"),
    TEXT(BoxPortDescriptionAddress, u"端口描述的地址"),
    TEXT(BoxPort, u"端口"),
    TEXT(BoxSmsCentre, u"短信中心号码"),
    TEXT(BoxPhoneNumber, u"电话号码"),
    TEXT(BoxPhoneSlot, u"第几个电话"),
    TEXT(BoxPollingNumber, u"设备轮训号"),
    TEXT(BoxProbeNumber, u"探头号"),
    TEXT(BoxDeviceDescription, u"设备描述"),
    TEXT(BoxPortDescription, u"端口描述"),
    TEXT(ClockYear, u"年"),
    TEXT(ClockMonth, u"月"),
    TEXT(ClockDay, u"日"),
    TEXT(ClockHour, u"时"),
    TEXT(ClockMinute, u"分"),
    TEXT(NumberRange, u"%1必须是%2到%3之间的数字"),
    TEXT(HexPairs, u"%1必须是成对的16进制数字（0-9、A-F），两个数字一个字节"),
    TEXT(HexListTooLong, u"%1最多%2个字节（%3个16进制数字）"),
    TEXT(ContentTooLong, u"内容最多%1个字节（%2个16进制数字）"),
    TEXT(ContentEmpty, u"内容至少要有一个字节（两个16进制数字）"),
    TEXT(PhoneTooLong, u"%1太长，最多%2个字符"),
    TEXT(PhoneControlCharacter, u"%1含有控制字符，只能包含数字、+号等半角字符"),
    TEXT(PhoneNotSingleByte, u"%1只能包含数字、+号等半角字符"),
    TEXT(LoneSurrogate, u"%1含有不成对的代理字符（半个 UTF-16 字符）"),
    TEXT(ClockField, u"%1必须是%2到%3之间的两位数字"),
    TEXT(ClockWeekday, u"星期必须是星期一到星期天之一"),
    TEXT(MissingDeviceDescription, u"地址或内容或描述"),
    TEXT(DeviceDescriptionTooLong, u"描述的文字超过8个汉字"),
    TEXT(MissingPortDescription, u"地址或端口或描述"),
    TEXT(PortDescriptionTooLong, u"描述的文字超过5个汉字"),
    TEXT(MissingSmsCentre, u"请输入短信中心号码"),
    TEXT(MissingRecipientPhone, u"请输入第几个电话或电话号码"),
    TEXT(TooManyPhones, u"最大只能设置16个电话号码"),
    TEXT(MissingPollingNumber, u"请输入设备轮训号"),
    TEXT(MissingProbeAddress, u"请输入设备轮训号或探头号"),
    TEXT(ChooseSwitchInput, u"请选择开关量"),
    TEXT(ChooseLevel, u"请选择高低电平"),
    TEXT(NoCommand, u"没有给出命令"),
    TEXT(UnknownCommand, u"未知命令 %1"),
    TEXT(PhonesNeedList, u"--phones 后面要有电话的列表，如 1,5,16"),
    TEXT(PhonesList, u"--phones 的电话是 1 到 16，用逗号分隔"),
    TEXT(NotAnOption, u"%1 不是 %2 的选项（以 - 开头的文字前面要加 --）"),
    TEXT(Usage, u"用法：%1"),
    TEXT(BadLevel, u"LEVEL 必须是 high、low 或 none（高电平、低电平、无），不能是 %1"),
    TEXT(ProfileJsonError, u"配置文件第%1行第%2列：%3"),
    TEXT(JsonUnterminatedObject, u"对象没有结束（缺少 }）"),
    TEXT(JsonMissingNameSeparator, u"缺少冒号"),
    TEXT(JsonUnterminatedArray, u"列表没有结束（缺少 ]）"),
    TEXT(JsonMissingValueSeparator, u"缺少逗号"),
    TEXT(JsonIllegalValue, u"不是合法的值"),
    TEXT(JsonTerminationByNumber, u"数字后文件意外结束"),
    TEXT(JsonIllegalNumber, u"不是合法的数字"),
    TEXT(JsonIllegalEscape, u"不是合法的转义"),
    TEXT(JsonIllegalUtf8, u"不是合法的 UTF-8 文字"),
    TEXT(JsonUnterminatedString, u"字符串没有结束（缺少 \"）"),
    TEXT(JsonMissingObject, u"应该是一个对象（{…}）"),
    TEXT(JsonDeepNesting, u"嵌套太深"),
    TEXT(JsonGarbageAtEnd, u"结尾有多余的内容"),
    TEXT(NotAProfile, u"这不是 smscfg 配置文件：缺少 \"%1\": %2"),
    TEXT(UnknownProfileVersion, u"配置文件的版本 %1 不认识（只认识 %2）"),
    TEXT(ProfileNameNotText, u"配置文件的 \"name\" 必须是文字"),
    TEXT(ProfileStepsNotList, u"配置文件的 \"steps\" 必须是一个列表"),
    TEXT(ProfileStepNotWords, u"第%1步：必须是由文字组成的列表，如 [\"phone\", \"1\", \"13912345678\"]"),
    TEXT(ProfileStep, u"第%1步："),
    TEXT(ProfileStepHelp, u"--help 不是请求"),
};
#undef TEXT
static_assert(text::inKeyOrder(entries), "one entry per key, in the order of the keys");

}  // namespace

std::u16string commandText(CommandText key, std::initializer_list<std::u16string_view> arguments)
{
    return text::tableText("CommandText", entries, key, arguments);
}

std::vector<text::CatalogueEntry> commandTextCatalogue()
{
    return text::catalogueOf("CommandText", entries);
}

}  // namespace smscfg
