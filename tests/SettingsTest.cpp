#include "platform/Settings.h"
#include "platform/Error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <gtest/gtest.h>

#include <random>

using namespace Qt::Literals::StringLiterals;

namespace {

QString storeFile(const QString& application) {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, u"Quillora"_s, application)
        .fileName();
}

void put(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QByteArray randomBytes(unsigned seed) {
    std::mt19937 random(seed);
    QByteArray bytes;
    for (int i = 0; i < 4096; ++i)
        bytes.append(char(random() & 0xff));
    return bytes;
}

} // namespace

TEST(Settings, AFileOfRandomBytesIsReplacedByACleanOneWithoutAnError) {
    const QString file = storeFile(u"Junk"_s);
    for (unsigned seed : {1u, 7u, 42u}) {
        SCOPED_TRACE(seed);
        put(file, randomBytes(seed));
        platform::Settings settings(u"Junk"_s);
        EXPECT_EQ(settings.read(u"Setting"_s, u"Left"_s, u"0"_s), u"0"_s);
        settings.write(u"Setting"_s, u"Left"_s, u"-450"_s);
        settings.write(u"Setting"_s, u"Window"_s, u"2"_s);
        EXPECT_NO_THROW(settings.flush());
        QFile written(file);
        ASSERT_TRUE(written.open(QIODevice::ReadOnly));
        EXPECT_EQ(written.readAll(), "[Setting]\nLeft=-450\nWindow=2\n");
        EXPECT_EQ(platform::Settings(u"Junk"_s).read(u"Setting"_s, u"Left"_s, {}), u"-450"_s);
    }
}

TEST(Settings, AFailedSaveNamesTheOperatingSystemsReason) {
    const QString file = storeFile(u"Blocked"_s);
    ASSERT_TRUE(QDir().mkpath(file)); // a folder where the file belongs
    platform::Settings settings(u"Blocked"_s);
    settings.write(u"Setting"_s, u"Left"_s, u"1"_s);
    try {
        settings.flush();
        FAIL() << "saved into a folder";
    } catch (const platform::Error& error) {
        EXPECT_EQ(error.code(), platform::ErrorCode::SettingsNotSaved);
        EXPECT_TRUE(error.description().contains(file)) << error.what();
        EXPECT_TRUE(error.description().endsWith(QString::fromLocal8Bit(strerror(EISDIR))))
            << error.what();
    }
}
