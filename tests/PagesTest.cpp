#include "pages/AddH.h"
#include "pages/Builders.h"
#include "pages/Fragments.h"

#include "platform/Cp936.h"
#include "platform/Database.h"
#include "platform/Files.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using namespace pages;
using namespace Qt::Literals::StringLiterals;

namespace {

const QString kBullet = u"/c/temp/dicts/Dian"_s;
const QString kBody =
    uR"(<body oncontextmenu="return false" ondragstart="return false" onselectstart="return false">)"_s;

QString heading(const QString& tail) {
    return uR"(<p style="line-height: 180%"><img border="0" src="/c/temp/dicts/Dian" width="16" height="16")"_s +
           tail;
}

QStringList head(const QString& title) {
    return {u"<html>"_s, {}, u"<head>"_s, title, u"</head>"_s, {}, kBody, {}};
}

} // namespace

TEST(TextLines, EveryPieceBetweenCrLfEndsInABreak) {
    auto lines = [](const QString& text) {
        PageFile page;
        page.textLines(text);
        return page.lines();
    };
    EXPECT_EQ(lines(u"A"_s), QStringList{u"A<br>"_s});
    EXPECT_EQ(lines({}), QStringList{u"<br>"_s});
    EXPECT_EQ(lines(u"A\r\n"_s), (QStringList{u"A<br>"_s, u"<br>"_s}));
    EXPECT_EQ(lines(u"A\r\n\r\nB"_s), (QStringList{u"A<br>"_s, u"<br>"_s, u"B<br>"_s}));
    EXPECT_EQ(lines(u"A\nB\rC"_s), QStringList{u"A\nB\rC<br>"_s});
    EXPECT_EQ(lines(QString(40000, u'字') + u"\r\nB"_s).size(), 2); // no 16-bit limit
}

TEST(AddH, RaisesOnlyTheAnnotationMarks) {
    EXPECT_EQ(AddH({}), QString());
    EXPECT_EQ(AddH(u"月①光"_s), u"月<sup>①</sup>光"_s);
    EXPECT_EQ(AddH(u"⑴⒇⒈ⅶⅹ⑩"_s),
              u"<sup>⑴</sup><sup>⒇</sup><sup>⒈</sup><sup>ⅶ</sup><sup>ⅹ</sup><sup>⑩</sup>"_s);
    EXPECT_EQ(AddH(QString(QChar(0xE766))), u"<sup>"_s + QChar(0xE766) + u"</sup>"_s);
    EXPECT_EQ(AddH(u"ⅵ㈠"_s), u"ⅵ㈠"_s);
    EXPECT_EQ(AddH(u"⑪x"_s), u"?x"_s);
    EXPECT_EQ(AddH(u"<sup>(21)</sup>"_s), u"<sup>(21)</sup>"_s);
}

TEST(Heading, ThePictureSourceEscapesOnlyWhatWouldBreakIt) {
    EXPECT_EQ(fileSource(u"/home/李 白/.cache/quillora/temp/dicts/Dian"_s),
              u"/home/李 白/.cache/quillora/temp/dicts/Dian"_s);
    EXPECT_EQ(fileSource(uR"(/h/a#b?c%41"d&lt;e\f)"_s + QChar(u'\t') + u"g/Dian"_s),
              u"/h/a%23b%3Fc%2541%22d%26lt;e%5Cf%09g/Dian"_s);
    // Outside code page 936 a character would turn into '?'.
    EXPECT_EQ(fileSource(u"/h/\U0001F600\uAC00\u00E9\u4E00/Dian"_s),
              u"/h/%F0%9F%98%80%EA%B0%80\u00E9\u4E00/Dian"_s);
}

