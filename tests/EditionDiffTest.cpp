// Two editions of one text compared: exactly the characters that differ are
// marked, whatever the script, variant forms or punctuation.
#include "library/EditionDiff.h"
#include "library/LibraryFile.h"
#include "library/MatchedText.h"

#include <gtest/gtest.h>

#include "FixtureLibrary.h"

using namespace Qt::Literals::StringLiterals;

namespace {

class EditionDiff : public WithFixtureLibrary {
  protected:
    static library::Folding folding() { return library::Folding(file->foldTable()); }

    // The line with its differing runs in brackets.
    static QString marked(const std::vector<library::DiffRun>& runs) {
        QString text;
        for (const library::DiffRun& run : runs)
            text += run.differs ? u'[' + run.text + u']' : run.text;
        return text;
    }
};

TEST_F(EditionDiff, MarksExactlyTheCharactersThatDiffer) {
    const auto lines = library::compareEditions(
        folding(), {u"床前明月光，疑是地上霜。"_s, u"举头望明月，低头思故乡。"_s},
        {u"牀前看月光，疑是地上霜。"_s, u"舉頭望山月，低頭思故鄉。"_s});
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(marked(lines[0].mine), u"床前[明]月光，疑是地上霜。"_s);
    EXPECT_EQ(marked(lines[0].theirs), u"牀前[看]月光，疑是地上霜。"_s);
    EXPECT_EQ(marked(lines[1].mine), u"举头望[明]月，低头思故乡。"_s);
    EXPECT_EQ(marked(lines[1].theirs), u"舉頭望[山]月，低頭思故鄉。"_s);
}

TEST_F(EditionDiff, ScriptsVariantsAndPunctuationAreNoDifference) {
    const library::Folding fold = folding();
    EXPECT_TRUE(
        library::sameText(fold, {u"白日依山尽，黄河入海流。"_s}, {u"白日依山盡 黃河入海流"_s}));
    EXPECT_FALSE(library::sameText(fold, {u"白日依山尽"_s}, {u"白日依山近"_s}));
    const auto lines =
        library::compareEditions(fold, {u"春风又绿江南岸，"_s}, {u"春風又綠江南岸。"_s});
    EXPECT_EQ(marked(lines[0].mine), u"春风又绿江南岸，"_s);
    EXPECT_EQ(marked(lines[0].theirs), u"春風又綠江南岸。"_s);
}

TEST_F(EditionDiff, AddedLeftOutAndExtraLinesAreMarkedWhole) {
    const auto lines =
        library::compareEditions(folding(), {u"一二三四五"_s, u"甲乙"_s}, {u"一二三三四"_s});
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(marked(lines[0].mine), u"一二三四[五]"_s);
    EXPECT_EQ(marked(lines[0].theirs), u"一二三[三]四"_s);
    EXPECT_EQ(marked(lines[1].mine), u"[甲乙]"_s);
    EXPECT_TRUE(lines[1].theirs.empty());
}

TEST_F(EditionDiff, LongLinesAndCharactersBeyondTheBasicPlaneStayWhole) {
    // Two rare characters that share their first half are told apart whole.
    const QString rare = QString::fromUcs4(U"𠀀"), other = QString::fromUcs4(U"𠀁");
    const auto lines = library::compareEditions(folding(), {u"甲"_s + rare + u"乙"_s},
                                                {u"甲"_s + other + u"乙"_s});
    EXPECT_EQ(marked(lines[0].mine), u"甲["_s + rare + u"]乙"_s);
    EXPECT_EQ(marked(lines[0].theirs), u"甲["_s + other + u"]乙"_s);
    const QString prose = QString(3000, u'文');
    const auto long_ = library::compareEditions(folding(), {prose}, {prose + u'字'});
    EXPECT_EQ(marked(long_[0].theirs), prose + u"[字]"_s);
}

// Editions of one poem, not two poems: seven in ten characters shared in
// order, wherever a character was added or dropped.
TEST_F(EditionDiff, EditionsOfOnePoemAreNearlyAlikeAndTwoPoemsAreNot) {
    const library::Folding fold = folding();
    EXPECT_TRUE(
        library::nearlyAlike(fold, {u"床前明月光，疑是地上霜。"_s, u"举头望明月，低头思故乡。"_s},
                             {u"牀前看月光，疑是地上霜。"_s, u"舉頭望山月，低頭思故鄉。"_s}));
    // One character more at the start throws every place off, not the order.
    EXPECT_TRUE(
        library::nearlyAlike(fold, {u"白日依山尽，黄河入海流。"_s}, {u"一白日依山尽黄河入海流"_s}));
    EXPECT_FALSE(library::nearlyAlike(fold, {u"昨夜雨疏风骤，浓睡不消残酒。"_s},
                                      {u"常记溪亭日暮，沉醉不知归路。"_s}));
    EXPECT_FALSE(library::nearlyAlike(fold, {u"，。"_s}, {u"、"_s}));
}

TEST_F(EditionDiff, FoundTextIsWhereTheFoldedTermOccursAsWritten) {
    const QString line = u"舉頭望山月，低頭思故鄉。"_s;
    const library::Found found = library::findFolded(folding(), line, {u"低头"_s.toStdU16String()});
    EXPECT_EQ(line.mid(found.position, found.length), u"低頭"_s);
    const library::Found across =
        library::findFolded(folding(), line, {u"山月低"_s.toStdU16String()});
    EXPECT_EQ(line.mid(across.position, across.length), u"山月，低"_s);
    EXPECT_EQ(library::findFolded(folding(), line, {u"明月"_s.toStdU16String()}).position, -1);
}

} // namespace
