// The real program under faults from outside: termination signals, damaged,
// linked, locked or unwritable settings, placements no window could use. Each run has its
// own home, cache and settings folder.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLockFile>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include "ProgramRun.h"

#include <csignal>
#include <cstring>
#include <random>

using namespace Qt::Literals::StringLiterals;
using program_run::ProgramRun;

namespace {

QByteArray systemText(int errorNumber) {
    return QByteArray(std::strerror(errorNumber));
}

} // namespace

TEST(Program, StartsAndEndsCleanlyOnSigtermAndSighup) {
    for (const int signal : {SIGTERM, SIGHUP}) {
        SCOPED_TRACE(signal);
        ProgramRun run;
        run.start();
        for (const QString& name : {u"ts.dic"_s, u"Rdm"_s, u"Dian"_s})
            EXPECT_TRUE(QFile::exists(run.folder() + u'/' + name)) << name.toStdString();
        ASSERT_TRUE(run.endWith(signal));
        EXPECT_EQ(run.process().exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(run.process().exitCode(), 0);
        EXPECT_FALSE(QDir(run.folder()).exists());
        EXPECT_EQ(run.setting(u"Window"_s), u"0"_s);
        EXPECT_EQ(run.setting(u"Width"_s), u"9285"_s);
        EXPECT_EQ(run.setting(u"Height"_s), u"6270"_s);
    }
}

TEST(Program, AFailingStartShowsTheFailureAndExitsNonZero) {
    ProgramRun run;
    QFile blocker(run.home(u"cache"_s)); // the working folder cannot be made
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    run.launch();
    ASSERT_TRUE(program_run::eventually([&] { return run.errors().contains("Vellumbra: "); }, 30000));
    EXPECT_TRUE(run.errors().contains("错误"));
    ASSERT_TRUE(run.endWith(SIGTERM)); // closes the message box
    EXPECT_NE(run.process().exitCode(), 0);
}

TEST(Signals, AnErrorAtExitAfterASignalGoesToStderrAndTheReaderEndsAtOnce) {
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(signal);
        ProgramRun run;
        ASSERT_TRUE(QDir().mkpath(run.home(u"config"_s)));
        QFile blocker(run.home(u"config/Quillora"_s)); // the settings cannot be saved
        ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        run.start();
        ASSERT_TRUE(run.endWith(signal)) << "a dialog held the reader";
        EXPECT_EQ(run.process().exitStatus(), QProcess::NormalExit);
        EXPECT_TRUE(run.errors().contains("错误 1030：无法保存设置 " +
                                          run.home(u"config/Quillora"_s).toUtf8() + "：" +
                                          systemText(ENOTDIR)))
            << run.errors().toStdString();
        EXPECT_FALSE(QDir(run.folder()).exists());
    }
}

TEST(Settings, AJunkSettingsFileIsLeftAsItWasAndTheUserTold) {
    ProgramRun run;
    std::mt19937 random(2024);
    QByteArray junk;
    for (int i = 0; i < 8192; ++i)
        junk.append(char(random() & 0xff));
    run.writeSettings(junk);
    run.start();
    ASSERT_TRUE(run.endWith(SIGTERM));
    EXPECT_TRUE(run.errors().contains("错误 1030：无法保存设置 " + run.settingsFile().toUtf8() +
                                      "：无法完整读取"))
        << run.errors().toStdString();
    EXPECT_EQ(run.errors().count('\n'), 1) << "one sentence";
    EXPECT_EQ(run.settingsBytes(), junk);
}

TEST(Settings, AByteOrderMarkIsReadAsNothingAndWhatTheReaderDoesNotKnowIsKept) {
    ProgramRun run;
    const QByteArray others = "[Reading]\nZoom=@Variant(\\0\\0\\0\\x7f\\0\\0\\0)\n"
                              "Theme=dark\n\n[Mine]\n; my own\nfoo = bar\n";
    run.writeSettings(
        "\xEF\xBB\xBF[Setting]\nLeft=0\nTop=0\nWidth=12000\nHeight=6270\nWindow=0\n\n" + others);
    run.start();
    ASSERT_TRUE(run.endWith(SIGTERM));
    EXPECT_EQ(run.errors(), QByteArray());
    EXPECT_EQ(run.settingsBytes(),
              "\xEF\xBB\xBF[Setting]\nLeft=0\nTop=0\nWidth=12000\nHeight=6270\nWindow=0\n\n" +
                  others);
}

