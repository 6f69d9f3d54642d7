// The real program against faults in its folders and its environment: links
// and leftovers where its files belong, a refused or full disk, an awkward
// home, copies that race, and kills mid-start.
#include "platform/Resources.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include "ProgramRun.h"

#include <csignal>
#include <grp.h>
#include <linux/capability.h>
#include <pwd.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;
using program_run::eventually;
using program_run::ProgramRun;

namespace {

// Everything below a folder, without following links: kind, mode and bytes.
QMap<QString, QByteArray> snapshot(const QString& root) {
    QMap<QString, QByteArray> entries;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        struct stat st {};
        ::lstat(QFile::encodeName(path).constData(), &st);
        QByteArray what = QByteArray::number(st.st_mode, 8) + ' ';
        if (S_ISLNK(st.st_mode))
            what += QFile::encodeName(QFileInfo(path).symLinkTarget());
        else if (S_ISREG(st.st_mode)) {
            QFile file(path);
            file.open(QIODevice::ReadOnly);
            what += file.readAll();
        }
        entries.insert(path.mid(root.size()), what);
    }
    return entries;
}

// Someone else's folder: files, a read-only one and a hidden one.
void fillForeignFolder(const QString& path) {
    QDir().mkpath(path + u"/sub"_s);
    for (const QString& name : {u"a.txt"_s, u".hidden"_s, u"sub/readonly"_s}) {
        QFile file(path + u'/' + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(name.toUtf8());
    }
    QFile::setPermissions(path + u"/sub/readonly"_s, QFile::ReadOwner | QFile::ReadGroup);
}

bool isLink(const QString& path) {
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISLNK(st.st_mode);
}

// Whether a user of no group of ours can run the program: a build under a
// private home (/root is 700) cannot be reached by one.
bool othersCanRun(const QString& program) {
    QFileInfo info(program);
    if (!info.permission(QFile::ExeOther))
        return false;
    for (QDir dir = info.absoluteDir();; dir.cdUp()) {
        if (!QFileInfo(dir.absolutePath()).permission(QFile::ExeOther))
            return false;
        if (dir.isRoot())
            return true;
    }
}

} // namespace

TEST(FolderFaults, LinksInPlaceOfItsFoldersAreReplacedAndTheirTargetsKept) {
    QTemporaryDir home;
    const QString temp = home.filePath(u"cache/quillora/temp"_s);
    const QString foreign = home.filePath(u"foreign"_s);
    const QString other = home.filePath(u"other"_s);
    fillForeignFolder(foreign + u"/dicts"_s);
    fillForeignFolder(other);
    const auto before = snapshot(foreign);
    const auto otherBefore = snapshot(other);
    QDir().mkpath(home.filePath(u"cache/quillora"_s));
    ASSERT_TRUE(QFile::link(foreign, temp));
    ProgramRun run(home.path());
    run.start();
    EXPECT_FALSE(isLink(temp));
    EXPECT_FALSE(isLink(temp + u"/dicts"_s));
    // The folder swapped for a link while the reader runs.
    ASSERT_TRUE(QDir().rename(temp + u"/dicts"_s, temp + u"/moved"_s));
    ASSERT_TRUE(QFile::link(other, temp + u"/dicts"_s));
    EXPECT_TRUE(run.end()) << run.errors().constData();
    EXPECT_EQ(snapshot(foreign), before);
    EXPECT_EQ(snapshot(other), otherBefore);
}

TEST(FolderFaults, DamagedLeftoversAndThingsInTheWayAreReplaced) {
    QTemporaryDir home;
    const QString temp = home.filePath(u"cache/quillora/temp"_s);
    const QString folder = temp + u"/dicts"_s;
    const QString foreign = home.filePath(u"foreign"_s);
    fillForeignFolder(foreign);
    const auto before = snapshot(foreign);
    const QByteArray database = platform::resources::load(u"ts.dic"_s);
    QDir().mkpath(folder + u"/readme.htm/inner"_s);
    QDir().mkpath(folder + u"/~temp.$$$"_s);
    QDir().mkpath(temp + u"/.dicts.lock"_s);
    ASSERT_TRUE(QFile::link(foreign, folder + u"/readme.htm/inner/link"_s));
    ASSERT_TRUE(QFile::link(foreign + u"/a.txt"_s, folder + u"/Dian"_s));
    ASSERT_EQ(::link(QFile::encodeName(foreign + u"/sub/readonly"_s).constData(),
                     QFile::encodeName(folder + u"/Rdm"_s).constData()),
              0);
    QFile leftover(folder + u"/ts.dic"_s);
    ASSERT_TRUE(leftover.open(QIODevice::WriteOnly));
    leftover.write(database.left(database.size() / 2)); // cut short by a crash
    leftover.close();
    ProgramRun run(home.path());
    run.start();
    QFile written(folder + u"/ts.dic"_s);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.readAll() == database);
    EXPECT_TRUE(run.end()) << run.errors().constData();
    EXPECT_FALSE(QFileInfo::exists(folder));
    EXPECT_EQ(snapshot(foreign), before);
}

