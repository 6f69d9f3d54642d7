#include "SaveFailure.h"

#include "Error.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

SaveFailure refused(const QByteArray& path, int errorNumber) {
    return {QFile::decodeName(path), systemReason(errorNumber)};
}

// Each folder on the way must exist as a folder or be creatable.
SaveFailure checkFolders(const QByteArray& folder) {
    for (qsizetype slash = 1; slash <= folder.size(); ++slash) {
        if (slash < folder.size() && folder[slash] != '/')
            continue;
        const QByteArray step = folder.left(slash);
        struct stat info {};
        if (::stat(step.constData(), &info) == 0) {
            if (!S_ISDIR(info.st_mode))
                return refused(step, ENOTDIR);
            continue;
        }
        if (::mkdir(step.constData(), 0700) != 0 && errno != EEXIST)
            return refused(step, errno);
    }
    return {};
}

// The folder must take a new file with some content: a save writes a
// temporary file beside the old one and renames it.
SaveFailure checkNewFile(const QByteArray& folder) {
    QByteArray probe = folder + "/.save-probe-XXXXXX";
    const int fd = ::mkstemp(probe.data());
    if (fd < 0)
        return refused(folder, errno);
    const QByteArray content(4096, ' ');
    SaveFailure failure;
    if (::write(fd, content.constData(), size_t(content.size())) != content.size() ||
        ::fsync(fd) != 0)
        failure = refused(folder, errno);
    if (::close(fd) != 0 && failure.reason.isEmpty())
        failure = refused(folder, errno);
    ::unlink(probe.constData());
    return failure;
}

SaveFailure checkFile(const QByteArray& file) {
    struct stat info {};
    if (::lstat(file.constData(), &info) != 0)
        return {};
    if (S_ISDIR(info.st_mode))
        return refused(file, EISDIR);
    if (::access(file.constData(), W_OK) != 0)
        return refused(file, errno);
    return {};
}

} // namespace

SaveFailure whyNotSaved(const QString& file) {
    const QByteArray path = QFile::encodeName(QFileInfo(file).absoluteFilePath());
    const QByteArray folder = QFile::encodeName(QFileInfo(file).absolutePath());
    for (const auto& check : {checkFolders, checkNewFile}) {
        SaveFailure failure = check(folder);
        if (!failure.reason.isEmpty())
            return failure;
    }
    return checkFile(path);
}

} // namespace platform
