#pragma once

#include "platform/InstanceLock.h"

#include <QtGlobal>

namespace shell {

// The folder the reader writes its database, pictures and pages into, from
// start-up to exit. Every running copy holds a shared lock on it, and only the
// last copy to exit removes it.
class WorkingFolder final {
    Q_DISABLE_COPY_MOVE(WorkingFolder)

  public:
    WorkingFolder() = default;

    // Creates the folders and writes each embedded file that is missing; a
    // file already there (left by a run that did not reach its exit) is used
    // as it is.
    void prepare();
    void markHidden();
    // Empties and removes the folder, unless another copy still uses it.
    // Returns false when it was left for that other copy.
    bool remove();

  private:
    void createFolders();
    void writeMissing(const QString& name);

    platform::InstanceLock m_lock;
};

} // namespace shell
