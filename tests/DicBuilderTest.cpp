#include "ContentSource.h"
#include "DicWriter.h"
#include "EraOrder.h"
#include "Validation.h"

#include "platform/Database.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace dic;
using namespace Qt::Literals::StringLiterals;

namespace {

// A small, valid set of sources, each table as JSON text.
std::map<QString, QByteArray> validSources() {
    return {
        {u"TangShi"_s,
         R"j([{"ID":14,"ZuoZhe":"李白","TiMu":"静夜思","NeiRong":["床前明月光，疑是地上霜。","举头望明月，低头思故乡。"],"ZhuShi":null,"JianXi":["第一段","第二段"]}])j"},
        {u"SongCi"_s,
         R"j([{"ID":2,"ZuoZhe":"苏轼","TiMu":"水调歌头","NeiRong":["明月几时有"],"ZhuShi":null,"JianXi":null}])j"},
        {u"YuanQu"_s, R"j([])j"},
        {u"ZuoZhe"_s,
         R"j([{"ID":1,"Name":"李白","JianJie":["诗仙"]},{"ID":2,"Name":"苏轼","JianJie":["东坡"]}])j"},
        {u"chengyugushi"_s, R"j([{"Id":1,"chengyu":"守株待兔","gushi":["宋人"],"yinxu":"S"}])j"},
        {u"ChaoDai"_s, R"j([{"ID":3,"名称":"周","说明":["周"]}])j"},
        {u"ChaoDai1"_s, R"j([{"ID":3,"ID1":10,"名称":"南朝","说明":["南"]}])j"},
        {u"ChaoDai2"_s, R"j([{"ID":10,"名称":"刘宋","说明":["宋"]}])j"},
        {u"JiyuanBiao"_s,
         R"j([{"朝代":"刘宋","帝王":"武帝刘裕","年号":["永初(3)"],"干支":["庚申"],"年份":["420"]}])j"},
    };
}

Content parse(const std::map<QString, QByteArray>& sources) {
    Content content;
    for (const auto& [name, json] : sources)
        content.emplace(name, parseTable(table(name), json, table(name).fileName()));
    return content;
}

QStringList faultsWith(const QString& tableName, const QByteArray& json) {
    auto sources = validSources();
    sources[tableName] = json;
    return validate(parse(sources));
}

} // namespace

TEST(DicSources, ValidSourcesPass) {
    EXPECT_EQ(validate(parse(validSources())), QStringList());
}

TEST(DicSources, EachFaultNamesItsFileAndRow) {
    struct Case {
        QString table;
        QByteArray json;
        QString expected;
    };
    const Case cases[] = {
        {u"TangShi"_s,
         R"j([{"ID":14,"ZuoZhe":"杜甫","TiMu":"t","NeiRong":["x"],"ZhuShi":null,"JianXi":null}])j",
         u"TangShi.json, row 1: author 杜甫 has no row in ZuoZhe.json"_s},
        {u"TangShi"_s,
         R"j([{"ID":14,"ZuoZhe":"李白","TiMu":"t","NeiRong":null,"ZhuShi":null,"JianXi":null}])j",
         u"TangShi.json, row 1: NeiRong is null"_s},
        {u"ZuoZhe"_s,
         R"j([{"ID":1,"Name":"李白","JianJie":["a"]},{"ID":2,"Name":"苏轼","JianJie":["b"]},{"ID":2,"Name":"x","JianJie":["c"]}])j",
         u"ZuoZhe.json, row 3: duplicate ID 2"_s},
        {u"ZuoZhe"_s,
         R"j([{"ID":1,"Name":"李白","JianJie":["a"]},{"ID":2,"Name":"苏轼","JianJie":["b"]},{"ID":3,"Name":"李白","JianJie":["c"]}])j",
         u"ZuoZhe.json, row 3: duplicate Name 李白"_s},
        {u"ChaoDai2"_s,
         R"j([{"ID":10,"名称":"刘宋","说明":["x"]},{"ID":10,"名称":"周","说明":["x"]}])j",
         u"ChaoDai2.json, row 2: dynasty name 周 is already used (ChaoDai.json, row 1)"_s},
        {u"ChaoDai2"_s,
         R"j([{"ID":10,"名称":"刘宋","说明":["x"]},{"ID":11,"名称":"北魏","说明":["x"]}])j",
         u"ChaoDai2.json, row 2: parent ID1 11 does not exist"_s},
        {u"ChaoDai1"_s, R"j([{"ID":4,"ID1":10,"名称":"南朝","说明":["x"]}])j",
         u"ChaoDai1.json, row 1: parent ID 4 does not exist"_s},
        {u"JiyuanBiao"_s, R"j([{"朝代":"唐","帝王":"x","年号":null,"干支":null,"年份":null}])j",
         u"JiyuanBiao.json, row 1: 朝代 唐 names no dynasty row"_s},
        {u"ZuoZhe"_s,
         R"j([{"ID":1,"Name":"李白","JianJie":["⑪"]},{"ID":2,"Name":"苏轼","JianJie":["b"]}])j",
         u"ZuoZhe.json, row 1: JianJie holds text code page 936 cannot encode: ⑪"_s},
        {u"chengyugushi"_s, R"j([{"Id":1,"chengyu":"守株待兔","gushi":["x"],"yinxu":"s"}])j",
         u"chengyugushi.json, row 1: yinxu must be one letter"_s},
        {u"ZuoZhe"_s,
         R"j([{"ID":1,"Name":"李白","JianJie":["a"]},{"ID":2,"Name":"苏轼","JianJie":["b"]},{"ID":3,"Name":"苏轼五个字","JianJie":["c"]}])j",
         u"ZuoZhe.json, row 3: Name is longer than 8 bytes"_s},
    };
    for (const Case& c : cases) {
        const QStringList faults = faultsWith(c.table, c.json);
        ASSERT_EQ(faults.size(), 1) << faults.join(u'\n').toStdString();
        EXPECT_TRUE(faults[0].startsWith(c.expected)) << faults[0].toStdString();
    }
}

