#include "commands/command_texts.h"

#include "protocol/text.h"

#include <iterator>

namespace smscfg {
namespace {

struct Entry {
    CommandText key;
    std::u16string_view chinese;
};

constexpr Entry entries[] = {
    {CommandText::BoxDeviceCount, u"设备总数"},
    {CommandText::BoxAddresses, u"地址数"},
    {CommandText::BoxPortCounts, u"设备端口数"},
    {CommandText::BoxContent, u"内容"},
    {CommandText::BoxDeviceDescriptionAddress, u"设备描述的地址"},
    {CommandText::BoxPortDescriptionAddress, u"端口描述的地址"},
    {CommandText::BoxPort, u"端口"},
    {CommandText::BoxSmsCentre, u"短信中心号码"},
    {CommandText::BoxPhoneNumber, u"电话号码"},
    {CommandText::BoxPhoneSlot, u"第几个电话"},
    {CommandText::BoxPollingNumber, u"设备轮训号"},
    {CommandText::BoxProbeNumber, u"探头号"},
    {CommandText::ClockYear, u"年"},
    {CommandText::ClockMonth, u"月"},
    {CommandText::ClockDay, u"日"},
    {CommandText::ClockHour, u"时"},
    {CommandText::ClockMinute, u"分"},
    {CommandText::NumberRange, u"%1必须是%2到%3之间的数字"},
    {CommandText::HexPairs, u"%1必须是成对的16进制数字（0-9、A-F），两个数字一个字节"},
    {CommandText::HexListTooLong, u"%1最多%2个字节（%3个16进制数字）"},
    {CommandText::ContentTooLong, u"内容最多%1个字节（%2个16进制数字）"},
    {CommandText::ContentEmpty, u"内容至少要有一个字节（两个16进制数字）"},
    {CommandText::PhoneTooLong, u"%1太长，最多%2个字符"},
    {CommandText::PhoneControlCharacter, u"%1含有控制字符，只能包含数字、+号等半角字符"},
    {CommandText::PhoneNotSingleByte, u"%1只能包含数字、+号等半角字符"},
    {CommandText::ClockField, u"%1必须是%2到%3之间的两位数字"},
    {CommandText::ClockWeekday, u"星期必须是星期一到星期天之一"},
    {CommandText::MissingDeviceDescription, u"地址或内容或描述"},
    {CommandText::DeviceDescriptionTooLong, u"描述的文字超过8个汉字"},
    {CommandText::MissingPortDescription, u"地址或端口或描述"},
    {CommandText::PortDescriptionTooLong, u"描述的文字超过5个汉字"},
    {CommandText::MissingSmsCentre, u"请输入短信中心号码"},
    {CommandText::MissingRecipientPhone, u"请输入第几个电话或电话号码"},
    {CommandText::TooManyPhones, u"最大只能设置16个电话号码"},
    {CommandText::MissingPollingNumber, u"请输入设备轮训号"},
    {CommandText::MissingProbeAddress, u"请输入设备轮训号或探头号"},
    {CommandText::ChooseSwitchInput, u"请选择开关量"},
    {CommandText::ChooseLevel, u"请选择高低电平"},
    {CommandText::NoCommand, u"no command given"},
    {CommandText::UnknownCommand, u"unknown command %1"},
    {CommandText::PhonesNeedList, u"--phones needs a list such as 1,5,16"},
    {CommandText::PhonesList, u"--phones takes phone numbers 1 to 16 separated by commas"},
    {CommandText::NotAnOption, u"%1 is not an option of %2 (use -- before a text that starts with -)"},
    {CommandText::Usage, u"usage: %1"},
    {CommandText::BadLevel, u"LEVEL must be high, low or none (高电平, 低电平, 无), not %1"},
    {CommandText::ProfileJsonError, u"配置文件第%1行第%2列：%3"},
    {CommandText::JsonUnterminatedObject, u"对象没有结束（缺少 }）"},
    {CommandText::JsonMissingNameSeparator, u"缺少冒号"},
    {CommandText::JsonUnterminatedArray, u"列表没有结束（缺少 ]）"},
    {CommandText::JsonMissingValueSeparator, u"缺少逗号"},
    {CommandText::JsonIllegalValue, u"不是合法的值"},
    {CommandText::JsonTerminationByNumber, u"数字后文件意外结束"},
    {CommandText::JsonIllegalNumber, u"不是合法的数字"},
    {CommandText::JsonIllegalEscape, u"不是合法的转义"},
    {CommandText::JsonIllegalUtf8, u"不是合法的 UTF-8 文字"},
    {CommandText::JsonUnterminatedString, u"字符串没有结束（缺少 \"）"},
    {CommandText::JsonMissingObject, u"应该是一个对象（{…}）"},
    {CommandText::JsonDeepNesting, u"嵌套太深"},
    {CommandText::JsonGarbageAtEnd, u"结尾有多余的内容"},
    {CommandText::NotAProfile, u"这不是 smscfg 配置文件：缺少 \"%1\": %2"},
    {CommandText::UnknownProfileVersion, u"配置文件的版本 %1 不认识（只认识 %2）"},
    {CommandText::ProfileNameNotText, u"配置文件的 \"name\" 必须是文字"},
    {CommandText::ProfileStepsNotList, u"配置文件的 \"steps\" 必须是一个列表"},
    {CommandText::ProfileStepNotWords, u"第%1步：必须是由文字组成的列表，如 [\"phone\", \"1\", \"13912345678\"]"},
    {CommandText::ProfileStep, u"第%1步："},
    {CommandText::ProfileStepHelp, u"--help 不是请求"},
};
static_assert(std::size(entries) == std::size_t(CommandText::Count));

constexpr bool inKeyOrder()
{
    for (std::size_t i = 0; i < std::size(entries); ++i)
        if (entries[i].key != CommandText(i))
            return false;
    return true;
}
static_assert(inKeyOrder(), "one entry per key, in the order of the keys");

}  // namespace

std::u16string commandText(CommandText key, std::initializer_list<std::u16string_view> arguments)
{
    return text::fill(entries[std::size_t(key)].chinese, arguments);
}

}  // namespace smscfg
