#include "exchange/exchange_texts.h"

#include "protocol/text_table.h"

namespace smscfg {
namespace {

#define TEXT(key, chinese) {ExchangeText::key, #key, chinese}
constexpr text::KeyedText<ExchangeText> entries[] = {
    TEXT(Accepted, u"设置成功"),
    TEXT(Refused, u"设置失败"),
    TEXT(NoResponse, u"设备无响应"),
    TEXT(PortUnusable, u"串口不可用，请重新设置"),
    TEXT(LinkLost, u"串口连接已断开"),
    TEXT(NoVerdict, u"应答无法识别：%1"),
    TEXT(WithRoundTrip, u"%1（%2 ms）"),
    TEXT(WithLateness, u"%1（迟到 %2 秒）"),
    TEXT(NoReplyInLog, u"无应答（%1 ms）"),
    TEXT(OtherRequestReply, u"%1，不是在等的请求的应答"),
    TEXT(LateReply, u"%1，迟到的应答：它的请求已超时，之后又发了新请求"),
    TEXT(Unrecognised, u"无法识别的数据"),
    TEXT(Echo, u"发出的请求的回显"),
    TEXT(Sent, u"发送"),
    TEXT(Received, u"接收"),
    TEXT(Outcome, u"结果"),
    TEXT(Ignored, u"忽略"),
    TEXT(Port, u"串口"),
    TEXT(NotSent, u"未发送"),
    TEXT(Day, u"—— %1 %2 ——"),
    TEXT(BytesElided, u"%1 …（共%2字节）"),
};
#undef TEXT
static_assert(text::inKeyOrder(entries), "one entry per key, in the order of the keys");

}  // namespace

std::u16string exchangeText(ExchangeText key, std::initializer_list<std::u16string_view> arguments)
{
    return text::tableText("ExchangeText", entries, key, arguments);
}

std::vector<text::CatalogueEntry> exchangeTextCatalogue()
{
    return text::catalogueOf("ExchangeText", entries);
}

}  // namespace smscfg
