#include "files/files.h"

#include "files/file_texts.h"
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
    return fileText(FileText::ByteCount, {text::number(bytes)});
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
    case FileProblem::Kind::NotRegular: return fileText(FileText::NotRegular);
    case FileProblem::Kind::TooLarge: return fileText(FileText::TooLarge, {byteSizeText(problem.limit)});
    case FileProblem::Kind::System: break;
    }
    switch (problem.code) {
    case ENOENT: return fileText(FileText::NotFound);
    case EACCES:
    case EPERM: return fileText(FileText::NoPermission);
    case ENOSPC: return fileText(FileText::DiskFull);
    case EDQUOT: return fileText(FileText::OverQuota);
    case EROFS: return fileText(FileText::ReadOnly);
    case EFBIG: return fileText(FileText::TooBigForSystem);
    case EISDIR: return fileText(FileText::IsFolder);
    case ENOTDIR: return fileText(FileText::NotFolder);
    case ENAMETOOLONG: return fileText(FileText::NameTooLong);
    case ELOOP: return fileText(FileText::TooManyLinks);
    case EIO: return fileText(FileText::DiskError);
    case EMFILE:
    case ENFILE: return fileText(FileText::TooManyOpen);
    case EBUSY:
    case ETXTBSY: return fileText(FileText::InUse);
    default: break;
    }
    return fileText(FileText::OtherError, {text::fromUtf8(std::strerror(problem.code)), text::number(problem.code)});
}

}  // namespace smscfg
