#include "FileTree.h"

#include "Error.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform::files {

void removeEntry(int folder, const QByteArray& name, const QString& path) {
    if (::unlinkat(folder, name.constData(), 0) == 0 || errno == ENOENT)
        return;
    if (errno != EISDIR)
        throw Error::fromErrno(ErrorCode::FileNotDeleted, path);
    const int inner =
        ::openat(folder, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (inner < 0)
        throw Error::fromErrno(ErrorCode::FileNotDeleted, path);
    try {
        removeContents(inner, path);
    } catch (...) {
        ::close(inner);
        throw;
    }
    ::close(inner);
    if (::unlinkat(folder, name.constData(), AT_REMOVEDIR) != 0 && errno != ENOENT)
        throw Error::fromErrno(ErrorCode::FolderNotRemoved, path);
}

void removeContents(int folder, const QString& path) {
    for (const QByteArray& name : entryNames(folder, path))
        removeEntry(folder, name, path + u'/' + QFile::decodeName(name));
}

QList<QByteArray> entryNames(int folder, const QString& path) {
    const int fd = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR* dir = fd < 0 ? nullptr : ::fdopendir(fd);
    if (!dir) {
        const Error error = Error::fromErrno(ErrorCode::FolderNotOpened, path);
        if (fd >= 0)
            ::close(fd);
        throw error;
    }
    QList<QByteArray> names;
    while (const dirent* entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (name != "." && name != "..")
            names << name;
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end());
    return names;
}

int openFolder(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        throw Error::fromErrno(ErrorCode::FolderNotOpened, path);
    return fd;
}

bool stillNames(int folder, const QByteArray& name, int fd) {
    struct stat held {};
    struct stat named {};
    // A file whose last name went has no links left, even if its number is
    // given to a new file under the old name.
    return fd >= 0 && ::fstat(fd, &held) == 0 && held.st_nlink > 0 &&
           ::fstatat(folder, name.constData(), &named, AT_SYMLINK_NOFOLLOW) == 0 &&
           held.st_ino == named.st_ino && held.st_dev == named.st_dev;
}

} // namespace platform::files
