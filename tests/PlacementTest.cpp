#include "shell/Placement.h"
#include "shell/PaneLayout.h"

#include "platform/Settings.h"

#include <gtest/gtest.h>

using namespace shell;
using namespace Qt::Literals::StringLiterals;

TEST(Placement, StoredTextsAreReadInTheWholeRangeAScreenCanHold) {
    const Placement p =
        placementFromTexts(QStringLiteral("-1200"), QStringLiteral("300"), QStringLiteral("8000"),
                           QStringLiteral("5000"), QStringLiteral("2"));
    EXPECT_EQ(p, (Placement{-1200, 300, 8000, 5000, WindowState::Maximised}));
    EXPECT_EQ(placementFromTexts(u"0"_s, u"0"_s, u"9285"_s, u"6270"_s, u"0"_s), Placement{});
    // A second monitor or a 4K screen lies far past 16 bits of twips.
    EXPECT_EQ(placementFromTexts(u"37500"_s, u"-40000"_s, u"57600"_s, u"32400"_s, u"1"_s),
              (Placement{37500, -40000, 57600, 32400, WindowState::Minimised}));
    EXPECT_EQ(placementFromTexts(u"655340"_s, {}, {}, {}, {}).left, 655340);
}

TEST(Placement, GarbageAndUnusableSizesGiveTheDefaults) {
    const Placement p = placementFromTexts(QStringLiteral("abc"), QStringLiteral("655341"),
                                           QStringLiteral("-2147483648"), QStringLiteral("12.5"),
                                           QStringLiteral("7"));
    EXPECT_EQ(p, Placement{});
    EXPECT_EQ(placementFromTexts({}, {}, {}, {}, QStringLiteral("-1")).state, WindowState::Normal);
    EXPECT_EQ(placementFromTexts(u"99999999999"_s, u"-655341"_s, u"15"_s, u"0"_s, {}), Placement{});
    EXPECT_EQ(placementFromTexts({}, {}, u"-9285"_s, u"1799"_s, {}), Placement{});
    EXPECT_EQ(placementFromTexts({}, {}, u"2400"_s, u"1800"_s, {}),
              (Placement{0, 0, 2400, 1800, WindowState::Normal}));
    EXPECT_EQ(usable({-60, 40, 15, 15, WindowState::Normal}),
              (Placement{-60, 40, 9285, 6270, WindowState::Normal}));
}

TEST(Placement, AWindowLargerThanItsScreenIsFittedToIt) {
    const QList<QRect> screens{QRect(0, 0, 1920, 1040), QRect(1920, 0, 1280, 1024)};
    EXPECT_EQ(keepOnScreen(QRect(0, 0, 1921, 1041), screens, screens[0]), screens[0]);
    EXPECT_EQ(keepOnScreen(QRect(100, 50, 6000, 500), screens, screens[0]),
              QRect(0, 50, 1920, 500));
    EXPECT_EQ(keepOnScreen(QRect(2000, 10, 1000, 5000), screens, screens[0]),
              QRect(2000, 0, 1000, 1024));
    EXPECT_EQ(keepOnScreen(QRect(-9000, -9000, 7000, 7000), screens, screens[0]),
              QRect(0, 0, 1920, 1040));
}

TEST(Placement, OnlyAWindowWhollyOffEveryScreenIsBroughtBack) {
    const QList<QRect> screens{QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
    const QRect primary(0, 0, 1920, 1040);
    const QRect partly(-300, -20, 619, 418);
    EXPECT_EQ(keepOnScreen(partly, screens, primary), partly);
    EXPECT_EQ(keepOnScreen(QRect(2500, 500, 619, 418), screens, primary),
              QRect(2500, 500, 619, 418));
    EXPECT_EQ(keepOnScreen(QRect(-2000, 5000, 619, 418), screens, primary), QRect(0, 0, 619, 418));
}

TEST(Settings, EachExecutableNameKeepsItsOwnValues) {
    {
        platform::Settings reader(QStringLiteral("Quillora"));
        reader.write(QStringLiteral("Setting"), QStringLiteral("Left"), QStringLiteral("-450"));
        reader.flush();
    }
    platform::Settings copy(QStringLiteral("QuilloraCopy"));
    EXPECT_EQ(copy.read(QStringLiteral("Setting"), QStringLiteral("Left"), QStringLiteral("0")),
              QStringLiteral("0"));
    platform::Settings again(QStringLiteral("Quillora"));
    EXPECT_EQ(again.read(QStringLiteral("Setting"), QStringLiteral("Left"), QStringLiteral("0")),
              QStringLiteral("-450"));
}

TEST(PaneLayout, DefaultWindowPutsBarAndViewBesideTheTree) {
    const PaneLayout panes = layoutPanes(kDesignTreeWidth, 9105, 5865);
    EXPECT_EQ(panes.tree, QRect(0, 0, 2715, 5865));
    EXPECT_EQ(panes.bar, QRect(2725, 0, 30, 5865));
    EXPECT_EQ(panes.view, QRect(2765, 0, 9105 - 2765, 5865));
    EXPECT_LT(layoutPanes(2715, 2000, 100).view.width(), 0); // narrower than the tree
}

TEST(PaneLayout, ReleasingTheBarKeepsTheTreeWithinItsLimits) {
    EXPECT_EQ(treeWidthOnRelease(1500, 6000), 2000);
    EXPECT_EQ(treeWidthOnRelease(4000, 9000), 3000);
    EXPECT_EQ(treeWidthOnRelease(2500.4, 9000), 2500);
    EXPECT_EQ(treeWidthOnRelease(100, 4500), 1500); // a third wins over the minimum
    EXPECT_EQ(treeWidthOnRelease(2600, 4500), 1500);
}
