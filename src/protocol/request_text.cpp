#include "protocol/request_text.h"

#include "protocol/description_text.h"
#include "protocol/frame.h"
#include "protocol/reply.h"
#include "protocol/text_fields.h"
#include "protocol/wire.h"

#include <QStringList>

namespace smscfg {
namespace {

QString byteHex(quint8 byte)
{
    return QStringLiteral("%1").arg(byte, 2, 16, QLatin1Char('0')).toUpper();
}

QString phones(quint8 high, quint8 low)
{
    QStringList names;
    for (int phone : phonesOfMask(high, low))
        names << QString::number(phone);
    return names.isEmpty() ? QStringLiteral("不发送短信") : QStringLiteral("短信发给电话 ") + names.join(u',');
}

QString description(const QByteArray &field)
{
    const DecodedDescription d = decodeDescriptionField(field);
    return QStringLiteral("“%1”（%2）")
        .arg(escapeForLog(d.text), d.encoding == u"unicode" ? QStringLiteral("Unicode") : QStringLiteral("GBK"));
}

QString number(const QByteArray &field)
{
    const std::optional<QString> text = phoneNumberOfField(field);
    return text ? escapeForLog(*text) : QStringLiteral("（号码后有多余字节：%1）").arg(hexText(field));
}

QString level(quint8 byte)
{
    if (byte == wire::HighLevel)
        return QStringLiteral("高电平");
    if (byte == wire::LowLevel)
        return QStringLiteral("低电平");
    return QStringLiteral("0x") + byteHex(byte);
}

QString words(quint8 code, const QByteArray &p)
{
    const auto b = [&](int i) { return quint8(p[i]); };
    switch (code) {
    case code::Initialise: return QStringLiteral("初始化");
    case code::DeviceCount: return QStringLiteral("设备总数 = %1").arg(b(0));
    case code::AddressList: return QStringLiteral("地址 = %1（%2个）").arg(hexText(p)).arg(p.size());
    case code::PortCountList: return QStringLiteral("设备端口数 = %1（%2个）").arg(hexText(p)).arg(p.size());
    case code::DeviceDescription:
        return QStringLiteral("设备%1描述 = %2，内容 %3")
            .arg(b(0))
            .arg(description(p.mid(1, wire::DeviceDescriptionWidth)), hexText(p.mid(1 + wire::DeviceDescriptionWidth)));
    case code::PortDescription:
        return QStringLiteral("设备%1端口%2描述 = %3%4")
            .arg(b(0))
            .arg(b(1))
            .arg(description(p.mid(3, wire::PortDescriptionWidth)),
                 b(2) == wire::PortDescriptionMarker ? QString() : QStringLiteral("（第7字节是%1，不是01）").arg(byteHex(b(2))));
    case code::SmsCentre: return QStringLiteral("短信中心号码 = %1").arg(number(p));
    case code::RecipientPhone: return QStringLiteral("第%1个电话 = %2").arg(b(0)).arg(number(p.mid(1)));
    case code::DeviceSwitches: return QStringLiteral("设备%1 %2").arg(b(0)).arg(phones(b(1), b(2)));
    case code::ProbeSwitches: return QStringLiteral("设备%1探头%2 %3").arg(b(0)).arg(b(1)).arg(phones(b(2), b(3)));
    case code::ProbeType:
        return QStringLiteral("设备%1探头%2类型 = %3")
            .arg(b(0))
            .arg(b(1))
            .arg(b(2) == wire::SwitchInputProbeType ? QStringLiteral("开关量") : QStringLiteral("0x") + byteHex(b(2)));
    case code::AlarmUpperLimit:
    case code::AlarmLowerLimit:
        return QStringLiteral("设备%1探头%2告警%3 = %4")
            .arg(b(0))
            .arg(b(1))
            .arg(code == code::AlarmUpperLimit ? QStringLiteral("上限") : QStringLiteral("下限"), level(b(2)));
    case code::Clock: {
        const int day = b(5);
        const QString weekday = day >= wire::WeekdayRange.low && day <= wire::WeekdayRange.high
            ? weekdayNames().at(day - 1)
            : QStringLiteral("星期0x") + byteHex(quint8(day));
        return QStringLiteral("时间 = %1-%2-%3 %4:%5 %6")
            .arg(byteHex(b(0)), byteHex(b(1)), byteHex(b(2)), byteHex(b(3)), byteHex(b(4)), weekday);
    }
    default: return {};
    }
}

}  // namespace

const QStringList &weekdayNames()
{
    static const QStringList names = {
        QStringLiteral("星期一"), QStringLiteral("星期二"), QStringLiteral("星期三"), QStringLiteral("星期四"),
        QStringLiteral("星期五"), QStringLiteral("星期六"), QStringLiteral("星期天"),
    };
    return names;
}

QString codeText(quint8 code)
{
    return QStringLiteral("0x") + byteHex(code);
}

QString describeRequest(const QByteArray &frame)
{
    if (!isWellFormedFrame(frame))
        return QStringLiteral("不完整或损坏的帧");
    const quint8 code = quint8(frame[4]);
    const QByteArray payload = frame.mid(5, frame.size() - CommandFrame::MinSize);
    if (!wire::isRequestCode(code))
        return QStringLiteral("%1 未知命令").arg(codeText(code));
    if (!wire::payloadSize(code).contains(payload.size()))
        return QStringLiteral("%1 负载%2字节，长度不对").arg(codeText(code)).arg(payload.size());
    return codeText(code) + u' ' + words(code, payload);
}

QString describeReply(const QByteArray &bytes)
{
    const std::span<const std::uint8_t> view(reinterpret_cast<const std::uint8_t *>(bytes.constData()),
                                             std::size_t(bytes.size()));
    if (!isReplyFrame(view))
        return {};
    const ReplyFrame reply{0, {view.begin(), view.end()}};
    QString status;
    switch (verdictOfStatus(reply.status())) {
    case Verdict::Accepted: status = QStringLiteral("接受"); break;
    case Verdict::Refused: status = QStringLiteral("拒绝"); break;
    case Verdict::None: status = QStringLiteral("状态%1").arg(byteHex(reply.status())); break;
    }
    return QStringLiteral("%1 的应答：%2").arg(codeText(reply.code()), status);
}

QString escapeForLog(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const char16_t u = c.unicode();
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            out += c;
            out += text[++i];
        } else if (u < 0x20 || u == 0x7F) {
            out += QStringLiteral("\\x%1").arg(u, 2, 16, QLatin1Char('0'));
        } else if (u == u'\\') {
            out += QStringLiteral("\\\\");
        } else if (!c.isPrint() || c.isSurrogate()) {
            out += QStringLiteral("\\u%1").arg(u, 4, 16, QLatin1Char('0'));
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace smscfg
