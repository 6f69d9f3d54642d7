#include "Settings.h"

#include "Error.h"
#include "SaveFailure.h"
#include "UserFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

// Another copy holds the lock for the few milliseconds of its own save; a
// lock held longer is stuck, and the window must not wait for it.
constexpr int kLockWaitMilliseconds = 250;

struct FileBytes {
    QByteArray bytes;
    int error = 0; // errno of the first step that failed; ENOENT: no file yet
};

FileBytes readWhole(const QString& path) {
    FileBytes file;
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        file.error = errno;
        return file;
    }
    char buffer[8192];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n > 0)
            file.bytes.append(buffer, n);
        else if (n == 0 || errno != EINTR) {
            if (n < 0)
                file.error = errno;
            break;
        }
    }
    ::close(fd);
    return file;
}

bool absent(int error) {
    return error == ENOENT || error == ENOTDIR;
}

// The file a chain of links ends at: saving there keeps the links.
QString linkTarget(const QString& path) {
    QFileInfo info(path);
    for (int depth = 0; depth < 40 && info.isSymLink(); ++depth)
        info.setFile(info.symLinkTarget());
    return info.filePath();
}

// The system's reason when it has one, else the library's.
Error notSaved(const QString& file, const QString& fallbackReason) {
    const SaveFailure failure = whyNotSaved(file);
    if (failure.reason.isEmpty())
        return Error(ErrorCode::SettingsNotSaved, file, fallbackReason);
    return Error(ErrorCode::SettingsNotSaved, failure.path, failure.reason);
}

} // namespace

QString Settings::applicationName() {
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

QString Settings::fileOf(const QString& application) {
    return QFile::decodeName(user::configFolder()) + QStringLiteral("/Quillora/") + application +
           QStringLiteral(".ini");
}

Settings::Settings(QString file) : m_file(std::move(file)) {
    const FileBytes stored = readWhole(m_file);
    if (absent(stored.error))
        m_loaded = IniDocument();
    else if (stored.error == 0)
        m_loaded = IniDocument::parse(stored.bytes);
}

QString Settings::read(const QString& section, const QString& key, const QString& fallback) const {
    const auto change = m_changes.constFind({section, key});
    if (change != m_changes.cend())
        return *change;
    if (!m_loaded)
        return fallback;
    return m_loaded->value(section, key).value_or(fallback);
}

void Settings::write(const QString& section, const QString& key, const QString& value) {
    m_changes.insert({section, key}, value);
}

void Settings::takeLock(QLockFile& lock) const {
    if (lock.tryLock(kLockWaitMilliseconds))
        return;
    const QString path = lock.fileName();
    QString reason;
    qint64 pid = 0;
    if (QFileInfo(path).isDir())
        reason = QStringLiteral("锁文件 %1 是一个文件夹，这次没有保存").arg(path);
    else if (lock.error() == QLockFile::LockFailedError && lock.getLockInfo(&pid, nullptr, nullptr))
        reason =
            QStringLiteral("锁文件 %1 被另一个进程（%2）占着，这次没有保存").arg(path).arg(pid);
    else
        reason = QStringLiteral("无法取得锁文件 %1，这次没有保存").arg(path);
    throw Error(ErrorCode::SettingsNotSaved, m_file, reason);
}

// The file as it is now, under the lock; bytes receives what it holds.
IniDocument Settings::freshDocument(QByteArray& bytes) const {
    const FileBytes stored = readWhole(m_file);
    if (absent(stored.error))
        return {};
    if (stored.error != 0)
        throw Error(ErrorCode::SettingsNotSaved, m_file,
                    systemReason(stored.error) + QStringLiteral("，文件保持原样"));
    QString why;
    std::optional<IniDocument> document = IniDocument::parse(stored.bytes, &why);
    if (!document)
        throw Error(ErrorCode::SettingsNotSaved, m_file,
                    QStringLiteral("无法完整读取（%1），文件保持原样").arg(why));
    bytes = stored.bytes;
    return *document;
}

void Settings::save(const QByteArray& bytes) const {
    const QString target = linkTarget(m_file);
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw notSaved(target, file.errorString());
}

void Settings::flush() {
    if (m_changes.isEmpty())
        return;
    const QString folder = QFileInfo(m_file).absolutePath();
    if (!QDir().mkpath(folder))
        throw notSaved(m_file, {});
    QLockFile lock(m_file + QStringLiteral(".lock"));
    takeLock(lock);
    QByteArray before;
    IniDocument document = freshDocument(before);
    for (auto change = m_changes.cbegin(); change != m_changes.cend(); ++change)
        document.set(change.key().first, change.key().second, change.value());
    const QByteArray after = document.bytes();
    if (after != before)
        save(after);
    m_loaded = std::move(document);
    m_changes.clear();
}

} // namespace platform
