// What the reader does with failures that reach its top level.
#include "shell/ErrorReport.h"

#include "platform/Error.h"
#include "platform/Process.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <functional>

#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>
#include <sys/resource.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// Runs body at the top level and returns the text of the dialog it showed.
QString dialogOf(const std::function<int()>& body, int& exitCode) {
    QString shown;
    QTimer::singleShot(200, [&] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            shown = box->findChild<QLabel*>(u"qt_msgbox_label"_s)->text();
            box->close();
        }
    });
    exitCode = shell::runReporting(body);
    return shown;
}

} // namespace

TEST(TopLevel, EveryExceptionIsShownAndEndsTheReaderNonZero) {
    int exitCode = -1;
    EXPECT_EQ(dialogOf([]() -> int { throw platform::Error(platform::ErrorCode::QueryFailed); },
                       exitCode),
              u"错误 1041：查询失败"_s);
    EXPECT_EQ(exitCode, 1);
    EXPECT_EQ(dialogOf([]() -> int { throw std::length_error("vector too long"); }, exitCode),
              u"错误 1099：意外错误：vector too long"_s);
    EXPECT_EQ(exitCode, 1);
    EXPECT_EQ(dialogOf([]() -> int { throw 42; }, exitCode), u"错误 1099：意外错误"_s);
    EXPECT_EQ(exitCode, 1);
    EXPECT_EQ(shell::runReporting([] { return 0; }), 0);
}

TEST(TopLevel, SignalsThatCannotBeCaughtAreReportedWithTheReason) {
    // With no descriptor left the signal socket cannot be made.
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &saved), 0);
    rlimit none = saved;
    none.rlim_cur = 0;
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &none), 0);
    QString message;
    try {
        platform::onTerminationRequest([] {});
    } catch (const platform::Error& error) {
        message = error.description();
    }
    ::setrlimit(RLIMIT_NOFILE, &saved);
    EXPECT_TRUE(message.contains(u"socketpair"_s)) << message.toStdString();
    EXPECT_TRUE(message.endsWith(QString::fromLocal8Bit(std::strerror(EMFILE))))
        << message.toStdString();
}