TEST(DicSources, EveryTableKeyedByAnIdRejectsTheSameIdTwice) {
    struct Case {
        QString table;
        QByteArray json;
        QString expected;
    };
    const Case cases[] = {
        {u"TangShi"_s,
         R"j([{"ID":14,"ZuoZhe":"李白","TiMu":"a","NeiRong":["x"],"ZhuShi":null,"JianXi":null},{"ID":14,"ZuoZhe":"李白","TiMu":"b","NeiRong":["y"],"ZhuShi":null,"JianXi":null}])j",
         u"TangShi.json, row 2: duplicate ID 14"_s},
        {u"chengyugushi"_s,
         R"j([{"Id":1,"chengyu":"守株待兔","gushi":["x"],"yinxu":"S"},{"Id":1,"chengyu":"卧薪尝胆","gushi":["y"],"yinxu":"W"}])j",
         u"chengyugushi.json, row 2: duplicate Id 1"_s},
        {u"ChaoDai"_s, R"j([{"ID":3,"名称":"周","说明":["周"]},{"ID":3,"名称":"秦","说明":["秦"]}])j",
         u"ChaoDai.json, row 2: duplicate ID 3"_s},
        {u"ChaoDai1"_s,
         R"j([{"ID":3,"ID1":10,"名称":"南朝","说明":["南"]},{"ID":3,"ID1":10,"名称":"北朝","说明":["北"]}])j",
         u"ChaoDai1.json, row 2: duplicate ID1 10"_s},
    };
    for (const Case& c : cases) {
        const QStringList faults = faultsWith(c.table, c.json);
        ASSERT_EQ(faults.size(), 1) << faults.join(u'\n').toStdString();
        EXPECT_EQ(faults[0], c.expected);
    }
}

// An era table of one dynasty, each ruler with his eras and their first years.
QByteArray eraTable(const QStringList& rows) {
    QStringList json;
    for (const QString& row : rows) {
        const QStringList parts = row.split(u'|');
        json << uR"r({"朝代":"%1","帝王":"%2","年号":[%3],"干支":null,"年份":[%4]})r"_s.arg(
            parts[0], parts[1], parts[2], parts[3]);
    }
    return (u'[' + json.join(u',') + u']').toUtf8();
}

