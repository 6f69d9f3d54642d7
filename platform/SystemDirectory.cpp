#include "SystemDirectory.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <QDir>
#include <QFile>
#include <cstdlib>
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
QString systemDirectoryBuffer() {
    const char* cache = std::getenv("XDG_CACHE_HOME");
    QString base = cache && *cache ? QString::fromLocal8Bit(cache)
                                   : QDir::homePath() + QStringLiteral("/.cache");
    const QString folder = base + QStringLiteral("/quillora/");
    // A failure here shows up later, when the working folder cannot be made.
    QDir().mkpath(base);
    ::mkdir(QFile::encodeName(folder).constData(), 0700);
    QString buffer = folder;
    if (buffer.size() < kBufferSize)
        buffer.append(QString(kBufferSize - buffer.size(), QChar(u'\0')));
    return buffer;
}
#endif

} // namespace platform
