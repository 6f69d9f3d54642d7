// A booklet of pieces as one page file, without a window.
#include "nav/Booklet.h"

#include "platform/Cp936.h"
#include "platform/Files.h"
#include "store/ContentStore.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

class BookletFile : public ::testing::Test {
  protected:
    // The tree's build opens the collections' rows; here the test does.
    void SetUp() override { content.openCategory(0); }

    // A shi's node as the tree makes it, found by its title.
    platform::NodeInfo shi(const QString& title, const QString& key) {
        platform::Recordset row = content.database().OpenRecordset(
            u"SELECT ID FROM TangShi WHERE TiMu = '"_s + title + u"'"_s);
        return {key, row.Fields(0).toString(), title, u"Vellumbra\\诗歌\\某\\"_s + title};
    }

    QString written(const nav::ReadingOptions& options, const QStringList& keys, int* count) {
        const nav::Booklet booklet(content, files, options);
        *count = booklet.write(keys, lookup, u"我的收藏"_s, dir.filePath(u"booklet"_s));
        return platform::cp936::decode(platform::files::read(dir.filePath(u"booklet"_s)));
    }

    QTemporaryDir dir;
    nav::PageFiles files{{dir.filePath(u"~piece"_s), u"/x/Dian"_s}, dir.filePath(u"readme.htm"_s)};
    store::ContentStore content{QStringLiteral(QUILLORA_TEST_DIC)};
    nav::Booklet::NodeLookup lookup = [this](const QString& key) -> std::optional<platform::NodeInfo> {
        if (key == u"R0.1.1"_s)
            return shi(u"静夜思"_s, key);
        if (key == u"R0.1.2"_s)
            return shi(u"春望"_s, key);
        return std::nullopt;
    };
};

} // namespace

TEST_F(BookletFile, ATitlePageThenEachKnownPieceOnASheetOfItsOwnInTheOrderGiven) {
    int count = 0;
    const QString page = written({}, {u"R0.1.2"_s, u"gone"_s, u"R0.1.1"_s}, &count);
    EXPECT_EQ(count, 2);
    EXPECT_EQ(page.count(u"<div class=\"sheet\">"_s), 2);
    EXPECT_TRUE(page.contains(u"<h1>我的收藏</h1><p>共 2 篇"_s));
    const qsizetype spring = page.indexOf(u"恨别鸟惊心"_s);
    const qsizetype night = page.indexOf(u"疑是地上霜"_s);
    EXPECT_GT(spring, page.indexOf(u"<div class=\"sheet\">"_s));
    EXPECT_GT(night, spring);
    // Each sheet holds its page's body alone, never a second document.
    EXPECT_EQ(page.count(u"<body"_s), 1);
    EXPECT_EQ(page.count(u"</html>"_s), 1);
    EXPECT_TRUE(page.contains(u"break-before: page"_s));
}

TEST_F(BookletFile, TheSheetsFollowTheReadingOptions) {
    nav::ReadingOptions options;
    options.vertical = true;
    options.script = nav::Script::Traditional;
    int count = 0;
    const QString page = written(options, {u"R0.1.1"_s}, &count);
    EXPECT_EQ(count, 1);
    EXPECT_TRUE(page.contains(u"<div class=\"vt\">"_s)) << page.toStdString();
    EXPECT_TRUE(page.contains(u"<h1>我的收藏</h1>"_s)); // 我的收藏 reads the same in both
    EXPECT_TRUE(page.contains(u"舉"_s));
    EXPECT_EQ(written({}, {u"gone"_s}, &count).count(u"class=\"sheet\""_s), 0);
    EXPECT_EQ(count, 0);
}
