#include "InstanceLock.h"

#include "Error.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

InstanceLock::~InstanceLock() {
    release();
}

bool InstanceLock::acquireShared(const QString& path) {
    release();
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        throw Error::fromErrno(ErrorCode::LockNotCreated, path);
    while (::flock(fd, LOCK_SH) != 0) {
        if (errno != EINTR) {
            const Error error = Error::fromErrno(ErrorCode::LockNotTaken, path);
            ::close(fd);
            throw error;
        }
    }
    struct stat held {};
    struct stat named {};
    if (::fstat(fd, &held) != 0 || ::stat(name.constData(), &named) != 0 ||
        held.st_ino != named.st_ino || held.st_dev != named.st_dev) {
        ::close(fd);
        return false;
    }
    m_fd = fd;
    return true;
}

bool InstanceLock::tryExclusive() {
    return m_fd >= 0 && ::flock(m_fd, LOCK_EX | LOCK_NB) == 0;
}

void InstanceLock::release() {
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
}

} // namespace platform
