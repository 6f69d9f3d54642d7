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

void WorkingFolder::openFolders() {
    const QString system = paths::systemFolder();
    const qsizetype slash = system.lastIndexOf(u'/');
    platform::files::HeldFolder cache;
    cache.openAnyFolder(system.left(qMax<qsizetype>(slash, 1)));
    platform::files::HeldFolder own;
    own.openRealFolder(cache, system.mid(slash + 1));
    m_temporary.openRealFolder(own, QStringLiteral("temp"));
}

void WorkingFolder::prepare() {
    releaseAll();
    // The lock is taken before the folder is made: a copy that exits
    // meanwhile removes the folder only while it holds the lock alone, so
    // nothing written below can be taken away by it.
    for (int attempt = 1;; ++attempt) {
        openFolders();
        if (m_lock.acquireShared(paths::lockFile()))
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
    // Not empty means another copy arrived after all: it keeps the folder.
    if (m_folder.stillNamed())
        platform::files::removeDirectory(m_folder.path());
    releaseAll();
    return true;
}

void WorkingFolder::releaseAll() {
    m_folder.release();
    m_lock.release();
    m_temporary.release();
}

} // namespace shell