TEST(Settings, ASettingsFileThatIsALinkStaysALink) {
    ProgramRun run;
    const QString target = run.home(u"dotfiles/quillora.ini"_s);
    ASSERT_TRUE(QDir().mkpath(run.home(u"dotfiles"_s)));
    {
        QFile file(target); // as an editor that adds a byte order mark saved it
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("\xEF\xBB\xBF[Mine]\nfoo=bar\n");
    }
    ASSERT_TRUE(QDir().mkpath(QFileInfo(run.settingsFile()).absolutePath()));
    ASSERT_TRUE(QFile::link(target, run.settingsFile()));
    run.start();
    ASSERT_TRUE(run.endWith(SIGTERM));
    EXPECT_TRUE(QFileInfo(run.settingsFile()).isSymLink());
    QFile file(target);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "\xEF\xBB\xBF[Mine]\nfoo=bar\n\n[Setting]\nHeight=6270\nLeft=0\nTop=0\n"
                              "Width=9285\nWindow=0\n");
}

TEST(Settings, AStuckLockNeverHoldsTheReaderAndIsNamed) {
    for (const bool folder : {true, false}) {
        SCOPED_TRACE(folder ? "a folder" : "a live process's lock");
        ProgramRun run;
        run.writeSettings("[Setting]\nLeft=0\n");
        const QString lockPath = run.settingsFile() + u".lock"_s;
        QLockFile lock(lockPath);
        if (folder)
            ASSERT_TRUE(QDir().mkpath(lockPath));
        else
            ASSERT_TRUE(lock.tryLock(0));
        run.start();
        signalProgram(run.process(), SIGTERM);
        ASSERT_TRUE(run.process().waitForFinished(5000)) << "the lock held the reader";
        EXPECT_EQ(run.process().exitCode(), 0);
        EXPECT_TRUE(run.errors().contains("错误 1030：无法保存设置 " + run.settingsFile().toUtf8() +
                                          "：锁文件 " + lockPath.toUtf8()))
            << run.errors().toStdString();
        EXPECT_EQ(run.settingsBytes(), "[Setting]\nLeft=0\n");
    }
}

TEST(Placement, GarbageOrUnusableNumbersGiveAUsableWindow) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    struct Case {
        QByteArray stored;
        QStringList saved; // Left, Top, Width, Height
    };
    const Case cases[] = {
        {"[Setting]\nLeft=abc\nTop=99999999999\nWidth=15\nHeight=-6270\nWindow=7\n",
         {u"0"_s, u"0"_s, u"9285"_s, u"6270"_s}},
        {"[Setting]\nLeft=0\nTop=0\nWidth=400000\nHeight=400000\nWindow=0\n",
         {QString::number(screen.x() * 15), QString::number(screen.y() * 15),
          QString::number(screen.width() * 15), QString::number(screen.height() * 15)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored.toStdString());
        ProgramRun run;
        run.writeSettings(c.stored);
        run.start();
        ASSERT_TRUE(run.endWith(SIGTERM));
        EXPECT_EQ((QStringList{run.setting(u"Left"_s), run.setting(u"Top"_s),
                               run.setting(u"Width"_s), run.setting(u"Height"_s)}),
                  c.saved);
        EXPECT_EQ(run.setting(u"Window"_s), u"0"_s);
    }
}

TEST(Placement, AWindowAtX2500OnA4KScreenComesBackThere) {
    const QString xvfb = QStandardPaths::findExecutable(u"Xvfb"_s);
    if (xvfb.isEmpty())
        GTEST_SKIP() << "no Xvfb to make a 4K screen";
    QProcess server;
    server.start(xvfb, {u"-displayfd"_s, u"1"_s, u"-screen"_s, u"0"_s, u"3840x2160x24"_s,
                        u"-nolisten"_s, u"tcp"_s});
    ASSERT_TRUE(server.waitForStarted());
    ASSERT_TRUE(program_run::eventually([&] { return server.canReadLine(); }, 10000));
    const QString display = u":"_s + QString::fromLatin1(server.readLine()).trimmed();
    {
        ProgramRun run({}, true, display);
        run.writeSettings("[Setting]\nLeft=37500\nTop=1500\nWidth=9285\nHeight=6270\nWindow=0\n");
        run.start();
        ASSERT_TRUE(run.endWith(SIGTERM));
        EXPECT_EQ(run.setting(u"Left"_s), u"37500"_s);
        EXPECT_EQ(run.setting(u"Top"_s), u"1500"_s);
    }
    server.terminate();
    server.waitForFinished(5000);
}

TEST(Program, NormalUseLeavesTheTerminalQuiet) {
    ProgramRun run;
    run.start();
    // Pages chosen with the keyboard, when the display can be driven.
    const QString xdotool = QStandardPaths::findExecutable(u"xdotool"_s);
    if (!xdotool.isEmpty() && !qEnvironmentVariableIsEmpty("DISPLAY")) {
        run.type(xdotool, {u"Down"_s, u"Down"_s, u"ctrl+r"_s, u"ctrl+r"_s, u"F1"_s, u"alt+Left"_s});
        // The keys reached the window: a page was written.
        EXPECT_TRUE(QFile::exists(run.folder() + u"/~temp.$$$"_s));
    }
    ASSERT_TRUE(run.endWith(SIGTERM));
    EXPECT_EQ(run.process().exitCode(), 0);
    EXPECT_EQ(run.errors(), QByteArray());
}
