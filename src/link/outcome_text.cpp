#include "link/outcome_text.h"

namespace smscfg {

QString outcomeMessage(Exchange::Outcome outcome)
{
    switch (outcome) {
    case Exchange::Outcome::Accepted: return QStringLiteral("设置成功");
    case Exchange::Outcome::Refused: return QStringLiteral("设置失败");
    case Exchange::Outcome::NoResponse: return QStringLiteral("设备无响应");
    case Exchange::Outcome::PortUnusable: return QStringLiteral("串口不可用，请重新设置");
    case Exchange::Outcome::NoVerdict: return {};
    }
    return {};
}

QString unusablePortMessage(const QString &portText)
{
    return QStringLiteral("COM") + portText + QStringLiteral("不能用,请换到另一个串口。");
}

}  // namespace smscfg
