// The reader's window ended from outside in the less common ways: signals a
// terminal or a script may send, and the display going away under it. Each
// way still removes the working folder and saves the placement.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include "SignalProgram.h"

#include <csignal>
#include <sys/resource.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// A virtual display of the test's own, to be ended under the reader.
class OwnDisplay {
  public:
    OwnDisplay() {
        const QString xvfb = QStandardPaths::findExecutable(u"Xvfb"_s);
        if (xvfb.isEmpty())
            return;
        m_server.start(xvfb, {u"-displayfd"_s, u"1"_s, u"-screen"_s, u"0"_s, u"1280x1024x24"_s,
                              u"-nolisten"_s, u"tcp"_s});
        if (m_server.waitForStarted() &&
            QTest::qWaitFor([&] { return m_server.canReadLine(); }, 10000))
            m_name = u":"_s + QString::fromLatin1(m_server.readLine()).trimmed();
    }
    ~OwnDisplay() { end(); }
    QString name() const { return m_name; }
    void end() {
        if (m_server.state() == QProcess::NotRunning)
            return;
        m_server.kill();
        m_server.waitForFinished(5000);
    }

  private:
    QProcess m_server;
    QString m_name;
};

class Window {
  public:
    explicit Window(const QString& display) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"HOME"_s, m_home.path());
        env.insert(u"XDG_CACHE_HOME"_s, m_home.filePath(u"cache"_s));
        env.insert(u"XDG_CONFIG_HOME"_s, m_home.filePath(u"config"_s));
        env.remove(u"QT_QPA_PLATFORM"_s);
        env.insert(u"DISPLAY"_s, display);
        m_program.setProcessEnvironment(env);
        // SIGQUIT would dump core by default: none is wanted here.
        m_program.setChildProcessModifier([] {
            const struct rlimit none = {0, 0};
            ::setrlimit(RLIMIT_CORE, &none);
        });
    }
    ~Window() {
        if (m_program.state() != QProcess::NotRunning) {
            m_program.kill();
            m_program.waitForFinished(5000);
        }
    }
    QString folder() const { return m_home.filePath(u"cache/quillora/temp/dicts"_s); }
    QString setting(const QString& key) const {
        QFile file(m_home.filePath(u"config/Quillora/Quillora.ini"_s));
        if (!file.open(QIODevice::ReadOnly))
            return {};
        const QRegularExpression line(u"^"_s + key + u"=(.*)$"_s,
                                      QRegularExpression::MultilineOption);
        return line.match(QString::fromUtf8(file.readAll())).captured(1);
    }
    // Starts the program and waits until its first page is shown.
    void start() {
        m_program.start(QStringLiteral(QUILLORA_EXECUTABLE), {});
        ASSERT_TRUE(m_program.waitForStarted());
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return QFile::exists(folder() + u"/readme.htm"_s); }, 30000));
        QTest::qWait(1500);
    }
    QProcess& program() { return m_program; }

  private:
    QTemporaryDir m_home;
    QProcess m_program;
};

} // namespace

TEST(ExitFaults, EverySignalThatWouldEndTheReaderClosesItCleanly) {
    OwnDisplay display;
    if (display.name().isEmpty())
        GTEST_SKIP() << "no Xvfb to show the window on";
    for (const int signal : {SIGQUIT, SIGUSR1, SIGUSR2, SIGALRM}) {
        SCOPED_TRACE(signal);
        Window run(display.name());
        ASSERT_NO_FATAL_FAILURE(run.start());
        ASSERT_TRUE(signalProgram(run.program(), signal));
        ASSERT_TRUE(run.program().waitForFinished(15000));
        EXPECT_EQ(run.program().exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(run.program().exitCode(), 0);
        EXPECT_FALSE(QDir(run.folder()).exists());
        EXPECT_EQ(run.setting(u"Width"_s), u"9285"_s);
    }
}

TEST(ExitFaults, TheDisplayEndingUnderTheReaderStillLeavesItsThingsInOrder) {
    OwnDisplay display;
    if (display.name().isEmpty())
        GTEST_SKIP() << "no Xvfb to end under the reader";
    Window run(display.name());
    ASSERT_NO_FATAL_FAILURE(run.start());
    display.end();
    ASSERT_TRUE(run.program().waitForFinished(15000));
    EXPECT_EQ(run.program().exitStatus(), QProcess::NormalExit);
    EXPECT_FALSE(QDir(run.folder()).exists());
    EXPECT_EQ(run.setting(u"Width"_s), u"9285"_s);
    EXPECT_EQ(run.setting(u"Window"_s), u"0"_s);
}
