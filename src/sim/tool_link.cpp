#include "sim/tool_link.h"

#include "qt_boundary/log_text.h"
#include "sim/system_io.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace smscfg::sim {
namespace {

std::optional<QByteArray> linkText(const QByteArray &path)
{
    char buffer[PATH_MAX];
    const ssize_t n = ::readlink(path.constData(), buffer, sizeof buffer);
    if (n < 0 || size_t(n) >= sizeof buffer)
        return std::nullopt;
    return QByteArray(buffer, n);
}

// Why the thing at `path` must stay, or nothing when a new link may take
// its place: a link whose target is gone. A pseudo-terminal's node lives as
// long as a program holds its other side (a running simulator, a serial
// bridge, someone's terminal), so one that is there is someone's.
// `ownTarget` is our own terminal, which a stale link may name again now
// that the number has come round.
std::optional<QString> reasonToKeep(const QByteArray &path, const QString &ownTarget)
{
    struct stat st {};
    if (::lstat(path.constData(), &st) != 0)
        return errno == ENOENT ? std::nullopt : std::optional(errnoText());
    if (!S_ISLNK(st.st_mode))
        return QCoreApplication::translate("SimProgram", "它已存在，而且不是链接");
    if (::stat(path.constData(), &st) != 0)
        return errno == ENOENT || errno == ELOOP || errno == ENOTDIR
            ? std::nullopt
            : std::optional(errnoText());
    static const QRegularExpression pty(QStringLiteral("^/dev/pts/[0-9]+$"));
    const QString target = QFileInfo(QString::fromLocal8Bit(path)).canonicalFilePath();
    if (!S_ISCHR(st.st_mode) || !pty.match(target).hasMatch())
        return QCoreApplication::translate("SimProgram", "它是指向 %1 的链接，指向的不是伪终端").arg(escapeForLog(target));
    if (target != ownTarget)
        return QCoreApplication::translate("SimProgram", "它指向 %1，一个别的程序（模拟器、串口桥或终端）打开着的伪终端")
            .arg(escapeForLog(target));
    return std::nullopt;
}

}  // namespace

std::unique_ptr<ToolLink> ToolLink::create(const QString &path, const QString &target, QString *error)
{
    const QByteArray name = path.toLocal8Bit();
    const QByteArray temporary = name + ".smscfg-sim-" + QByteArray::number(::getpid());
    const auto refuse = [&](const QString &why) {
        *error = QCoreApplication::translate("SimProgram", "不建立链接 %1：%2").arg(escapeForLog(path), why);
        ::unlink(temporary.constData());
        return nullptr;
    };
    // A killed simulator of the same process number may have left it.
    if (struct stat st {}; ::lstat(temporary.constData(), &st) == 0 && S_ISLNK(st.st_mode))
        ::unlink(temporary.constData());
    if (::symlink(target.toLocal8Bit().constData(), temporary.constData()) != 0)
        return refuse(errnoText());

    // Whatever another program does at PATH meanwhile, each pass either
    // places the link or sees the new state of PATH.
    for (int pass = 0; pass < 8; ++pass) {
        const std::optional<QByteArray> before = linkText(name);
        if (const std::optional<QString> keep = reasonToKeep(name, target))
            return refuse(*keep);
        if (!before) {
            // Nothing there: a hard link of our link places it only if that
            // is still so.
            if (::linkat(AT_FDCWD, temporary.constData(), AT_FDCWD, name.constData(), 0) == 0) {
                ::unlink(temporary.constData());
                return std::unique_ptr<ToolLink>(new ToolLink(path, target));
            }
            if (errno == EEXIST)
                continue;
            return refuse(errnoText());
        }
        // A stale link: swap ours in and look at what came out. Should it
        // no longer be the link that was checked, swap it back.
        if (::renameat2(AT_FDCWD, temporary.constData(), AT_FDCWD, name.constData(), RENAME_EXCHANGE) != 0) {
            // A file system that cannot swap: replace, right after the check.
            if (errno == EINVAL && ::rename(temporary.constData(), name.constData()) == 0)
                return std::unique_ptr<ToolLink>(new ToolLink(path, target));
            return refuse(errnoText());
        }
        if (linkText(temporary) == before && !reasonToKeep(temporary, target)) {
            ::unlink(temporary.constData());
            return std::unique_ptr<ToolLink>(new ToolLink(path, target));
        }
        if (::renameat2(AT_FDCWD, temporary.constData(), AT_FDCWD, name.constData(), RENAME_EXCHANGE) != 0)
            return refuse(errnoText());
    }
    return refuse(QCoreApplication::translate("SimProgram", "它一直在变"));
}

ToolLink::~ToolLink()
{
    const QByteArray name = m_path.toLocal8Bit();
    if (linkText(name) == m_target.toLocal8Bit())
        ::unlink(name.constData());
}

}  // namespace smscfg::sim
