#pragma once

#include <QMap>
#include <QString>

#include <memory>

class QSettings;

namespace platform {

// The per-user settings store: values kept as text under an application name
// and a section. Only read-with-default and write are offered.
class Settings final {
  public:
    // The application name of this executable: its file name without extension.
    static QString applicationName();

    explicit Settings(const QString& application);
    ~Settings();
    Settings(const Settings&) = delete;
    Settings& operator=(const Settings&) = delete;

    // A store that cannot be read (damaged, or not a settings file at all)
    // holds nothing: every read gives its fallback.
    QString read(const QString& section, const QString& key, const QString& fallback) const;
    void write(const QString& section, const QString& key, const QString& value);
    // Writes pending values to disk. A store that could not be read is
    // replaced by a clean one holding the values written; a store that cannot
    // be written is reported with the operating system's reason.
    void flush();

  private:
    void replaceUnreadable();

    QString m_application;
    std::unique_ptr<QSettings> m_store;
    bool m_unreadable = false;
    QMap<QString, QString> m_written;
};

} // namespace platform
