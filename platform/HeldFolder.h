#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <QtGlobal>

namespace platform::files {

// A folder opened without following links and held open while this object
// lives. Every operation of platform::files on a path directly inside a held
// folder goes through its handle, so renaming the folder, or putting a link
// in its place, cannot redirect a write, a mode change or a delete.
class HeldFolder final {
    Q_DISABLE_COPY_MOVE(HeldFolder)

  public:
    HeldFolder() = default;
    ~HeldFolder();

    // Holds the folder at path, following links: the user's own folders may
    // well be links.
    void openAnyFolder(const QString& path);
    // Holds the real folder name inside parent, creating it (owner only) when
    // missing. A link, or anything but a folder, in its place is removed,
    // never what it points to, and a folder made.
    void openRealFolder(const HeldFolder& parent, const QString& name);
    void release();

    bool held() const { return m_fd >= 0; }
    int handle() const { return m_fd; }
    QString path() const { return m_path; }
    // True while the path still names this very folder: it was neither
    // removed nor replaced.
    bool stillNamed() const;

  private:
    void hold(int fd, const QString& path);

    int m_fd = -1;
    QString m_path;
};

// Where an operation on a path takes place: the handle of the held folder the
// path lies directly in, and the file's name; otherwise the current folder's
// handle and the whole path.
struct Location {
    int folder;
    QByteArray name;
};
Location locate(const QString& path);
// The handle of the folder held at exactly this path, or -1.
int heldHandle(QStringView path);

} // namespace platform::files
