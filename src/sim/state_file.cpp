#include "sim/state_file.h"

#include "files/files.h"
#include "qt_boundary/core_types.h"
#include "qt_boundary/log_text.h"
#include "sim/system_io.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QRegularExpression>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <stdlib.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace smscfg::sim {
namespace {

// "state.json.smscfg-sim-" followed by six letters or digits.
QString stateTemporaryPattern(const QString &fileName)
{
    return QRegularExpression::escape(fileName) + QStringLiteral("\\.smscfg-sim-[A-Za-z0-9]{6}");
}

std::optional<ControllerState> parseState(const QByteArray &json, QString *error)
{
    QJsonParseError parse{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &parse);
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

// A new file beside `path` holding `state`, with `mode`, locked before
// anything can see it as the state: the lock moves with it when it is
// renamed into place. Its descriptor, or -1 with errno set.
int writeTemporary(const QByteArray &path, const ControllerState &state, mode_t mode, QByteArray *name)
{
    *name = path + ".smscfg-sim-XXXXXX";
    const int fd = ::mkostemp(name->data(), O_CLOEXEC);
    if (fd < 0)
        return -1;
    // Written as it always was: indented, one field to a line.
    const QByteArray json = QJsonDocument::fromJson(QByteArray::fromStdString(state.toJson())).toJson();
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fchmod(fd, mode) == 0 && writeAll(fd, json) && ::fsync(fd) == 0)
        return fd;
    const int code = errno;
    ::close(fd);
    ::unlink(name->constData());
    errno = code;
    return -1;
}

// What a new file gets: 0666 less the umask, as any other the user makes.
mode_t newFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

std::unique_ptr<StateFile> StateFile::open(const QString &path, ControllerState *state, QString *error)
{
    const QByteArray name = path.toLocal8Bit();
    const QString shown = escapeForLog(path);
    const auto unreadable = [&](const QString &why) {
        *error = QCoreApplication::translate("SimProgram", "%1 读不出控制器的状态，原样保留：%2").arg(shown, why);
        return nullptr;
    };
    const auto unwritable = [&](const QString &why) {
        *error = QCoreApplication::translate("SimProgram", "%1 写不进去（%2）：什么也保存不了的控制器不能回答 06")
                     .arg(shown, why);
        return nullptr;
    };
    // Each pass either takes the file as it is at `path` or sees it change.
    for (int pass = 0; pass < 8; ++pass) {
        const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (fd < 0) {
            if (errno != ENOENT || QFileInfo(path).isSymLink())
                return unreadable(errnoText());
            // Nothing there: made now, so that it is this simulator's from
            // the start. A hard link places it only if that is still so.
            QByteArray temporary;
            const ControllerState empty;
            const int made = writeTemporary(name, empty, newFileMode(), &temporary);
            if (made < 0)
                return unwritable(errnoText());
            const bool placed = ::link(temporary.constData(), name.constData()) == 0;
            const int code = errno;
            ::unlink(temporary.constData());
            if (!placed) {
                ::close(made);
                if (code == EEXIST)
                    continue;
                return unwritable(QString::fromLocal8Bit(std::strerror(code)));
            }
            *state = empty;
            removeLeftoverTemporaries(path);
            return std::unique_ptr<StateFile>(new StateFile(path, made));
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const bool held = errno == EWOULDBLOCK;
            const QString why = errnoText();
            ::close(fd);
            if (held) {
                *error = QCoreApplication::translate("SimProgram", "%1 是另一个仍在运行的 smscfg-sim 的状态").arg(shown);
                return nullptr;
            }
            return unreadable(why);
        }
        // Locked, but perhaps only after another simulator had put a new
        // file in its place.
        struct stat locked {}, now {};
        if (::fstat(fd, &locked) != 0 || ::stat(name.constData(), &now) != 0 || locked.st_dev != now.st_dev
            || locked.st_ino != now.st_ino) {
            ::close(fd);
            continue;
        }
        auto file = std::unique_ptr<StateFile>(new StateFile(path, fd));
        const auto content = readRegularFile(fd, MaxBytes);
        if (const auto *problem = std::get_if<FileProblem>(&content))
            return unreadable(toQString(fileProblemText(*problem)));
        QString why;
        const std::optional<ControllerState> loaded = parseState(QByteArray::fromStdString(std::get<std::string>(content)), &why);
        if (!loaded)
            return unreadable(why);
        // No other simulator can be writing now.
        removeLeftoverTemporaries(path);
        if (!file->write(*loaded, &why))
            return unwritable(why);
        *state = *loaded;
        return file;
    }
    *error = QCoreApplication::translate("SimProgram", "%1 一直在变").arg(shown);
    return nullptr;
}

StateFile::~StateFile()
{
    ::close(m_fd);
}

bool StateFile::write(const ControllerState &state, QString *error)
{
    const QByteArray name = m_path.toLocal8Bit();
    struct stat st {};
    const mode_t mode = ::fstat(m_fd, &st) == 0 ? st.st_mode & 07777 : newFileMode();
    QByteArray temporary;
    const int fd = writeTemporary(name, state, mode, &temporary);
    if (fd < 0) {
        *error = errnoText();
        return false;
    }
    if (::rename(temporary.constData(), name.constData()) != 0) {
        *error = errnoText();
        ::close(fd);
        ::unlink(temporary.constData());
        return false;
    }
    // The lock is now on the new file; the old one is let go.
    ::close(m_fd);
    m_fd = fd;
    return true;
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
        const QByteArray full = dir.filePath(name).toLocal8Bit();
        const int fd = ::open(full.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (fd < 0)
            continue;
        // A writer that is still running holds its temporary locked.
        struct stat st {};
        if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0
            && ::unlink(full.constData()) == 0)
            ++removed;
        ::close(fd);
    }
    return removed;
}

}  // namespace smscfg::sim
