#include "shell/WorkingFolder.h"
#include "shell/Paths.h"

#include "platform/Files.h"
#include "platform/Resources.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace shell;
namespace files = platform::files;

namespace {

QString in(const QString& name) {
    return paths::inWorkingFolder(name);
}

ino_t inode(const QString& path) {
    struct stat st {};
    ::lstat(QFile::encodeName(path).constData(), &st);
    return st.st_ino;
}

class WorkingFolderTest : public ::testing::Test {
  protected:
    void SetUp() override { QDir(paths::temporaryFolder()).removeRecursively(); }
    void TearDown() override { QDir(paths::temporaryFolder()).removeRecursively(); }
};

} // namespace

TEST_F(WorkingFolderTest, FirstStartWritesEveryEmbeddedFileUnchanged) {
    WorkingFolder folder;
    folder.prepare();
    folder.markHidden();
    EXPECT_TRUE(files::exists(paths::workingFolder(), files::Kind::Directory));
    for (const QString& name : {paths::kDatabase, paths::kTitlePicture, paths::kBullet}) {
        SCOPED_TRACE(name.toStdString());
        EXPECT_EQ(files::read(in(name)), platform::resources::load(name));
    }
    EXPECT_TRUE(files::read(in(paths::kAboutPage)).contains("<title>"));
    const QByteArray bmp = files::read(in(paths::kTitlePicture));
    EXPECT_TRUE(bmp.startsWith("BM"));
    EXPECT_TRUE(folder.remove());
    EXPECT_FALSE(files::exists(paths::workingFolder(), files::Kind::Directory));
    // The last copy out leaves nothing of its own in the cache.
    EXPECT_FALSE(QFileInfo::exists(paths::lockFile()));
    EXPECT_FALSE(QFileInfo::exists(paths::systemFolder()));
}

TEST_F(WorkingFolderTest, ALeftoverIsReusedOnlyWhenItHoldsExactlyWhatWouldBeWritten) {
    QByteArray about;
    {
        WorkingFolder first;
        first.prepare();
        about = files::read(in(paths::kAboutPage));
        // A run that never reached its exit leaves its folder behind.
    }
    const ino_t database = inode(in(paths::kDatabase));
    const ino_t aboutNode = inode(in(paths::kAboutPage));
    WorkingFolder folder;
    folder.prepare();
    EXPECT_EQ(inode(in(paths::kDatabase)), database);
    EXPECT_EQ(inode(in(paths::kAboutPage)), aboutNode);
    ASSERT_TRUE(folder.remove());

    const QByteArray resource = platform::resources::load(paths::kDatabase);
    QByteArray changed = resource;
    changed.replace(resource.size() / 2, 8, "????????");
    const QByteArray damaged[] = {resource.left(resource.size() / 3),
                                  QByteArray(resource.size(), '\0'), QByteArray(), changed};
    for (const QByteArray& bytes : damaged) {
        SCOPED_TRACE(bytes.size());
        QDir().mkpath(paths::workingFolder());
        files::writeAtomically(in(paths::kDatabase), bytes);
        files::writeAtomically(in(paths::kAboutPage), about.left(about.size() - 1) + 'X');
        files::writeAtomically(in(paths::kBullet), "stale");
        WorkingFolder again;
        again.prepare();
        EXPECT_EQ(files::read(in(paths::kDatabase)), resource);
        EXPECT_EQ(files::read(in(paths::kAboutPage)), about);
        EXPECT_EQ(files::read(in(paths::kBullet)), platform::resources::load(paths::kBullet));
        ASSERT_TRUE(again.remove());
    }
}

TEST_F(WorkingFolderTest, ExitRemovesHiddenReadOnlyFilesAndFoldersToo) {
    WorkingFolder folder;
    folder.prepare();
    files::writeAtomically(in(QStringLiteral(".hidden")), "x");
    files::writeAtomically(in(paths::kPage), "x");
    files::setReadOnly(in(paths::kPage));
    QDir().mkpath(in(QStringLiteral("sub/folder")));
    EXPECT_TRUE(folder.remove());
    EXPECT_FALSE(QDir(paths::workingFolder()).exists());
}

TEST_F(WorkingFolderTest, ALockFileRemovedWhileWaitingForItIsTakenAnew) {
    // Another copy holds the lock alone, as while it removes the folder.
    ASSERT_TRUE(QDir().mkpath(paths::temporaryFolder()));
    const QByteArray lock = QFile::encodeName(paths::lockFile());
    const int exiting = ::open(lock.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    ASSERT_GE(exiting, 0);
    ASSERT_EQ(::flock(exiting, LOCK_EX), 0);
    struct stat st {};
    ::fstat(exiting, &st);
    WorkingFolder folder;
    std::thread starting([&] { folder.prepare(); });
    // Wait until the starting copy is blocked on that very lock.
    const QByteArray waiting = ":" + QByteArray::number(qulonglong(st.st_ino)) + " ";
    for (int i = 0; i < 1000; ++i) {
        QFile locks(QStringLiteral("/proc/locks"));
        locks.open(QIODevice::ReadOnly);
        const QByteArray all = locks.readAll();
        if (all.contains("->") && all.contains(waiting))
            break;
        QThread::msleep(10);
    }
    // Not ASSERT: the starting thread must be joined whatever happens.
    EXPECT_EQ(::unlink(lock.constData()), 0);
    ::close(exiting);
    starting.join();
    // It holds the lock file that now bears the name, not the one removed.
    const int other = ::open(lock.constData(), O_RDWR | O_CLOEXEC);
    ASSERT_GE(other, 0);
    EXPECT_NE(::flock(other, LOCK_EX | LOCK_NB), 0);
    ::close(other);
    EXPECT_TRUE(QFile::exists(in(paths::kDatabase)));
    EXPECT_TRUE(folder.remove());
}
