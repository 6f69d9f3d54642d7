// `quillora --find` under faults from outside: a TMPDIR it cannot use, an
// interruption while the results go out, an output that refuses them.
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include "SignalProgram.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace {

QStringList entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                  QDir::NoDotAndDotDot);
}

// The program started by a shell command line, as a user types it, in a
// folder of its own with a TMPDIR of its own.
class FindRun {
  public:
    FindRun() {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"PROGRAM"_s, QStringLiteral(QUILLORA_EXECUTABLE));
        env.insert(u"HOME"_s, m_home.path());
        env.insert(u"TMPDIR"_s, m_temp.path());
        env.remove(u"DISPLAY"_s);
        env.remove(u"WAYLAND_DISPLAY"_s);
        m_process.setProcessEnvironment(env);
        m_process.setWorkingDirectory(m_work.path());
        // Started from a terminal, the program gets the default handling of
        // every signal, whatever the test itself was started with; a signal
        // that dumps core leaves no core file in the folders watched.
        m_process.setChildProcessModifier([] {
            for (const int signal : {SIGPIPE, SIGINT, SIGQUIT, SIGTERM, SIGHUP})
                ::signal(signal, SIG_DFL);
            const struct rlimit none = {0, 0};
            ::setrlimit(RLIMIT_CORE, &none);
        });
    }
    void setTemp(const std::optional<QString>& value) {
        QProcessEnvironment env = m_process.processEnvironment();
        if (value)
            env.insert(u"TMPDIR"_s, *value);
        else
            env.remove(u"TMPDIR"_s);
        m_process.setProcessEnvironment(env);
    }
    void start(const QString& command) {
        m_process.start(u"/bin/sh"_s, {u"-c"_s, command});
        ASSERT_TRUE(m_process.waitForStarted());
    }
    void finish() {
        ASSERT_TRUE(m_process.waitForFinished(60000));
        m_errors += m_process.readAllStandardError();
    }
    QProcess& process() { return m_process; }
    QByteArray output() { return m_process.readAllStandardOutput(); }
    QByteArray errors() const { return m_errors; }
    // What the program left in its working folder, its TMPDIR and its home.
    QStringList leftovers() const {
        return entries(m_work.path()) + entries(m_temp.path()) + entries(m_home.path());
    }
    QString folder(const QString& name) const { return m_home.filePath(name); }

  private:
    QTemporaryDir m_work;
    QTemporaryDir m_temp;
    QTemporaryDir m_home;
    QProcess m_process;
    QByteArray m_errors;
};

QByteArray systemText(int errorNumber) {
    return QByteArray(std::strerror(errorNumber));
}

// A named pipe that the test reads from, or not.
class Fifo {
  public:
    Fifo() : m_path(m_folder.filePath(u"out"_s)) {
        ::mkfifo(QFile::encodeName(m_path).constData(), 0600);
        m_fd = ::open(QFile::encodeName(m_path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    }
    ~Fifo() { close(); }
    QString path() const { return m_path; }
    int waiting() const {
        int bytes = 0;
        ::ioctl(m_fd, FIONREAD, &bytes);
        return bytes;
    }
    void close() {
        if (m_fd >= 0)
            ::close(std::exchange(m_fd, -1));
    }

  private:
    QTemporaryDir m_folder;
    QString m_path;
    int m_fd = -1;
};

} // namespace

TEST(FindFaults, ATmpdirThatCannotBeUsedDoesNotMatterAndNothingIsWritten) {
    struct Case {
        const char* what;
        std::function<std::optional<QString>(FindRun&)> temp;
    };
    const Case cases[] = {
        {"a file",
         [](FindRun& run) -> std::optional<QString> {
             QFile file(run.folder(u"file"_s));
             file.open(QIODevice::WriteOnly);
             return file.fileName();
         }},
        {"a missing folder",
         [](FindRun& run) -> std::optional<QString> { return run.folder(u"missing/folder"_s); }},
        {"empty", [](FindRun&) -> std::optional<QString> { return u""_s; }},
        {"unset", [](FindRun&) -> std::optional<QString> { return std::nullopt; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FindRun run;
        run.setTemp(c.temp(run));
        const QStringList before = run.leftovers();
        run.start(u"exec \"$PROGRAM\" --find 床前明月光"_s);
        run.finish();
        EXPECT_EQ(run.process().exitCode(), 0);
        EXPECT_TRUE(run.output().contains("静夜思"));
        EXPECT_EQ(run.errors(), QByteArray());
        EXPECT_EQ(run.leftovers(), before);
    }
}

TEST(FindFaults, AnInterruptedSearchLeavesNothingBehind) {
    for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGPIPE}) {
        SCOPED_TRACE(signal);
        FindRun run;
        Fifo out;
        // Nobody reads: once the pipe is full, the program waits with its
        // results half written.
        run.start(u"exec \"$PROGRAM\" --find 一 --find-limit 100000 >"_s + out.path());
        ASSERT_TRUE(QTest::qWaitFor([&] { return out.waiting() >= 60000; }, 60000));
        QTest::qWait(200);
        if (signal == SIGPIPE)
            out.close(); // as `| head -1` does once it has its line
        else
            signalProgram(run.process(), signal);
        run.finish();
        EXPECT_EQ(run.process().exitStatus(), QProcess::CrashExit);
        EXPECT_EQ(run.errors(), QByteArray());
        EXPECT_EQ(run.leftovers(), QStringList());
    }
}

TEST(FindFaults, AnOutputThatRefusesTheResultsIsReportedAndFails) {
    struct Case {
        QString redirection;
        int reason;
    };
    for (const Case& c : {Case{u">/dev/full"_s, ENOSPC}, Case{u">&-"_s, EBADF}}) {
        SCOPED_TRACE(c.redirection.toStdString());
        FindRun run;
        run.start(u"exec \"$PROGRAM\" --find 一 "_s + c.redirection);
        run.finish();
        EXPECT_EQ(run.process().exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(run.process().exitCode(), 1);
        EXPECT_TRUE(
            run.errors().startsWith("Quillora: 错误 1071：无法写出结果：" + systemText(c.reason)))
            << run.errors().constData();
        EXPECT_EQ(run.leftovers(), QStringList());
    }
    // Nothing to write is no failure.
    FindRun run;
    run.start(u"exec \"$PROGRAM\" --find 没有这样的诗句哦 >/dev/full"_s);
    run.finish();
    EXPECT_EQ(run.process().exitCode(), 0);
    EXPECT_EQ(run.errors(), QByteArray());
}

TEST(FindFaults, AReaderThatIgnoresSigpipeStillEndsQuietlyWhenThePipeCloses) {
    FindRun run;
    run.process().setChildProcessModifier([] { ::signal(SIGPIPE, SIG_IGN); });
    run.start(u"exec \"$PROGRAM\" --find 一 | head -1"_s);
    run.finish();
    EXPECT_EQ(run.output().count('\n'), 1);
    EXPECT_EQ(run.errors(), QByteArray());
    EXPECT_EQ(run.leftovers(), QStringList());
}
