#include "nav/Classify.h"

#include "platform/Error.h"

#include <gtest/gtest.h>

using nav::Action;
using nav::classify;
using Kind = nav::Action::Kind;
using namespace Qt::Literals::StringLiterals;

namespace {

platform::NodeInfo node(const QString& key, const QString& tag, const QString& text,
                        const QString& path, int children = 0) {
    return {key, tag, text, path, children};
}

} // namespace

TEST(Classify, EveryNodeKindGetsItsAction) {
    struct Case {
        platform::NodeInfo node;
        Kind kind;
        int section;
        QString number;
    };
    const Case cases[] = {
        {node(u"Scq"_s, {}, u"Vellumbra"_s, u"Vellumbra"_s, 3), Kind::Preface, 0, {}},
        {node(u"R0"_s, {}, u"诗歌"_s, u"Vellumbra\\诗歌"_s, 60), Kind::Preface, 1, {}},
        {node(u"R1"_s, {}, u"词"_s, u"Vellumbra\\词"_s, 19), Kind::Preface, 2, {}},
        {node(u"R2"_s, {}, u"散曲"_s, u"Vellumbra\\散曲"_s, 13), Kind::Preface, 3, {}},
        {node(u"Jyb"_s, {}, u"我国历代纪元表"_s, u"我国历代纪元表"_s, 19), Kind::Preface, 4, {}},
        {node(u"Cygs"_s, {}, u"成语故事"_s, u"成语故事"_s, 20), Kind::Preface, 5, {}},
        {node(u"yinxu_C"_s, {}, u"C"_s, u"成语故事\\C"_s, 11), Kind::Preface, 5, {}},
        {node(u"Rdm"_s, {}, u"关于"_s, u"关于"_s), Kind::About, 0, {}},
        {node(u"C37"_s, {}, u"草木皆兵"_s, u"成语故事\\C\\草木皆兵"_s), Kind::Idiom, 0, u"37"_s},
        {node(u"R0.3"_s, u"j12"_s, u"杜甫"_s, u"Vellumbra\\诗歌\\杜甫"_s, 9), Kind::Author, 0,
         u"12"_s},
        {node(u"R0.3"_s, u"J12"_s, u"杜甫"_s, u"Vellumbra\\诗歌\\杜甫"_s, 9), Kind::Author, 0,
         u"12"_s},
        {node(u"R0.3.1"_s, u"455"_s, u"春望"_s, u"Vellumbra\\诗歌\\杜甫\\春望"_s), Kind::Title, 0,
         u"455"_s},
        {node(u"R0.9"_s, {}, u"无名"_s, u"Vellumbra\\诗歌\\无名"_s, 2), Kind::Unmatched, 0, {}},
    };
    for (const Case& c : cases) {
        const Action action = classify(c.node);
        SCOPED_TRACE(c.node.key.toStdString());
        EXPECT_EQ(action.kind, c.kind);
        EXPECT_EQ(action.section, c.section);
        EXPECT_EQ(action.number, c.number);
    }
}

TEST(Classify, ATitlesCategoryComesFromItsKeyNotItsPath) {
    const Action ci = classify(node(u"R1.0.0"_s, u"30"_s, u"念奴娇·赤壁怀古"_s,
                                    u"Vellumbra\\诗歌\\苏轼\\念奴娇·赤壁怀古"_s));
    EXPECT_EQ(ci.category, 1);
    EXPECT_EQ(ci.name, u"念奴娇·赤壁怀古"_s);
    EXPECT_EQ(ci.poet, u"苏轼"_s);
    EXPECT_EQ(classify(node(u"R2.10.3"_s, u"30"_s, u"t"_s, u"其他\\t"_s)).category, 2);
}

TEST(Classify, ATitleWhoseKeyNamesNoCategoryIsAnError) {
    for (const QString& key :
         {u"R3.0.0"_s, u"R0.1"_s, u"C30"_s, u"R-1.0.0"_s, u"R4294967296.0.0"_s}) {
        SCOPED_TRACE(key.toStdString());
        try {
            classify(node(key, u"30"_s, u"t"_s, u"Vellumbra\\诗歌\\x\\t"_s));
            ADD_FAILURE() << "classified as a title";
        } catch (const platform::Error& e) {
            EXPECT_EQ(e.code(), platform::ErrorCode::UnknownNodeKey);
            EXPECT_TRUE(e.description().contains(key));
        }
    }
}

TEST(Classify, DynastiesAreToldApartByKeyLetterAndChildren) {
    const Action zhou = classify(node(u"J3"_s, {}, u"周"_s, u"我国历代纪元表\\周"_s, 2));
    EXPECT_EQ(zhou.kind, Kind::Dynasty);
    EXPECT_EQ(zhou.table, u"ChaoDai"_s);
    EXPECT_EQ(zhou.name, u"周"_s);
    EXPECT_TRUE(zhou.hasChildren);
    const Action tang = classify(node(u"Y1"_s, {}, u"西周"_s, u"我国历代纪元表\\周\\西周"_s));
    EXPECT_EQ(tang.table, u"ChaoDai1"_s);
    EXPECT_FALSE(tang.hasChildren);
    EXPECT_EQ(classify(node(u"B1"_s, {}, u"刘宋"_s, u"x"_s)).table, u"ChaoDai2"_s);
}

TEST(Classify, TheOrderOfTestsMatters) {
    // A tag beginning with j beats a key beginning with J.
    EXPECT_EQ(classify(node(u"J3"_s, u"j3"_s, u"x"_s, u"x"_s)).kind, Kind::Author);
    // The idiom root is not an idiom, the era root not a dynasty.
    EXPECT_EQ(classify(node(u"Cygs"_s, {}, u"成语故事"_s, u"成语故事"_s)).kind, Kind::Preface);
    EXPECT_EQ(classify(node(u"Jyb"_s, {}, u"我国历代纪元表"_s, u"我国历代纪元表"_s)).kind,
              Kind::Preface);
    // Only the exact category path is a category.
    EXPECT_EQ(classify(node(u"R0.1"_s, {}, u"诗歌"_s, u"Vellumbra\\诗歌\\诗歌"_s)).kind,
              Kind::Unmatched);
}
