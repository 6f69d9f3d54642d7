// What the reader's queries return for values with apostrophes: the value
// itself, and never more. (The shipped content's rows come through them in
// the tree's and the pages' tests.)
#include "store/ContentNames.h"
#include "store/Queries.h"

#include "platform/Database.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace q = store::queries;
namespace t = store::tables;
namespace c = store::columns;
using namespace Qt::Literals::StringLiterals;

namespace {

QStringList column(const platform::Database& db, const QString& sql, const QString& name) {
    QStringList values;
    for (platform::Recordset rows = db.OpenRecordset(sql); !rows.EndOfFile(); rows.MoveNext())
        values << rows.Fields(name).toString();
    return values;
}

} // namespace

TEST(Queries, AValueWithApostrophesIsMatchedAsItIsAndNeverWidensTheQuery) {
    QTemporaryDir dir;
    platform::Database db(dir.filePath(u"q.db"_s), platform::Database::Mode::Create);
    db.Execute(u"CREATE TABLE TangShi (ID INTEGER, ZuoZhe TEXT, TiMu TEXT)"_s);
    db.Insert(u"INSERT INTO TangShi VALUES (?1, ?2, ?3)"_s,
              {{1, u"O'Neil"_s, u"b"_s}, {2, u"O'Neil"_s, u"a"_s}, {3, u"other"_s, u"c"_s}});
    EXPECT_EQ(column(db, q::titlesOf(t::TangShi, u"O'Neil"_s), c::ID),
              (QStringList{u"2"_s, u"1"_s}));
    EXPECT_EQ(column(db, q::titlesOf(t::TangShi, u"x' OR '1'='1"_s), c::ID), QStringList());
    EXPECT_EQ(column(db, q::authorsOf(t::TangShi), c::ZuoZhe),
              (QStringList{u"O'Neil"_s, u"other"_s}));
}
