// The library built from the pinned package: every collection whole, and
// famous lines from 诗经 to 纳兰性德 found with their piece in the top three.
// Skips when the run could not build it (no npm).
#include "library/Folding.h"
#include "library/LibraryFile.h"
#include "library/Searcher.h"

#include <QFileInfo>
#include <QMap>

#include <gtest/gtest.h>

#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

std::unique_ptr<library::LibraryFile> openReal() {
    const QString path = QStringLiteral(QUILLORA_REAL_LIBRARY);
    if (path.isEmpty() || !QFileInfo::exists(path))
        return nullptr;
    QString error;
    auto file = library::LibraryFile::open(path, &error);
    EXPECT_TRUE(file) << error.toStdString();
    return file;
}

TEST(RealLibrary, EveryCollectionIsWhole) {
    const auto file = openReal();
    if (!file)
        GTEST_SKIP() << "no real library was built (npm unreachable)";
    QMap<QString, uint32_t> counts;
    for (const auto& c : file->collections())
        counts[file->string(c.nameOffset, c.nameLength).toString()] = c.pieceCount;
    const QMap<QString, uint32_t> expected{
        {u"全唐诗"_s, 57607}, {u"全宋诗"_s, 254248}, {u"宋词"_s, 21053}, {u"元曲"_s, 11057},
        {u"诗经"_s, 305},     {u"楚辞"_s, 65},       {u"论语"_s, 20},     {u"孟子"_s, 14},
        {u"花间集"_s, 497},   {u"南唐二主词"_s, 45}, {u"纳兰性德"_s, 258}, {u"曹操"_s, 26},
        {u"幽梦影"_s, 219},   {u"古文观止"_s, 222},  {u"千家诗"_s, 219},  {u"唐诗三百首"_s, 320}};
    for (auto it = expected.begin(); it != expected.end(); ++it)
        EXPECT_EQ(counts.value(it.key()), it.value()) << it.key().toStdString();
    EXPECT_EQ(counts.size(), 27);
}

TEST(RealLibrary, FamousLinesLeadToTheirPiece) {
    const auto file = openReal();
    if (!file)
        GTEST_SKIP() << "no real library was built (npm unreachable)";
    const library::Searcher searcher(*file);
    const library::Folding folding(file->foldTable());
    const auto folded = [&](const QString& text) {
        const std::u16string f = folding.fold(text);
        return QString::fromUtf16(f.data(), qsizetype(f.size()));
    };
    // A line and what one of the first three rows must carry: a part of the
    // title, or the author's name.
    const QList<std::pair<QString, QString>> lines{
        {u"关关雎鸠"_s, u"关雎"_s},           {u"蒹葭苍苍"_s, u"蒹葭"_s},
        {u"路漫漫其修远兮"_s, u"离骚"_s},     {u"学而时习之"_s, u"学而"_s},
        {u"大学之道"_s, u"大学"_s},           {u"天地玄黄"_s, u"千字文"_s},
        {u"人之初"_s, u"三字经"_s},           {u"对酒当歌"_s, u"短歌行"_s},
        {u"床前明月光"_s, u"静夜思"_s},       {u"举头望明月"_s, u"静夜思"_s},
        {u"白日依山尽"_s, u"登鹳雀楼"_s},     {u"国破山河在"_s, u"春望"_s},
        {u"红豆生南国"_s, u"相思"_s},         {u"慈母手中线"_s, u"游子吟"_s},
        {u"千山鸟飞绝"_s, u"江雪"_s},         {u"粒粒皆辛苦"_s, u"李绅"_s},
        {u"锄禾日当午"_s, u"李绅"_s},         {u"两岸猿声啼不住"_s, u"李白"_s},
        {u"曾经沧海难为水"_s, u"离思"_s},     {u"春风又绿江南岸"_s, u"泊船瓜洲"_s},
        {u"横看成岭侧成峰"_s, u"题西林壁"_s}, {u"问渠那得清如许"_s, u"观书有感"_s},
        {u"明月几时有"_s, u"水调歌头"_s},     {u"大江东去"_s, u"念奴娇"_s},
        {u"寻寻觅觅"_s, u"声声慢"_s},         {u"小楼昨夜又东风"_s, u"虞美人"_s},
        {u"枯藤老树昏鸦"_s, u"天净沙"_s},     {u"人生若只如初见"_s, u"木兰花"_s},
        {u"读经宜冬"_s, u"张潮"_s},           {u"春眠不觉晓"_s, u"孟浩然"_s}};
    for (const auto& [line, wanted] : lines) {
        const library::Results results = searcher.find(line, 3);
        bool found = false;
        for (const library::Row& row : results.rows)
            found |= folded(row.title).contains(folded(wanted)) || folded(row.author) == folded(wanted);
        EXPECT_TRUE(found) << line.toStdString() << " → "
                           << (results.rows.empty() ? std::string("nothing")
                                                    : results.rows.front().title.toStdString());
    }
}

} // namespace

