#include "platform/Files.h"
#include "platform/Error.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace files = platform::files;

TEST(Files, AtomicWriteReplacesWholeAndLeavesNoTemporaries) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("page"));
    files::writeAtomically(path, QByteArray(10000, 'a'));
    files::writeAtomically(path, "short");
    EXPECT_EQ(files::read(path), QByteArray("short"));
    EXPECT_EQ(files::listFiles(dir.path()), QStringList{QStringLiteral("page")});
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
}

TEST(Files, AFailedWriteKeepsTheOldFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ts.dic"));
    files::writeAtomically(path, "old");
    // A file-size limit makes the write fail part-way, as a full disk would.
    struct rlimit saved {};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 1000;
    ::setrlimit(RLIMIT_FSIZE, &small);
    EXPECT_THROW(files::writeAtomically(path, QByteArray(100000, 'n')), platform::Error);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);
    EXPECT_EQ(files::read(path), QByteArray("old"));
    EXPECT_EQ(files::listFiles(dir.path()), QStringList{QStringLiteral("ts.dic")});
    EXPECT_THROW(files::writeAtomically(dir.filePath(QStringLiteral("no/such/file")), "x"),
                 platform::Error);
}

TEST(Files, ListingFindsHiddenFilesButNoFolders) {
    QTemporaryDir dir;
    files::writeAtomically(dir.filePath(QStringLiteral(".lock")), "");
    files::writeAtomically(dir.filePath(QStringLiteral("Rdm")), "");
    files::makeDirectory(dir.filePath(QStringLiteral("sub")));
    EXPECT_EQ(files::listFiles(dir.path()),
              (QStringList{QStringLiteral(".lock"), QStringLiteral("Rdm")}));
    EXPECT_TRUE(files::exists(dir.filePath(QStringLiteral("sub")), files::Kind::Directory));
    EXPECT_FALSE(files::exists(dir.filePath(QStringLiteral("sub")), files::Kind::File));
    EXPECT_THROW(files::makeDirectory(dir.filePath(QStringLiteral("sub"))), platform::Error);
}

TEST(Files, NormalMakesAReadOnlyFileWritableAgain) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("f"));
    files::writeAtomically(path, "x");
    files::setReadOnly(path);
    struct stat st {};
    ::stat(QFile::encodeName(path).constData(), &st);
    EXPECT_EQ(st.st_mode & 0222, 0u);
    files::setNormal(path);
    ::stat(QFile::encodeName(path).constData(), &st);
    EXPECT_NE(st.st_mode & 0200, 0u);
    EXPECT_THROW(files::setHidden(dir.filePath(QStringLiteral("gone"))), platform::Error);
}