TEST(PoemPage, WorkedExampleGivesSeventeenLines) {
    const QStringList expected = head(u"<title>T</title>"_s) +
                                 QStringList{heading(u"><b>T</b></p>"_s),
                                             uR"(<p style="line-height: 150%; margin-left: 18">)"_s,
                                             uR"(<font size="3">)"_s,
                                             u"A<br>"_s,
                                             u"B<br>"_s,
                                             u"</font>"_s,
                                             u"</body>"_s,
                                             {},
                                             u"</html>"_s};
    EXPECT_EQ(htmlPage(kBullet, u"T"_s, u"A\r\nB"_s, {}, {}).lines(), expected);
}

TEST(PoemPage, SectionsAppearOnlyForTheirTexts) {
    // The frame around them is the worked example's; here only what differs.
    const QStringList both = htmlPage(kBullet, u"题①"_s, u"正文"_s, u"⑴注"_s, u"析"_s).lines();
    ASSERT_EQ(both.size(), 22);
    EXPECT_EQ(both[3], u"<title>题<sup>①</sup></title>"_s);
    EXPECT_EQ(both[8], heading(u"><b>题<sup>①</sup></b></p>"_s));
    EXPECT_EQ(both[12], heading(u"><b>注解</b></p>"_s));
    EXPECT_EQ(both[13], uR"(<p style="line-height: 150%; margin-left: 18"><font size="3">)"_s);
    EXPECT_EQ(both[14], u"<sup>⑴</sup>注<br>"_s);
    EXPECT_EQ(both[15], heading(u"><b>简析</b></p>"_s));
    EXPECT_EQ(both[17], u"析<br>"_s);
    const QStringList notesOnly = htmlPage(kBullet, u"t"_s, u"x"_s, u"\r\n"_s, {}).lines();
    EXPECT_EQ(notesOnly.size(), 20);
    EXPECT_EQ(notesOnly.mid(14, 3), (QStringList{u"<br>"_s, u"<br>"_s, u"</font>"_s}));
    const QStringList empty = htmlPage(kBullet, {}, {}, {}, {}).lines();
    EXPECT_EQ(empty.size(), 16);
    EXPECT_EQ(empty[3], u"<title></title>"_s);
    EXPECT_EQ(empty[11], u"<br>"_s);
}

TEST(IdiomPage, KeepsTheMarksUnraisedAndEndsTheTextWithABlankLine) {
    // The frame is the poem page's; here only what differs.
    const QStringList lines = cyPage(kBullet, u"X①"_s, u"P \r\nQ"_s).lines();
    ASSERT_EQ(lines.size(), 17);
    EXPECT_EQ(lines[3], u"<title></title>"_s);
    EXPECT_EQ(lines[8], heading(u"><b>X①</b></p>"_s));
    EXPECT_EQ(lines.mid(11, 3), (QStringList{u"P <br>"_s, u"Q<br>"_s, {}}));
}

namespace {

class EraPageTest : public ::testing::Test {
  protected:
    void SetUp() override {
        platform::Database db(path, platform::Database::Mode::Create);
        db.Execute(
            u"CREATE TABLE JiyuanBiao (朝代 TEXT, 帝王 TEXT, 年号 TEXT, 干支 TEXT, 年份 TEXT)"_s);
        db.Insert(u"INSERT INTO JiyuanBiao VALUES (?1,?2,?3,?4,?5)"_s,
                  {{platform::Value(u"夏"_s), platform::Value(u"禹"_s), {}, {}, {}},
                   {platform::Value(u"夏"_s), platform::Value(u"启"_s), {}, {}, {}},
                   {platform::Value(u"唐"_s), platform::Value(u"太宗李世民"_s),
                    platform::Value(u"贞观(23)"_s), platform::Value(u"丁亥"_s),
                    platform::Value(u"627"_s)}});
    }
    platform::Recordset rows(const QString& dynasty) {
        return platform::Database(path).OpenRecordset(
            u"Select 帝王,年号,干支,年份 from JiyuanBiao where 朝代='"_s + dynasty + u"'"_s);
    }
    QTemporaryDir dir;
    QString path = dir.filePath(u"e.db"_s);
};

} // namespace

