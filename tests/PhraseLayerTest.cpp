// The reviewed phrases as OpenCC is given them, and the configuration that
// lays them over OpenCC's own tables.
#include "platform/PhraseLayer.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

TEST(PhraseLayer, TheDictionaryDropsReasonsAndBlankLinesAndIsSortedWithEachPhraseOnce) {
    const QByteArray source = u"# 干 the dry one is 乾.\n"
                              "泪痕干\t淚痕乾\n"
                              "\n"
                              "# 干 in a place name stays.\n"
                              "长干\t長干\treason after a tab\n"
                              "twice\tB\n"
                              "twice\tA\n"
                              "broken line without a tab\n"_s.toUtf8();
    // Sorted by bytes, as OpenCC looks phrases up by halving; a phrase named
    // twice would make OpenCC refuse the whole file, so the first one stays.
    EXPECT_EQ(platform::phraseLayer::dictionary(source),
              u"twice\tB\n泪痕干\t淚痕乾\n长干\t長干\n"_s.toUtf8());
}

TEST(PhraseLayer, OurPhrasesComeFirstInTheSegmentationAndTheConversionAndTheVariantLast) {
    const QJsonObject config =
        QJsonDocument::fromJson(
            platform::phraseLayer::configuration(u"/tmp/x/phrases.txt"_s, u"TWVariants.ocd2"_s))
            .object();
    const QJsonArray segmentation = config["segmentation"_L1]["dict"_L1]["dicts"_L1].toArray();
    ASSERT_EQ(segmentation.size(), 2);
    EXPECT_EQ(segmentation[0]["file"_L1].toString(), u"/tmp/x/phrases.txt"_s);
    EXPECT_EQ(segmentation[0]["type"_L1].toString(), u"text"_s);
    const QJsonArray chain = config["conversion_chain"_L1].toArray();
    ASSERT_EQ(chain.size(), 2);
    const QJsonArray first = chain[0]["dict"_L1]["dicts"_L1].toArray();
    ASSERT_EQ(first.size(), 3);
    EXPECT_EQ(first[0]["file"_L1].toString(), u"/tmp/x/phrases.txt"_s);
    EXPECT_EQ(first[2]["file"_L1].toString(), u"STCharacters.ocd2"_s);
    EXPECT_EQ(chain[1]["dict"_L1]["file"_L1].toString(), u"TWVariants.ocd2"_s);
    // OpenCC's standard forms need no variant step.
    const QJsonObject standard =
        QJsonDocument::fromJson(platform::phraseLayer::configuration(u"p.txt"_s, {})).object();
    EXPECT_EQ(standard["conversion_chain"_L1].toArray().size(), 1);
}

TEST(PhraseLayer, TheShippedPhrasesAreBuiltInAndEveryEntryKeepsItsLength) {
    const QByteArray dictionary =
        platform::phraseLayer::dictionary(platform::phraseLayer::shippedSource());
    const QList<QByteArray> lines = dictionary.split('\n');
    EXPECT_GT(lines.size(), 100);
    for (const QByteArray& line : lines) {
        if (line.isEmpty())
            continue;
        const QList<QByteArray> fields = line.split('\t');
        ASSERT_EQ(fields.size(), 2) << line.toStdString();
        // One Traditional character for each simplified one keeps the page's
        // marks and the search's places where they were.
        EXPECT_EQ(QString::fromUtf8(fields[0]).size(), QString::fromUtf8(fields[1]).size())
            << line.toStdString();
    }
}
