#include "Files.h"

#include "Error.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform::files {
namespace {

QByteArray native(const QString& path) {
    return QFile::encodeName(path);
}

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

void changeMode(const QString& path, mode_t add, mode_t remove) {
    struct stat st {};
    if (::stat(native(path).constData(), &st) != 0)
        throw Error::fromErrno(ErrorCode::AttributesNotRead, path);
    const mode_t mode = (st.st_mode & 07777 & ~remove) | add;
    if (mode == (st.st_mode & 07777))
        return;
    if (::chmod(native(path).constData(), mode) != 0)
        throw Error::fromErrno(ErrorCode::AttributesNotSet, path);
}

} // namespace

bool exists(const QString& path, Kind kind) {
    struct stat st {};
    if (::stat(native(path).constData(), &st) != 0)
        return false;
    return kind == Kind::Directory ? S_ISDIR(st.st_mode) : S_ISREG(st.st_mode);
}

void makeDirectory(const QString& path) {
    if (::mkdir(native(path).constData(), 0700) != 0)
        throw Error::fromErrno(ErrorCode::FolderNotCreated, path);
}

void removeDirectory(const QString& path) {
    if (::rmdir(native(path).constData()) != 0)
        throw Error::fromErrno(ErrorCode::FolderNotRemoved, path);
}

void writeAtomically(const QString& path, const QByteArray& bytes) {
    const QFileInfo target(path);
    QByteArray temp = native(target.absolutePath() + QStringLiteral("/.") + target.fileName() +
                             QStringLiteral(".XXXXXX"));
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        throw Error::fromErrno(ErrorCode::FileNotCreated, path);
    try {
        writeAll(fd, bytes, path);
    } catch (...) {
        ::close(fd);
        ::unlink(temp.constData());
        throw;
    }
    if (::close(fd) != 0) {
        const Error error = Error::fromErrno(ErrorCode::FileNotWritten, path);
        ::unlink(temp.constData());
        throw error;
    }
    if (::rename(temp.constData(), native(path).constData()) != 0) {
        const Error error = Error::fromErrno(ErrorCode::FileNotSaved, path);
        ::unlink(temp.constData());
        throw error;
    }
}

QByteArray read(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Error(ErrorCode::FileNotRead, path, file.errorString());
    return file.readAll();
}

void setHidden(const QString& path) {
    // Nothing to record on POSIX, but the file must exist, as it must where
    // the attribute is real.
    struct stat st {};
    if (::stat(native(path).constData(), &st) != 0)
        throw Error::fromErrno(ErrorCode::AttributesNotSet, path);
}

void setReadOnly(const QString& path) {
    changeMode(path, 0, 0222);
}

void setNormal(const QString& path) {
    changeMode(path, 0200, 0);
}

QStringList listFiles(const QString& directory) {
    return QDir(directory).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

void deleteFile(const QString& path) {
    if (::unlink(native(path).constData()) != 0)
        throw Error::fromErrno(ErrorCode::FileNotDeleted, path);
}

} // namespace platform::files
