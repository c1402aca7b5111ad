#include "process/standard_descriptors.h"

#include <QtGlobal>

#ifndef Q_OS_WIN
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace smscfg {

void ensureStandardDescriptors()
{
#ifndef Q_OS_WIN
    for (int fd = 0; fd <= 2; ++fd) {
        if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF)
            continue;
        // The lowest free descriptor is this one, as the lower ones are open.
        const int null = ::open("/dev/null", O_RDWR);
        if (null >= 0 && null != fd) {
            ::dup2(null, fd);
            ::close(null);
        }
    }
#endif
}

}  // namespace smscfg
