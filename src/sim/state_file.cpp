#include "sim/state_file.h"

#include "qt_boundary/core_types.h"
#include "sim/system_io.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QRegularExpression>

#include <cerrno>
#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

namespace smscfg::sim {
namespace {

// "state.json.smscfg-sim-" followed by six letters or digits.
QString stateTemporaryPattern(const QString &fileName)
{
    return QRegularExpression::escape(fileName) + QStringLiteral("\\.smscfg-sim-[A-Za-z0-9]{6}");
}

}  // namespace

std::optional<ControllerState> readStateFile(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.exists() && !QFileInfo(path).isSymLink())
        return ControllerState{};
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return std::nullopt;
    }
    QJsonParseError parse{};
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parse);
    if (parse.error != QJsonParseError::NoError) {
        *error = QCoreApplication::translate("SimProgram", "不是 JSON（第 %2 字节：%1）").arg(parse.errorString()).arg(parse.offset);
        return std::nullopt;
    }
    if (!document.isObject()) {
        *error = QCoreApplication::translate("SimProgram", "不是 JSON 对象");
        return std::nullopt;
    }
    auto state = ControllerState::fromJson(document.toJson(QJsonDocument::Compact).toStdString());
    if (const auto *problem = std::get_if<std::u16string>(&state)) {
        *error = toQString(*problem);
        return std::nullopt;
    }
    return std::get<ControllerState>(std::move(state));
}

bool writeStateFile(const QString &path, const ControllerState &state, QString *error)
{
    QByteArray temporary = (path + QStringLiteral(".smscfg-sim-XXXXXX")).toLocal8Bit();
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) {
        *error = errnoText();
        return false;
    }
    // mkstemp makes the file private; the state file is as readable as any
    // other the user makes, or keeps the mode it had.
    struct stat st {};
    const mode_t mask = ::umask(0);
    ::umask(mask);
    const mode_t mode = ::stat(path.toLocal8Bit().constData(), &st) == 0 ? st.st_mode & 07777 : 0666 & ~mask;
    // Written as it always was: indented, one field to a line.
    const QByteArray json = QJsonDocument::fromJson(QByteArray::fromStdString(state.toJson())).toJson();
    bool ok = ::fchmod(fd, mode) == 0 && writeAll(fd, json) && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    ok = ok && ::rename(temporary.constData(), path.toLocal8Bit().constData()) == 0;
    if (!ok) {
        *error = errnoText();
        ::unlink(temporary.constData());
    }
    return ok;
}

int removeLeftoverTemporaries(const QString &path)
{
    const QFileInfo info(path);
    const QRegularExpression ours(QRegularExpression::anchoredPattern(stateTemporaryPattern(info.fileName())));
    int removed = 0;
    const QDir dir = info.absoluteDir();
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks)) {
        if (!ours.match(name).hasMatch())
            continue;
        struct stat st {};
        const QByteArray full = dir.filePath(name).toLocal8Bit();
        if (::lstat(full.constData(), &st) == 0 && S_ISREG(st.st_mode) && ::unlink(full.constData()) == 0)
            ++removed;
    }
    return removed;
}

}  // namespace smscfg::sim
