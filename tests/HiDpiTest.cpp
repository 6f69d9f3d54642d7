// The window on a scaled screen (QT_SCALE_FACTOR, set by the test's
// registration): placed and laid out in twips exactly as unscaled, the bar
// within its limits, the tree's icons drawn from their double-size pictures.
#include "shell/Mainform.h"
#include "shell/PaneLayout.h"
#include "shell/Placement.h"
#include "shell/SplitterBar.h"

#include "platform/NodeTree.h"
#include "platform/PageView.h"
#include "platform/Settings.h"

#include <QApplication>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidgetItem>
#include <QWindow>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

QRect inTwips(const QRect& pixels, double dpiX, double dpiY) {
    return QRect(shell::pixelsToTwips(pixels.x(), dpiX), shell::pixelsToTwips(pixels.y(), dpiY),
                 shell::pixelsToTwips(pixels.width(), dpiX),
                 shell::pixelsToTwips(pixels.height(), dpiY));
}

} // namespace

TEST(ScaledScreen, TheWindowPlacesAndLaysOutInTwipsAsUnscaled) {
    const double factor = qEnvironmentVariable("QT_SCALE_FACTOR", u"1"_s).toDouble();
    {
        platform::Settings settings(platform::Settings::programFile());
        settings.write(u"Setting"_s, u"Left"_s, u"1440"_s);
        settings.write(u"Setting"_s, u"Top"_s, u"720"_s);
        settings.write(u"Setting"_s, u"Width"_s, u"9285"_s);
        settings.write(u"Setting"_s, u"Height"_s, u"6270"_s);
        settings.write(u"Setting"_s, u"Window"_s, u"0"_s);
        settings.flush();
    }
    shell::Mainform form;
    QSignalSpy loaded(form.view(), &platform::PageView::loadFinished);
    form.load();
    form.show();
    ASSERT_TRUE(loaded.wait(30000));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    EXPECT_DOUBLE_EQ(form.windowHandle()->devicePixelRatio(), factor);

    const double dpiX = form.logicalDpiX();
    const double dpiY = form.logicalDpiY();
    const QRect frame = inTwips(form.frameGeometry(), dpiX, dpiY);
    EXPECT_NEAR(frame.left(), 1440, 15);
    EXPECT_NEAR(frame.top(), 720, 15);
    EXPECT_NEAR(frame.width(), 9285, 15);
    EXPECT_NEAR(frame.height(), 6270, 15);

    const shell::PaneLayout panes =
        shell::layoutPanes(form.treeWidthTwips(), shell::pixelsToTwips(form.width(), dpiX),
                           shell::pixelsToTwips(form.height(), dpiY));
    const QRect view = inTwips(form.view()->geometry(), dpiX, dpiY);
    EXPECT_NEAR(view.left(), panes.view.left(), 15);
    EXPECT_NEAR(view.width(), panes.view.width(), 15);
    auto* bar = form.findChild<shell::SplitterBar*>();
    ASSERT_NE(bar, nullptr);
    EXPECT_NEAR(inTwips(bar->geometry(), dpiX, dpiY).left(), panes.bar.left(), 15);

    // The bar dragged far to the left stops at its lower limit.
    QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(1, 5));
    QMouseEvent move(QEvent::MouseMove, QPointF(-dpiX * 4, 5),
                     bar->mapToGlobal(QPointF(-dpiX * 4, 5)), Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(bar, &move);
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(1, 5));
    EXPECT_EQ(form.treeWidthTwips(), 2000);
    EXPECT_NEAR(inTwips(form.view()->geometry(), dpiX, dpiY).left(), 2000 + 50, 15);

    form.close();
    const platform::Settings saved(platform::Settings::programFile());
    EXPECT_NEAR(saved.read(u"Setting"_s, u"Width"_s, {}).toInt(), 9285, 15);
    EXPECT_NEAR(saved.read(u"Setting"_s, u"Left"_s, {}).toInt(), 1440, 15);
}

TEST(ScaledScreen, TreeIconsAreDrawnFromTheirDoubleSizePictures) {
    platform::NodeTree tree;
    tree.Add({}, u"a"_s, u"一"_s, 1, 2);
    const QIcon icon = tree.topLevelItem(0)->icon(0);
    for (const int picture : {1, 2}) {
        const QImage single =
            QImage(u":/quillora/icon%1"_s.arg(picture)).convertToFormat(QImage::Format_RGB32);
        const QImage twice =
            QImage(u":/quillora/icon%1@2x"_s.arg(picture)).convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(twice.size(), single.size() * 2);
        // Pixel for pixel: each picture pixel becomes a block of four.
        for (int y = 0; y < twice.height(); ++y)
            for (int x = 0; x < twice.width(); ++x)
                ASSERT_EQ(twice.pixel(x, y), single.pixel(x / 2, y / 2));
        const QIcon::Mode mode = picture == 1 ? QIcon::Normal : QIcon::Selected;
        const QImage drawn =
            icon.pixmap(QSize(18, 18), 2.0, mode).toImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(drawn.size(), twice.size());
        EXPECT_EQ(drawn, twice);
    }
}
