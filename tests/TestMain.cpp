// Every test binary runs inside a Qt application: the adapters use Qt's
// strings, settings and resources, and the window tests need the GUI.
#include "platform/Process.h"

#include <QApplication>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // Settings, favourites and the working folder go to a throw-away home, never the
    // developer's own.
    QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_CACHE_HOME", (home.path() + QStringLiteral("/.cache")).toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/.config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", (home.path() + QStringLiteral("/.local/share")).toLocal8Bit());
    // Without a display (listing tests at build time, a bare terminal) the
    // window tests still run, off screen.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The script heap's size to the byte, not in coarse steps, for the tests
    // that watch it.
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS",
            qgetenv("QTWEBENGINE_CHROMIUM_FLAGS") + " --enable-precise-memory-info");
    ::testing::InitGoogleTest(&argc, argv);
    // Listing the tests (CTest does it before each run) needs no application,
    // and so no display, which may be coming or going meanwhile.
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();
    platform::prepareProcess();
    platform::preparePageEngine();
    platform::provideRuntimeFolder();
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
