// Checks over the content that ships: links, note markers and the facts of
// the era table that can be computed.
#include "find/Sexagenary.h"
#include "store/Categories.h"
#include "store/ContentStore.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <set>

using namespace Qt::Literals::StringLiterals;

namespace {

class Content : public ::testing::Test {
  protected:
    platform::Recordset all(const QString& sql) { return content.database().OpenRecordset(sql); }
    store::ContentStore content{QStringLiteral(QUILLORA_TEST_DIC)};
};

// The markers of a text in order: ⑴..⒇ as 1..20, "<sup>(21)</sup>" as 21.
std::vector<int> markers(const QString& text) {
    static const QRegularExpression mark(u"([\u2474-\u2487])|<sup>\\((\\d+)\\)</sup>"_s);
    std::vector<int> found;
    for (auto it = mark.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        found.push_back(m.capturedLength(1) ? m.captured(1)[0].unicode() - 0x2474 + 1
                                            : m.captured(2).toInt());
    }
    return found;
}

// A year as the era table writes it: "627", or "前206" before Christ.
int yearOf(const QString& text) {
    return text.startsWith(u"前"_s) ? -text.mid(1).toInt() : text.toInt();
}

} // namespace

TEST_F(Content, EveryMarkerHasItsNoteAndEveryNoteItsMarker) {
    for (const auto& category : store::categories()) {
        for (auto rows = all(u"SELECT * FROM "_s + category.table); !rows.EndOfFile();
             rows.MoveNext()) {
            const QString id = category.table + u' ' + rows.Fields(u"ID"_s).toString();
            SCOPED_TRACE(id.toStdString());
            const QString text = rows.Fields(u"NeiRong"_s).toString();
            EXPECT_FALSE(text.trimmed().isEmpty());
            const std::vector<int> inText = markers(text);
            std::vector<int> expected(inText.size());
            for (size_t i = 0; i < expected.size(); ++i)
                expected[i] = int(i) + 1;
            EXPECT_EQ(inText, expected) << "markers must run 1, 2, 3 ... in the text";
            std::vector<int> notes;
            for (const QString& line : rows.Fields(u"ZhuShi"_s).toString().split(u"\r\n"_s)) {
                const std::vector<int> lead =
                    markers(line.left(line.startsWith(u"<sup>"_s) ? 16 : 1));
                if (!lead.empty())
                    notes.push_back(lead.front());
                else if (!line.isEmpty()) {
                    EXPECT_TRUE(line.startsWith(QChar(0x3000))) << line.toStdString();
                }
            }
            EXPECT_EQ(notes, inText) << "one note per marker, in order";
        }
    }
}

TEST_F(Content, NoApostropheAnywhere) {
    for (const QString& table :
         {u"TangShi"_s, u"SongCi"_s, u"YuanQu"_s, u"ZuoZhe"_s, u"chengyugushi"_s, u"ChaoDai"_s,
          u"ChaoDai1"_s, u"ChaoDai2"_s, u"JiyuanBiao"_s}) {
        for (auto rows = all(u"SELECT * FROM "_s + table); !rows.EndOfFile(); rows.MoveNext()) {
            for (int i = 0; i < rows.FieldCount(); ++i)
                EXPECT_FALSE(rows.Fields(i).toString().contains(u'\'')) << table.toStdString();
        }
    }
}

TEST_F(Content, EraEntriesLineUpAndTheirYearsAreRight) {
    QString dynasty;
    int lastYear = -100000;
    for (auto rows = all(u"SELECT * FROM JiyuanBiao"_s); !rows.EndOfFile(); rows.MoveNext()) {
        const QString ruler = rows.Fields(u"朝代"_s).toString() + rows.Fields(u"帝王"_s).toString();
        SCOPED_TRACE(ruler.toStdString());
        if (rows.Fields(u"朝代"_s).toString() != dynasty) {
            dynasty = rows.Fields(u"朝代"_s).toString();
            lastYear = -100000;
        }
        if (rows.Fields(u"年份"_s).IsNull()) {
            EXPECT_TRUE(rows.Fields(u"干支"_s).IsNull());
            continue;
        }
        const QStringList years = rows.Fields(u"年份"_s).toString().split(u"<p>"_s);
        const QStringList cycles = rows.Fields(u"干支"_s).toString().split(u"<p>"_s);
        ASSERT_EQ(cycles.size(), years.size());
        if (!rows.Fields(u"年号"_s).IsNull()) {
            EXPECT_EQ(rows.Fields(u"年号"_s).toString().split(u"<p>"_s).size(), years.size());
        }
        for (qsizetype i = 0; i < years.size(); ++i) {
            const int y = yearOf(years[i]);
            EXPECT_EQ(cycles[i], find::sexagenaryName(y)) << years[i].toStdString();
            EXPECT_GE(y, lastYear) << "years go back in " << dynasty.toStdString();
            lastYear = y;
        }
    }
}

