#pragma once

#include "platform/HeldFolder.h"
#include "platform/InstanceLock.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

namespace shell {

// The folder the reader writes its database, pictures and pages into, from
// start-up to exit. The folder and those above it, up to the cache folder,
// are real folders, held open for the run; every running copy holds a shared
// lock beside the folder, and only the last copy to exit removes it, with the
// lock and the empty folders above it.
class WorkingFolder final {
    Q_DISABLE_COPY_MOVE(WorkingFolder)

  public:
    WorkingFolder() = default;

    // Creates the folders and writes each embedded file and the About page.
    // A file left by a run that did not reach its exit is kept only when it
    // holds exactly what would be written; otherwise it is replaced whole.
    void prepare();
    // Makes the folder again, with its files, when it was removed or replaced
    // while the reader ran; called before every page is written.
    void keepAlive();
    void markHidden();
    // Empties and removes the folder, unless another copy still uses it.
    // Returns false when it was left for that other copy.
    bool remove();

  private:
    // False when a folder on the way vanished under it: try again.
    bool openFolders();
    void removeLockAndFolders();
    void writeUnlessSame(const QString& name, const QByteArray& bytes);
    void releaseAll();

    platform::files::HeldFolder m_temporary;
    platform::files::HeldFolder m_folder;
    platform::InstanceLock m_lock;
};

} // namespace shell
