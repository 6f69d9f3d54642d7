#include "shell/WorkingFolder.h"
#include "shell/Paths.h"

#include "platform/Error.h"
#include "platform/Files.h"
#include "platform/Resources.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace shell;
namespace files = platform::files;

namespace {

QStringList present() {
    return files::listFiles(paths::workingFolder());
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
        EXPECT_EQ(files::read(paths::inWorkingFolder(name)), platform::resources::load(name));
    }
    const QByteArray bmp = files::read(paths::inWorkingFolder(paths::kTitlePicture));
    EXPECT_TRUE(bmp.startsWith("BM"));
    EXPECT_TRUE(folder.remove());
    EXPECT_FALSE(files::exists(paths::workingFolder(), files::Kind::Directory));
    EXPECT_TRUE(files::exists(paths::temporaryFolder(), files::Kind::Directory));
}

TEST_F(WorkingFolderTest, LeftoversAreReusedAsTheyAre) {
    QDir().mkpath(paths::workingFolder());
    files::writeAtomically(paths::inWorkingFolder(paths::kDatabase), "stale database");
    files::writeAtomically(paths::inWorkingFolder(paths::kAboutPage), "stale about page");
    WorkingFolder folder;
    folder.prepare();
    EXPECT_EQ(files::read(paths::inWorkingFolder(paths::kDatabase)), QByteArray("stale database"));
    EXPECT_EQ(files::read(paths::inWorkingFolder(paths::kAboutPage)),
              QByteArray("stale about page"));
    EXPECT_TRUE(present().contains(paths::kBullet));
}

TEST_F(WorkingFolderTest, ExitRemovesHiddenAndReadOnlyFilesToo) {
    WorkingFolder folder;
    folder.prepare();
    files::writeAtomically(paths::inWorkingFolder(QStringLiteral(".hidden")), "x");
    files::writeAtomically(paths::inWorkingFolder(paths::kPage), "x");
    files::setReadOnly(paths::inWorkingFolder(paths::kPage));
    EXPECT_TRUE(folder.remove());
    EXPECT_FALSE(QDir(paths::workingFolder()).exists());
}

TEST_F(WorkingFolderTest, OnlyTheLastRunningCopyRemovesTheFolder) {
    WorkingFolder first;
    WorkingFolder second;
    first.prepare();
    second.prepare();
    EXPECT_FALSE(first.remove());
    EXPECT_TRUE(QFile::exists(paths::inWorkingFolder(paths::kDatabase)));
    EXPECT_TRUE(second.remove());
    EXPECT_FALSE(QDir(paths::workingFolder()).exists());
}

TEST_F(WorkingFolderTest, AFolderThatCannotBeMadeIsReported) {
    QDir().mkpath(QFileInfo(paths::temporaryFolder()).path());
    files::writeAtomically(paths::temporaryFolder(), "a file where the folder belongs");
    WorkingFolder folder;
    EXPECT_THROW(folder.prepare(), platform::Error);
    QFile::remove(paths::temporaryFolder());
}
