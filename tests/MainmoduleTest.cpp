#include "shell/Mainmodule.h"
#include "shell/Paths.h"

#include <QDir>

#include <gtest/gtest.h>

using shell::TrimAtNul;
using shell::withTrailingSeparator;

TEST(TrimAtNul, CutsAtTheFirstNulOnly) {
    EXPECT_EQ(
        TrimAtNul(QStringLiteral("C:\\WINDOWS") + QChar(0) + QStringLiteral("junk") + QChar(0)),
        QStringLiteral("C:\\WINDOWS"));
    EXPECT_EQ(TrimAtNul(QStringLiteral("no nul")), QStringLiteral("no nul"));
    EXPECT_EQ(TrimAtNul(QString(256, QChar(0))), QString());
    EXPECT_EQ(TrimAtNul(QString()), QString());
}

TEST(WindowsDir, EndsWithExactlyOneSeparator) {
    EXPECT_EQ(withTrailingSeparator(QStringLiteral("C:\\WINDOWS"), u'\\'),
              QStringLiteral("C:\\WINDOWS\\"));
    EXPECT_EQ(withTrailingSeparator(QStringLiteral("C:\\"), u'\\'), QStringLiteral("C:\\"));
    // A failed call leaves nothing: the root of the drive.
    EXPECT_EQ(withTrailingSeparator(QString(), u'\\'), QStringLiteral("\\"));
}

TEST(WindowsDir, IsThePerUserCacheFolderHere) {
    const QString dir = shell::WindowsDir();
    EXPECT_EQ(dir,
              QString::fromLocal8Bit(qgetenv("XDG_CACHE_HOME")) + QStringLiteral("/quillora/"));
    EXPECT_TRUE(QDir(dir).exists());
    EXPECT_EQ(shell::paths::workingFolder(), dir + QStringLiteral("temp/dicts"));
    EXPECT_EQ(shell::paths::inWorkingFolder(QStringLiteral("Dian")),
              dir + QStringLiteral("temp/dicts/Dian"));
}