TEST(FolderFaults, ARefusedFolderIsNamedWithTheSystemsReason) {
    QTemporaryDir home;
    const QString cache = home.filePath(u"cache"_s);
    QDir().mkpath(cache);
    QFile::setPermissions(cache, QFile::ReadOwner | QFile::ExeOwner);
    ProgramRun run(home.path());
    // Even the superuser is refused: the program runs without the right to
    // override permissions.
    run.process().setChildProcessModifier([] {
        ::prctl(PR_CAPBSET_DROP, CAP_DAC_OVERRIDE, 0, 0, 0);
        ::prctl(PR_CAPBSET_DROP, CAP_DAC_READ_SEARCH, 0, 0, 0);
    });
    run.launch();
    const QByteArray errors = run.waitForError();
    EXPECT_TRUE(errors.contains(QFile::encodeName(cache) + "/quillora：Permission denied"))
        << errors.constData();
    run.end();
    QFile::setPermissions(cache, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST(FolderFaults, AFullDiskAtStartLeavesNoPartWrittenFile) {
    QTemporaryDir home;
    const QString folder = home.filePath(u"cache/quillora/temp/dicts"_s);
    ProgramRun run(home.path());
    // A file-size limit on the program alone fails the write of the large
    // database as a full disk would.
    run.process().setChildProcessModifier([] {
        ::signal(SIGXFSZ, SIG_IGN);
        const struct rlimit small = {200000, 200000};
        ::setrlimit(RLIMIT_FSIZE, &small);
    });
    run.launch();
    const QByteArray errors = run.waitForError();
    EXPECT_TRUE(errors.contains("/dicts/ts.dic：File too large")) << errors.constData();
    run.end();
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden),
              QStringList({u"Dian"_s, u"Rdm"_s}));
}

