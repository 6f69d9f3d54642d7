#pragma once

#include "IniDocument.h"

#include <QMap>
#include <QString>

#include <optional>
#include <utility>

class QLockFile;

namespace platform {

// The per-user settings file: values kept as text under a section and a key.
// Reading gives the value or a fallback; writing records a change, and a
// flush saves the changes recorded since the last flush that went through.
//
// Several copies of the reader may share the file. A flush reads the file
// afresh under its lock and puts in only this copy's changes, so the last
// change of each key wins and nothing else in the file is touched. The lock
// is waited for only briefly, so a stuck lock costs a message, never the
// window. A file that cannot be read to the end is never written: its
// content would be lost.
class Settings final {
  public:
    // The application name of this executable: its file name without extension.
    static QString applicationName();
    // Quillora/<application>.ini in the user's configuration folder. Throws
    // platform::Error when the user has no home to find that folder in.
    static QString fileOf(const QString& application);
    // The file of this executable's settings.
    static QString programFile() { return fileOf(applicationName()); }

    explicit Settings(QString file);
    Settings(const Settings&) = delete;
    Settings& operator=(const Settings&) = delete;

    QString file() const { return m_file; }
    // A file that cannot be read (damaged, or not a settings file at all)
    // holds nothing: every read gives its fallback, or the change recorded.
    QString read(const QString& section, const QString& key, const QString& fallback) const;
    void write(const QString& section, const QString& key, const QString& value);
    // Saves the changes recorded. When that fails, throws platform::Error
    // with the reason, leaves the file as it was and keeps the changes for
    // the next flush.
    void flush();

  private:
    using Key = std::pair<QString, QString>; // section, key

    void takeLock(QLockFile& lock) const;
    IniDocument freshDocument(QByteArray& bytes) const;
    void save(const QByteArray& bytes) const;

    QString m_file;
    std::optional<IniDocument> m_loaded; // nothing when the file could not be read
    QMap<Key, QString> m_changes;
};

} // namespace platform
