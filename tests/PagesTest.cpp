#include "pages/AddH.h"
#include "pages/Builders.h"

#include "platform/Cp936.h"
#include "platform/Database.h"
#include "platform/Files.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace pages;
using namespace Qt::Literals::StringLiterals;

namespace {

const QString kBullet = u"/c/temp/dicts/Dian"_qs;
const QString kBody =
    uR"(<body oncontextmenu="return false" ondragstart="return false" onselectstart="return false">)"_qs;

QString heading(const QString& tail) {
    return uR"(<p style="line-height: 180%"><img border="0" src="/c/temp/dicts/Dian" width="16" height="16")"_qs +
           tail;
}

QStringList head(const QString& title) {
    return {u"<html>"_qs, {}, u"<head>"_qs, title, u"</head>"_qs, {}, kBody, {}};
}

} // namespace

TEST(TextLines, EveryPieceBetweenCrLfEndsInABreak) {
    auto lines = [](const QString& text) {
        PageFile page;
        page.textLines(text);
        return page.lines();
    };
    EXPECT_EQ(lines(u"A"_qs), QStringList{u"A<br>"_qs});
    EXPECT_EQ(lines({}), QStringList{u"<br>"_qs});
    EXPECT_EQ(lines(u"A\r\n"_qs), (QStringList{u"A<br>"_qs, u"<br>"_qs}));
    EXPECT_EQ(lines(u"A\r\n\r\nB"_qs), (QStringList{u"A<br>"_qs, u"<br>"_qs, u"B<br>"_qs}));
    EXPECT_EQ(lines(u"A\nB\rC"_qs), QStringList{u"A\nB\rC<br>"_qs});
    EXPECT_EQ(lines(QString(40000, u'字') + u"\r\nB"_qs).size(), 2); // no 16-bit limit
}

TEST(AddH, RaisesOnlyTheAnnotationMarks) {
    EXPECT_EQ(AddH({}), QString());
    EXPECT_EQ(AddH(u"月①光"_qs), u"月<sup>①</sup>光"_qs);
    EXPECT_EQ(AddH(u"⑴⒇⒈ⅶⅹ"_qs),
              u"<sup>⑴</sup><sup>⒇</sup><sup>⒈</sup><sup>ⅶ</sup><sup>ⅹ</sup>"_qs);
    EXPECT_EQ(AddH(QString(QChar(0xE766))), u"<sup>"_qs + QChar(0xE766) + u"</sup>"_qs);
    EXPECT_EQ(AddH(u"ⅵ㈠"_qs), u"ⅵ㈠"_qs);
    EXPECT_EQ(AddH(u"⑪x"_qs), u"?x"_qs);
    EXPECT_EQ(AddH(u"<sup>(21)</sup>"_qs), u"<sup>(21)</sup>"_qs);
}

TEST(PoemPage, WorkedExampleGivesSeventeenLines) {
    const QStringList expected =
        head(u"<title>T</title>"_qs) +
        QStringList{heading(u"><b>T</b></p>"_qs),
                    uR"(<p style="line-height: 150%; margin-left: 18">)"_qs,
                    uR"(<font size="3">)"_qs,
                    u"A<br>"_qs,
                    u"B<br>"_qs,
                    u"</font>"_qs,
                    u"</body>"_qs,
                    {},
                    u"</html>"_qs};
    EXPECT_EQ(htmlPage(kBullet, u"T"_qs, u"A\r\nB"_qs, {}, {}).lines(), expected);
}

TEST(PoemPage, SectionsAppearOnlyForTheirTexts) {
    const QStringList both = htmlPage(kBullet, u"题①"_qs, u"正文"_qs, u"⑴注"_qs, u"析"_qs).lines();
    EXPECT_EQ(both[3], u"<title>题<sup>①</sup></title>"_qs);
    EXPECT_EQ(both[8], heading(u"><b>题<sup>①</sup></b></p>"_qs));
    EXPECT_EQ(both.mid(12),
              (QStringList{heading(u"><b>注解</b></p>"_qs),
                           uR"(<p style="line-height: 150%; margin-left: 18"><font size="3">)"_qs,
                           u"<sup>⑴</sup>注<br>"_qs,
                           heading(u"><b>简析</b></p>"_qs),
                           uR"(<p style="line-height: 150%; margin-left: 18">)"_qs,
                           u"析<br>"_qs,
                           u"</font>"_qs,
                           u"</body>"_qs,
                           {},
                           u"</html>"_qs}));
    const QStringList notesOnly = htmlPage(kBullet, u"t"_qs, u"x"_qs, u"\r\n"_qs, {}).lines();
    EXPECT_EQ(notesOnly.mid(12, 5),
              (QStringList{heading(u"><b>注解</b></p>"_qs),
                           uR"(<p style="line-height: 150%; margin-left: 18"><font size="3">)"_qs,
                           u"<br>"_qs, u"<br>"_qs, u"</font>"_qs}));
    const QStringList empty = htmlPage(kBullet, {}, {}, {}, {}).lines();
    EXPECT_EQ(empty[3], u"<title></title>"_qs);
    EXPECT_EQ(empty.mid(8), (QStringList{heading(u"><b></b></p>"_qs),
                                         uR"(<p style="line-height: 150%; margin-left: 18">)"_qs,
                                         uR"(<font size="3">)"_qs,
                                         u"<br>"_qs,
                                         u"</font>"_qs,
                                         u"</body>"_qs,
                                         {},
                                         u"</html>"_qs}));
}