TEST(FolderFaults, AHomeThatCannotBeDecodedIsRefusedAndNothingWrittenElsewhere) {
    QTemporaryDir parent;
    QTemporaryDir config;
    ProgramRun run({}, false);
    // The byte 0xFF cannot travel in a QString: a shell puts it into HOME.
    QProcessEnvironment env = run.process().processEnvironment();
    env.insert(u"PARENT"_s, parent.path());
    env.insert(u"PROGRAM"_s, QStringLiteral(QUILLORA_EXECUTABLE));
    env.insert(u"XDG_CONFIG_HOME"_s, config.path());
    run.process().setProcessEnvironment(env);
    run.process().start(u"/bin/sh"_s,
                        {u"-c"_s, u"HOME=\"$PARENT/h$(printf '\\377')\" exec \"$PROGRAM\""_s});
    ASSERT_TRUE(run.process().waitForStarted());
    const QByteArray errors = run.waitForError();
    EXPECT_TRUE(errors.contains("错误 1013")) << errors.constData();
    run.end();
    // Only what the test made: no folder under a name with a replacement
    // character beside the real home.
    EXPECT_EQ(QDir(parent.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size(), 0);
}

TEST(FolderFaults, ANonAsciiHomeWorks) {
    QTemporaryDir parent;
    const QString home = parent.filePath(u"家 目录 #1"_s);
    QDir().mkpath(home);
    ProgramRun run(home, false);
    run.start();
    EXPECT_TRUE(run.end()) << run.errors().constData();
    EXPECT_FALSE(QFileInfo::exists(home + u"/.cache/quillora/temp/dicts"_s));
}

TEST(FolderFaults, TwoCopiesShareTheFolderAndTheLastOneRemovesIt) {
    QTemporaryDir home;
    const QString folder = home.filePath(u"cache/quillora/temp/dicts"_s);
    ProgramRun first(home.path());
    ProgramRun second(home.path());
    first.launch();
    second.launch();
    first.waitUntilRunning();
    QTest::qWait(3000);
    EXPECT_TRUE(first.end()) << first.errors().constData();
    EXPECT_TRUE(QFileInfo(folder + u"/ts.dic"_s).isFile());
    EXPECT_EQ(second.process().state(), QProcess::Running);
    EXPECT_TRUE(second.end()) << second.errors().constData();
    // The lock and the folders above the working folder go with the last one.
    EXPECT_FALSE(QFileInfo::exists(home.filePath(u"cache/quillora"_s)));
    EXPECT_TRUE(QFileInfo(home.filePath(u"cache"_s)).isDir());
}

TEST(FolderFaults, AKillDuringStartUpIsFollowedByACleanRun) {
    QTemporaryDir home;
    const QString folder = home.filePath(u"cache/quillora/temp/dicts"_s);
    for (const QString& reached : {u"/Rdm"_s, u"/ts.dic"_s}) {
        ProgramRun killed(home.path());
        killed.launch();
        ASSERT_TRUE(eventually([&] { return QFileInfo::exists(folder + reached); }));
        signalProgram(killed.process(), SIGKILL);
        killed.process().waitForFinished(30000);
    }
    ProgramRun next(home.path());
    next.start();
    EXPECT_TRUE(next.end()) << next.errors().constData();
    EXPECT_FALSE(QFileInfo::exists(folder));
}

TEST(FolderFaults, EmptyOrRelativeXdgFoldersCountAsUnset) {
    for (const QString& value : {u"relcache"_s, u""_s}) {
        SCOPED_TRACE(value.toStdString());
        QTemporaryDir home;
        QTemporaryDir current;
        ProgramRun run(home.path(), false);
        QProcessEnvironment env = run.process().processEnvironment();
        env.insert(u"XDG_CACHE_HOME"_s, value);
        env.insert(u"XDG_CONFIG_HOME"_s, value);
        run.process().setProcessEnvironment(env);
        run.process().setWorkingDirectory(current.path());
        run.start();
        EXPECT_TRUE(run.end()) << run.errors().constData();
        EXPECT_FALSE(run.errors().contains("Failed to create")) << run.errors().constData();
        EXPECT_TRUE(QFileInfo(home.filePath(u".config/Quillora/Quillora.ini"_s)).isFile());
        EXPECT_EQ(
            QDir(current.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
            QStringList());
    }
}

TEST(FolderFaults, WithoutAnyHomeTheReaderStopsAndSaysSo) {
    // A user the password database does not know, and no HOME: only the
    // superuser can start the program as such a user.
    constexpr uid_t kStranger = 54321;
    if (::geteuid() != 0 || ::getpwuid(kStranger))
        GTEST_SKIP() << "needs the superuser and a user id without an entry";
    if (!othersCanRun(QStringLiteral(QUILLORA_EXECUTABLE)))
        GTEST_SKIP() << "the program lies in a folder other users cannot enter";
    QTemporaryDir current;
    QFile::setPermissions(current.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                              QFile::ReadOther | QFile::WriteOther |
                                              QFile::ExeOther);
    ProgramRun run(QString(), false);
    QProcessEnvironment env = run.process().processEnvironment();
    for (const QString& name : {u"HOME"_s, u"XDG_CONFIG_HOME"_s, u"XDG_CACHE_HOME"_s,
                                u"XDG_DATA_HOME"_s, u"XDG_RUNTIME_DIR"_s, u"XAUTHORITY"_s})
        env.remove(name);
    env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    run.process().setProcessEnvironment(env);
    run.process().setWorkingDirectory(current.path());
    run.process().setChildProcessModifier([] {
        ::setgroups(0, nullptr);
        if (::setgid(kStranger) != 0 || ::setuid(kStranger) != 0)
            ::_exit(99);
    });
    run.launch();
    const QByteArray errors = run.waitForError();
    EXPECT_TRUE(errors.contains("错误 1014：找不到主文件夹")) << errors.constData();
    run.end();
    EXPECT_EQ(run.process().exitCode(), 1);
    EXPECT_EQ(
        QDir(current.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
        QStringList());
}
