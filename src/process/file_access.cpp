#include "process/file_access.h"

#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace smscfg {
namespace {

FileProblem systemProblem(int code)
{
    return {FileProblem::Kind::System, code, 0};
}

bool writeAll(int fd, const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n > 0)
            done += n;
        else if (n == 0 || errno != EINTR)
            return false;
    }
    return true;
}

}  // namespace

std::variant<QByteArray, FileProblem> readRegularFile(const QString &path, qint64 maxBytes)
{
    const int fd = ::open(path.toLocal8Bit().constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return systemProblem(errno);
    auto result = readRegularFile(fd, maxBytes);
    ::close(fd);
    return result;
}

std::variant<QByteArray, FileProblem> readRegularFile(int fd, qint64 maxBytes)
{
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        return systemProblem(errno);
    if (!S_ISREG(st.st_mode))
        return FileProblem{FileProblem::Kind::NotRegular, 0, 0};
    const FileProblem tooLarge{FileProblem::Kind::TooLarge, 0, maxBytes};
    if (st.st_size > maxBytes)
        return tooLarge;
    // The file may grow while it is read: never more than the limit.
    QByteArray bytes(qsizetype(st.st_size) + 1, Qt::Uninitialized);
    qsizetype done = 0;
    for (;;) {
        if (done == bytes.size()) {
            if (done > maxBytes)
                return tooLarge;
            bytes.resize(std::min<qsizetype>(bytes.size() * 2, qsizetype(maxBytes) + 1));
        }
        const ssize_t n = ::pread(fd, bytes.data() + done, size_t(bytes.size() - done), off_t(done));
        if (n > 0)
            done += n;
        else if (n == 0)
            break;
        else if (errno != EINTR)
            return systemProblem(errno);
    }
    if (done > maxBytes)
        return tooLarge;
    bytes.truncate(done);
    return bytes;
}

std::optional<FileProblem> writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    // Saved over a link, the file it leads to is replaced, not the link.
    const QFileInfo info(path);
    const QString target = info.isSymLink() && info.exists() ? info.canonicalFilePath() : path;
    const QByteArray name = target.toLocal8Bit();
    struct stat st {};
    const bool exists = ::stat(name.constData(), &st) == 0;
    if (!exists && errno != ENOENT)
        return systemProblem(errno);
    if (exists && !S_ISREG(st.st_mode))
        return FileProblem{FileProblem::Kind::NotRegular, 0, 0};

    // Made with the usual mode (0666 less the umask); an old file's own
    // mode is put back below.
    QByteArray temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temporary = name + ".smscfg-" + QByteArray::number(QRandomGenerator::global()->generate() % 0x1000000, 36);
        fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return systemProblem(errno);
    }
    if (fd < 0)
        return systemProblem(EEXIST);
    bool ok = (!exists || ::fchmod(fd, st.st_mode & 07777) == 0) && writeAll(fd, bytes) && ::fsync(fd) == 0;
    int code = ok ? 0 : errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        code = errno;
    }
    if (ok && ::rename(temporary.constData(), name.constData()) != 0) {
        ok = false;
        code = errno;
    }
    if (ok)
        return std::nullopt;
    ::unlink(temporary.constData());
    return systemProblem(code);
}

QString byteSizeText(qint64 bytes)
{
    if (bytes >= 1024 * 1024 && bytes % (1024 * 1024) == 0)
        return QStringLiteral("%1 MB").arg(bytes / (1024 * 1024));
    if (bytes >= 1024 && bytes % 1024 == 0)
        return QStringLiteral("%1 KB").arg(bytes / 1024);
    return QStringLiteral("%1 字节").arg(bytes);
}

QString fileProblemText(const FileProblem &problem)
{
    switch (problem.kind) {
    case FileProblem::Kind::NotRegular: return QStringLiteral("不是普通文件");
    case FileProblem::Kind::TooLarge: return QStringLiteral("文件太大（超过 %1）").arg(byteSizeText(problem.limit));
    case FileProblem::Kind::System: break;
    }
    switch (problem.code) {
    case ENOENT: return QStringLiteral("文件或文件夹不存在");
    case EACCES:
    case EPERM: return QStringLiteral("没有权限");
    case ENOSPC: return QStringLiteral("磁盘空间已满");
    case EDQUOT: return QStringLiteral("超出了磁盘配额");
    case EROFS: return QStringLiteral("文件系统是只读的");
    case EFBIG: return QStringLiteral("文件超过了系统允许的大小");
    case EISDIR: return QStringLiteral("这是一个文件夹");
    case ENOTDIR: return QStringLiteral("路径中有一段不是文件夹");
    case ENAMETOOLONG: return QStringLiteral("文件名太长");
    case ELOOP: return QStringLiteral("符号链接太多");
    case EIO: return QStringLiteral("读写磁盘出错");
    case EMFILE:
    case ENFILE: return QStringLiteral("打开的文件太多");
    case EBUSY:
    case ETXTBSY: return QStringLiteral("文件正被使用");
    default: break;
    }
    return QStringLiteral("%1（错误 %2）").arg(QString::fromLocal8Bit(std::strerror(problem.code))).arg(problem.code);
}

}  // namespace smscfg
