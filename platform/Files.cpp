#include "Files.h"

#include "Error.h"
#include "FileTree.h"
#include "HeldFolder.h"

#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform::files {
namespace {

void writeAll(int fd, const QByteArray& bytes, const QString& path) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            throw Error::fromErrno(ErrorCode::FileNotWritten, path);
        done += n;
    }
}

// A fresh file beside the target, under a name no one else uses.
int createTemporary(const Location& at, QByteArray& name, const QString& path) {
    const qsizetype base = at.name.lastIndexOf('/') + 1;
    for (;;) {
        name = at.name.left(base) + '.' + at.name.mid(base) + '.' +
               QByteArray::number(QRandomGenerator::global()->generate(), 36);
        const int fd = ::openat(at.folder, name.constData(),
                                O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd >= 0 || errno != EEXIST) {
            if (fd < 0)
                throw Error::fromErrno(ErrorCode::FileNotCreated, path);
            return fd;
        }
    }
}

// Renames the finished file over the target; whatever stands in the
// target's way (a folder, say) is removed first.
void moveIntoPlace(const Location& at, const QByteArray& temporary, const QString& path) {
    if (::renameat(at.folder, temporary.constData(), at.folder, at.name.constData()) == 0)
        return;
    if (errno == EISDIR || errno == ENOTEMPTY || errno == EEXIST) {
        removeEntry(at.folder, at.name, path);
        if (::renameat(at.folder, temporary.constData(), at.folder, at.name.constData()) == 0)
            return;
    }
    const Error error = Error::fromErrno(ErrorCode::FileNotSaved, path);
    ::unlinkat(at.folder, temporary.constData(), 0);
    throw error;
}

void changeMode(const QString& path, mode_t add, mode_t remove) {
    const Location at = locate(path);
    // The mode is changed on the very file looked at, never through a link.
    const int fd = ::openat(at.folder, at.name.constData(), O_PATH | O_NOFOLLOW | O_CLOEXEC);
    struct stat st {};
    if (fd < 0 || ::fstat(fd, &st) != 0) {
        const Error error = Error::fromErrno(ErrorCode::AttributesNotRead, path);
        if (fd >= 0)
            ::close(fd);
        throw error;
    }
    const mode_t mode = (st.st_mode & 07777 & ~remove) | add;
    int result = 0;
    if (!S_ISREG(st.st_mode) || st.st_nlink != 1) {
        // A link or a shared file is not ours to change: its name is
        // removed instead, and the reader writes its own file anew.
        result = ::unlinkat(at.folder, at.name.constData(), 0);
    } else if (mode != (st.st_mode & 07777)) {
        const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd);
        result = ::chmod(self.constData(), mode);
    }
    const int reason = errno;
    ::close(fd);
    if (result != 0)
        throw Error::fromErrno(ErrorCode::AttributesNotSet, path, reason);
}

int openDirectory(const QString& directory) {
    const int held = heldHandle(directory);
    if (held < 0)
        return openFolder(directory);
    const int fd = ::dup(held);
    if (fd < 0)
        throw Error::fromErrno(ErrorCode::FolderNotOpened, directory);
    return fd;
}

// The entry itself, a link not followed.
bool statEntry(const QString& path, struct stat& st) {
    const Location at = locate(path);
    return ::fstatat(at.folder, at.name.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0;
}

} // namespace

bool exists(const QString& path, Kind kind) {
    struct stat st {};
    if (!statEntry(path, st))
        return false;
    return kind == Kind::Directory ? S_ISDIR(st.st_mode) : S_ISREG(st.st_mode);
}

void makeDirectory(const QString& path) {
    const Location at = locate(path);
    if (::mkdirat(at.folder, at.name.constData(), 0700) != 0)
        throw Error::fromErrno(ErrorCode::FolderNotCreated, path);
}

bool removeDirectory(const QString& path) {
    const Location at = locate(path);
    if (::unlinkat(at.folder, at.name.constData(), AT_REMOVEDIR) == 0 || errno == ENOENT)
        return true;
    if (errno == ENOTEMPTY || errno == EEXIST)
        return false;
    throw Error::fromErrno(ErrorCode::FolderNotRemoved, path);
}

void writeAtomically(const QString& path, const QByteArray& bytes) {
    const Location at = locate(path);
    QByteArray temporary;
    const int fd = createTemporary(at, temporary, path);
    try {
        writeAll(fd, bytes, path);
    } catch (...) {
        ::close(fd);
        ::unlinkat(at.folder, temporary.constData(), 0);
        throw;
    }
    if (::close(fd) != 0) {
        const Error error = Error::fromErrno(ErrorCode::FileNotWritten, path);
        ::unlinkat(at.folder, temporary.constData(), 0);
        throw error;
    }
    moveIntoPlace(at, temporary, path);
}

bool holds(const QString& path, const QByteArray& bytes) {
    const Location at = locate(path);
    const int fd =
        ::openat(at.folder, at.name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st {};
    bool same = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_nlink == 1 &&
                st.st_size == bytes.size();
    if (same && !bytes.isEmpty()) {
        void* mapped = ::mmap(nullptr, size_t(bytes.size()), PROT_READ, MAP_PRIVATE, fd, 0);
        same = mapped != MAP_FAILED &&
               std::memcmp(mapped, bytes.constData(), size_t(bytes.size())) == 0;
        if (mapped != MAP_FAILED)
            ::munmap(mapped, size_t(bytes.size()));
    }
    ::close(fd);
    return same;
}

QByteArray read(const QString& path) {
    const Location at = locate(path);
    const int fd = ::openat(at.folder, at.name.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        throw Error::fromErrno(ErrorCode::FileNotRead, path);
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        throw Error(ErrorCode::FileNotRead, path, file.errorString());
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw Error(ErrorCode::FileNotRead, path, file.errorString());
    return bytes;
}

void setHidden(const QString& path) {
    // Nothing to record on POSIX, but the file must exist, as it must where
    // the attribute is real.
    struct stat st {};
    if (!statEntry(path, st))
        throw Error::fromErrno(ErrorCode::AttributesNotSet, path);
}

void setReadOnly(const QString& path) {
    changeMode(path, 0, 0222);
}

void setNormal(const QString& path) {
    changeMode(path, 0200, 0);
}

QStringList listFiles(const QString& directory) {
    const int fd = openDirectory(directory);
    QStringList names;
    try {
        for (const QByteArray& name : entryNames(fd, directory)) {
            struct stat st {};
            if (::fstatat(fd, name.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0 &&
                S_ISREG(st.st_mode))
                names << QFile::decodeName(name);
        }
    } catch (...) {
        ::close(fd);
        throw;
    }
    ::close(fd);
    return names;
}

void deleteFile(const QString& path) {
    const Location at = locate(path);
    removeEntry(at.folder, at.name, path);
}

void removeContents(const QString& directory) {
    const int fd = openDirectory(directory);
    try {
        platform::files::removeContents(fd, directory);
    } catch (...) {
        ::close(fd);
        throw;
    }
    ::close(fd);
}

} // namespace platform::files
