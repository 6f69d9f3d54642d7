#include "Settings.h"

#include "Error.h"
#include "SaveFailure.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QSettings>

#include <cstdio>

namespace platform {
namespace {

std::unique_ptr<QSettings> openStore(const QString& application) {
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                       QStringLiteral("Quillora"), application);
}

// The settings library parses a file once per process and then serves what
// it parsed, without the error: which files proved unreadable is kept here.
QSet<QString>& unreadableFiles() {
    static QSet<QString> files;
    return files;
}

} // namespace

QString Settings::applicationName() {
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

Settings::Settings(const QString& application)
    : m_application(application), m_store(openStore(application)) {
    // The file is parsed, and its damage found, at the first look inside.
    [[maybe_unused]] const QStringList keys = m_store->allKeys();
    if (m_store->status() == QSettings::FormatError)
        unreadableFiles().insert(m_store->fileName());
    m_unreadable = unreadableFiles().contains(m_store->fileName());
}

Settings::~Settings() = default;

QString Settings::read(const QString& section, const QString& key, const QString& fallback) const {
    if (m_unreadable)
        return fallback;
    const QVariant value = m_store->value(section + u'/' + key);
    return value.isValid() ? value.toString() : fallback;
}

void Settings::write(const QString& section, const QString& key, const QString& value) {
    m_store->setValue(section + u'/' + key, value);
    m_written.insert(section + u'/' + key, value);
}

// A clean file with only the values written is made beside the damaged one
// and renamed over it, so the damaged content can never be merged back in.
void Settings::replaceUnreadable() {
    const QString file = m_store->fileName();
    m_store.reset();
    if (unreadableFiles().contains(file)) {
        // A name never used before in this process, so none of its parse is kept.
        static int replaced = 0;
        const QString fresh = file + QStringLiteral(".new%1").arg(++replaced);
        QFile::remove(fresh);
        {
            QSettings clean(fresh, QSettings::IniFormat);
            for (auto value = m_written.cbegin(); value != m_written.cend(); ++value)
                clean.setValue(value.key(), value.value());
            clean.sync();
            if (clean.status() != QSettings::NoError)
                throw Error(ErrorCode::SettingsNotSaved, file, whyNotSaved(fresh).reason);
        }
        if (::rename(QFile::encodeName(fresh).constData(), QFile::encodeName(file).constData()) !=
            0)
            throw Error::fromErrno(ErrorCode::SettingsNotSaved, file);
        unreadableFiles().remove(file);
    }
    // Reopened, the store reads the clean file, or the one another store of
    // this program has written meanwhile.
    m_store = openStore(m_application);
    for (auto value = m_written.cbegin(); value != m_written.cend(); ++value)
        m_store->setValue(value.key(), value.value());
    m_unreadable = false;
}

void Settings::flush() {
    if (m_unreadable)
        replaceUnreadable();
    m_store->sync();
    if (m_store->status() == QSettings::NoError)
        return;
    const SaveFailure failure = whyNotSaved(m_store->fileName());
    if (failure.reason.isEmpty())
        throw Error(ErrorCode::SettingsNotSaved, m_store->fileName());
    throw Error(ErrorCode::SettingsNotSaved, failure.path, failure.reason);
}

} // namespace platform