TEST(DicSources, NoRulersErasRunPastTheNextRulersAccession) {
    const auto faults = [](const QStringList& rows) {
        return faultsWith(u"JiyuanBiao"_s, eraTable(rows));
    };
    // 904 is shared: one ruler died, the next came to the throne.
    EXPECT_EQ(faults({uR"r(刘宋|昭帝|"天复(4)","天祐(1)"|"901","904")r"_s,
                      uR"r(刘宋|哀帝|"天祐(4)"|"904")r"_s}),
              QStringList());
    EXPECT_EQ(faults({uR"r(刘宋|昭帝|"天复(4)","天祐(4)"|"901","904")r"_s,
                      uR"r(刘宋|哀帝|"天祐(4)"|"904")r"_s}),
              QStringList{u"JiyuanBiao.json, row 1: the eras of 刘宋 昭帝 run to 907, past 904, "
                          u"when 哀帝 (JiyuanBiao.json, row 2) began"_s});
    // Across the start of the era, where no year 0 lies between 前1 and 1.
    EXPECT_EQ(faults({uR"r(刘宋|甲|"(3)"|"前2")r"_s, uR"r(刘宋|乙|"(1)"|"前1")r"_s}).size(), 1);
    EXPECT_EQ(faults({uR"r(刘宋|甲|"(3)"|"前2")r"_s, uR"r(刘宋|乙|"(1)"|"1")r"_s}), QStringList());
    // A ruler who truly reigned on beside the next one is known by name.
    auto sources = validSources();
    sources[u"JiyuanBiao"_s] =
        eraTable({uR"r(隋|炀帝杨广|"大业(14)"|"605")r"_s, uR"r(隋|恭帝杨侑|"义宁(2)"|"617")r"_s});
    EXPECT_EQ(eraOrderFaults(parse(sources)), QStringList());
    sources[u"JiyuanBiao"_s] =
        eraTable({uR"r(隋|文帝杨坚|"开皇(26)"|"581")r"_s, uR"r(隋|炀帝杨广|"大业(14)"|"605")r"_s});
    EXPECT_EQ(eraOrderFaults(parse(sources)).size(), 1);
}

TEST(DicSources, MalformedRowsAreRejectedWhileReading) {
    const Table& t = table(u"ZuoZhe"_s);
    EXPECT_THROW(parseTable(t, "{", u"ZuoZhe.json"_s), SourceError);
    EXPECT_THROW(parseTable(t, R"j([{"ID":1,"Name":"a"}])j", u"ZuoZhe.json"_s), SourceError);
    EXPECT_THROW(
        parseTable(t, R"j([{"ID":1,"Name":"a","JianJie":["x"],"Extra":1}])j", u"ZuoZhe.json"_s),
        SourceError);
    EXPECT_THROW(parseTable(t, R"j([{"ID":"1","Name":"a","JianJie":["x"]}])j", u"ZuoZhe.json"_s),
                 SourceError);
    try {
        parseTable(
            t, R"j([{"ID":1,"Name":"a","JianJie":["x"]},{"ID":1.5,"Name":"b","JianJie":["y"]}])j",
            u"ZuoZhe.json"_s);
        FAIL();
    } catch (const SourceError& e) {
        EXPECT_STREQ(e.what(), "ZuoZhe.json, row 2: ID must be a whole number");
    }
}

TEST(DicWriter, LinesJoinWithCrLfAndErasWithParagraphs) {
    const Content content = parse(validSources());
    QTemporaryDir dir;
    const QString path = dir.filePath(u"ts.dic"_s);
    writeDic(content, path);
    platform::Database db(path);
    auto poems = db.OpenRecordset(u"SELECT * FROM TangShi"_s);
    EXPECT_EQ(poems.Fields(u"NeiRong"_s).toString(),
              u"床前明月光，疑是地上霜。\r\n举头望明月，低头思故乡。"_s);
    EXPECT_TRUE(poems.Fields(u"ZhuShi"_s).IsNull());
    auto sources = validSources();
    sources[u"JiyuanBiao"_s] =
        R"j([{"朝代":"刘宋","帝王":"x","年号":["a(1)","b(2)"],"干支":["甲子","乙丑"],"年份":["4","5"]}])j";
    writeDic(parse(sources), path);
    auto eras = platform::Database(path).OpenRecordset(u"SELECT 年号 FROM JiyuanBiao"_s);
    EXPECT_EQ(eras.Fields(0).toString(), u"a(1)<p>b(2)"_s);
}

TEST(DicWriter, TheSameSourcesGiveTheSameBytes) {
    const Content content = parse(validSources());
    QTemporaryDir dir;
    writeDic(content, dir.filePath(u"a"_s));
    writeDic(content, dir.filePath(u"b"_s));
    QFile a(dir.filePath(u"a"_s));
    QFile b(dir.filePath(u"b"_s));
    ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    EXPECT_EQ(a.readAll(), b.readAll());
    EXPECT_FALSE(QFile::exists(dir.filePath(u"a.partial"_s)));
}
