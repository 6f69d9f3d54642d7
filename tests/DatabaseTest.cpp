#include "platform/Database.h"
#include "platform/Error.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using platform::Database;
using platform::Value;

using namespace Qt::Literals::StringLiterals;

namespace {

class DatabaseTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        path = dir.filePath(QStringLiteral("t.db"));
        Database db(path, Database::Mode::Create);
        db.Execute(QStringLiteral(
            "CREATE TABLE ZuoZhe (ID INTEGER, Name TEXT COLLATE PINYIN, JianJie TEXT);"
            "CREATE TABLE chengyugushi (Id INTEGER, chengyu TEXT COLLATE PINYIN, yinxu TEXT "
            "COLLATE PINYIN);"
            "CREATE TABLE ChaoDai1 (ID SMALLINT, ID1 SMALLINT, 名称 TEXT COLLATE PINYIN, 说明 "
            "TEXT)"));
        db.Insert(QStringLiteral("INSERT INTO ZuoZhe VALUES (?1, ?2, ?3)"),
                  {{Value(5), Value(QStringLiteral("王维")), Value(QStringLiteral("诗佛"))},
                   {Value(2), Value(QStringLiteral("杜甫")), Value()},
                   {Value(9), Value(QStringLiteral("O'Neil")), Value(QStringLiteral("x"))},
                   {Value(3), Value(QStringLiteral("白居易")), Value(QStringLiteral("乐天"))},
                   {Value(7), Value(QStringLiteral("杜牧")), Value(QStringLiteral("小杜"))}});
        db.Insert(QStringLiteral("INSERT INTO chengyugushi VALUES (?1, ?2, ?3)"),
                  {{Value(1), Value(QStringLiteral("卧薪尝胆")), Value(QStringLiteral("W"))},
                   {Value(2), Value(QStringLiteral("画蛇添足")), Value(QStringLiteral("H"))},
                   {Value(3), Value(QStringLiteral("亡羊补牢")), Value(QStringLiteral("W"))},
                   {Value(4), Value(QStringLiteral("班门弄斧")), Value(QStringLiteral("B"))}});
        db.Insert(
            QStringLiteral("INSERT INTO ChaoDai1 VALUES (?1, ?2, ?3, ?4)"),
            {{Value(3), Value(1), Value(QStringLiteral("西周")), Value(QStringLiteral("镐京"))}});
    }

    QStringList column(platform::Recordset rs, const QString& name) {
        QStringList values;
        for (; !rs.EndOfFile(); rs.MoveNext())
            values << rs.Fields(name).toString();
        return values;
    }

    QTemporaryDir dir;
    QString path;
};

} // namespace

TEST_F(DatabaseTest, ChineseSortsAndGroupsInPinyinOrder) {
    Database db(path);
    EXPECT_EQ(column(db.OpenRecordset(
                         QStringLiteral("SELECT Name FROM ZuoZhe WHERE ID <> 9 ORDER BY Name")),
                     QStringLiteral("Name")),
              (QStringList{u"白居易"_s, u"杜甫"_s, u"杜牧"_s, u"王维"_s}));
    EXPECT_EQ(column(db.OpenRecordset(
                         QStringLiteral("Select DISTINCT yinxu from chengyugushi order by yinxu")),
                     QStringLiteral("yinxu")),
              (QStringList{u"B"_s, u"H"_s, u"W"_s}));
    EXPECT_EQ(column(db.OpenRecordset(QStringLiteral(
                         "SELECT yinxu FROM chengyugushi GROUP BY yinxu Order by yinxu")),
                     QStringLiteral("yinxu")),
              (QStringList{u"B"_s, u"H"_s, u"W"_s}));
}

TEST_F(DatabaseTest, WithoutOrderRowsComeInStoredOrder) {
    Database db(path);
    EXPECT_EQ(
        column(db.OpenRecordset(QStringLiteral("SELECT * FROM ZuoZhe")), QStringLiteral("ID")),
        (QStringList{u"5"_s, u"2"_s, u"9"_s, u"3"_s, u"7"_s}));
}

TEST_F(DatabaseTest, NamesMatchWithoutRegardToCase) {
    Database db(path);
    auto rs = db.OpenRecordset(QStringLiteral("Select * from chaodai1"));
    EXPECT_EQ(rs.Fields(QStringLiteral("id1")).toNumber(), 1);
    auto idioms = db.OpenRecordset(QStringLiteral("select * from CHENGYUGUSHI"));
    EXPECT_EQ(idioms.Fields(QStringLiteral("Chengyu")).toString(), u"卧薪尝胆"_s);
    EXPECT_THROW(idioms.Fields(QStringLiteral("nosuch")), platform::Error);
}

