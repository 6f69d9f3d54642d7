// `Quillora --find`: the program itself, started without a display.
#include <QProcess>
#include <QStringList>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

struct Outcome {
    int status = -1;
    QStringList lines;
    QString errors;
};

Outcome runFind(const QStringList& arguments) {
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
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

TEST(FindCommand, ANearMatchSaysSoInASixthColumn) {
    const Outcome run = runFind({u"--find"_s, u"床前望月光"_s});
    EXPECT_EQ(run.status, 0);
    ASSERT_FALSE(run.lines.isEmpty());
    const QStringList first = run.lines.front().split(u'\t');
    ASSERT_EQ(first.size(), 6);
    EXPECT_EQ(first[2], u"静夜思"_s);
    EXPECT_EQ(first[5], u"近似"_s);
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

} // namespace
