#include "files/files.h"

#include "protocol/text.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace smscfg {
namespace {

FileProblem systemProblem(int code)
{
    return {FileProblem::Kind::System, code, 0};
}

bool writeAll(int fd, std::string_view bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n > 0)
            done += std::size_t(n);
        else if (n == 0 || errno != EINTR)
            return false;
    }
    return true;
}

// "1 MB", "64 KB", "100 字节".
std::u16string byteSizeText(long long bytes)
{
    if (bytes >= 1024 * 1024 && bytes % (1024 * 1024) == 0)
        return text::number(bytes / (1024 * 1024)) + u" MB";
    if (bytes >= 1024 && bytes % 1024 == 0)
        return text::number(bytes / 1024) + u" KB";
    return text::number(bytes) + u" 字节";
}

}  // namespace

std::variant<std::string, FileProblem> readRegularFile(const std::string &path, long long maxBytes)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return systemProblem(errno);
    auto result = readRegularFile(fd, maxBytes);
    ::close(fd);
    return result;
}

std::variant<std::string, FileProblem> readRegularFile(int fd, long long maxBytes)
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
    const auto limit = std::size_t(maxBytes);
    std::string bytes(std::size_t(st.st_size) + 1, '\0');
    std::size_t done = 0;
    for (;;) {
        if (done == bytes.size()) {
            if (done > limit)
                return tooLarge;
            bytes.resize(std::min(bytes.size() * 2, limit + 1));
        }
        const ssize_t n = ::pread(fd, bytes.data() + done, bytes.size() - done, off_t(done));
        if (n > 0)
            done += std::size_t(n);
        else if (n == 0)
            break;
        else if (errno != EINTR)
            return systemProblem(errno);
    }
    if (done > limit)
        return tooLarge;
    bytes.resize(done);
    return bytes;
}

std::optional<FileProblem> writeFileAtomically(const std::string &path, std::string_view bytes)
{
    // Saved over a link, the file it leads to is replaced, not the link.
    std::string target = path;
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        if (char *real = ::realpath(path.c_str(), nullptr)) {
            target = real;
            std::free(real);
        }
    }
    const bool exists = ::stat(target.c_str(), &st) == 0;
    if (!exists && errno != ENOENT)
        return systemProblem(errno);
    if (exists && !S_ISREG(st.st_mode))
        return FileProblem{FileProblem::Kind::NotRegular, 0, 0};

    // Made with the usual mode (0666 less the umask); an old file's own
    // mode is put back below.
    std::random_device random;
    std::string temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temporary = target + ".smscfg-" + std::to_string(random() % 0x1000000);
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
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
    if (ok && ::rename(temporary.c_str(), target.c_str()) != 0) {
        ok = false;
        code = errno;
    }
    if (ok)
        return std::nullopt;
    ::unlink(temporary.c_str());
    return systemProblem(code);
}

std::u16string fileProblemText(const FileProblem &problem)
{
    switch (problem.kind) {
    case FileProblem::Kind::NotRegular: return u"不是普通文件";
    case FileProblem::Kind::TooLarge: return u"文件太大（超过 " + byteSizeText(problem.limit) + u"）";
    case FileProblem::Kind::System: break;
    }
    switch (problem.code) {
    case ENOENT: return u"文件或文件夹不存在";
    case EACCES:
    case EPERM: return u"没有权限";
    case ENOSPC: return u"磁盘空间已满";
    case EDQUOT: return u"超出了磁盘配额";
    case EROFS: return u"文件系统是只读的";
    case EFBIG: return u"文件超过了系统允许的大小";
    case EISDIR: return u"这是一个文件夹";
    case ENOTDIR: return u"路径中有一段不是文件夹";
    case ENAMETOOLONG: return u"文件名太长";
    case ELOOP: return u"符号链接太多";
    case EIO: return u"读写磁盘出错";
    case EMFILE:
    case ENFILE: return u"打开的文件太多";
    case EBUSY:
    case ETXTBSY: return u"文件正被使用";
    default: break;
    }
    return text::fromUtf8(std::strerror(problem.code)) + u"（错误 " + text::number(problem.code) + u"）";
}

}  // namespace smscfg
