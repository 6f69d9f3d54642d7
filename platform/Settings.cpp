#include "Settings.h"

#include "Error.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>

namespace platform {

QString Settings::applicationName() {
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

Settings::Settings(const QString& application)
    : m_store(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                          QStringLiteral("Quillora"), application)) {}

Settings::~Settings() = default;

QString Settings::read(const QString& section, const QString& key, const QString& fallback) const {
    const QVariant value = m_store->value(section + u'/' + key);
    return value.isValid() ? value.toString() : fallback;
}

void Settings::write(const QString& section, const QString& key, const QString& value) {
    m_store->setValue(section + u'/' + key, value);
}

void Settings::flush() {
    m_store->sync();
    if (m_store->status() != QSettings::NoError)
        throw Error(ErrorCode::SettingsNotSaved, m_store->fileName());
}

} // namespace platform
