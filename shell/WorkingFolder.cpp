#include "WorkingFolder.h"

#include "Paths.h"

#include "platform/Files.h"
#include "platform/Resources.h"

namespace shell {

using platform::files::Kind;

void WorkingFolder::createFolders() {
    if (!platform::files::exists(paths::temporaryFolder(), Kind::Directory))
        platform::files::makeDirectory(paths::temporaryFolder());
    if (!platform::files::exists(paths::workingFolder(), Kind::Directory))
        platform::files::makeDirectory(paths::workingFolder());
}

void WorkingFolder::prepare() {
    // The last copy may remove the folder while we wait for its lock; then
    // the folder is made again.
    do {
        createFolders();
    } while (!m_lock.acquireShared(paths::inWorkingFolder(paths::kLock)));
    writeMissing(paths::kTitlePicture);
    writeMissing(paths::kBullet);
    writeMissing(paths::kDatabase);
}

void WorkingFolder::writeMissing(const QString& name) {
    const QString path = paths::inWorkingFolder(name);
    if (platform::files::exists(path, Kind::File))
        return;
    platform::files::writeAtomically(path, platform::resources::load(name));
    platform::files::setHidden(path);
}

void WorkingFolder::markHidden() {
    platform::files::setHidden(paths::workingFolder());
}

bool WorkingFolder::remove() {
    const QString folder = paths::workingFolder();
    if (!platform::files::exists(folder, Kind::Directory))
        return true;
    if (m_lock.held() && !m_lock.tryExclusive()) {
        m_lock.release();
        return false;
    }
    for (const QString& name : platform::files::listFiles(folder)) {
        const QString path = paths::inWorkingFolder(name);
        platform::files::setNormal(path);
        platform::files::deleteFile(path);
    }
    platform::files::removeDirectory(folder);
    m_lock.release();
    return true;
}

} // namespace shell
