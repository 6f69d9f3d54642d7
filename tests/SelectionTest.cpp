#include "nav/Selection.h"

#include "platform/Cp936.h"
#include "platform/Files.h"
#include "store/ContentStore.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using Kind = nav::Action::Kind;

namespace {

class Selection : public ::testing::Test {
  protected:
    QStringList choose(const nav::Action& action) {
        shown = nav::carryOut(action, content, files);
        if (!QFile::exists(files.target.page))
            return {};
        return platform::cp936::decode(platform::files::read(files.target.page)).split(u"\r\n"_s);
    }
    static nav::Action action(Kind kind, const QString& number = {}, int category = 0) {
        nav::Action a;
        a.kind = kind;
        a.number = number;
        a.category = category;
        return a;
    }

    QTemporaryDir dir;
    nav::PageFiles files{{dir.filePath(u"~temp.$$$"_s), u"/x/Dian"_s},
                         dir.filePath(u"readme.htm"_s)};
    store::ContentStore content{QStringLiteral(QUILLORA_TEST_DIC)};
    QString shown;
};

} // namespace

TEST_F(Selection, TitlesComeFromTheCategoryOfTheirPath) {
    for (int i = 0; i < 3; ++i)
        content.openCategory(i);
    nav::Action tang = action(Kind::Title, u"14"_s, 0);
    tang.name = u"题"_s;
    const QStringList page = choose(tang);
    EXPECT_EQ(shown, files.target.page);
    EXPECT_EQ(page[3], u"<title>题</title>"_s);
    EXPECT_GT(page.size(), 17);
    // SongCi has no piece 14: the page is empty rather than another piece.
    nav::Action ci = action(Kind::Title, u"14"_s, 1);
    ci.name = u"题"_s;
    EXPECT_EQ(choose(ci)[3], u"<title></title>"_s);
}

TEST_F(Selection, MissingRowsGiveEmptyPagesOfTheirKind) {
    EXPECT_EQ(choose(action(Kind::Author, u"99999"_s))[3], u"<title>简介</title>"_s);
    const QStringList idiom = choose(action(Kind::Idiom, u"99999"_s));
    EXPECT_EQ(
        idiom[8],
        uR"(<p style="line-height: 180%"><img border="0" src="/x/Dian" width="16" height="16"><b></b></p>)"_s);
    EXPECT_EQ(idiom[11], u"<br>"_s);
    const QStringList unmatched = choose(action(Kind::Unmatched));
    EXPECT_EQ(unmatched[3], u"<title>简介</title>"_s);
    EXPECT_EQ(unmatched[11], u"<br>"_s);
}
