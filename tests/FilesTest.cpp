#include "platform/Files.h"
#include "platform/Error.h"
#include "platform/HeldFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

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

namespace {

void makeLink(const QString& target, const QString& link) {
    ASSERT_EQ(::symlink(QFile::encodeName(target).constData(), QFile::encodeName(link).constData()),
              0);
}

} // namespace

TEST(Files, AnythingInTheWayOfAFileIsRemovedWithoutFollowingLinks) {
    QTemporaryDir outside;
    QTemporaryDir dir;
    files::writeAtomically(outside.filePath(QStringLiteral("keep")), "kept");
    const QString page = dir.filePath(QStringLiteral("~temp.$$$"));
    ASSERT_TRUE(QDir().mkpath(page + QStringLiteral("/deep/er")));
    makeLink(outside.path(), page + QStringLiteral("/deep/link"));
    files::writeAtomically(page + QStringLiteral("/deep/er/f"), "x");
    files::writeAtomically(page, "page");
    EXPECT_EQ(files::read(page), QByteArray("page"));
    ASSERT_TRUE(QDir().mkpath(page + QStringLiteral("x/y")));
    files::deleteFile(page + QStringLiteral("x"));
    EXPECT_FALSE(QFileInfo::exists(page + QStringLiteral("x")));
    EXPECT_EQ(files::read(outside.filePath(QStringLiteral("keep"))), QByteArray("kept"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("~temp.$$$")});
}

TEST(Files, HoldsIsTrueOnlyForTheSameBytesInAFileOfItsOwn) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ts.dic"));
    QByteArray bytes(100000, 'd');
    bytes[99999] = 'e';
    EXPECT_FALSE(files::holds(path, bytes));
    files::writeAtomically(path, bytes);
    EXPECT_TRUE(files::holds(path, bytes));
    QByteArray changed = bytes;
    changed.replace(5000, 8, "????????");
    EXPECT_FALSE(files::holds(path, changed));
    EXPECT_FALSE(files::holds(path, bytes.left(99999)));
    EXPECT_FALSE(files::holds(path, QByteArray(bytes.size(), '\0')));
    const QString second = dir.filePath(QStringLiteral("second"));
    ASSERT_EQ(::link(QFile::encodeName(path).constData(), QFile::encodeName(second).constData()),
              0);
    EXPECT_FALSE(files::holds(path, bytes)); // shared with another name: not ours alone
    files::writeAtomically(dir.filePath(QStringLiteral("empty")), {});
    EXPECT_TRUE(files::holds(dir.filePath(QStringLiteral("empty")), {}));
}

TEST(Files, AHeldFolderIsReachedThroughItsHandleWhateverItsNameBecomes) {
    QTemporaryDir base;
    QTemporaryDir target;
    files::HeldFolder parent;
    parent.openAnyFolder(base.path());
    files::HeldFolder folder;
    folder.openRealFolder(parent, QStringLiteral("dicts"));
    const QString name = base.filePath(QStringLiteral("dicts"));
    EXPECT_TRUE(folder.stillNamed());
    // The folder is moved away and a link to someone else's folder put in its
    // place while it is held.
    ASSERT_EQ(::rename(QFile::encodeName(name).constData(),
                       QFile::encodeName(base.filePath(QStringLiteral("moved"))).constData()),
              0);
    makeLink(target.path(), name);
    EXPECT_FALSE(folder.stillNamed());
    files::writeAtomically(name + QStringLiteral("/page"), "x");
    files::setNormal(name + QStringLiteral("/page"));
    EXPECT_EQ(files::listFiles(name), QStringList{QStringLiteral("page")});
    EXPECT_TRUE(QFileInfo::exists(base.filePath(QStringLiteral("moved/page"))));
    files::removeContents(name);
    EXPECT_FALSE(QFileInfo::exists(base.filePath(QStringLiteral("moved/page"))));
    EXPECT_TRUE(
        QDir(target.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
    // Made again, the link gives way to a real folder; its target stays.
    files::HeldFolder again;
    again.openRealFolder(parent, QStringLiteral("dicts"));
    EXPECT_FALSE(QFileInfo(name).isSymLink());
    EXPECT_TRUE(QFileInfo(name).isDir());
    EXPECT_TRUE(QFileInfo(target.path()).isDir());
    EXPECT_TRUE(files::removeDirectory(name));
    files::writeAtomically(base.filePath(QStringLiteral("moved/last")), "x");
    EXPECT_FALSE(files::removeDirectory(base.filePath(QStringLiteral("moved"))));
}
