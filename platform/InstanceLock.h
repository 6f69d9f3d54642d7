#pragma once

#include <QString>
#include <QtGlobal>

namespace platform {

// A lock file held, shared, by every running copy of the reader, so that the
// last copy to exit can tell that it is the last.
class InstanceLock final {
    Q_DISABLE_COPY_MOVE(InstanceLock)

  public:
    InstanceLock() = default;
    ~InstanceLock();

    // Takes a shared hold on the file, creating it when missing. Returns
    // false when the file or its folder vanished, or something else stood in
    // its place (then removed): the caller makes the folder again and
    // retries.
    bool acquireShared(const QString& path);
    // True while the file held is still the one its path names.
    bool stillNamed() const;
    // True when no other copy holds the file; this copy then holds it alone.
    bool tryExclusive();
    void release();
    bool held() const { return m_fd >= 0; }

  private:
    int m_fd = -1;
    QString m_path;
};

} // namespace platform