TEST_F(DatabaseTest, UnquotedChineseIdentifiersWork) {
    Database db(path);
    auto rs = db.OpenRecordset(QStringLiteral("select 说明 from chaodai1 where 名称='西周'"));
    ASSERT_FALSE(rs.EndOfFile());
    EXPECT_EQ(rs.Fields(QStringLiteral("说明")).toString(), u"镐京"_s);
    EXPECT_EQ(rs.Fields(0).toString(), u"镐京"_s);
}

TEST_F(DatabaseTest, FindFirstSearchesFromTheFirstRowWhateverIsCurrent) {
    Database db(path);
    auto rs = db.OpenRecordset(QStringLiteral("SELECT * FROM ZuoZhe"));
    rs.FindFirst(QStringLiteral("ID = 7"));
    ASSERT_FALSE(rs.NoMatch());
    EXPECT_EQ(rs.Fields(QStringLiteral("Name")).toString(), u"杜牧"_s);
    rs.FindFirst(QStringLiteral("ID = 404"));
    EXPECT_TRUE(rs.NoMatch());
    EXPECT_EQ(rs.Fields(QStringLiteral("ID")).toNumber(), 7); // current row unchanged
    rs.FindFirst(QStringLiteral("Name = '王维'"));            // a row before the current one
    ASSERT_FALSE(rs.NoMatch());
    EXPECT_EQ(rs.Fields(QStringLiteral("ID")).toNumber(), 5);
    rs.FindFirst(QStringLiteral("Name = 'O''Neil'"));
    ASSERT_FALSE(rs.NoMatch());
    EXPECT_EQ(rs.Fields(QStringLiteral("ID")).toNumber(), 9);
    EXPECT_THROW(rs.FindFirst(QStringLiteral("ID > 3")), platform::Error);
}

TEST_F(DatabaseTest, NullFieldsAreNullAndNoCurrentRowIsAnError) {
    Database db(path);
    auto rs = db.OpenRecordset(QStringLiteral("SELECT * FROM ZuoZhe WHERE ID = 2"));
    EXPECT_TRUE(rs.Fields(QStringLiteral("JianJie")).IsNull());
    EXPECT_EQ(rs.Fields(QStringLiteral("JianJie")).toString(), QString());
    rs.MoveNext();
    EXPECT_TRUE(rs.EndOfFile());
    EXPECT_THROW(rs.Fields(0), platform::Error);
    EXPECT_THROW(rs.MoveNext(), platform::Error);
}

TEST_F(DatabaseTest, FailuresCarryTheEnginesCodeAndText) {
    try {
        Database(dir.filePath(QStringLiteral("missing.db")));
        FAIL() << "opened a missing file";
    } catch (const platform::Error& e) {
        EXPECT_EQ(e.code(), platform::ErrorCode::DatabaseNotOpened);
        EXPECT_TRUE(e.description().contains(QStringLiteral("missing.db")));
    }
    Database db(path);
    EXPECT_THROW(db.OpenRecordset(QStringLiteral("SELECT * FROM Nowhere")), platform::Error);
    db.Close();
    EXPECT_THROW(db.OpenRecordset(QStringLiteral("SELECT * FROM ZuoZhe")), platform::Error);
}

TEST(DatabaseFile, AFileThatIsNoDatabaseFailsAtOpen) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("junk"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(4096, 'x'));
    file.close();
    EXPECT_THROW(Database{path}, platform::Error);
}

TEST_F(DatabaseTest, AnImageInMemoryReadsAsTheFileAndCannotBeChanged) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    Database image(Database::Image{bytes});
    EXPECT_EQ(column(image.OpenRecordset(u"SELECT Name FROM ZuoZhe WHERE ID <> 9 ORDER BY Name"_s),
                     u"Name"_s),
              (QStringList{u"白居易"_s, u"杜甫"_s, u"杜牧"_s, u"王维"_s}));
    EXPECT_THROW(image.Execute(u"DELETE FROM ZuoZhe"_s), platform::Error);
    EXPECT_EQ(column(image.OpenRecordset(u"SELECT Name FROM ZuoZhe"_s), u"Name"_s).size(), 5);
    EXPECT_THROW(Database(Database::Image{QByteArray(4096, 'x')}), platform::Error);
}