TEST(RealLibrary, TitlesAndNamesAreFoundByPinyinAndStudyTextsHaveReadings) {
    const auto file = openReal();
    if (!file)
        GTEST_SKIP() << "no real library was built (npm unreachable)";
    const library::Searcher searcher(*file);
    const library::Folding folding(file->foldTable());
    const auto folded = [&](QStringView text) {
        const std::u16string f = folding.fold(text);
        return QString::fromUtf16(f.data(), qsizetype(f.size()));
    };
    // Typed pinyin, and the title and author one of the first three rows has.
    const QList<std::tuple<QString, QString, QString>> typed{
        {u"jingyesi"_s, u"静夜思"_s, u"李白"_s},
        {u"dengguanquelou"_s, u"登鹳雀楼"_s, u"王之涣"_s},
        {u"chunxiao"_s, u"春晓"_s, u"孟浩然"_s},
        {u"guanju"_s, u"关雎"_s, QString()},
        {u"jiangjinjiu"_s, QString(), QString()}, // 将 is qiāng here: nothing leads with it
        {u"qiangjinjiu"_s, u"将进酒"_s, u"李白"_s},
        {u"censhen"_s, u"岑参"_s, QString()}}; // an author's row: the name is its title
    for (const auto& [letters, title, author] : typed) {
        const library::Results results = searcher.find(letters, 3);
        bool found = false;
        for (const library::Row& row : results.rows)
            found |= folded(row.title) == title && folded(row.author) == folded(author);
        EXPECT_EQ(found, !title.isEmpty()) << letters.toStdString();
    }
    // Every piece of the study collections has a syllable per Han character.
    int studied = 0;
    for (const library::format::PieceRecord& piece : file->pieces()) {
        const QStringView readings = file->pieceReadings(piece);
        if (readings.isEmpty())
            continue;
        ++studied;
        int han = 0;
        for (const char32_t c : file->pieceText(piece).toUcs4())
            han += library::format::hasReading(c);
        ASSERT_EQ(int(readings.count(u' ') + 1), han);
    }
    EXPECT_GT(studied, 1500); // 诗经 305, 楚辞 65, 唐诗三百首 320, 千家诗 219, 古文观止 222 …
}

TEST(RealLibrary, TheAnnotatedCollectionsCarryTheSourcesNotes) {
    const auto file = openReal();
    if (!file)
        GTEST_SKIP() << "no real library was built (npm unreachable)";
    QMap<QString, int> annotated;
    for (const library::format::PieceRecord& piece : file->pieces())
        if (!file->pieceNotes(piece).isEmpty()) {
            const auto& c = file->collections()[piece.collection];
            ++annotated[file->string(c.nameOffset, c.nameLength).toString()];
        }
    EXPECT_EQ(annotated, (QMap<QString, int>{{u"花间集"_s, 466}, {u"南唐二主词"_s, 45}}));
}