TEST_F(Content, EraRowsBelongToExactlyTheUndividedDynasties) {
    std::set<QString> divided;
    for (auto rows = all(u"SELECT * FROM ChaoDai1"_s); !rows.EndOfFile(); rows.MoveNext())
        divided.insert(rows.Fields(u"ID"_s).toString());
    std::set<QString> dividedNames;
    std::set<QString> leaves;
    for (auto rows = all(u"SELECT * FROM ChaoDai"_s); !rows.EndOfFile(); rows.MoveNext())
        (divided.count(rows.Fields(u"ID"_s).toString()) ? dividedNames : leaves)
            .insert(rows.Fields(u"名称"_s).toString());
    std::set<QString> dividedSubs;
    for (auto rows = all(u"SELECT * FROM ChaoDai2"_s); !rows.EndOfFile(); rows.MoveNext()) {
        dividedSubs.insert(rows.Fields(u"ID"_s).toString());
        leaves.insert(rows.Fields(u"名称"_s).toString());
    }
    for (auto rows = all(u"SELECT * FROM ChaoDai1"_s); !rows.EndOfFile(); rows.MoveNext())
        (dividedSubs.count(rows.Fields(u"ID1"_s).toString()) ? dividedNames : leaves)
            .insert(rows.Fields(u"名称"_s).toString());
    std::set<QString> withRows;
    for (auto rows = all(u"SELECT 朝代 FROM JiyuanBiao"_s); !rows.EndOfFile(); rows.MoveNext())
        withRows.insert(rows.Fields(0).toString());
    for (const QString& name : withRows)
        EXPECT_TRUE(leaves.count(name)) << name.toStdString() << " is divided or unknown";
    for (const QString& name : dividedNames)
        EXPECT_FALSE(withRows.count(name)) << name.toStdString();
    EXPECT_EQ(withRows, leaves);
}

namespace {

int count(platform::Database& db, const QString& sql) {
    return int(db.OpenRecordset(u"SELECT count(*) FROM "_s + sql).Fields(0).toNumber());
}

} // namespace

TEST_F(Content, EveryTableHoldsItsFullSet) {
    auto& db = content.database();
    EXPECT_EQ(count(db, u"TangShi"_s), 346);
    EXPECT_EQ(count(db, u"SongCi"_s), 62);
    EXPECT_EQ(count(db, u"YuanQu"_s), 75);
    EXPECT_EQ(count(db, u"chengyugushi"_s), 147);
    EXPECT_EQ(count(db, u"ChaoDai"_s), 19);
    EXPECT_EQ(count(db, u"ChaoDai1"_s), 18);
    EXPECT_EQ(count(db, u"ChaoDai2"_s), 9);
    EXPECT_NEAR(count(db, u"JiyuanBiao"_s), 320, 20);
    // The earliest rulers are listed without eras.
    EXPECT_EQ(count(db, u"JiyuanBiao WHERE 年份 IS NULL"_s), 57);
    EXPECT_EQ(count(db, u"(SELECT DISTINCT yinxu FROM chengyugushi)"_s), 20);
}

TEST_F(Content, PiecesHaveAnalysesAndMostHaveNotes) {
    auto& db = content.database();
    for (const auto& category : store::categories()) {
        SCOPED_TRACE(category.table.toStdString());
        const int all = count(db, category.table);
        EXPECT_EQ(count(db, category.table + u" WHERE JianXi IS NULL OR JianXi = ''"_s), 0);
        EXPECT_GE(count(db, category.table + u" WHERE ZhuShi IS NOT NULL"_s) * 10, all * 8);
        EXPECT_EQ(count(db, category.table + u" WHERE length(TiMu) > 39 OR length(ZuoZhe) > 4"_s),
                  0);
    }
}

TEST_F(Content, EveryPoetIsIntroduced) {
    for (auto rows = all(u"SELECT * FROM ZuoZhe"_s); !rows.EndOfFile(); rows.MoveNext()) {
        const QString intro = rows.Fields(u"JianJie"_s).toString().remove(u"\r\n"_s);
        EXPECT_GE(intro.size(), 150) << rows.Fields(u"Name"_s).toString().toStdString();
        EXPECT_LE(intro.size(), 400) << rows.Fields(u"Name"_s).toString().toStdString();
    }
}

TEST_F(Content, IdiomsAreFourCharactersUnderTheirInitial) {
    for (auto rows = all(u"SELECT * FROM chengyugushi"_s); !rows.EndOfFile(); rows.MoveNext()) {
        const QString idiom = rows.Fields(u"chengyu"_s).toString();
        EXPECT_EQ(idiom.size(), 4) << idiom.toStdString();
        const int story = int(rows.Fields(u"gushi"_s).toString().remove(u"\r\n"_s).size());
        EXPECT_TRUE(story >= 200 && story <= 600) << idiom.toStdString() << " " << story;
        EXPECT_TRUE(rows.Fields(u"gushi"_s).toString().contains(u"《"_s)) << "names its source";
    }
}
