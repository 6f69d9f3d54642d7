#include "nav/Selection.h"

#include "pages/AddH.h"
#include "pages/Builders.h"
#include "platform/Cp936.h"
#include "platform/Files.h"
#include "store/ContentStore.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;
using Kind = nav::Action::Kind;

namespace {

class Selection : public ::testing::Test {
  protected:
    // The lines of the page written; lines past the end read as "<none>", so
    // a missing page fails the comparisons instead of crashing the test.
    QStringList choose(const nav::Action& action) {
        QFile::remove(files.target.page);
        shown = nav::carryOut(action, content, files);
        if (!QFile::exists(files.target.page))
            return {};
        return platform::cp936::decode(platform::files::read(files.target.page)).split(u"\r\n"_s);
    }
    static QString line(const QStringList& page, qsizetype i) { return page.value(i, u"<none>"_s); }
    // The first text line of the section under the heading, or "<none>".
    static QString sectionStart(const QStringList& page, const QString& heading) {
        const auto at = std::find_if(page.begin(), page.end(), [&](const QString& l) {
            return l.contains(u"<b>"_s + heading + u"</b>"_s);
        });
        const auto text =
            std::find_if(at, page.end(), [](const QString& l) { return l.endsWith(u"<br>"_s); });
        return text == page.end() ? u"<none>"_s : *text;
    }
    static nav::Action action(Kind kind, const QString& number = {}, int category = 0) {
        nav::Action a;
        a.kind = kind;
        a.number = number;
        a.category = category;
        return a;
    }
    QString field(const QString& sql) {
        return content.database().OpenRecordset(sql).Fields(0).toString();
    }

    QTemporaryDir dir;
    nav::PageFiles files{{dir.filePath(u"~temp.$$$"_s), u"/x/Dian"_s},
                         dir.filePath(u"readme.htm"_s)};
    store::ContentStore content{QStringLiteral(QUILLORA_TEST_DIC)};
    QString shown;
};

} // namespace

TEST_F(Selection, ATitleShowsItsOwnPieceFromItsCategorysTable) {
    for (int i = 0; i < 3; ++i)
        content.openCategory(i);
    nav::Action tang = action(Kind::Title, u"14"_s, 0);
    tang.name = u"题"_s;
    const QStringList page = choose(tang);
    EXPECT_EQ(shown, files.target.page);
    EXPECT_EQ(line(page, 3), u"<title>题</title>"_s);
    const QString analysis = field(u"SELECT JianXi FROM TangShi WHERE ID = 14"_s);
    EXPECT_EQ(sectionStart(page, u"简析"_s),
              pages::AddH(analysis.split(u"\r\n"_s).first()) + u"<br>"_s);
    // SongCi has no piece 14: the page is empty rather than another piece.
    nav::Action ci = action(Kind::Title, u"14"_s, 1);
    ci.name = u"题"_s;
    EXPECT_EQ(line(choose(ci), 3), u"<title></title>"_s);
}

TEST_F(Selection, MissingRowsGiveEmptyPagesOfTheirKind) {
    const QStringList author = choose(action(Kind::Author, u"99999"_s));
    EXPECT_EQ(line(author, 3), u"<title>简介</title>"_s);
    EXPECT_EQ(line(author, 11), u"<br>"_s);
    const QStringList idiom = choose(action(Kind::Idiom, u"99999"_s));
    EXPECT_EQ(
        line(idiom, 8),
        uR"(<p style="line-height: 180%"><img border="0" src="/x/Dian" width="16" height="16"><b></b></p>)"_s);
    EXPECT_EQ(line(idiom, 11), u"<br>"_s);
    const QStringList unmatched = choose(action(Kind::Unmatched));
    EXPECT_EQ(line(unmatched, 3), u"<title>简介</title>"_s);
    EXPECT_EQ(line(unmatched, 11), u"<br>"_s);
}

TEST_F(Selection, AboutWritesNothingAndShowsTheAboutPage) {
    EXPECT_TRUE(choose(action(Kind::About)).isEmpty());
    EXPECT_EQ(shown, files.about);
}

TEST_F(Selection, InTraditionalTheTextsChangeAndTheAboutPageIsShownFromAConvertedCopy) {
    nav::ReadingOptions traditional;
    traditional.script = nav::Script::Traditional;
    pages::Guanyu(files.about);
    const QByteArray about = platform::files::read(files.about);
    EXPECT_EQ(nav::carryOut(action(Kind::About), content, files, traditional), files.target.page);
    EXPECT_EQ(platform::files::read(files.about), about);
    const QString shown = platform::cp936::decode(platform::files::read(files.target.page));
    EXPECT_TRUE(shown.contains(u"閱讀器"_s));
    EXPECT_EQ(shown.count(u"\r\n"_s), platform::cp936::decode(about).count(u"\r\n"_s));

    nav::Action preface = action(Kind::Preface);
    preface.section = 4;
    nav::carryOut(preface, content, files, {});
    const QString simplified = platform::cp936::decode(platform::files::read(files.target.page));
    nav::carryOut(preface, content, files, traditional);
    const QString converted = platform::cp936::decode(platform::files::read(files.target.page));
    EXPECT_NE(converted, simplified);
    EXPECT_EQ(converted.count(u'<'), simplified.count(u'<'));
    EXPECT_EQ(converted.count(u"\r\n"_s), simplified.count(u"\r\n"_s));
}
