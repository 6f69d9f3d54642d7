// The favourites' file under the real program: a favourite survives the
// program killed straight after it was added, and a damaged file is set
// aside and the user told.
#include "favourites/Store.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include "ProgramRun.h"

using namespace Qt::Literals::StringLiterals;
using program_run::eventually;
using program_run::ProgramRun;

namespace {

QList<favourites::Favourite> kept(const ProgramRun& run) {
    if (!QFile::exists(run.favouritesFile()))
        return {};
    return favourites::Store(run.favouritesFile()).list();
}

} // namespace

TEST(FavouritesProgram, AFavouriteSurvivesTheProgramKilledStraightAfterAddingIt) {
    const QString xdotool = QStandardPaths::findExecutable(u"xdotool"_s);
    if (xdotool.isEmpty() || qEnvironmentVariableIsEmpty("DISPLAY"))
        GTEST_SKIP() << "needs xdotool and a display";
    QTemporaryDir home;
    ProgramRun run(home.path());
    ASSERT_NO_FATAL_FAILURE(run.start());
    run.type(xdotool, {u"ctrl+r"_s, u"ctrl+d"_s});
    ASSERT_TRUE(eventually([&] { return kept(run).size() == 1; }));
    ::kill(pid_t(run.process().processId()), SIGKILL);
    ASSERT_TRUE(run.process().waitForFinished(10000));
    const QList<favourites::Favourite> before = kept(run);
    ASSERT_EQ(before.size(), 1);

    ProgramRun again(home.path());
    ASSERT_NO_FATAL_FAILURE(again.start());
    // The new start reads it as it is, with nothing to set aside, and a
    // second Ctrl+D on the same piece is no longer possible to lose.
    EXPECT_TRUE(again.end());
    EXPECT_EQ(kept(again), before);
    EXPECT_EQ(QDir(QFileInfo(again.favouritesFile()).absolutePath())
                  .entryList({u"*damaged*"_s}, QDir::Files),
              QStringList());
}

TEST(FavouritesProgram, ADamagedFileIsSetAsideAndTheUserTold) {
    ProgramRun run;
    QDir().mkpath(QFileInfo(run.favouritesFile()).absolutePath());
    const QByteArray garbage = QByteArray("\x01\x02 torn \xff").repeated(500);
    {
        QFile file(run.favouritesFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(garbage);
    }
    ASSERT_NO_FATAL_FAILURE(run.launch());
    const QByteArray said = run.waitForError();
    EXPECT_TRUE(said.contains("错误 1047")) << said.toStdString();
    EXPECT_EQ(said.count('\n'), 1) << said.toStdString();
    const QStringList aside = QDir(QFileInfo(run.favouritesFile()).absolutePath())
                                  .entryList({u"favourites.damaged-*.db"_s}, QDir::Files);
    ASSERT_EQ(aside.size(), 1);
    EXPECT_TRUE(said.contains(aside.front().toUtf8()));
    QFile kept(QFileInfo(run.favouritesFile()).absolutePath() + u'/' + aside.front());
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), garbage);
    run.endWith(SIGTERM);
}
