// `Quillora --find`: the program itself, started without a display.
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QStringList>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

struct Outcome {
    int status = -1;
    QStringList lines;
    QString errors;
};

// `library` names the library file the program is to use; by default one
// that does not exist, so that the anthology's results are what they are
// without a library.
Outcome runFind(const QStringList& arguments, const QString& library = u"/nonexistent/library.qll"_s) {
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"QUILLORA_LIBRARY"_s, library);
    // No window may open: without a display one would fail loudly.
    env.remove(u"DISPLAY"_s);
    env.remove(u"WAYLAND_DISPLAY"_s);
    env.remove(u"QT_QPA_PLATFORM"_s);
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(QUILLORA_EXECUTABLE), arguments);
    EXPECT_TRUE(program.waitForFinished(30000));
    Outcome run;
    run.status = program.exitCode();
    const QString out = QString::fromUtf8(program.readAllStandardOutput());
    run.lines = out.split(u'\n', Qt::SkipEmptyParts);
    run.errors = QString::fromUtf8(program.readAllStandardError());
    return run;
}

TEST(FindCommand, PrintsOneTabSeparatedLinePerResult) {
    const Outcome run = runFind({u"--find"_s, u"床前明月光"_s});
    EXPECT_EQ(run.status, 0);
    ASSERT_FALSE(run.lines.isEmpty());
    const QStringList first = run.lines.front().split(u'\t');
    ASSERT_EQ(first.size(), 5);
    EXPECT_EQ(first[0], u"诗"_s);
    EXPECT_TRUE(first[1].startsWith(u"R0."_s));
    EXPECT_EQ(first[2], u"静夜思"_s);
    EXPECT_EQ(first[3], u"李白"_s);
    EXPECT_TRUE(first[4].contains(u"床⑴前明月光"_s));
    for (const QString& line : run.lines)
        EXPECT_EQ(line.count(u'\t'), 4) << line.toStdString();
}

TEST(FindCommand, ListsEveryEraOfAYearAndTheEqualsFormWorks) {
    const Outcome run = runFind({u"--find=1644"_s});
    EXPECT_EQ(run.status, 0);
    ASSERT_GE(run.lines.size(), 2);
    EXPECT_TRUE(run.lines[0].startsWith(u"纪元\tJ16\t明 崇祯十七年\t思宗朱由检\t"_s));
    EXPECT_TRUE(run.lines[1].startsWith(u"纪元\tJ17\t清 顺治元年\t世祖福临\t"_s));
}

TEST(FindCommand, NothingFoundPrintsNothingAndSucceeds) {
    for (const QString& query : {u"没有这样的诗句哦"_s, u"' OR 1=1 --"_s, u"5000"_s}) {
        const Outcome run = runFind({u"--find"_s, query});
        EXPECT_EQ(run.status, 0) << query.toStdString();
        EXPECT_TRUE(run.lines.isEmpty()) << query.toStdString();
    }
}

TEST(FindCommand, AnEmptyQueryExitsWithTwoAndSaysWhy) {
    for (const QStringList& arguments :
         {QStringList{u"--find"_s}, QStringList{u"--find"_s, u""_s}, QStringList{u"--find=  "_s}}) {
        const Outcome run = runFind(arguments);
        EXPECT_EQ(run.status, 2);
        EXPECT_TRUE(run.lines.isEmpty());
        EXPECT_TRUE(run.errors.contains(u"--find"_s));
    }
}

TEST(FindCommand, LibraryRowsFollowTheAnthologysAndNameTheirCollection) {
    const QString fixture = QStringLiteral(QUILLORA_FIXTURE_LIBRARY);
    const Outcome run = runFind({u"--find"_s, u"春风又绿江南岸"_s}, fixture);
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.errors.isEmpty()) << run.errors.toStdString();
    ASSERT_FALSE(run.lines.isEmpty());
    const QStringList first = run.lines.front().split(u'\t');
    ASSERT_EQ(first.size(), 5);
    EXPECT_EQ(first[0], u"全宋诗"_s);
    EXPECT_TRUE(first[1].startsWith(u"L"_s));
    EXPECT_EQ(first[2], u"泊船瓜洲"_s);
    EXPECT_EQ(first[3], u"王安石"_s);

    // The anthology's own 静夜思 leads, and the library's copy of it is not
    // shown a second time.
    const Outcome both = runFind({u"--find"_s, u"静夜思"_s}, fixture);
    ASSERT_FALSE(both.lines.isEmpty());
    EXPECT_TRUE(both.lines.front().startsWith(u"诗\tR"_s)) << both.lines.front().toStdString();
    int copies = 0;
    for (const QString& line : both.lines)
        copies += line.contains(u"\t李白\t"_s) && line.contains(u"思\t"_s);
    EXPECT_EQ(copies, 1);
}

TEST(FindCommand, TheLimitCutsTheRowsAndABadLimitIsAUsageError) {
    const QString fixture = QStringLiteral(QUILLORA_FIXTURE_LIBRARY);
    EXPECT_EQ(runFind({u"--find"_s, u"月"_s}, fixture).lines.size(), 100);
    EXPECT_EQ(runFind({u"--find"_s, u"月"_s, u"--find-limit"_s, u"7"_s}, fixture).lines.size(), 7);
    for (const QString& bad : {u"0"_s, u"-3"_s, u"many"_s}) {
        const Outcome run = runFind({u"--find"_s, u"月"_s, u"--find-limit"_s, bad}, fixture);
        EXPECT_EQ(run.status, 2) << bad.toStdString();
        EXPECT_TRUE(run.lines.isEmpty());
        EXPECT_TRUE(run.errors.contains(u"--find-limit"_s));
    }
}

TEST(FindCommand, AnUnusableLibraryIsSaidOnceAndTheAnthologyStillAnswers) {
    QTemporaryDir dir;
    const QString broken = dir.filePath(u"library.qll"_s);
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(100, 'x'));
    file.close();
    const Outcome run = runFind({u"--find"_s, u"床前明月光"_s}, broken);
    EXPECT_EQ(run.status, 0);
    EXPECT_FALSE(run.lines.isEmpty());
    EXPECT_EQ(run.errors.count(u'\n'), 1);
    EXPECT_TRUE(run.errors.contains(broken)) << run.errors.toStdString();
    const Outcome missing = runFind({u"--find"_s, u"床前明月光"_s});
    EXPECT_TRUE(missing.errors.isEmpty());
}

} // namespace
