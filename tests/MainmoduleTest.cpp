#include "shell/Mainmodule.h"
#include "shell/Paths.h"

#include "platform/Error.h"
#include "platform/SystemDirectory.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// The folder comes back padded as a fixed buffer: what callers get is the
// folder alone, with exactly one separator at its end.
TEST(WindowsDir, IsThePerUserCacheFolderHere) {
    const QString dir = shell::WindowsDir();
    EXPECT_EQ(dir,
              QString::fromLocal8Bit(qgetenv("XDG_CACHE_HOME")) + QStringLiteral("/quillora/"));
    EXPECT_TRUE(QDir(QFileInfo(dir.chopped(1)).path()).exists()); // the cache folder
    EXPECT_EQ(shell::paths::workingFolder(), dir + QStringLiteral("temp/dicts"));
    EXPECT_EQ(shell::paths::inWorkingFolder(QStringLiteral("Dian")),
              dir + QStringLiteral("temp/dicts/Dian"));
}

namespace {

// Runs the adapter with XDG_CACHE_HOME set to value, then restores it.
QString adapterFailure(const QByteArray& value) {
    const QByteArray saved = qgetenv("XDG_CACHE_HOME");
    qputenv("XDG_CACHE_HOME", value);
    QString description;
    try {
        platform::systemDirectoryBuffer();
    } catch (const platform::Error& error) {
        description = error.description();
    }
    qputenv("XDG_CACHE_HOME", saved);
    return description;
}

} // namespace

TEST(WindowsDir, IsAskedOnceAndKeptForTheRun) {
    const QString folder = shell::paths::workingFolder();
    const QByteArray saved = qgetenv("XDG_CACHE_HOME");
    qputenv("XDG_CACHE_HOME", "/nonexistent/elsewhere");
    const QString later = shell::paths::inWorkingFolder(QStringLiteral("Dian"));
    qputenv("XDG_CACHE_HOME", saved);
    EXPECT_EQ(later, folder + QStringLiteral("/Dian"));
}

TEST(WindowsDir, AFolderThatCannotBeMadeOrNamedIsReported) {
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("file")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    // The step refused is named, with the system's reason.
    EXPECT_EQ(adapterFailure(QFile::encodeName(file.fileName() + QStringLiteral("/cache/x"))),
              QStringLiteral("无法创建文件夹 ") + file.fileName() +
                  QStringLiteral("/cache：Not a directory"));
    // A name whose bytes do not decode would be written to under another
    // name: refused, and nothing made.
    const QByteArray undecodable = QFile::encodeName(dir.path()) + "/h\xff/cache";
    EXPECT_TRUE(adapterFailure(undecodable).startsWith(QStringLiteral("无法使用文件夹")));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("file")});
    EXPECT_EQ(adapterFailure(QFile::encodeName(dir.filePath(QStringLiteral("new/cache")))),
              QString());
    EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral("new/cache"))).isDir());
}
