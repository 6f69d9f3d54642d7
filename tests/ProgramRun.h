#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include "SignalProgram.h"

#include <csignal>

// The real program started and ended from outside, as a desktop session
// does, with a home, cache and settings folder of its own.
namespace program_run {

template <typename Condition> bool eventually(Condition condition, int milliseconds = 30000) {
    for (int waited = 0; waited < milliseconds; waited += 20) {
        if (condition())
            return true;
        QTest::qWait(20);
    }
    return condition();
}

class ProgramRun {
  public:
    // A fresh home unless one is given. Without a cache folder of its own the
    // program finds .cache in the home; without a display it runs off screen.
    explicit ProgramRun(const QString& givenHome = {}, bool ownCache = true,
                        const QString& display = qEnvironmentVariable("DISPLAY"))
        : m_homePath(givenHome.isEmpty() ? m_home.path() : givenHome), m_ownCache(ownCache) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), m_homePath);
        env.remove(QStringLiteral("XDG_CACHE_HOME"));
        if (ownCache)
            env.insert(QStringLiteral("XDG_CACHE_HOME"), home(QStringLiteral("cache")));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home(QStringLiteral("config")));
        // The user's data (the favourites) goes where a desktop keeps it.
        env.remove(QStringLiteral("XDG_DATA_HOME"));
        env.remove(QStringLiteral("DISPLAY"));
        if (display.isEmpty())
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        else
            env.insert(QStringLiteral("DISPLAY"), display);
        m_process.setProcessEnvironment(env);
    }
    ~ProgramRun() {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }
    ProgramRun(const ProgramRun&) = delete;
    ProgramRun& operator=(const ProgramRun&) = delete;

    QString home(const QString& name) const { return m_homePath + u'/' + name; }
    QString settingsFile() const { return home(QStringLiteral("config/Quillora/Quillora.ini")); }
    QString folder() const {
        return home(m_ownCache ? QStringLiteral("cache") : QStringLiteral(".cache")) +
               QStringLiteral("/quillora/temp/dicts");
    }
    QString favouritesFile() const {
        return home(QStringLiteral(".local/share/quillora/favourites.db"));
    }
    QProcess& process() { return m_process; }

    void writeSettings(const QByteArray& bytes) const {
        QDir().mkpath(QFileInfo(settingsFile()).absolutePath());
        QFile file(settingsFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray settingsBytes() const {
        QFile file(settingsFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QString setting(const QString& key) const {
        QFile file(settingsFile());
        if (!file.open(QIODevice::ReadOnly))
            return {};
        const QRegularExpression line(u'^' + key + QStringLiteral("=(.*)$"),
                                      QRegularExpression::MultilineOption);
        return line.match(QString::fromUtf8(file.readAll())).captured(1);
    }

    // Types keys into the program's window with xdotool, as a user at the
    // keyboard would, a pause after each.
    void type(const QString& xdotool, const QStringList& keys) {
        const QStringList window{QStringLiteral("search"), QStringLiteral("--sync"),
                                 QStringLiteral("--onlyvisible"), QStringLiteral("--pid"),
                                 QString::number(m_process.processId()), QStringLiteral("--name"),
                                 QStringLiteral("Vellumbra"), QStringLiteral("windowfocus"),
                                 QStringLiteral("key")};
        for (const QString& key : keys) {
            QProcess::execute(xdotool, window + QStringList{key});
            QTest::qWait(300);
        }
    }

    void launch() {
        m_process.start(QStringLiteral(QUILLORA_EXECUTABLE), {});
        ASSERT_TRUE(m_process.waitForStarted());
    }
    // Waits until the program has written its About page, then a little
    // longer so that it stands in its event loop with its first page shown.
    void waitUntilRunning() {
        ASSERT_TRUE(eventually([&] { return QFileInfo(folder() + QStringLiteral("/readme.htm")).isFile(); }));
        QTest::qWait(1500);
    }
    void start() {
        ASSERT_NO_FATAL_FAILURE(launch());
        waitUntilRunning();
    }

    QByteArray errors() { return m_errors += m_process.readAllStandardError(); }
    QByteArray waitForError() {
        eventually([&] { return errors().contains("错误"); });
        return m_errors;
    }
    // Sends the signal; true when the program then ends on its own in time.
    bool endWith(int signal) {
        signalProgram(m_process, signal);
        return m_process.waitForFinished(30000);
    }
    // Ends the program as a logout would; true when it ended cleanly.
    bool end() {
        endWith(SIGTERM);
        return m_process.exitStatus() == QProcess::NormalExit && m_process.exitCode() == 0 &&
               !errors().contains("错误");
    }

  private:
    QTemporaryDir m_home;
    QString m_homePath;
    bool m_ownCache;
    QProcess m_process;
    QByteArray m_errors;
};

} // namespace program_run
