#include "HeldFolder.h"

#include "Error.h"
#include "FileTree.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace platform::files {
namespace {

std::mutex registryMutex;
std::vector<const HeldFolder*> registry;

// A folder that vanishes or turns into a link between our steps is made
// again; a few rounds settle any race between copies of the reader.
constexpr int kAttempts = 16;

bool isLink(int parent, const QByteArray& name) {
    struct stat st {};
    return ::fstatat(parent, name.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0 &&
           S_ISLNK(st.st_mode);
}

// Only a link is taken away: a file in the folder's place may be the user's.
int openFolderIn(int parent, const QByteArray& name, const QString& path) {
    for (int attempt = 0;; ++attempt) {
        if (::mkdirat(parent, name.constData(), 0700) != 0 && errno != EEXIST)
            throw Error::fromErrno(ErrorCode::FolderNotCreated, path);
        const int fd =
            ::openat(parent, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (fd >= 0)
            return fd;
        const int reason = errno;
        if (attempt + 1 >= kAttempts || (reason != ENOENT && !isLink(parent, name)))
            throw Error::fromErrno(ErrorCode::FolderNotOpened, path, reason);
        if (reason != ENOENT)
            removeEntry(parent, name, path);
    }
}

} // namespace

HeldFolder::~HeldFolder() {
    release();
}

void HeldFolder::openAnyFolder(const QString& path) {
    hold(openFolder(path), path);
}

void HeldFolder::openRealFolder(const HeldFolder& parent, const QString& name) {
    const QString path = parent.path() + u'/' + name;
    hold(openFolderIn(parent.handle(), QFile::encodeName(name), path), path);
}

void HeldFolder::hold(int fd, const QString& path) {
    release();
    m_fd = fd;
    m_path = path;
    const std::lock_guard guard(registryMutex);
    registry.push_back(this);
}

void HeldFolder::release() {
    if (m_fd < 0)
        return;
    {
        const std::lock_guard guard(registryMutex);
        registry.erase(std::find(registry.begin(), registry.end(), this));
    }
    ::close(m_fd);
    m_fd = -1;
}

bool HeldFolder::stillNamed() const {
    return stillNames(AT_FDCWD, QFile::encodeName(m_path), m_fd);
}

int heldHandle(QStringView path) {
    const std::lock_guard guard(registryMutex);
    // The newest hold wins: it is the one a re-made folder was opened as.
    for (auto it = registry.rbegin(); it != registry.rend(); ++it)
        if ((*it)->path() == path)
            return (*it)->handle();
    return -1;
}

Location locate(const QString& path) {
    const qsizetype slash = path.lastIndexOf(u'/');
    const int folder = slash > 0 ? heldHandle(QStringView(path).left(slash)) : -1;
    if (folder >= 0)
        return {folder, QFile::encodeName(path.mid(slash + 1))};
    return {AT_FDCWD, QFile::encodeName(path)};
}

} // namespace platform::files
