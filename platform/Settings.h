#pragma once

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

    QString read(const QString& section, const QString& key, const QString& fallback) const;
    void write(const QString& section, const QString& key, const QString& value);
    // Writes pending values to disk; reports a store that cannot be written.
    void flush();

  private:
    std::unique_ptr<QSettings> m_store;
};

} // namespace platform