TEST_F(EraPageTest, ALeafDynastyGetsItsTable) {
    auto tang = rows(u"唐"_s);
    const QStringList lines = jybPage(kBullet, tang, u"一段"_s, false).lines();
    EXPECT_TRUE(tang.EndOfFile());
    EXPECT_EQ(lines[8], heading(u"><b>简介</b></p>"_s));
    EXPECT_EQ(lines[11], u"一段<br>"_s);
    EXPECT_EQ(lines[12], heading(u"><b>纪元表</b></p>"_s));
    // The closing lines are the divided dynasty's (below).
    EXPECT_EQ(lines.size(), 31);
    EXPECT_EQ(lines[22],
              uR"(    <td width="18%" height="1" valign="Top" align="right" > 贞观(23)</td>)"_s);
    EXPECT_EQ(lines[24], uR"(    <td width="18%" height="1" valign="Top" > 627</td>)"_s);
}

TEST_F(EraPageTest, EveryRowIsShownAndNullCellsShowAnIdeographicSpace) {
    auto xia = rows(u"夏"_s);
    const QStringList lines = jybPage(kBullet, xia, u"d"_s, false).lines();
    EXPECT_TRUE(xia.EndOfFile());
    EXPECT_EQ(lines.count(u"  <tr>"_s), 3); // the header and two rulers
    EXPECT_EQ(lines[27], uR"(    <td width="46%" height="1" valign="Top" > 启</td>)"_s);
    EXPECT_EQ(lines[21], uR"(    <td width="46%" height="1" valign="Top" > 禹</td>)"_s);
    EXPECT_EQ(lines[22],
              uR"(    <td width="18%" height="1" valign="Top" align="right" > 　</td>)"_s);
}

TEST_F(EraPageTest, ADividedDynastyHasNoTableButStillClosesOne) {
    auto none = rows(u"周"_s);
    const QStringList lines = jybPage(kBullet, none, u"d"_s, true).lines();
    EXPECT_EQ(lines.mid(12), (QStringList{u"</table>"_s, {}, u"</body>"_s, {}, u"</html>"_s}));
    auto empty = rows(u"周"_s);
    const QStringList leaf = jybPage(kBullet, empty, u"d"_s, false).lines();
    EXPECT_EQ(leaf.size(), 12 + 1 + 1 + 6 + 5); // heading, table, header row, closing lines
}

TEST(PageFile, SavingWritesCodePage936WithCrLf) {
    QTemporaryDir dir;
    const Target target{dir.filePath(u"~temp.$$$"_s), kBullet};
    Cy(target, u"岑参"_s, u"①"_s);
    const QByteArray bytes = platform::files::read(target.page);
    EXPECT_TRUE(bytes.startsWith("<html>\r\n\r\n<head>\r\n"));
    EXPECT_TRUE(bytes.contains(platform::cp936::encode(u"<b>岑参</b>"_s)));
    EXPECT_TRUE(bytes.endsWith("</html>\r\n"));
    platform::files::setReadOnly(target.page); // an earlier page left read-only is still replaced
    Cy(target, u"X"_s, u"Y"_s);
    EXPECT_TRUE(platform::files::read(target.page).contains("<b>X</b>"));
}

TEST(PageFile, AHardLinkAtThePageFilesNameLeavesTheOtherFileAsItWas) {
    QTemporaryDir dir;
    const Target target{dir.filePath(u"~temp.$$$"_s), kBullet};
    // Someone else's read-only file, linked in at the page's name.
    const QString other = dir.filePath(u"theirs"_s);
    platform::files::writeAtomically(other, "theirs");
    ASSERT_EQ(::chmod(QFile::encodeName(other).constData(), 0444), 0);
    ASSERT_EQ(::link(QFile::encodeName(other).constData(), QFile::encodeName(target.page).constData()),
              0);
    Cy(target, u"岑参"_s, u"①"_s);
    EXPECT_TRUE(platform::files::read(target.page).contains("<html>"));
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(other).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0444u);
    EXPECT_EQ(st.st_nlink, 1u);
    EXPECT_EQ(platform::files::read(other), QByteArray("theirs"));
}
