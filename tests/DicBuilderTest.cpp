#include "ContentSource.h"
#include "DicWriter.h"
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
