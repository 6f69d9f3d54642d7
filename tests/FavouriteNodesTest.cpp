// Which piece a node shows, and how kept favourites and imported lines find
// their nodes when the tree's keys have moved.
#include "nav/FavouriteNodes.h"

#include <QHash>

#include <gtest/gtest.h>

namespace fn = nav::favouriteNodes;
using favourites::Favourite;
using favourites::Piece;
using namespace Qt::Literals::StringLiterals;

namespace {

platform::NodeInfo node(const QString& key, const QString& path, int children = 0) {
    return {key, {}, path.section(u'\\', -1), path, children};
}

// A tree as plain data: the piece at each key, keys in the tree's order.
struct Tree {
    QList<std::pair<QString, Piece>> nodes;

    fn::Lookup lookup() const {
        return {[this](const QString& key) -> std::optional<Piece> {
                    for (const auto& [k, piece] : nodes)
                        if (k == key)
                            return piece;
                    return std::nullopt;
                },
                [this](const Piece& wanted) {
                    QStringList keys;
                    for (const auto& [k, piece] : nodes)
                        if (piece == wanted)
                            keys << k;
                    return keys;
                }};
    }
};

const Piece kQuietNight{u"诗歌"_s, u"静夜思"_s, u"李白"_s};
const Piece kUntitled{u"诗歌"_s, u"无题"_s, u"李商隐"_s};
const Piece kSpringView{u"诗歌"_s, u"春望"_s, u"杜甫"_s};

} // namespace

TEST(FavouriteNodes, APieceIsAVerseAnIdiomOrALibraryPieceAndNothingElse) {
    EXPECT_EQ(fn::pieceOf(node(u"R0.3.1"_s, u"Vellumbra\\诗歌\\李白\\静夜思"_s)), kQuietNight);
    EXPECT_EQ(fn::pieceOf(node(u"R1.0.2"_s, u"Vellumbra\\词\\苏轼\\水调歌头"_s)),
              (Piece{u"词"_s, u"水调歌头"_s, u"苏轼"_s}));
    EXPECT_EQ(fn::pieceOf(node(u"C12"_s, u"成语故事\\A\\爱屋及乌"_s)),
              (Piece{u"成语故事"_s, u"爱屋及乌"_s, {}}));
    EXPECT_EQ(fn::pieceOf(node(u"L2.5.7"_s, u"书库\\全唐诗\\王维\\鹿柴"_s)),
              (Piece{u"全唐诗"_s, u"鹿柴"_s, u"王维"_s}));
    for (const platform::NodeInfo& other :
         {node(u"R0.3"_s, u"Vellumbra\\诗歌\\李白"_s, 3), node(u"R0"_s, u"Vellumbra\\诗歌"_s, 9),
          node(u"Cygs"_s, u"成语故事"_s, 20), node(u"L2.5"_s, u"书库\\全唐诗\\王维"_s, 4),
          node(u"J3"_s, u"我国历代纪元表\\唐"_s), node(u"Rdm"_s, u"关于"_s),
          node(fn::nodeKey(u"R0.3.1"_s), u"我的收藏\\静夜思（李白）"_s)})
        EXPECT_EQ(fn::pieceOf(other), std::nullopt) << other.key.toStdString();
    EXPECT_EQ(fn::pieceKeyOf(fn::nodeKey(u"L2.5.7"_s)), u"L2.5.7"_s);
    EXPECT_EQ(fn::pieceKeyOf(fn::kRootKey), std::nullopt);
    EXPECT_EQ(fn::pieceKeyOf(u"R0.3.1"_s), std::nullopt);
}

TEST(FavouriteNodes, AFavouriteWhoseKeyMovedIsFoundByItsPiece) {
    // Another edition of the content put a piece before 静夜思 and dropped 春望.
    const Tree tree{
        {{u"R0.3.1"_s, kUntitled}, {u"R0.3.2"_s, kQuietNight}, {u"R0.7.0"_s, kUntitled}}};
    const QList<fn::Placed> placed = fn::place({{kQuietNight, u"R0.3.1"_s},
                                                {kUntitled, u"R0.7.0"_s},
                                                {kUntitled, u"R0.9.9"_s},
                                                {kSpringView, u"R0.1.4"_s}},
                                               tree.lookup());
    ASSERT_EQ(placed.size(), 4);
    EXPECT_EQ(placed[0].key, u"R0.3.2"_s);
    EXPECT_EQ(placed[1].key, u"R0.7.0"_s); // still where it was
    EXPECT_EQ(placed[2].key, u"R0.3.1"_s); // the namesake no one holds
    EXPECT_EQ(placed[3].key, QString());   // kept, but shown nowhere now
    EXPECT_EQ(placed[3].favourite.key, u"R0.1.4"_s);
}

TEST(FavouriteNodes, ImportedLinesTakeNodesNotHeldAndCountThoseFoundNowhere) {
    const Tree tree{
        {{u"R0.3.1"_s, kUntitled}, {u"R0.3.2"_s, kQuietNight}, {u"R0.7.0"_s, kUntitled}}};
    const fn::Matched matched = fn::match(
        {kUntitled, kQuietNight, kUntitled, kUntitled, kSpringView}, {u"R0.3.2"_s}, tree.lookup());
    // 静夜思 is kept already and the third 无题 has no node left: neither is
    // added nor counted as unmatched; 春望 is found nowhere.
    EXPECT_EQ(matched.found,
              (QList<Favourite>{{kUntitled, u"R0.3.1"_s}, {kUntitled, u"R0.7.0"_s}}));
    EXPECT_EQ(matched.unmatched, 1);
}
