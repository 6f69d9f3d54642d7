// Zoom steps, the history of chosen nodes and the random verse, without a window.
#include "nav/NodeHistory.h"
#include "nav/RandomVerse.h"
#include "nav/Zoom.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

TEST(ZoomSteps, WalkTheBrowserStepsAndStopAtTheEnds) {
    const QList<int> up{50, 67, 75, 80, 90, 100, 110, 125, 150, 175, 200, 250, 300};
    int percent = 50;
    for (qsizetype i = 1; i < up.size(); ++i) {
        percent = nav::zoomIn(percent);
        EXPECT_EQ(percent, up[i]);
    }
    EXPECT_EQ(nav::zoomIn(300), 300);
    for (qsizetype i = up.size() - 2; i >= 0; --i) {
        percent = nav::zoomOut(percent);
        EXPECT_EQ(percent, up[i]);
    }
    EXPECT_EQ(nav::zoomOut(50), 50);
    // Off the steps, a size goes to its neighbour in the direction asked.
    EXPECT_EQ(nav::zoomIn(101), 110);
    EXPECT_EQ(nav::zoomOut(101), 100);
    EXPECT_EQ(nav::zoomIn(10), 50);
    EXPECT_EQ(nav::zoomOut(900), 300);
    EXPECT_FALSE(nav::isZoomStep(101));
    EXPECT_TRUE(nav::isZoomStep(67));
}

TEST(NodeHistory, BackAndForwardWalkTheChoicesAndANewChoiceDropsWhatWasAhead) {
    nav::NodeHistory history;
    EXPECT_FALSE(history.back());
    for (const QString& key : {u"A"_s, u"B"_s, u"B"_s, u"C"_s})
        history.visit(key);
    EXPECT_EQ(history.size(), 3);
    EXPECT_EQ(history.back(), u"B"_s);
    EXPECT_EQ(history.back(), u"A"_s);
    EXPECT_FALSE(history.back());
    EXPECT_EQ(history.forward(), u"B"_s);
    history.visit(u"D"_s);
    EXPECT_FALSE(history.forward());
    EXPECT_EQ(history.back(), u"B"_s);
    EXPECT_EQ(history.back(), u"A"_s);
    // The step taken re-selects its node; that choice adds nothing.
    history.visit(u"A"_s);
    EXPECT_EQ(history.forward(), u"B"_s);
}

TEST(NodeHistory, KeepsOnlyTheLatestHundredSteps) {
    nav::NodeHistory history;
    for (int i = 0; i < 250; ++i)
        history.visit(QString::number(i));
    int steps = 0;
    QString last;
    while (const auto key = history.back()) {
        last = *key;
        ++steps;
    }
    EXPECT_EQ(steps, nav::NodeHistory::kDepth);
    EXPECT_EQ(last, u"149"_s);
}

TEST(RandomVerse, GivesOnlyVerseAndNeverThePieceShown) {
    const QStringList keys{u"Rdm"_s,    u"R0"_s,     u"R0.1"_s, u"R0.1.5"_s, u"R1.2.3"_s,
                           u"R2.0.9"_s, u"R3.0.1"_s, u"J1"_s,   u"C12"_s,    u"R1.2.3x"_s};
    qsizetype next = 0;
    const nav::RandomVerse any(keys, [&next](qsizetype n) { return next++ % n; });
    EXPECT_EQ(any.count(), 3);
    for (const QString& shown : {u"R1.2.3"_s, u"Rdm"_s, u"R0.1.5"_s, u"R2.0.9"_s}) {
        QStringList seen;
        for (int i = 0; i < 12; ++i) {
            const auto key = any.pick(shown);
            ASSERT_TRUE(key);
            EXPECT_TRUE(nav::RandomVerse::isVerse(*key)) << key->toStdString();
            EXPECT_NE(*key, shown);
            if (!seen.contains(*key))
                seen << *key;
        }
        // Every other piece comes up.
        EXPECT_EQ(seen.size(), keys.contains(shown) && nav::RandomVerse::isVerse(shown) ? 2 : 3);
    }
    const nav::RandomVerse one({u"R0.0.0"_s});
    EXPECT_FALSE(one.pick(u"R0.0.0"_s));
    EXPECT_EQ(one.pick(u"Rdm"_s), u"R0.0.0"_s);
}
