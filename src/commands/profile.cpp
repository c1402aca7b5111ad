#include "commands/profile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace smscfg {
namespace {

const QString VersionKey = QStringLiteral("smscfg-profile");

QString parseErrorText(QJsonParseError::ParseError error)
{
    switch (error) {
    case QJsonParseError::UnterminatedObject: return QStringLiteral("对象没有结束（缺少 }）");
    case QJsonParseError::MissingNameSeparator: return QStringLiteral("缺少冒号");
    case QJsonParseError::UnterminatedArray: return QStringLiteral("列表没有结束（缺少 ]）");
    case QJsonParseError::MissingValueSeparator: return QStringLiteral("缺少逗号");
    case QJsonParseError::IllegalValue: return QStringLiteral("不是合法的值");
    case QJsonParseError::TerminationByNumber: return QStringLiteral("数字后文件意外结束");
    case QJsonParseError::IllegalNumber: return QStringLiteral("不是合法的数字");
    case QJsonParseError::IllegalEscapeSequence: return QStringLiteral("不是合法的转义");
    case QJsonParseError::IllegalUTF8String: return QStringLiteral("不是合法的 UTF-8 文字");
    case QJsonParseError::UnterminatedString: return QStringLiteral("字符串没有结束（缺少 \"）");
    case QJsonParseError::MissingObject: return QStringLiteral("应该是一个对象（{…}）");
    case QJsonParseError::DeepNesting: return QStringLiteral("嵌套太深");
    case QJsonParseError::DocumentTooLarge: return QStringLiteral("文件太大");
    case QJsonParseError::GarbageAtEnd: return QStringLiteral("结尾有多余的内容");
    case QJsonParseError::NoError: break;
    }
    return QStringLiteral("不是合法的 JSON");
}

// Line and column (from 1, in characters) of a byte offset.
std::pair<int, int> lineAndColumn(const QByteArray &text, qsizetype offset)
{
    offset = std::clamp<qsizetype>(offset, 0, text.size());
    const QByteArray before = text.left(offset);
    const qsizetype lineStart = before.lastIndexOf('\n') + 1;
    return {int(before.count('\n')) + 1, int(QString::fromUtf8(before.mid(lineStart)).size()) + 1};
}

}  // namespace

std::variant<Profile, QString> parseProfile(const QByteArray &json)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError) {
        // Qt's offset is just past the character it stumbled on.
        const auto [line, column] = lineAndColumn(json, error.offset - 1);
        return QStringLiteral("配置文件第%1行第%2列：%3").arg(line).arg(column).arg(parseErrorText(error.error));
    }
    const QJsonObject root = document.object();
    const QJsonValue version = root.value(VersionKey);
    if (!document.isObject() || !version.isDouble())
        return QStringLiteral("这不是 smscfg 配置文件：缺少 \"%1\": %2").arg(VersionKey).arg(ProfileVersion);
    if (version.toDouble() != ProfileVersion)
        return QStringLiteral("配置文件的版本 %1 不认识（只认识 %2）").arg(version.toDouble()).arg(ProfileVersion);
    if (root.contains(QStringLiteral("name")) && !root.value(QStringLiteral("name")).isString())
        return QStringLiteral("配置文件的 \"name\" 必须是文字");
    const QJsonValue steps = root.value(QStringLiteral("steps"));
    if (!steps.isArray())
        return QStringLiteral("配置文件的 \"steps\" 必须是一个列表");

    Profile profile{root.value(QStringLiteral("name")).toString(), {}};
    const QJsonArray list = steps.toArray();
    for (qsizetype i = 0; i < list.size(); ++i) {
        const QJsonValue step = list[i];
        QStringList words;
        for (const QJsonValue &word : step.toArray()) {
            if (!word.isString())
                break;
            words << word.toString();
        }
        if (!step.isArray() || words.isEmpty() || words.size() != step.toArray().size())
            return QStringLiteral("第%1步：必须是由文字组成的列表，如 [\"phone\", \"1\", \"13912345678\"]").arg(i + 1);
        profile.steps << words;
    }
    return profile;
}

QByteArray profileToJson(const Profile &profile)
{
    QByteArray out = "{\"" + VersionKey.toUtf8() + "\": " + QByteArray::number(ProfileVersion) + ", \"name\": "
        + QJsonDocument(QJsonArray{profile.name}).toJson(QJsonDocument::Compact).mid(1).chopped(1) + ",\n \"steps\": [";
    for (qsizetype i = 0; i < profile.steps.size(); ++i) {
        if (i > 0)
            out += ",\n           ";
        out += QJsonDocument(QJsonArray::fromStringList(profile.steps[i])).toJson(QJsonDocument::Compact);
    }
    return out + "]}\n";
}

std::variant<QList<ProfileStep>, QString> buildProfileSteps(const Profile &profile, const QDateTime &now)
{
    QList<ProfileStep> steps;
    for (qsizetype i = 0; i < profile.steps.size(); ++i) {
        const QStringList &words = profile.steps[i];
        const QString step = QStringLiteral("第%1步：").arg(i + 1);
        auto parsed = parseRequestWords(words, now);
        if (auto *problem = std::get_if<WordsProblem>(&parsed))
            return step + (problem->helpAsked ? QStringLiteral("--help 不是请求") : problem->reason);
        const ParsedRequest &request = std::get<ParsedRequest>(parsed);
        const BuildResult built = request.command->build(request.controls);
        if (!built.hasFrame())
            return step + built.text();
        steps.append({words, built.frame()});
    }
    return steps;
}

}  // namespace smscfg