TEST(IdiomPage, WorkedExampleAndNoSuperscripts) {
    const QStringList expected =
        head(u"<title></title>"_qs) +
        QStringList{heading(u"><b>X①</b></p>"_qs),
                    uR"(<p style="line-height: 150%; margin-left: 18">)"_qs,
                    uR"(<font size="3">)"_qs,
                    u"P <br>"_qs,
                    u"Q<br>"_qs,
                    {},
                    u"</body>"_qs,
                    {},
                    u"</html>"_qs};
    EXPECT_EQ(cyPage(kBullet, u"X①"_qs, u"P \r\nQ"_qs).lines(), expected);
}

namespace {

class EraPageTest : public ::testing::Test {
  protected:
    void SetUp() override {
        platform::Database db(path, platform::Database::Mode::Create);
        db.Execute(
            u"CREATE TABLE JiyuanBiao (朝代 TEXT, 帝王 TEXT, 年号 TEXT, 干支 TEXT, 年份 TEXT)"_qs);
        db.Insert(u"INSERT INTO JiyuanBiao VALUES (?1,?2,?3,?4,?5)"_qs,
                  {{platform::Value(u"夏"_qs), platform::Value(u"禹"_qs), {}, {}, {}},
                   {platform::Value(u"唐"_qs), platform::Value(u"太宗李世民"_qs),
                    platform::Value(u"贞观(23)"_qs), platform::Value(u"丁亥"_qs),
                    platform::Value(u"627"_qs)}});
    }
    platform::Recordset rows(const QString& dynasty) {
        return platform::Database(path).OpenRecordset(
            u"Select 帝王,年号,干支,年份 from JiyuanBiao where 朝代='"_qs + dynasty + u"'"_qs);
    }
    QTemporaryDir dir;
    QString path = dir.filePath(u"e.db"_qs);
};

} // namespace

TEST_F(EraPageTest, ALeafDynastyGetsItsTable) {
    auto tang = rows(u"唐"_qs);
    const QStringList lines = jybPage(kBullet, tang, u"一段"_qs, false).lines();
    EXPECT_TRUE(tang.EndOfFile());
    EXPECT_EQ(lines.mid(8, 4), (QStringList{heading(u"><b>简介</b></p>"_qs),
                                            uR"(<p style="line-height: 150%; margin-left: 18">)"_qs,
                                            uR"(<font size="3">)"_qs, u"一段<br>"_qs}));
    EXPECT_EQ(lines[12], heading(u"><b>纪元表</b></p>"_qs));
    EXPECT_EQ(lines[13], uR"(<table border="1" width="100%" height="1">)"_qs);
    EXPECT_EQ(lines[14], u"  <tr>"_qs);
    EXPECT_EQ(lines[16], uR"(<td width="18%" align="right" bgcolor="#CCCCCC"><b>年号</b></td>)"_qs);
    EXPECT_EQ(
        lines.mid(20),
        (QStringList{
            u"  <tr>"_qs,
            uR"(    <td width="46%" height="1" valign="Top" > 太宗李世民</td>)"_qs,
            uR"(    <td width="18%" height="1" valign="Top" align="right" > 贞观(23)</td>)"_qs,
            uR"(    <td width="18%" height="1" valign="Top" > 丁亥</td>)"_qs,
            uR"(    <td width="18%" height="1" valign="Top" > 627</td>)"_qs,
            u"  </tr>"_qs,
            u"</table>"_qs,
            {},
            u"</body>"_qs,
            {},
            u"</html>"_qs}));
}

TEST_F(EraPageTest, NullCellsShowAnIdeographicSpace) {
    auto xia = rows(u"夏"_qs);
    const QStringList lines = jybPage(kBullet, xia, u"d"_qs, false).lines();
    EXPECT_EQ(lines[21], uR"(    <td width="46%" height="1" valign="Top" > 禹</td>)"_qs);
    EXPECT_EQ(lines[22],
              uR"(    <td width="18%" height="1" valign="Top" align="right" > 　</td>)"_qs);
}

TEST_F(EraPageTest, ADividedDynastyHasNoTableButStillClosesOne) {
    auto none = rows(u"周"_qs);
    const QStringList lines = jybPage(kBullet, none, u"d"_qs, true).lines();
    EXPECT_EQ(lines.mid(12), (QStringList{u"</table>"_qs, {}, u"</body>"_qs, {}, u"</html>"_qs}));
    auto empty = rows(u"周"_qs);
    const QStringList leaf = jybPage(kBullet, empty, u"d"_qs, false).lines();
    EXPECT_EQ(leaf.size(), 12 + 1 + 1 + 6 + 5); // heading, table, header row, closing lines
}

TEST(PageFile, SavingWritesCodePage936WithCrLf) {
    QTemporaryDir dir;
    const Target target{dir.filePath(u"~temp.$$$"_qs), kBullet};
    Cy(target, u"岑参"_qs, u"①"_qs);
    const QByteArray bytes = platform::files::read(target.page);
    EXPECT_TRUE(bytes.startsWith("<html>\r\n\r\n<head>\r\n"));
    EXPECT_TRUE(bytes.contains(platform::cp936::encode(u"<b>岑参</b>"_qs)));
    EXPECT_TRUE(bytes.endsWith("</html>\r\n"));
    platform::files::setReadOnly(target.page); // an earlier page left read-only is still replaced
    Cy(target, u"X"_qs, u"Y"_qs);
    EXPECT_TRUE(platform::files::read(target.page).contains("<b>X</b>"));
}
