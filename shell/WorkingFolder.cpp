#include "WorkingFolder.h"

#include "Paths.h"

#include "pages/Builders.h"
#include "platform/Error.h"
#include "platform/Files.h"
#include "platform/Resources.h"

namespace shell {
namespace {

// The lock's folder may vanish, or something stand in the lock's place, each
// time we look; a few rounds settle any race with another copy.
constexpr int kLockAttempts = 16;

QByteArray aboutPage() {
    return pages::guanyuPage().bytes();
}

} // namespace

bool WorkingFolder::openFolders() {
    const QString system = paths::systemFolder();
    const qsizetype slash = system.lastIndexOf(u'/');
    platform::files::HeldFolder cache;
    cache.openAnyFolder(system.left(qMax<qsizetype>(slash, 1)));
    platform::files::HeldFolder own;
    own.openRealFolder(cache, system.mid(slash + 1));
    try {
        m_temporary.openRealFolder(own, QStringLiteral("temp"));
    } catch (const platform::Error&) {
        // The last copy to exit removed the folder meanwhile: the next round
        // makes it again.
        if (!own.stillNamed())
            return false;
        throw;
    }
    return true;
}

void WorkingFolder::prepare() {
    releaseAll();
    // The lock is taken before the folder is made: a copy that exits
    // meanwhile removes the folder only while it holds the lock alone, so
    // nothing written below can be taken away by it.
    for (int attempt = 1;; ++attempt) {
        if (openFolders() && m_lock.acquireShared(paths::lockFile()))
            break;
        if (attempt == kLockAttempts)
            throw platform::Error(platform::ErrorCode::LockNotTaken, paths::lockFile(),
                                  QStringLiteral("锁文件反复消失"));
    }
    m_folder.openRealFolder(m_temporary, QStringLiteral("dicts"));
    for (const QString& name : {paths::kTitlePicture, paths::kBullet, paths::kDatabase})
        writeUnlessSame(name, platform::resources::load(name));
    writeUnlessSame(paths::kAboutPage, aboutPage());
}

void WorkingFolder::keepAlive() {
    if (m_folder.stillNamed() && m_lock.stillNamed())
        return;
    prepare();
}

void WorkingFolder::writeUnlessSame(const QString& name, const QByteArray& bytes) {
    const QString path = paths::inWorkingFolder(name);
    if (platform::files::holds(path, bytes))
        return;
    platform::files::writeAtomically(path, bytes);
    platform::files::setHidden(path);
}

void WorkingFolder::markHidden() {
    platform::files::setHidden(paths::workingFolder());
}

bool WorkingFolder::remove() {
    if (!m_folder.held()) {
        releaseAll();
        return true;
    }
    if (!m_lock.tryExclusive()) {
        releaseAll();
        return false;
    }
    // Through the handle: if the folder's name now leads elsewhere, only
    // our own folder is emptied.
    platform::files::removeContents(m_folder.path());
    // Not empty means another copy arrived after all: it keeps the folder,
    // and the lock with it.
    if (m_folder.stillNamed() && !platform::files::removeDirectory(m_folder.path())) {
        releaseAll();
        return true;
    }
    removeLockAndFolders();
    return true;
}

// The lock goes while this copy still holds it alone: a copy starting
// meanwhile finds its lock file gone and makes another, which keeps the
// folders. Folders that are not empty stay.
void WorkingFolder::removeLockAndFolders() {
    try {
        if (m_lock.stillNamed())
            platform::files::deleteFile(paths::lockFile());
        releaseAll();
        if (platform::files::removeDirectory(paths::temporaryFolder()))
            platform::files::removeDirectory(paths::systemFolder());
    } catch (const platform::Error&) {
        // Empty folders left in the cache harm nobody; the exit goes on.
        releaseAll();
    }
}

void WorkingFolder::releaseAll() {
    m_folder.release();
    m_lock.release();
    m_temporary.release();
}

} // namespace shell
