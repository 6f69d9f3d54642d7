// The page engine's render process ending under the window: the page comes
// back by itself, and a process that keeps ending is named on the page.
#include "shell/Mainform.h"

#include "platform/NodeTree.h"
#include "platform/PageView.h"

#include "WindowSupport.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <csignal>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace {

pid_t parentOf(pid_t pid) {
    QFile status(u"/proc/%1/status"_s.arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("PPid:"))
            return pid_t(line.mid(5).trimmed().toInt());
    return 0;
}

QByteArray commandOf(pid_t pid) {
    QFile command(u"/proc/%1/cmdline"_s.arg(pid));
    return command.open(QIODevice::ReadOnly) ? command.readAll() : QByteArray();
}

// The engine's helpers are children of this process; it makes render
// processes by forking its zygotes, whose command lines they keep.
bool isRenderProcess(pid_t pid) {
    const pid_t zygote = parentOf(pid);
    return commandOf(zygote).contains("--type=zygote") && parentOf(zygote) == ::getpid();
}

// Kills the render processes the engine started for this process.
int killRenderProcesses() {
    int killed = 0;
    for (const QString& entry : QDir(u"/proc"_s).entryList(QDir::Dirs)) {
        bool number = false;
        const pid_t pid = pid_t(entry.toInt(&number));
        if (number && isRenderProcess(pid) && ::kill(pid, SIGKILL) == 0)
            ++killed;
    }
    return killed;
}

class RenderProcess : public ::testing::Test {
  protected:
    void SetUp() override { window_support::open(form); }
    void TearDown() override { form->close(); }

    template <typename Step> void andWait(Step step) { window_support::andWait(*form, step); }
    QString pageText() { return window_support::visibleText(form->view()); }
    QString titleOf(const QString& key) { return form->tree()->info(key).text; }

    std::unique_ptr<shell::Mainform> form;
};

} // namespace

TEST_F(RenderProcess, APageLostWithItsProcessComesBackAtOnce) {
    andWait([&] { form->tree()->reveal(u"R0.0.0"_s); });
    ASSERT_TRUE(pageText().contains(titleOf(u"R0.0.0"_s)));
    andWait([&] { ASSERT_GT(killRenderProcesses(), 0); });
    EXPECT_TRUE(pageText().contains(titleOf(u"R0.0.0"_s)));
    // The pages after it go in as before.
    andWait([&] { form->tree()->reveal(u"R0.0.1"_s); });
    EXPECT_TRUE(pageText().contains(titleOf(u"R0.0.1"_s)));
}

TEST_F(RenderProcess, AProcessThatEndsAgainAtOnceIsNamedOnThePageUntilTheNextChoice) {
    andWait([&] { form->tree()->reveal(u"R0.0.0"_s); });
    andWait([&] { ASSERT_GT(killRenderProcesses(), 0); });
    andWait([&] { ASSERT_GT(killRenderProcesses(), 0); });
    const QString notice = pageText();
    EXPECT_TRUE(notice.contains(u"意外退出"_s)) << notice.toStdString();
    EXPECT_TRUE(notice.contains(u"再选一次"_s)) << notice.toStdString();
    andWait([&] { form->tree()->reveal(u"R0.0.1"_s); });
    EXPECT_TRUE(pageText().contains(titleOf(u"R0.0.1"_s)));
}
