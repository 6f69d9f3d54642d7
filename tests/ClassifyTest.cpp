#include "nav/Classify.h"

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
        {node(u"Scq"_qs, {}, u"Vellumbra"_qs, u"Vellumbra"_qs, 3), Kind::Preface, 0, {}},
        {node(u"R0"_qs, {}, u"诗歌"_qs, u"Vellumbra\\诗歌"_qs, 60), Kind::Preface, 1, {}},
        {node(u"R1"_qs, {}, u"词"_qs, u"Vellumbra\\词"_qs, 19), Kind::Preface, 2, {}},
        {node(u"R2"_qs, {}, u"散曲"_qs, u"Vellumbra\\散曲"_qs, 13), Kind::Preface, 3, {}},
        {node(u"Jyb"_qs, {}, u"我国历代纪元表"_qs, u"我国历代纪元表"_qs, 19), Kind::Preface, 4, {}},
        {node(u"Cygs"_qs, {}, u"成语故事"_qs, u"成语故事"_qs, 20), Kind::Preface, 5, {}},
        {node(u"yinxu_C"_qs, {}, u"C"_qs, u"成语故事\\C"_qs, 11), Kind::Preface, 5, {}},
        {node(u"Rdm"_qs, {}, u"关于"_qs, u"关于"_qs), Kind::About, 0, {}},
        {node(u"C37"_qs, {}, u"草木皆兵"_qs, u"成语故事\\C\\草木皆兵"_qs), Kind::Idiom, 0,
         u"37"_qs},
        {node(u"R0.3"_qs, u"j12"_qs, u"杜甫"_qs, u"Vellumbra\\诗歌\\杜甫"_qs, 9), Kind::Author, 0,
         u"12"_qs},
        {node(u"R0.3"_qs, u"J12"_qs, u"杜甫"_qs, u"Vellumbra\\诗歌\\杜甫"_qs, 9), Kind::Author, 0,
         u"12"_qs},
        {node(u"R0.3.1"_qs, u"455"_qs, u"春望"_qs, u"Vellumbra\\诗歌\\杜甫\\春望"_qs), Kind::Title,
         0, u"455"_qs},
        {node(u"R0.9"_qs, {}, u"无名"_qs, u"Vellumbra\\诗歌\\无名"_qs, 2), Kind::Unmatched, 0, {}},
    };
    for (const Case& c : cases) {
        const Action action = classify(c.node);
        SCOPED_TRACE(c.node.key.toStdString());
        EXPECT_EQ(action.kind, c.kind);
        EXPECT_EQ(action.section, c.section);
        EXPECT_EQ(action.number, c.number);
    }
}

TEST(Classify, TheCategoryComesFromThePathNotTheTag) {
    const Action ci = classify(node(u"R1.0.0"_qs, u"30"_qs, u"念奴娇·赤壁怀古"_qs,
                                    u"Vellumbra\\词\\苏轼\\念奴娇·赤壁怀古"_qs));
    EXPECT_EQ(ci.category, 1);
    EXPECT_EQ(ci.name, u"念奴娇·赤壁怀古"_qs);
    EXPECT_EQ(
        classify(node(u"R2.0.0"_qs, u"30"_qs, u"t"_qs, u"Vellumbra\\散曲\\关汉卿\\t"_qs)).category,
        2);
}

TEST(Classify, DynastiesAreToldApartByKeyLetterAndChildren) {
    const Action zhou = classify(node(u"J3"_qs, {}, u"周"_qs, u"我国历代纪元表\\周"_qs, 2));
    EXPECT_EQ(zhou.kind, Kind::Dynasty);
    EXPECT_EQ(zhou.table, u"ChaoDai"_qs);
    EXPECT_EQ(zhou.name, u"周"_qs);
    EXPECT_TRUE(zhou.hasChildren);
    const Action tang = classify(node(u"Y1"_qs, {}, u"西周"_qs, u"我国历代纪元表\\周\\西周"_qs));
    EXPECT_EQ(tang.table, u"ChaoDai1"_qs);
    EXPECT_FALSE(tang.hasChildren);
    EXPECT_EQ(classify(node(u"B1"_qs, {}, u"刘宋"_qs, u"x"_qs)).table, u"ChaoDai2"_qs);
}

TEST(Classify, TheOrderOfTestsMatters) {
    // A tag beginning with j beats a key beginning with J.
    EXPECT_EQ(classify(node(u"J3"_qs, u"j3"_qs, u"x"_qs, u"x"_qs)).kind, Kind::Author);
    // The idiom root is not an idiom, the era root not a dynasty.
    EXPECT_EQ(classify(node(u"Cygs"_qs, {}, u"成语故事"_qs, u"成语故事"_qs)).kind, Kind::Preface);
    EXPECT_EQ(classify(node(u"Jyb"_qs, {}, u"我国历代纪元表"_qs, u"我国历代纪元表"_qs)).kind,
              Kind::Preface);
    // Only the exact category path is a category.
    EXPECT_EQ(classify(node(u"R0.1"_qs, {}, u"诗歌"_qs, u"Vellumbra\\诗歌\\诗歌"_qs)).kind,
              Kind::Unmatched);
}
