#include "exchange/exchange_texts.h"

#include "protocol/text.h"

#include <array>

namespace smscfg {
namespace {

struct Entry {
    ExchangeText key;
    std::u16string_view chinese;
};

constexpr Entry entries[] = {
    {ExchangeText::Accepted, u"设置成功"},
    {ExchangeText::Refused, u"设置失败"},
    {ExchangeText::NoResponse, u"设备无响应"},
    {ExchangeText::PortUnusable, u"串口不可用，请重新设置"},
    {ExchangeText::LinkLost, u"串口连接已断开"},
    {ExchangeText::NoVerdict, u"应答无法识别：%1"},
    {ExchangeText::WithRoundTrip, u"%1（%2 ms）"},
    {ExchangeText::WithLateness, u"%1（迟到 %2 秒）"},
    {ExchangeText::NoReplyInLog, u"无应答（%1 ms）"},
    {ExchangeText::OtherRequestReply, u"%1，不是在等的请求的应答"},
    {ExchangeText::LateReply, u"%1，迟到的应答：它的请求已超时，之后又发了新请求"},
    {ExchangeText::Unrecognised, u"无法识别的数据"},
    {ExchangeText::Echo, u"发出的请求的回显"},
    {ExchangeText::Sent, u"发送"},
    {ExchangeText::Received, u"接收"},
    {ExchangeText::Outcome, u"结果"},
    {ExchangeText::Ignored, u"忽略"},
    {ExchangeText::Port, u"串口"},
    {ExchangeText::NotSent, u"未发送"},
    {ExchangeText::Day, u"—— %1 %2 ——"},
    {ExchangeText::BytesElided, u"%1 …（共%2字节）"},
};
static_assert(std::size(entries) == std::size_t(ExchangeText::Count));

constexpr bool inKeyOrder()
{
    for (std::size_t i = 0; i < std::size(entries); ++i)
        if (entries[i].key != ExchangeText(i))
            return false;
    return true;
}
static_assert(inKeyOrder(), "one entry per key, in the order of the keys");

}  // namespace

std::u16string exchangeText(ExchangeText key, std::initializer_list<std::u16string_view> arguments)
{
    return text::fill(entries[std::size_t(key)].chinese, arguments);
}

}  // namespace smscfg
