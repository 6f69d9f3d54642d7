#include "SystemDirectory.h"

#include "Error.h"
#include "UserFolders.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <QFile>
#include <cerrno>
#include <sys/stat.h>
#endif

namespace platform {

namespace {
constexpr int kBufferSize = 256;
}

#ifdef _WIN32
QString systemDirectoryBuffer() {
    char buffer[kBufferSize] = {};
    GetWindowsDirectoryA(buffer, kBufferSize - 1);
    return QString::fromLocal8Bit(buffer, kBufferSize);
}
#else
namespace {

// Makes every missing folder on the way, as mkdir -p does, and names the
// folder whose creation was refused, with the reason. The cache folder is
// the user's: links on the way to it are followed.
void makePath(const QByteArray& path) {
    for (qsizetype end = path.indexOf('/', 1);; end = path.indexOf('/', end + 1)) {
        const QByteArray step = end < 0 ? path : path.left(end);
        struct stat st {};
        if (!step.isEmpty() && ::stat(step.constData(), &st) != 0 &&
            ::mkdir(step.constData(), 0700) != 0 && errno != EEXIST)
            throw Error::fromErrno(ErrorCode::FolderNotCreated, QFile::decodeName(step));
        if (end < 0)
            return;
    }
}

} // namespace

QString systemDirectoryBuffer() {
    const QByteArray base = user::cacheFolder();
    const QString folder = QFile::decodeName(base);
    // A name that does not survive decoding would lead every write to a
    // different folder, one with a replacement character in its name.
    if (QFile::encodeName(folder) != base)
        throw Error(ErrorCode::FolderUnusable, folder,
                    QStringLiteral("路径含有无法解码的字节，请改用可解码的路径"));
    makePath(base);
    QString buffer = folder + QStringLiteral("/quillora/");
    if (buffer.size() < kBufferSize)
        buffer.append(QString(kBufferSize - buffer.size(), QChar(u'\0')));
    return buffer;
}
#endif

} // namespace platform
