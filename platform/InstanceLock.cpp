#include "InstanceLock.h"

#include "Error.h"
#include "FileTree.h"
#include "HeldFolder.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace platform {
InstanceLock::~InstanceLock() {
    release();
}

bool InstanceLock::acquireShared(const QString& path) {
    release();
    const files::Location at = files::locate(path);
    int fd =
        ::openat(at.folder, at.name.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0 && errno == ENOENT)
        return false; // the folder the lock lives in went away
    if (fd < 0 && (errno == EISDIR || errno == ELOOP || errno == ENXIO || errno == EWOULDBLOCK)) {
        // Something not a lock file is in its place: it goes, and we retry.
        files::removeEntry(at.folder, at.name, path);
        return false;
    }
    if (fd < 0)
        throw Error::fromErrno(ErrorCode::LockNotCreated, path);
    while (::flock(fd, LOCK_SH) != 0) {
        if (errno != EINTR) {
            const Error error = Error::fromErrno(ErrorCode::LockNotTaken, path);
            ::close(fd);
            throw error;
        }
    }
    m_fd = fd;
    m_path = path;
    if (stillNamed())
        return true;
    // The file was removed or replaced while we waited: the lock we hold
    // guards nothing any more.
    release();
    return false;
}

bool InstanceLock::stillNamed() const {
    const files::Location at = files::locate(m_path);
    return files::stillNames(at.folder, at.name, m_fd);
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
