#pragma once

#include <QProcess>

#include <gtest/gtest.h>

#include <csignal>

// Sends a signal to the program under test and to nothing else. A program
// that never started, or has ended, has the id 0, and kill(0, …) would
// signal the whole process group: the test runner and everything it runs.
inline bool signalProgram(const QProcess& program, int signal) {
    const qint64 pid = program.processId();
    EXPECT_GT(pid, 0) << "the program is not running, so it cannot be signalled";
    return pid > 0 && ::kill(pid_t(pid), signal) == 0;
}
